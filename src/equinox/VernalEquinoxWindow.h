// SPDX-License-Identifier: MIT
// frmVernalEquinoxes: the vernal-equinox window.
//
// The window lays out and wires; the table itself is built by the functions of EquinoxTable.h.
// "Do it" reads the number of years (ReadNumberOfYears), takes the first year, the Dee variant
// and the output capacity from the host afresh, and lets RunVernalEquinoxes append the rows to
// the output text. TableWindow holds the output and what both table windows share.
#pragma once

#include "equinox/EquinoxComputation.h"
#include "support/widgets/TableWindow.h"

class QComboBox;
class QLabel;
class QRadioButton;

namespace vardex {

class VernalEquinoxWindow : public TableWindow {
    Q_OBJECT

public:
    // Builds and loads the window (hidden) next to the main window. The host, the seams and the
    // pop-up must outlive it.
    VernalEquinoxWindow(TableWindowHost &host, Dialogs &dialogs, Clipboard &clipboard, PopUps &popUps,
                        SaveFileChooser &saveFileChooser);

    // Procedures of the window.
    void WriteTableHeader();  // into an output without results, in the host's Dee name
    void FillLongitudeLists();

    // Ctrl+G: the Equinox chart at this window's meridian and solar time (the program opens it).
    std::function<void()> openEquinoxChart;
    int WestDegrees() const;
    int WestMinutes() const;
    SolarTime SolarTimeChoice() const;

    QLabel *const lblDates1;
    QLineEdit *const txbNumYears;  // the number box
    QLabel *const lblDates2;
    QLabel *const lblWashingtonLongitude;
    QComboBox *const cboDegrees;
    QLabel *const lblDegrees;
    QComboBox *const cboMinutes;
    QLabel *const lblMinutes;
    QRadioButton *const optMeanST;
    QRadioButton *const optApparentST;

protected:
    void Activated() override;
    void OutputCleared() override;

private:
    void Load();
    void LayOut();
    void DoIt() override;
    std::string CsvHeader() const override;
    QString CsvFileName() const override;
    void cboLongitude_Click();
};

}  // namespace vardex
