// SPDX-License-Identifier: MIT
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

class PopUpWindow : public QWidget, public PopUps {
    Q_OBJECT

public:
    explicit PopUpWindow(QWidget *parent = nullptr);

    // Shows message in a window of width x height whose top-left corner is at (left, top) on
    // the screen, for intervalMs milliseconds. Geometry in twips; an interval below 0 counts as 0.
    void PopUp(const QString &message, int width, int height, int intervalMs, int top, int left) override;

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
};

}  // namespace vardex
