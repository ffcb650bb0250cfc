#pragma once

#include "ui/encodingchooser.h"

#include <vector>

namespace pattaro::testing {

// Answers the encoding question from a script and records what was offered.
class ScriptedEncodingChooser : public EncodingChooser {
public:
    struct Asked {
        QString fileName;
        std::vector<EncodingOption> options;
    };

    // The answer to every question; nothing: the user cancels.
    std::optional<TextEncoding> answer;
    std::vector<Asked> asked;

    std::optional<TextEncoding> choose(const QString& fileName, const std::vector<EncodingOption>& options) override
    {
        asked.push_back({fileName, options});
        return answer;
    }
};

} // namespace pattaro::testing
