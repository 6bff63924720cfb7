// SPDX-License-Identifier: MIT
// The base of the two table windows (date sequence, vernal equinoxes): a box for the number of
// rows, a Do it button, an output box that runs only ever append to, and the Copy, Clear and Close
// buttons, with the behaviour the two share:
// - the output text is kept here with "\r\n" line ends, as the tables are built and copied; the
//   read-only box shows it, and a run appends to the box only what it added;
// - Enter released in the number box runs Do it, when it went down there too;
// - the copy button copies the selection, or all, with "\r\n" line ends, confirms with the pop-up
//   and moves the focus to Clear; it reads "Copy selected text to clipboard" (wider) while the
//   mouse has left a selection in the box;
// - every message of the window first brings the box up to date, and its closing is no new
//   activation of the window: activation (Activated) runs when the user comes back from elsewhere
//   and once after each show;
// - Save as CSV… (Ctrl+S, and the context menus of the window and of the box) saves the rows the
//   box shows: each run adds its rows, Clear and a box emptied by a run drop them.
// Each window keeps its own layout, texts and colours.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

#include "TableWindowHost.h"
#include "seams/Dialogs.h"
#include "seams/PopUps.h"
#include "seams/SaveFileChooser.h"

class QAction;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vardex {

class Clipboard;

class TableWindow : public QWidget {
    Q_OBJECT

public:
    // The output text, with "\r\n" line ends; the box shows the same.
    const QString &OutputText() const { return output_; }

    // The caret after the last character of the number box, and the focus there.
    void FocusCountBox();

    // Asks where to save the rows shown as CSV, and saves them.
    void SaveAsCsv();

    QLineEdit *const countBox;
    QPushButton *const cmdDoIt;
    QPlainTextEdit *const txbOutput;
    QPushButton *const cmdCopyToClipboard;
    QPushButton *const cmdClear;
    QPushButton *const cmdClose;

protected:
    TableWindow(const QString &caption, TableWindowHost &host, Dialogs &dialogs, Clipboard &clipboard,
                PopUps &popUps, SaveFileChooser &saveFileChooser);

    // The Do it command.
    virtual void DoIt() = 0;
    // On activation: enables the copy button and focuses the number box.
    virtual void Activated();
    // After Clear has emptied the output, before the focus returns to the number box.
    virtual void OutputCleared() {}
    // The CSV header record of the table, and the file name the save dialog offers.
    virtual std::string CsvHeader() const = 0;
    virtual QString CsvFileName() const = 0;
    // Once the window has laid out its controls at its design size: lets it show smaller on a
    // screen too small for that design, its controls scrolling.
    void FinishLayout();
    // Keeps the CSV records of rows a run has just added to the box.
    void AddCsvRecords(const std::string &records, std::size_t rowCount);

    // Reads the number box with reader, which may trim the text (written back before any of its
    // messages) and reports faults through the dialogs it is given.
    std::optional<int> ReadCount(const std::function<std::optional<int>(QString &, Dialogs &)> &reader);
    // Runs a command that appends to a copy of the output text; each of its messages first shows
    // the text so far, and the box shows the whole text at the end.
    void AppendRun(const std::function<void(QString &output, Dialogs &dialogs)> &run);
    // Replaces the output text, appending to the box when only text was added.
    void SetOutput(const QString &text);
    void CaretToEnd();
    void ResetCopyButton();

    // The window's messages, counted as modal.
    Dialogs &WindowDialogs() { return dialogs_; }
    TableWindowHost &Host() { return host_; }

    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    class ModalScope;
    // The seams as the window uses them: an open message or pop-up is modal; before a message the
    // window is brought up to date.
    struct ModalDialogs : Dialogs {
        ModalDialogs(Dialogs &dialogs, TableWindow &owner) : inner(dialogs), window(owner) {}
        MessageReply ShowMessage(const QString &text, const QString &title, MessageIcon icon,
                                 MessageButtons buttons) override;
        Dialogs &inner;
        TableWindow &window;
        std::function<void()> beforeMessage;
    };
    struct ModalPopUps : PopUps {
        ModalPopUps(PopUps &popUps, TableWindow &owner) : inner(popUps), window(owner) {}
        void PopUp(const QString &message, int width, int height, int intervalMs, int top, int left) override;
        PopUps &inner;
        TableWindow &window;
    };

    void CopyToClipboard();
    void ClearOutput();
    void OutputMouseUp(Qt::MouseButton button);
    void ShowOutputContextMenu(const QPoint &position);
    QString SelectedOutput() const;

    TableWindowHost &host_;
    Clipboard &clipboard_;
    SaveFileChooser &saveFileChooser_;
    QAction *const saveAsCsv_;
    ModalDialogs dialogs_;
    ModalPopUps popUps_;
    QString output_;
    QSize design_;            // the window's size as laid out; nothing before FinishLayout
    std::string csvRecords_;  // of the rows in output_, in order
    std::size_t csvRowCount_ = 0;
    int modalDepth_ = 0;
    bool activationFromModalPending_ = false;
    bool enterPressed_ = false;  // Enter went down in the number box
};

}  // namespace vardex
