// The platform seams as the desktop program provides them: Qt message boxes, the system
// clipboard, the desktop's URL opener and the primary screen.
#pragma once

#include <QSize>

#include "seams/Clipboard.h"
#include "seams/Dialogs.h"
#include "seams/Screen.h"
#include "seams/Shell.h"

namespace vardex {

// QMessageBox, application-modal over the active window. The text is shown as plain text (a
// "<" in a message is not markup), its "\r\n" breaks as line breaks; the title as given.
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

// Opens addresses with QDesktopServices: 42 when a handler took the address, 31 (no
// application for it) otherwise.
class QtShell : public Shell {
public:
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
