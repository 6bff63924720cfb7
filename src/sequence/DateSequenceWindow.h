// SPDX-License-Identifier: MIT
// frmDateSequence: the date-sequence window. It lists a run of consecutive days from the main
// window's input date as Gregorian and Dee dates with their Julian day number and weekday.
//
// The window only lays out and wires: CheckNumberOfDays judges the typed number of days and
// RunDateSequence (DateSequence.h) writes the table, converting the host's input date when the
// run starts; TableWindow holds the output and what both table windows share. The main window
// creates the window on first use; Close hides it and the output stays.
#pragma once

#include "support/widgets/TableWindow.h"

class QLabel;

namespace vardex {

class DateSequenceWindow : public TableWindow {
    Q_OBJECT

public:
    // Builds and loads the window (fonts, the host's colours, its place below the main window's
    // output frame, "14" days, an empty output); the caller shows it.
    DateSequenceWindow(TableWindowHost &host, Dialogs &dialogs, Clipboard &clipboard, PopUps &popUps,
                       SaveFileChooser &saveFileChooser);

    QLabel *const lblDates1;
    QLineEdit *const txbNumDays;  // the number box
    QLabel *const lblDates2;

private:
    void Form_Load();
    void LayOut();
    void DoIt() override;
    std::string CsvHeader() const override;
    QString CsvFileName() const override;
};

}  // namespace vardex
