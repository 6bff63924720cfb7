// SPDX-License-Identifier: MIT
// Messages as vardex-cli shows them: collected for standard error, one per line (a message's own
// line breaks kept), questions answered No.
#pragma once

#include <QStringList>
#include <string>
#include <vector>

#include "input/TextUtils.h"
#include "seams/Dialogs.h"

namespace vardex::cli {

class ConsoleDialogs : public Dialogs {
public:
    MessageReply ShowMessage(const QString &text, const QString &, MessageIcon,
                             MessageButtons buttons) override
    {
        QString shown = text;
        messages << shown.replace(kCrLf, QStringLiteral("\n"));
        return buttons == MessageButtons::YesNo ? MessageReply::No : MessageReply::Ok;
    }
    void ShowAll(const std::vector<Message> &shown)
    {
        for (const Message &message : shown)
            Show(message);
    }
    // The messages shown, each followed by a line end.
    std::string Text() const
    {
        std::string text;
        for (const QString &m : messages)
            text += m.toStdString() + "\n";
        return text;
    }
    QStringList messages;
};

}  // namespace vardex::cli
