// SPDX-License-Identifier: MIT
// A calendar page as a file: PDF (QPdfWriter, its fonts embedded), SVG (QSvgGenerator) or PNG (an
// image at 150 dots per inch), on A4 or Letter paper, upright for a month and lying for a year.
#pragma once

#include <QByteArray>
#include <QString>

#include "pages/CalendarPagePainter.h"

class QPainter;

namespace vardex {

enum class PageFileFormat { Pdf, Svg, Png };

// "pdf", "svg", "png".
QString PageFileSuffix(PageFileFormat format);

// The PNG's resolution: sharp on paper, a few hundred kilobytes a page.
inline constexpr int kPagePngDotsPerInch = 150;

// The file's bytes; empty when there is no memory for the image.
QByteArray CalendarPageFile(const PageSheet &sheet, PaperSize paper, PageFileFormat format);

}  // namespace vardex
