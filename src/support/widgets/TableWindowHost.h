// SPDX-License-Identifier: MIT
// What a table window (date sequence, vernal equinoxes) sees of the window that opens it: the
// input date as it stands, the Dee variant, the capacity of an output box, and where and how the
// table window looks. The main window implements it; tests may pass their own.
#pragma once

#include <QIcon>
#include <QPalette>
#include <QPoint>
#include <QString>
#include <cstdint>
#include <optional>

#include "engine/Calendars.h"

namespace vardex {

// The input date as another window reads it: its JDN after the arithmetic, or why there is none.
struct InputDay {
    std::optional<int32_t> jdn;
    QString problem;  // the message the main window's Calculate would show; empty with a JDN
};

class TableWindowHost {
public:
    virtual ~TableWindowHost() = default;

    // The input date's JDN, converted afresh as the input stands now, without a message; the JDN
    // last converted when it cannot be.
    virtual int32_t InputJdn() = 0;

    // The input date read as Calculate reads it (the weekday search included), leaving the input
    // as it stands and showing nothing: for windows that only look at the main window.
    virtual InputDay PeekInputDay() const = 0;

    // The input year in astronomical numbering, read without a check.
    virtual int32_t InputYear() const = 0;

    virtual DeeVariant Variant() const = 0;

    // The day the window's result shows; nothing before a result or when the outputs are hidden.
    virtual std::optional<int32_t> ResultJdn() const = 0;

    // How many kilobytes (1024 characters) an output box may hold before a run stops.
    virtual int32_t TextBoxCapacityKB() const = 0;

    // Where a table window's outer corner goes, and the colours and icon it takes over.
    virtual QPoint TableWindowPosition() const = 0;
    virtual QPalette TableWindowPalette() const = 0;
    virtual QIcon TableWindowIcon() const = 0;
};

}  // namespace vardex
