// SPDX-License-Identifier: MIT
// Window geometry is kept in twips (1/1440 inch) throughout the program; Qt places widgets in
// logical pixels. At 96 dpi a pixel is 15 twips, and Qt's device-independent pixels already
// follow the screen's scaling, so the conversion is a plain division by 15.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <limits>

namespace vardex {

inline constexpr int kTwipsPerPixel = 15;

// Nearest logical pixel, halves away from zero: 7 twips -> 0 px, 8 twips -> 1 px, -8 -> -1.
constexpr int TwipsToPixels(int twips)
{
    const int64_t t = twips;  // widened so that -INT_MIN cannot overflow
    const int64_t half = kTwipsPerPixel / 2;
    const int64_t px = t >= 0 ? (t + half) / kTwipsPerPixel : -((-t + half) / kTwipsPerPixel);
    return static_cast<int>(px);
}

// Twips of a pixel count, saturated at the limits of int rather than wrapping.
constexpr int PixelsToTwips(int pixels)
{
    const int64_t t = static_cast<int64_t>(pixels) * kTwipsPerPixel;
    if (t > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (t < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(t);
}

inline QSize SizeToPixels(int widthTwips, int heightTwips)
{
    return {TwipsToPixels(widthTwips), TwipsToPixels(heightTwips)};
}

// Note the argument order: twips geometry is usually given top first, Qt wants x first.
inline QPoint TopLeftToPixels(int topTwips, int leftTwips)
{
    return {TwipsToPixels(leftTwips), TwipsToPixels(topTwips)};
}

// Where a window whose outer frame is `frame` goes to lie inside `area`: where it is when it fits,
// otherwise moved just enough; a window larger than the area keeps its top-left corner inside it.
constexpr QPoint PlaceInside(const QRect &frame, const QRect &area)
{
    const auto axis = [](int start, int length, int areaStart, int areaLength) {
        const int end = areaStart + areaLength;
        if (start + length > end)
            start = end - length;
        return start < areaStart ? areaStart : start;
    };
    return {axis(frame.x(), frame.width(), area.x(), area.width()),
            axis(frame.y(), frame.height(), area.y(), area.height())};
}

static_assert(PlaceInside({10, 10, 100, 100}, {0, 0, 800, 600}) == QPoint(10, 10), "kept where it fits");
static_assert(PlaceInside({750, 550, 100, 100}, {0, 0, 800, 600}) == QPoint(700, 500), "moved just enough");
static_assert(PlaceInside({-102, 67, 1486, 780}, {0, 0, 1280, 1024}) == QPoint(0, 67), "too wide: left edge");

static_assert(TwipsToPixels(15) == 1 && TwipsToPixels(7) == 0 && TwipsToPixels(8) == 1,
              "a pixel is 15 twips, rounded to the nearest");
static_assert(TwipsToPixels(-8) == -1 && TwipsToPixels(std::numeric_limits<int>::min()) < 0,
              "negative positions (screens left of the primary) round symmetrically");
static_assert(PixelsToTwips(std::numeric_limits<int>::max()) == std::numeric_limits<int>::max(),
              "pixel counts too large for twips saturate");

}  // namespace vardex
