// SPDX-License-Identifier: MIT
// A filled outline cut to a rectangle, for the Equinox chart's images, whose SVG painter ignores
// clipping: the Delta-T band is an area, and an area cut as lines would lose its inside. QtCore only.
#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>

namespace vardex {

// The part of the closed outline inside box (edges included), after Sutherland and Hodgman: the
// outline cut by each edge in turn. Filled, it covers what the outline covers inside the box; where
// the outline leaves the box more than once, the pieces are joined along the box's edges by
// edges that enclose nothing. Empty when nothing of the outline lies inside.
QList<QPointF> ClipPolygon(const QList<QPointF> &outline, const QRectF &box);

}  // namespace vardex
