// SPDX-License-Identifier: MIT
// The main window as plain values: one member per control, named as the window names them, with
// the properties the logic reads and writes, and the window's variables. The controller
// (MainController.h) changes it; the Qt view (MainWindow.h) shows it. Nothing here knows about
// widgets, so every rule of the window runs and is tested without a display.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

#include "engine/Calendars.h"

namespace vardex {

struct Control {
    bool visible = true;  // the control's own setting, as a parent frame does not change it
    bool enabled = true;
};

struct Label : Control {
    QString caption;
    bool bold = false;
    QString toolTip;
};

struct Frame : Control {
    QString caption;
};

struct Button : Control {
    QString caption;
    bool bold = false;
};

struct OptionButton : Control {
    QString caption;
    bool value = false;  // selected
    bool bold = false;
};

struct TextBox : Control {
    QString text;
    qsizetype caret = 0;  // caret position, 0 = before the first character
    int maxLength = 0;    // 0 = no limit; applied by the view to typing, not by the logic
    bool locked = false;  // read-only
};

struct ComboBox : Control {
    QStringList items;
    int listIndex = -1;  // -1 = nothing selected
    QString Text() const { return listIndex >= 0 && listIndex < items.size() ? items[listIndex] : QString(); }
};

struct MainForm {
    MainForm();

    // Window
    QString caption;
    QString tag;  // the program's short name, from which the program text file is named
    bool windowVisible = false;
    int left = 0;  // twips
    int top = 0;
    static constexpr int kWidth = 11145;  // client area, twips
    static constexpr int kHeight = 5850;
    Control *focusRequest = nullptr;  // where the controller moved the keyboard focus

    // Directly on the window
    Label Label3;
    OptionButton optDee;
    OptionButton optDeeCecil;
    Frame fraInput;
    Frame fraOutput;
    Frame fraPlusMinus;
    Button cmdCalculate;
    Button cmdCopyResult;
    Button cmdDateSequence;
    Button cmdVernalEquinoxes;
    Button cmdHelp;
    Button cmdQuit;
    Label lblMakerLink;
    Label lblMakerUrl;
    Label lblOnlineUserManual;

    // Input frame
    OptionButton optInputDateWithoutAYN;
    ComboBox cboMonthNames;
    ComboBox cboDayNumbers;
    TextBox txbYearADBCetc;
    ComboBox cboYearDesADBCetc;
    std::array<ComboBox, 2> cboCalendar;  // 0 month,day,year; 1 year-month-day
    OptionButton optInputDateWithAYN;
    TextBox txbYearCEJC;
    Button cmdToday;
    std::array<Button, 2> cmdClear;  // 0 input frame, 1 arithmetic frame
    Label lblCE;

    // Arithmetic frame
    OptionButton optPlus;
    OptionButton optMinus;
    std::array<TextBox, 4> txbArith;  // years, months, weeks, days
    std::array<Label, 4> lblArith;

    // Output frame
    Label lblGregorian;
    Label lblDee;
    Label lblJulian;
    Label Label2;
    Label Label1;
    TextBox txbOutputGC;
    TextBox txbOutputGCwithAYN;
    TextBox txbOutputDEE;
    TextBox txbOutputDEEwithAYN;
    TextBox txbOutputJC;
    TextBox txbOutputJCwithAYN;
    TextBox txbJDN;
    TextBox txbDayOfWeek;

    // Window variables read by the other windows
    bool blnStartupCompleted = false;
    int16_t intInputDateType = 0;  // 0 month,day,year; 1 year-month-day; -1 incomplete
    int32_t lngTextBoxCapacityInKB = 0;
    int32_t lngJDN = 0;
    QString strProgramTextFile;
    QString strDeeCalendarName;
    QString strDeeCalendarDesignation;

    // Private window variables
    DeeVariant deeVariant = DeeVariant::DeeCecil;  // chosen with optDee and optDeeCecil
    std::array<QString, 3> strDesignatorLegend;
    QString strDeeLegendTemplate;
    bool blnInputComplete = false;
    struct InputRecord {  // the date GetJDN read last, as its arithmetic left it
        CalendarDate date;
        std::optional<Calendar> calendar;
        int32_t jdn = 0;
    } udtInputDate;
    std::array<int32_t, 4> lngArith{};
    QStringList strYMDParts;

    // The day the output boxes show, for the windows that follow the result (World calendars);
    // nothing while they are hidden. lngJDN alone may have moved on since (the table windows read
    // the input afresh).
    std::optional<int32_t> shownResultJdn;

    // The eight output boxes, in the order they are filled.
    std::array<TextBox *, 8> OutputBoxes();
};

}  // namespace vardex
