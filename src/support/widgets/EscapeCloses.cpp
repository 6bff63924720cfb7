// SPDX-License-Identifier: MIT
#include "EscapeCloses.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace vardex {

namespace {

class EscapeFilter : public QObject {
public:
    EscapeFilter(QWidget *window, std::function<void()> close)
        : QObject(window),
          window_(window),
          close_(std::move(close))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A key no control took comes up to the window itself.
        if (watched == window_ && event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
                close_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *window_;
    std::function<void()> close_;
};

}  // namespace

void CloseOnEscape(QWidget *window, std::function<void()> close)
{
    if (!close)
        close = [window] { window->hide(); };
    window->installEventFilter(new EscapeFilter(window, std::move(close)));
}

}  // namespace vardex
