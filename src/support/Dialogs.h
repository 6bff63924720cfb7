// Seam: modal message boxes. The program shows QMessageBox, vardex-cli writes to standard
// error, tests record what was shown and script the replies.
#pragma once

#include <QString>

namespace vardex {

enum class MessageIcon { None, Information, Exclamation, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageReply { Ok, Yes, No };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows text under title and returns the button pressed. Line breaks in text are "\r\n".
    virtual MessageReply ShowMessage(const QString &text, const QString &title, MessageIcon icon,
                                     MessageButtons buttons = MessageButtons::Ok) = 0;
};

}  // namespace vardex
