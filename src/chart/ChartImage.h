// SPDX-License-Identifier: MIT
// The Equinox chart as an image file: a chart of its own, drawn at the size asked for with the
// axis ranges of the window's chart, with or without its Delta-T band, as PNG or SVG bytes.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include "chart/EquinoxChart.h"

namespace vardex {

enum class ImageFormat { Png, Svg };

// The image's bytes; empty when no memory could be had for a PNG of that size.
QByteArray EquinoxChartImage(const EquinoxChartData &data, const ChartRanges &ranges, bool deltaTBand,
                             QSize size, ImageFormat format);

}  // namespace vardex
