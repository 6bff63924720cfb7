// Lets GoogleTest print Qt values readably in its failure messages.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <ostream>

#include "RecordingSeams.h"  // prints QString

inline void PrintTo(const QSize &size, std::ostream *os) { *os << size.width() << " x " << size.height(); }

inline void PrintTo(const QPoint &point, std::ostream *os)
{
    *os << '(' << point.x() << ", " << point.y() << ')';
}

inline void PrintTo(const QRect &rect, std::ostream *os)
{
    *os << '(' << rect.x() << ", " << rect.y() << ") " << rect.width() << " x " << rect.height();
}

inline void PrintTo(const QColor &colour, std::ostream *os) { *os << colour.name().toStdString(); }
