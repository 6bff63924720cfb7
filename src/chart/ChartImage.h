// SPDX-License-Identifier: MIT
// The Equinox chart as an image file: a chart of its own, drawn at the size asked for with the
// axis ranges of the window's chart, as PNG or SVG bytes; and the writing of those bytes.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <optional>

#include "chart/EquinoxChart.h"

namespace vardex {

enum class ImageFormat { Png, Svg };

// The image's bytes; empty when no memory could be had for a PNG of that size.
QByteArray EquinoxChartImage(const EquinoxChartData &data, const ChartRanges &ranges, QSize size,
                             ImageFormat format);

// Writes bytes to path, replacing a file there only once every byte is written; the reason when
// it could not, nothing when it did.
std::optional<QString> WriteImageFile(const QString &path, const QByteArray &bytes);

}  // namespace vardex
