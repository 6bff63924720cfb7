// SPDX-License-Identifier: MIT
// frmView: shows one text file read-only in a resizable window, with a button that copies the
// whole text or its selected part and a button that hides the window.
//
// The caller sets strFilename (and blnCopyToClipboardInvisible, the caption, the icon and the
// font size of txbText1 as it likes) and shows the window. The file is read when the window is
// first activated after that and kept until the window is closed by its frame; Close only hides
// it, so showing it again costs nothing.
#pragma once

#include <QString>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace vardex {

class Clipboard;
class Dialogs;

// The most characters the viewer puts into its text box.
inline constexpr int kViewerCapacity = 65530;

// The text the viewer shows for a file's text: the text itself when shorter than
// kViewerCapacity; otherwise the head note, as much of the start of the text as fits, an empty
// line and the tail note, exactly kViewerCapacity characters in all.
QString TextForViewer(const QString &text);

class TextViewer : public QWidget {
    Q_OBJECT

public:
    TextViewer(Dialogs &dialogs, Clipboard &clipboard, QWidget *parent = nullptr);

    QString strFilename;                       // full path of the file to show
    bool blnFileDisplayed = false;             // the file is in the text box
    bool blnCopyToClipboardInvisible = false;  // hide the copy button

    QPlainTextEdit *const txbText1;
    QPushButton *const cmdCopyToClipboard;
    QPushButton *const cmdClose;

    // Loads the file unless it is already shown. Runs by itself whenever the window becomes
    // active (and once after each show, for window systems that do not activate new windows).
    void Form_Activate();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Resize();
    void txbText1_MouseUp();
    void cmdCopyToClipboard_Click();
    void cmdClose_Click();
    void SetCopyButton(const QString &caption, int widthTwips);

    Dialogs &dialogs_;
    Clipboard &clipboard_;
    bool activating_ = false;  // a message box shown while loading must not start a second load
};

}  // namespace vardex
