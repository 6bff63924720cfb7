// frmVernalEquinoxes: the vernal-equinox window.
//
// The window shows and wires; the table itself is built by the functions of EquinoxTable.h.
// "Do it" reads the number of years (ReadNumberOfYears), takes the first year, the Dee variant
// and the output capacity from the main window afresh, and lets RunVernalEquinoxes append the
// rows to the output text, which this window then shows.
//
// The output text is kept here as the table functions build it, with "\r\n" line ends; the box
// only shows it (a text document keeps no "\r"). So the capacity check counts what the text
// really holds, and the clipboard gets the rows exactly as built, "\r\n" line ends included.
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>

#include "support/Dialogs.h"
#include "support/PopUps.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace vardex {

class Clipboard;
class MainWindow;

class VernalEquinoxWindow : public QWidget {
    Q_OBJECT

public:
    // Builds and loads the window (hidden) next to the main window. main, the seams and the
    // pop-up must outlive it.
    VernalEquinoxWindow(MainWindow &main, Dialogs &dialogs, Clipboard &clipboard, PopUps &popUps,
                        QWidget *parent = nullptr);

    // The input year, set by the main window before it shows this window. A run sets it to the
    // main window's input year and leaves it one past the last year written.
    int32_t lngYear = 0;

    // The output text as built, with "\r\n" line ends; the box shows the same with "\n".
    const QString &OutputText() const { return m_output; }

    // Event handlers, as the controls call them.
    void cmdDoIt_Click();
    void cmdCopyToClipboard_Click();
    void cmdClear_Click();
    void cmdClose_Click();

    // Procedures of the window.
    void WriteTableHeader(); // into an output without results, in the main window's Dee name
    void FillLongitudeLists();
    void FocusNumYears(); // caret after the last character of the number box, focus on it

    QLabel *const lblDates1;
    QLineEdit *const txbNumYears;
    QLabel *const lblDates2;
    QPushButton *const cmdDoIt;
    QLabel *const lblWashingtonLongitude;
    QComboBox *const cboDegrees;
    QLabel *const lblDegrees;
    QComboBox *const cboMinutes;
    QLabel *const lblMinutes;
    QRadioButton *const optMeanST;
    QRadioButton *const optApparentST;
    QPlainTextEdit *const txbOutput;
    QPushButton *const cmdCopyToClipboard;
    QPushButton *const cmdClear;
    QPushButton *const cmdClose;

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The seams as the window's handlers use them: a message box or the pop-up of this window
    // that closes hands the activation back to the window, which is no new activation.
    class ModalScope;
    struct WindowDialogs : Dialogs {
        WindowDialogs(Dialogs &dialogs, VernalEquinoxWindow &owner) : inner(dialogs), window(owner) {}
        MessageReply ShowMessage(const QString &text, const QString &title, MessageIcon icon,
                                 MessageButtons buttons) override;
        Dialogs &inner;
        VernalEquinoxWindow &window;
    };
    struct WindowPopUps : PopUps {
        WindowPopUps(PopUps &popUps, VernalEquinoxWindow &owner) : inner(popUps), window(owner) {}
        void PopUp(const QString &message, int width, int height, int intervalMs, int top, int left) override;
        PopUps &inner;
        VernalEquinoxWindow &window;
    };

    void Load();
    void LayOut();
    void ConnectEvents();
    void Activated();
    void ResetCopyButton();
    void txbOutput_MouseUp();
    void cboLongitude_Click();
    void ShowOutput(const QString &shownBefore);
    void MoveCaretToEnd();
    QString SelectedOutput() const;

    MainWindow &m_main;
    Clipboard &m_clipboard;
    WindowDialogs m_dialogs;
    WindowPopUps m_popUps;
    QString m_output;
    int m_modalDepth = 0;
    bool m_activationFromModalPending = false;
};

} // namespace vardex
