// SPDX-License-Identifier: MIT
// The platform seams as the desktop program provides them: Qt message boxes, the system
// clipboard, the desktop's URL opener and the primary screen.
#pragma once

#include <QMessageBox>
#include <QSize>

#include "seams/Clipboard.h"
#include "seams/Dialogs.h"
#include "seams/OpenFileChooser.h"
#include "seams/SaveFileChooser.h"
#include "seams/Screen.h"
#include "seams/Shell.h"

namespace vardex {

// A message box that lies inside the screen it opens on: centred over a window larger than a
// small screen, moved onto it; on a narrow screen, wider than Qt would make it, so that a long
// text wraps into fewer lines than the screen is high.
class OnScreenMessageBox : public QMessageBox {
    Q_OBJECT

public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent *event) override;
};

// OnScreenMessageBox, application-modal over the active window. The text is shown as plain text (a
// "<" in a message is not markup), its "\r\n" breaks as line breaks, selectable with the mouse;
// the title as given.
class QtDialogs : public Dialogs {
public:
    MessageReply ShowMessage(const QString &text, const QString &title, MessageIcon icon,
                             MessageButtons buttons = MessageButtons::Ok) override;
};

class QtClipboard : public Clipboard {
public:
    void Clear() override;
    void SetText(const QString &text) override;
};

// The desktop's save dialog over the active window; it asks before replacing a file. It opens in
// the folder last saved to, at first the user's documents folder.
class QtSaveFileChooser : public SaveFileChooser {
public:
    QString SavePath(const QString &title, const QString &suggestedName, const QString &filter,
                     QString *selectedFilter = nullptr) override;

private:
    QString lastFolder_;
};

// The desktop's open dialog over the active window, for an existing file. It opens at the path
// given, else in the folder a file was last chosen from, at first the user's documents folder.
class QtOpenFileChooser : public OpenFileChooser {
public:
    QString OpenPath(const QString &title, const QString &startPath, const QString &filter) override;

private:
    QString lastFolder_;
};

// Opens addresses with the desktop's xdg-open, waiting up to kXdgOpenWaitMs for its verdict
// (QDesktopServices where there is no xdg-open): 42 when a browser took the address; 2 for a file
// that does not exist, 31 when no program is there for it, 5 for any other failure.
class QtShell : public Shell {
public:
    static constexpr int kXdgOpenWaitMs = 3000;
    int Open(const QString &address) override;
};

// The primary screen in twips: its whole area, or the part not taken by task bars and docks.
// 0 x 0 when the application has no screen.
class QtScreen : public Screen {
public:
    enum class Area { Full, Available };
    explicit QtScreen(Area area = Area::Full) : area_(area) {}
    int WidthTwips() const override;
    int HeightTwips() const override;

private:
    QSize SizePixels() const;
    Area area_;
};

}  // namespace vardex
