#pragma once
#include <string>

enum class msgIcon { None, Exclamation, Question, Information };
enum class msgButtons { Ok, YesNo };
enum class msgAnswer { Ok, Yes, No };

// Modal message boxes. Texts are UTF-8; line breaks are CR LF.
class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    // For Yes/No, defaultAnswer is the button that Enter presses.
    virtual msgAnswer show(const std::string& title, const std::string& text, msgIcon icon,
                           msgButtons buttons, msgAnswer defaultAnswer = msgAnswer::Yes) = 0;
};
