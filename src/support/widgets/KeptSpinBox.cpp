// SPDX-License-Identifier: MIT
#include "KeptSpinBox.h"

#include <algorithm>

namespace vardex {

namespace {

// Any number of up to seven digits may be typed and is kept: beyond the allowed range, but not so
// far that the box needs more room than a date's year.
constexpr int kTypedLimit = 9'999'999;

}  // namespace

KeptSpinBox::KeptSpinBox(int least, int most, int value, QWidget *parent)
    : QSpinBox(parent),
      least_(least),
      most_(most)
{
    setRange(std::min(least, -kTypedLimit), std::max(most, kTypedLimit));
    setValue(value);
}

void KeptSpinBox::stepBy(int steps)
{
    const int64_t next = std::clamp<int64_t>(int64_t{value()} + steps, least_, most_);
    setValue(static_cast<int>(next));
    selectAll();
}

QSize KeptSpinBox::Narrowed(QSize hint) const
{
    const QFontMetrics metrics = fontMetrics();
    const auto width = [&](int value) { return metrics.horizontalAdvance(textFromValue(value)); };
    const int kept = std::max(width(minimum()), width(maximum()));
    const int allowed = std::max(width(least_), width(most_)) + metrics.horizontalAdvance(QLatin1Char('0'));
    hint.rwidth() -= std::max(0, kept - allowed);
    return hint;
}

QSize KeptSpinBox::sizeHint() const { return Narrowed(QSpinBox::sizeHint()); }

QSize KeptSpinBox::minimumSizeHint() const { return Narrowed(QSpinBox::minimumSizeHint()); }

QAbstractSpinBox::StepEnabled KeptSpinBox::stepEnabled() const
{
    StepEnabled enabled = StepNone;
    if (value() < most_)
        enabled |= StepUpEnabled;
    if (value() > least_)
        enabled |= StepDownEnabled;
    return enabled;
}

}  // namespace vardex
