// SPDX-License-Identifier: MIT
#include "MouseUpTextEdit.h"

#include <QMouseEvent>
#include <utility>

namespace vardex {

MouseUpTextEdit::MouseUpTextEdit(QWidget *parent, std::function<void(Qt::MouseButton)> mouseUp)
    : QPlainTextEdit(parent),
      mouseUp_(std::move(mouseUp))
{
}

void MouseUpTextEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    mouseUp_(event->button());
}

}  // namespace vardex
