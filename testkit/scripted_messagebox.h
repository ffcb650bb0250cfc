#pragma once

#include "compat/messagebox.h"

#include <QStringList>
#include <deque>
#include <vector>

namespace pattaro::testing {

// Answers message boxes from a script and records what was shown.
class ScriptedMessageBox : public platform::MessageBoxService {
public:
    struct Shown {
        QString text;
        QString title;
        platform::MsgIcon icon;
        platform::MsgButtons buttons;
    };

    // Answers for Yes/No boxes, in order; OK boxes always answer kIdOk.
    std::deque<int> answers;
    std::vector<Shown> shown;

    int show(const QString& text, const QString& title, platform::MsgIcon icon,
             platform::MsgButtons buttons) override
    {
        shown.push_back({text, title, icon, buttons});
        if (buttons == platform::MsgButtons::Ok)
            return platform::kIdOk;
        if (answers.empty())
            return platform::kIdNo;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace pattaro::testing
