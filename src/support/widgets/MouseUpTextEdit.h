// SPDX-License-Identifier: MIT
// A text box that tells its window of a mouse button released over it, once it has dealt with the
// release itself: a click inside a selection only drops the selection on release, so the window
// sees the selection as the user left it.
#pragma once

#include <QPlainTextEdit>
#include <functional>

namespace vardex {

class MouseUpTextEdit : public QPlainTextEdit {
public:
    MouseUpTextEdit(QWidget *parent, std::function<void(Qt::MouseButton)> mouseUp);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    std::function<void(Qt::MouseButton)> mouseUp_;
};

}  // namespace vardex
