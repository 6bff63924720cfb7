// SPDX-License-Identifier: MIT
// The look every window of the program shares, on top of the platform's style:
// - the control that has the keyboard focus carries a ring two pixels wide, dark on light
//   surfaces (buttons, boxes, lists) and light on dark ones (the purple of the windows), so
//   that it stands out at least 3:1 from the same pixels unfocused; the platform's own marks
//   (Fusion's faint outline) are too pale on the program's colours;
// - Alt pressed and released alone reaches the menu bar, as on other desktops.
#pragma once

#include <QColor>
#include <QProxyStyle>

namespace vardex {

class ProgramStyle : public QProxyStyle {
public:
    ProgramStyle();

    // The ring's colour on a surface of the given colour.
    static QColor FocusRingColour(const QColor &surface);
    static constexpr int kFocusRingWidth = 2;

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override;
};

// Relative luminance of a colour (WCAG 2), 0 for black to 1 for white.
double RelativeLuminance(const QColor &colour);
// The contrast ratio of two colours (WCAG 2), 1 to 21.
double ContrastRatio(const QColor &a, const QColor &b);

}  // namespace vardex
