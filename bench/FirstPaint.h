// SPDX-License-Identifier: MIT
// Ends the event loop once a window has been painted for the first time: the moment a user sees
// it. The start-up benchmark's two programs share it, so both stop at the same point.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace vardex::bench {

class QuitAfterFirstPaint : public QObject {
public:
    explicit QuitAfterFirstPaint(QWidget &window) { window.installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            // Queued, so that the paint under way (children included) finishes first.
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool painted_ = false;
};

// A window that never paints would keep the benchmark waiting: give up with exit code 3.
inline void GiveUpAfter(int milliseconds)
{
    QTimer::singleShot(milliseconds, QCoreApplication::instance(), [] { QCoreApplication::exit(3); });
}

}  // namespace vardex::bench
