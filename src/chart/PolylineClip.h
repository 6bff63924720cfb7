// SPDX-License-Identifier: MIT
// A polyline cut to a rectangle: the runs of it that lie inside, each a polyline of its own, with
// points added where it crosses the edges. The Equinox chart's images need it because the SVG
// painter ignores clipping. QtCore only.
#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <vector>

namespace vardex {

// The parts of line inside box (edges included), in order; none when it never enters the box.
std::vector<QList<QPointF>> ClipPolyline(const QList<QPointF> &line, const QRectF &box);

}  // namespace vardex
