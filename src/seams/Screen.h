// SPDX-License-Identifier: MIT
// Seam: the size of the screen the program starts on, in twips (1/1440 inch; 15 twips are one
// pixel at 96 dpi).
#pragma once

namespace vardex {

class Screen {
public:
    virtual ~Screen() = default;
    virtual int WidthTwips() const = 0;
    virtual int HeightTwips() const = 0;
};

}  // namespace vardex
