// frmDateSequence: the date-sequence window. It lists a run of consecutive days from the main
// window's input date as Gregorian and Dee dates with their Julian day number and weekday.
//
// The window only shows and wires: CheckNumberOfDays judges the typed number of days and
// RunDateSequence (DateSequence.h) writes the table, converting the main window's current input
// through its controller when the run starts. The table text, with "\r\n" line ends, is the
// window's own model (OutputText); the read-only box shows it, and a run only appends to the box
// what it added to the text, so that long runs stay quick. The main window creates the window on
// first use; Close hides it and the output stays.
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vardex {

class Clipboard;
class Dialogs;
class MainWindow;
class PopUps;

class DateSequenceWindow : public QWidget {
    Q_OBJECT

public:
    // Builds and loads the window (fonts, the main window's colours, its place below the main
    // window's output frame, "14" days, an empty output); the caller shows it.
    DateSequenceWindow(MainWindow &main, Dialogs &dialogs, Clipboard &clipboard, PopUps &popUps,
                       QWidget *parent = nullptr);

    QLabel *const lblDates1;
    QLineEdit *const txbNumDays;
    QLabel *const lblDates2;
    QPushButton *const cmdDoIt;
    QPlainTextEdit *const txbOutput;
    QPushButton *const cmdCopyToClipboard;
    QPushButton *const cmdClear;
    QPushButton *const cmdClose;

    // The output box's text with "\r\n" line ends, as the table is written and copied.
    const QString &OutputText() const { return m_output; }

    // Enables the copy button and puts the focus in the number box. Runs whenever the window
    // becomes active, except on the way back from a message box or the pop-up (the command that
    // showed it has placed the focus), and once after each show.
    void Form_Activate();

    // The caret after the last character of the number box, and the focus there.
    void FocusNumDays();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void LayOut();
    void cmdDoIt_Click();
    void cmdCopyToClipboard_Click();
    void cmdClear_Click();
    void cmdClose_Click();
    void txbOutput_MouseUp(Qt::MouseButton button);
    void SetCopyButton(const QString &caption, int widthTwips);
    int32_t StartJdn();
    void ShowOutput(const QString &text);
    void CaretToEnd();

    MainWindow &m_main;
    Dialogs &m_dialogs;
    Clipboard &m_clipboard;
    PopUps &m_popUps;
    QString m_output;
    bool m_enterPressed = false;       // Enter went down in the number box (its release runs Do it)
    bool m_deactivatedByModal = false; // a message box or the pop-up took the activation
};

} // namespace vardex
