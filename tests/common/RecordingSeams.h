// Seams for tests: they record what the program showed and answer as scripted.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <ostream>
#include <string>
#include <vector>

#include "seams/Clipboard.h"
#include "seams/Clock.h"
#include "seams/Dialogs.h"
#include "seams/PopUps.h"
#include "seams/Screen.h"
#include "seams/Shell.h"

// Readable QStrings in test failure messages.
inline void PrintTo(const QString &text, std::ostream *os) { *os << '"' << text.toStdString() << '"'; }

namespace vardex::test {

struct ShownMessage {
    QString text;
    QString title;
    MessageIcon icon;
    MessageButtons buttons;
};

class RecordingDialogs : public Dialogs {
public:
    MessageReply ShowMessage(const QString &text, const QString &title, MessageIcon icon,
                             MessageButtons buttons) override
    {
        shown.push_back({text, title, icon, buttons});
        if (buttons == MessageButtons::Ok)
            return MessageReply::Ok;
        if (replies.empty())
            return MessageReply::No;
        const MessageReply reply = replies.front();
        replies.pop_front();
        return reply;
    }
    // The texts shown so far, oldest first.
    QStringList Texts() const
    {
        QStringList texts;
        for (const ShownMessage &m : shown)
            texts << m.text;
        return texts;
    }
    std::vector<ShownMessage> shown;
    std::deque<MessageReply> replies;  // answers to Yes/No questions, in order; No when none left
};

class RecordingClipboard : public Clipboard {
public:
    void Clear() override
    {
        text.clear();
        ++clears;
    }
    void SetText(const QString &t) override { text = t; }
    QString text;
    int clears = 0;
};

class RecordingShell : public Shell {
public:
    int Open(const QString &address) override
    {
        opened << address;
        return result;
    }
    QStringList opened;
    int result = 42;
};

class FixedScreen : public Screen {
public:
    int WidthTwips() const override { return width; }
    int HeightTwips() const override { return height; }
    int width = 800 * 15;  // the offscreen platform's screen
    int height = 800 * 15;
};

class RecordingPopUps : public PopUps {
public:
    struct Shown {
        QString message;
        int width, height, intervalMs, top, left;
    };
    void PopUp(const QString &message, int width, int height, int intervalMs, int top, int left) override
    {
        shown.push_back({message, width, height, intervalMs, top, left});
    }
    std::vector<Shown> shown;
};

class ScriptedClock : public Clock {
public:
    explicit ScriptedClock(std::string t = "2024-03-05") : text(std::move(t)) {}
    std::string ShortDateText() const override { return text; }
    std::string text;
};

}  // namespace vardex::test
