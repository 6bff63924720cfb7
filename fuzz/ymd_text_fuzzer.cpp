// SPDX-License-Identifier: MIT
// The year-month-day text: any text typed into txbYearCEJC, with any entry of its calendar list
// and either Dee variant, through Calculate.
//
// Input: byte 0 chooses the calendar entry (bits 0-1) and the Dee variant (bit 2) and whether
// the rest is read as UTF-8 or Latin-1 (bit 3); the rest is the text.
#include <cstddef>
#include <cstdint>

#include "FuzzWindow.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    vardex::fuzz::FuzzWindow &w = vardex::fuzz::Window();
    vardex::MainController &c = w.controller;
    w.Begin();
    const uint8_t flags = data[0];
    const char *text = reinterpret_cast<const char *>(data + 1);
    const auto length = static_cast<qsizetype>(size - 1);

    c.SelectOption((flags & 4) != 0 ? w.form.optDee : w.form.optDeeCecil);
    c.SelectOption(w.form.optInputDateWithAYN);
    c.SelectListEntry(w.form.cboCalendar[1], flags & 3);
    w.form.txbYearCEJC.text =
        (flags & 8) != 0 ? QString::fromLatin1(text, length) : QString::fromUtf8(text, length);
    w.form.txbYearCEJC.caret = w.form.txbYearCEJC.text.size();
    w.CheckAndConvert();
    return 0;
}
