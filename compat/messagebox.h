#pragma once

#include <QString>

class QWidget;

namespace pattaro::platform {

enum class MsgIcon { Information, Question, Exclamation, Critical };
enum class MsgButtons { Ok, YesNo };

// Answer codes of a message box.
inline constexpr int kIdOk = 1;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

// A modal message box. Code that asks the user goes through this, so tests
// can answer instead of a person.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Returns kIdOk, kIdYes or kIdNo.
    virtual int show(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons) = 0;
};

class QtMessageBoxService : public MessageBoxService {
public:
    explicit QtMessageBoxService(QWidget* parent = nullptr) : m_parent(parent) {}
    int show(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons) override;

private:
    QWidget* m_parent;
};

// For runs with nobody at the screen, such as taking a screenshot: writes
// each message to standard error as "title: text" and answers at once, OK
// or No, so nothing waits for a click. It counts the messages, so that the
// run can end with a failure status when something was reported.
class UnattendedMessageBoxService : public MessageBoxService {
public:
    int show(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons) override;
    int messagesShown() const { return m_shown; }

private:
    int m_shown = 0;
};

} // namespace pattaro::platform
