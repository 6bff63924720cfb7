// SPDX-License-Identifier: MIT
// The year of the month,day,year form: any text typed into txbYearADBCetc, with any month, day,
// era and calendar or weekday, through Calculate.
//
// Input: bytes 0-3 choose the month, the day, the era and the calendar entry (each taken modulo
// the length of its list, the empty entry included); the rest is the text, read as UTF-8.
#include <cstddef>
#include <cstdint>

#include "FuzzWindow.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4)
        return 0;
    vardex::fuzz::FuzzWindow &w = vardex::fuzz::Window();
    vardex::MainController &c = w.controller;
    w.Begin();
    vardex::MainForm &f = w.form;

    c.SelectOption(f.optInputDateWithoutAYN);
    const auto entry = [](uint8_t byte, const vardex::ComboBox &list) {
        return static_cast<int>(byte % list.items.size());
    };
    c.SelectListEntry(f.cboMonthNames, entry(data[0], f.cboMonthNames));
    c.SelectListEntry(f.cboDayNumbers, entry(data[1], f.cboDayNumbers));
    c.SelectListEntry(f.cboYearDesADBCetc, entry(data[2], f.cboYearDesADBCetc));
    c.SelectListEntry(f.cboCalendar[0], entry(data[3], f.cboCalendar[0]));
    f.txbYearADBCetc.text =
        QString::fromUtf8(reinterpret_cast<const char *>(data + 4), static_cast<qsizetype>(size - 4));
    f.txbYearADBCetc.caret = f.txbYearADBCetc.text.size();
    w.CheckAndConvert();
    return 0;
}
