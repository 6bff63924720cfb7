// SPDX-License-Identifier: MIT
#include "PolylineClip.h"

#include <algorithm>
#include <optional>

namespace vardex {

namespace {

struct Part {
    QPointF from;
    QPointF to;
    bool whole = false;  // to is the segment's own end, not a point on an edge
};

// The part of the segment from a to b inside box, after Liang and Barsky: the segment's
// parameter t in [0, 1] is narrowed edge by edge. An end inside the box is returned exactly.
std::optional<Part> ClipSegment(QPointF a, QPointF b, const QRectF &box)
{
    const QPointF d = b - a;
    const double p[4] = {-d.x(), d.x(), -d.y(), d.y()};
    const double q[4] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(), box.bottom() - a.y()};
    double enter = 0, leave = 1;  // [0, 1]
    for (int edge = 0; edge < 4; ++edge) {
        if (p[edge] == 0) {
            if (q[edge] < 0)
                return std::nullopt;  // parallel to the edge and outside it
            continue;
        }
        const double t = q[edge] / p[edge];
        if (p[edge] < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter > leave)
        return std::nullopt;
    return Part{enter == 0 ? a : a + enter * d, leave == 1 ? b : a + leave * d, leave == 1};
}

}  // namespace

std::vector<QList<QPointF>> ClipPolyline(const QList<QPointF> &line, const QRectF &box)
{
    std::vector<QList<QPointF>> runs;
    bool joined = false;  // the last segment ended inside the box, where this one starts
    for (qsizetype i = 1; i < line.size(); ++i) {
        const auto part = ClipSegment(line[i - 1], line[i], box);
        if (!part) {
            joined = false;
            continue;
        }
        if (!joined)
            runs.push_back({part->from});
        runs.back().append(part->to);
        joined = part->whole;
    }
    return runs;
}

}  // namespace vardex
