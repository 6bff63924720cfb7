// SPDX-License-Identifier: MIT
// The Historical dates window: a date as it was written at a place (in the calendar and with the
// year-start style the place kept then, or another style), the day it was, the same day as a
// second place wrote it, and the place's timeline.
#pragma once

#include <QWidget>
#include <optional>

#include "history/PlaceHistory.h"
#include "support/widgets/TableWindowHost.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace vardex {

class HistoricalDatesWindow : public QWidget {
    Q_OBJECT

public:
    // The places of calendar-history.tsv in dataFolder; a window that says why when it cannot be read.
    HistoricalDatesWindow(TableWindowHost &host, const QString &dataFolder, QWidget *parent = nullptr);

    // Reads the written date and shows the day, or why there is none.
    void Recalculate();
    // The main window's result as the day: its date as the place wrote it goes into the boxes.
    void TakeMainResult();

    const PlaceTable &Places() const { return table_; }
    std::optional<int32_t> Day() const { return day_; }

    QComboBox *cboPlace;
    QSpinBox *spnDay;
    QComboBox *cboMonth;
    QLineEdit *txbYear;
    QComboBox *cboStyle;  // entry 0: the place's own style
    QComboBox *cboToPlace;
    QPushButton *cmdMainResult;
    QPushButton *cmdClose;
    QLabel *lblDay;      // JDN and weekday, Julian and Gregorian dates, the date as written
    QLabel *lblToPlace;  // as written in the second place
    QLabel *lblEaster;
    QLabel *lblTimeline;

private:
    const Place *PlaceAt(const QComboBox *list) const;
    std::optional<YearStart> ChosenStyle() const;

    TableWindowHost &host_;
    PlaceTable table_;
    std::optional<int32_t> day_;
};

}  // namespace vardex
