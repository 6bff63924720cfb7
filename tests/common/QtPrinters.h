// SPDX-License-Identifier: MIT
// Lets GoogleTest print Qt values readably in its failure messages.
#pragma once

#include <QColor>
#include <QRect>
#include <ostream>

#include "RecordingSeams.h"  // prints QString

inline void PrintTo(const QSize &s, std::ostream *os) { *os << s.width() << " x " << s.height(); }
inline void PrintTo(const QPoint &p, std::ostream *os) { *os << '(' << p.x() << ", " << p.y() << ')'; }
inline void PrintTo(const QRect &r, std::ostream *os) { PrintTo(r.topLeft(), os), PrintTo(r.size(), os); }
inline void PrintTo(const QColor &colour, std::ostream *os) { *os << colour.name().toStdString(); }
