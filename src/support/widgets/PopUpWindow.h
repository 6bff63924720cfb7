// frmPopUp: a borderless window showing one line of text that closes itself after an interval
// or when the user clicks it. Each display is modal and the call returns only once the window
// has closed, so the caller can put back whatever it hid before showing the message.
//
// One instance serves the whole program; the main window creates it and hands it to the other
// windows as their PopUps.
#pragma once

#include <QWidget>

#include "seams/PopUps.h"

class QLabel;
class QTimer;

namespace vardex {

class Screen;

class PopUpWindow : public QWidget, public PopUps {
    Q_OBJECT

public:
    // screen gives the size used to centre the window; it must outlive the window.
    explicit PopUpWindow(const Screen &screen, QWidget *parent = nullptr);

    // Shows message in a window of width x height whose top-left corner is at (left, top) on
    // the screen, for intervalMs milliseconds. Geometry in twips; an interval below 0 counts as 0.
    void PopUp(const QString &message, int width, int height, int intervalMs, int top, int left) override;

    // As PopUp, centred on the screen by the size the window had from its previous display.
    void PopUpCenterScreen(const QString &message, int width, int height, int intervalMs);

    // As PopUp, with top and left counted from the top-left corner of frmMe. Only the message's
    // width follows the new size; its height stays as it was.
    void PopUpInForm(const QWidget &frmMe, const QString &message, int width, int height, int intervalMs,
                     int top, int left);

    QLabel *const lblMessage;
    QTimer *const Timer1;

signals:
    // The window has been hidden by its timer, a click or any other means.
    void Closed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void Timer1_Timer();
    void StartAndWait(int intervalMs);

    const Screen &screen_;
};

}  // namespace vardex
