// SPDX-License-Identifier: MIT
#include "PolygonClip.h"

#include <array>
#include <functional>

namespace vardex {

namespace {

// One edge of the box: how far inside it a point lies (negative outside).
using Inside = std::function<double(QPointF)>;

// The outline cut by one edge: the points inside kept, a point added where a side crosses it.
QList<QPointF> CutByEdge(const QList<QPointF> &outline, const Inside &inside)
{
    QList<QPointF> cut;
    for (qsizetype i = 0; i < outline.size(); ++i) {
        const QPointF from = outline[(i == 0 ? outline.size() : i) - 1];
        const QPointF to = outline[i];
        const double a = inside(from), b = inside(to);
        if ((a >= 0) != (b >= 0))
            cut.append(from + (to - from) * (a / (a - b)));
        if (b >= 0)
            cut.append(to);
    }
    return cut;
}

}  // namespace

QList<QPointF> ClipPolygon(const QList<QPointF> &outline, const QRectF &box)
{
    const std::array<Inside, 4> edges{
        [&](QPointF p) { return p.x() - box.left(); }, [&](QPointF p) { return box.right() - p.x(); },
        [&](QPointF p) { return p.y() - box.top(); }, [&](QPointF p) { return box.bottom() - p.y(); }};
    QList<QPointF> clipped = outline;
    for (const Inside &inside : edges)
        clipped = CutByEdge(clipped, inside);
    return clipped;
}

}  // namespace vardex
