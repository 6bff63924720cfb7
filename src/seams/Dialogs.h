// SPDX-License-Identifier: MIT
// Seam: modal message boxes. The program shows QMessageBox, vardex-cli writes to standard
// error, tests record what was shown and script the replies.
#pragma once

#include <QString>

namespace vardex {

enum class MessageIcon { None, Information, Exclamation, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageReply { Ok, Yes, No };

// A message with one OK button, as the domain functions report it for a window to show.
struct Message {
    QString text;  // line breaks are "\r\n"
    QString title;
    MessageIcon icon = MessageIcon::None;
    friend bool operator==(const Message &, const Message &) = default;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows text under title and returns the button pressed. Line breaks in text are "\r\n".
    virtual MessageReply ShowMessage(const QString &text, const QString &title, MessageIcon icon,
                                     MessageButtons buttons = MessageButtons::Ok) = 0;

    void Show(const Message &message) { ShowMessage(message.text, message.title, message.icon); }
};

}  // namespace vardex
