// SPDX-License-Identifier: MIT
#include "ProgramStyle.h"

#include <QPainter>
#include <QStyleOption>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFocusRect>
#include <cmath>

namespace vardex {

namespace {

constexpr QRgb kDarkRing = 0x0B2E8A;   // navy: 11:1 on white, 9:1 on the buttons' grey
constexpr QRgb kLightRing = 0xFFE14D;  // yellow: 7:1 on the windows' purple
// Surfaces darker than this take the light ring.
constexpr double kDarkSurface = 0.3;
constexpr int kFrameShade = 140;  // percent: a frame's line against the window's colour

bool HasFocus(const QStyleOption *option) { return option && (option->state & QStyle::State_HasFocus); }

void DrawRing(QPainter *painter, const QRect &rect, const QColor &surface)
{
    if (!painter || rect.width() < 2 * ProgramStyle::kFocusRingWidth ||
        rect.height() < 2 * ProgramStyle::kFocusRingWidth)
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(Qt::NoPen);
    painter->setBrush(ProgramStyle::FocusRingColour(surface));
    const int w = ProgramStyle::kFocusRingWidth;
    // Four bands inside the rectangle, so that the ring is never cut by the widget's edge.
    painter->drawRect(rect.left(), rect.top(), rect.width(), w);
    painter->drawRect(rect.left(), rect.bottom() - w + 1, rect.width(), w);
    painter->drawRect(rect.left(), rect.top() + w, w, rect.height() - 2 * w);
    painter->drawRect(rect.right() - w + 1, rect.top() + w, w, rect.height() - 2 * w);
    painter->restore();
}

double Linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) + 0.0722 * Linear(rgb.blueF());
}

double ContrastRatio(const QColor &a, const QColor &b)
{
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ProgramStyle::ProgramStyle() = default;

QColor ProgramStyle::FocusRingColour(const QColor &surface)
{
    return QColor::fromRgb(RelativeLuminance(surface) < kDarkSurface ? kLightRing : kDarkRing);
}

int ProgramStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                            QStyleHintReturn *returnData) const
{
    if (hint == SH_MenuBar_AltKeyNavigation)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                 const QWidget *widget) const
{
    if (element == PE_FrameFocusRect) {
        // The current cell of a table or list, and whatever else marks its focus this way.
        const auto *focus = qstyleoption_cast<const QStyleOptionFocusRect *>(option);
        const QColor surface = focus && focus->backgroundColor.isValid()
                                   ? focus->backgroundColor
                                   : option->palette.color(QPalette::Base);
        DrawRing(painter, option->rect, surface);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element == PE_PanelLineEdit && HasFocus(option))
        DrawRing(painter, option->rect.adjusted(1, 1, -1, -1), option->palette.color(QPalette::Base));
}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                               const QWidget *widget) const
{
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if ((element == CE_RadioButton || element == CE_CheckBox) && button && HasFocus(option)) {
        // The ring goes round the circle or box and the caption, on the window's colour; the
        // platform's dotted frame round the caption alone is left out.
        QStyleOptionButton unfocused = *button;
        unfocused.state &= ~State_HasFocus;
        QProxyStyle::drawControl(element, &unfocused, painter, widget);
        const bool radio = element == CE_RadioButton;
        const QRect indicator =
            subElementRect(radio ? SE_RadioButtonIndicator : SE_CheckBoxIndicator, button, widget);
        const QRect caption =
            subElementRect(radio ? SE_RadioButtonFocusRect : SE_CheckBoxFocusRect, button, widget);
        const int w = kFocusRingWidth + 1;
        DrawRing(painter, indicator.united(caption).adjusted(-w, -w, w, w).intersected(option->rect),
                 option->palette.color(QPalette::Window));
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
    if (!HasFocus(option))
        return;
    // Inside the control's own border, on its face, where the ring stands out most.
    if (element == CE_PushButton)
        DrawRing(painter, option->rect.adjusted(2, 2, -2, -2), option->palette.color(QPalette::Button));
    else if (element == CE_ShapedFrame)
        // A box's frame is a line or two that its contents cover inside; the ring takes the
        // frame's place, which the style draws a shade darker than the window.
        DrawRing(painter, option->rect, option->palette.color(QPalette::Window).darker(kFrameShade));
}

void ProgramStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                      QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (!HasFocus(option))
        return;
    if (control == CC_SpinBox) {
        DrawRing(painter, option->rect.adjusted(1, 1, -1, -1), option->palette.color(QPalette::Base));
    } else if (control == CC_ComboBox) {
        const auto *combo = qstyleoption_cast<const QStyleOptionComboBox *>(option);
        const bool editable = combo && combo->editable;
        DrawRing(painter, option->rect.adjusted(1, 1, -1, -1),
                 option->palette.color(editable ? QPalette::Base : QPalette::Button));
    }
}

}  // namespace vardex
