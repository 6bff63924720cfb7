// SPDX-License-Identifier: MIT
// Seams for tests: they record what the program showed and answer as scripted.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "seams/Clipboard.h"
#include "seams/Clock.h"
#include "seams/Dialogs.h"
#include "seams/OpenFileChooser.h"
#include "seams/PopUps.h"
#include "seams/SaveFileChooser.h"
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
    friend bool operator==(const ShownMessage &, const ShownMessage &) = default;
    friend void PrintTo(const ShownMessage &m, std::ostream *os)
    {
        *os << '"' << m.text.toStdString() << "\" titled \"" << m.title.toStdString() << "\", icon "
            << int(m.icon) << ", buttons " << int(m.buttons);
    }
};

class RecordingDialogs : public Dialogs {
public:
    // Answers Yes/No questions from replies, in order; No when none is left.
    MessageReply ShowMessage(const QString &text, const QString &title, MessageIcon icon,
                             MessageButtons buttons) override
    {
        shown.push_back({text, title, icon, buttons});
        if (whileShown)
            whileShown();
        if (buttons == MessageButtons::Ok || replies.empty())
            return buttons == MessageButtons::Ok ? MessageReply::Ok : MessageReply::No;
        const MessageReply reply = replies.front();
        replies.pop_front();
        return reply;
    }
    QStringList Texts() const
    {
        QStringList texts;
        for (const ShownMessage &m : shown)
            texts << m.text;
        return texts;
    }
    std::vector<ShownMessage> shown;
    std::deque<MessageReply> replies;
    std::function<void()> whileShown;  // called while each message is open
};

struct RecordingClipboard : Clipboard {
    void Clear() override { text.clear(), ++clears; }
    void SetText(const QString &t) override { text = t; }
    QString text;
    int clears = 0;
};

// Answers every save dialog with `path` (empty: cancelled) and the first type offered.
struct ScriptedSaveFileChooser : SaveFileChooser {
    QString SavePath(const QString &title, const QString &suggestedName, const QString &filter,
                     QString *selectedFilter) override
    {
        asked << title + " | " + suggestedName + " | " + filter;
        if (selectedFilter)
            *selectedFilter = filter.section(QStringLiteral(";;"), 0, 0);
        return path;
    }
    QString path;
    QStringList asked;
};

// Answers every open dialog with `path` (empty: cancelled), or with the next of `paths` while
// any is left.
struct ScriptedOpenFileChooser : OpenFileChooser {
    QString OpenPath(const QString &title, const QString &startPath, const QString &filter) override
    {
        asked << title + " | " + startPath + " | " + filter;
        return paths.isEmpty() ? path : paths.takeFirst();
    }
    QString path;
    QStringList paths;
    QStringList asked;
};

struct RecordingShell : Shell {
    int Open(const QString &address) override { return opened << address, result; }
    QStringList opened;
    int result = 42;
};

struct FixedScreen : Screen {
    int WidthTwips() const override { return width; }
    int HeightTwips() const override { return 800 * 15; }
    int width = 800 * 15;  // the offscreen platform's screen
};

struct RecordingPopUps : PopUps {
    // message, width, height, interval, top, left
    void PopUp(const QString &message, int width, int height, int intervalMs, int top, int left) override
    {
        shown.push_back({message, width, height, intervalMs, top, left});
    }
    std::vector<std::tuple<QString, int, int, int, int, int>> shown;
};

struct ScriptedClock : Clock {
    explicit ScriptedClock(std::string t = "2024-03-05") : text(std::move(t)) {}
    std::string ShortDateText() const override { return text; }
    int64_t UtcSeconds() const override { return seconds; }
    std::string text;
    int64_t seconds = 1709596800;  // 2024-03-05 00:00:00 UTC
};

// The pop-up the program shows when it has copied a result.
inline const std::tuple<QString, int, int, int, int, int> kCopiedPopUp{
    "Result copied to clipboard", 2920, 300, 2000, 3900, 8050};

}  // namespace vardex::test
