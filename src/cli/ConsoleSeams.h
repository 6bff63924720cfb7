// The platform as vardex-cli gives it to the window logic: messages are collected for standard
// error, questions are answered No, there is no clipboard and no pop-up.
#pragma once

#include <QStringList>

#include "support/Clipboard.h"
#include "support/Dialogs.h"
#include "support/PopUps.h"
#include "support/Screen.h"

namespace vardex::cli {

class ConsoleDialogs : public Dialogs {
public:
    MessageReply ShowMessage(const QString &text, const QString &, MessageIcon, MessageButtons buttons) override
    {
        QString shown = text;
        messages << shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        return buttons == MessageButtons::YesNo ? MessageReply::No : MessageReply::Ok;
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

class NoClipboard : public Clipboard {
public:
    void Clear() override {}
    void SetText(const QString &) override {}
};

class NoPopUps : public PopUps {
public:
    void PopUp(const QString &, int, int, int, int, int) override {}
};

// A 1920 x 1080 screen at 96 dpi; the window's placement does not show in any output.
class NominalScreen : public Screen {
public:
    int WidthTwips() const override { return 1920 * 15; }
    int HeightTwips() const override { return 1080 * 15; }
};


}  // namespace vardex::cli
