// SPDX-License-Identifier: MIT
// The Historical dates window: a date as it was written at a place (in the calendar and with the
// year-start style the place kept then, or another style), the day it was, the same day as a
// second place wrote it, and the place's timeline. The form scrolls where the screen is small;
// the buttons stay in view.
#pragma once

#include <QStringList>
#include <QWidget>
#include <optional>

#include "history/WrittenDayReading.h"
#include "support/widgets/TableWindowHost.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vardex {

class Clipboard;

class HistoricalDatesWindow : public QWidget {
    Q_OBJECT

public:
    // The places of calendar-history.tsv in dataFolder; a window that says why when it cannot be read.
    HistoricalDatesWindow(TableWindowHost &host, Clipboard &clipboard, const QString &dataFolder,
                          QWidget *parent = nullptr);

    // Reads the written date and shows the day, or why there is none.
    void Recalculate();
    // The main window's result as the day: its date as the place wrote it goes into the boxes.
    void TakeMainResult();
    // The results, one line each with CR LF line ends: the place, the date as written, the day
    // (JDN and weekday, Julian and Gregorian dates), the second place's writing and Easter. Empty
    // when there is no day.
    QString CopyText() const;
    void CopyResults();

    const PlaceTable &Places() const { return table_; }
    std::optional<int32_t> Day() const { return day_; }

    QComboBox *cboPlace;
    QComboBox *cboDay;  // 1..31
    QComboBox *cboMonth;
    QLineEdit *txbYear;   // as written, counted in the era of cboEra
    QComboBox *cboEra;    // AD, BC
    QComboBox *cboStyle;  // entry 0: the place's own style
    QComboBox *cboToPlace;
    QPushButton *cmdMainResult;
    QPushButton *cmdCopy;
    QPushButton *cmdClose;
    QLabel *lblDay;      // JDN and weekday, Julian and Gregorian dates, the date as written
    QLabel *lblToPlace;  // as written in the second place
    QLabel *lblEaster;
    QLabel *lblTimeline;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QSize PreferredSize();
    const Place *PlaceAt(const QComboBox *list) const;
    std::optional<YearStart> ChosenStyle() const;

    TableWindowHost &host_;
    Clipboard &clipboard_;
    PlaceTable table_;
    QWidget *form_ = nullptr;  // the scrolling part
    std::optional<int32_t> day_;
    QStringList copyLines_;
};

}  // namespace vardex
