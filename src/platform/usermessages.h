#pragma once

#include <QString>

// Every message box of the program goes through this interface: the windows ask, the real
// implementation shows a modal box, the tests' implementation records and answers.
class UserMessages
{
public:
    enum class Icon { None, Critical, Question, Information };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    struct Message
    {
        QString text;
        QString title;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
    };

    virtual ~UserMessages() = default;
    virtual Answer show(const Message &message) = 0;

    // The common case: an error with the critical icon and an OK button.
    void critical(const QString &text, const QString &title)
    {
        show({text, title, Icon::Critical, Buttons::Ok});
    }
};
