// SPDX-License-Identifier: MIT
// The Date difference window: two dates, From and To, each in either of the main window's input
// forms, and the difference between them, shown as soon as both are valid.
#pragma once

#include <QGroupBox>
#include <QWidget>
#include <array>
#include <optional>

#include "difference/DateDifferenceResult.h"
#include "input/InputEntry.h"
#include "support/widgets/TableWindowHost.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vardex {

class Clipboard;
class Clock;

// One date of the window in the main window's two input forms; editing a form's control chooses
// that form.
class DifferenceDateBox : public QGroupBox {
    Q_OBJECT

public:
    DifferenceDateBox(const QString &title, QWidget *parent);

    // The chosen form's controls as an input entry: monthDayYearChosen with month, day, year, era
    // and calendarEntry 1..3, or yearMonthDayChosen with the text.
    InputEntry Entry() const;
    void SetEntry(const InputEntry &entry);
    // A date written into both forms, in `calendar`, the month,day,year form chosen.
    void SetDate(const CalendarDate &date, Calendar calendar, DeeVariant variant);
    // The calendar list names the Dee calendar by its variant.
    void SetVariant(DeeVariant variant);

    QRadioButton *optMonthDayYear;
    QComboBox *cboMonth;
    QComboBox *cboDay;
    QLineEdit *txbYear;
    QComboBox *cboEra;
    QComboBox *cboCalendar;
    QRadioButton *optYearMonthDay;
    QLineEdit *txbYearMonthDay;
    QPushButton *cmdToday;
    QButtonGroup *forms;  // the two options

signals:
    void changed();
};

class DateDifferenceWindow : public QWidget {
    Q_OBJECT

public:
    // From starts as the host's input date (after its arithmetic; today, with a note, when the
    // host's input is no date), To as today.
    DateDifferenceWindow(TableWindowHost &host, const Clock &clock, Clipboard &clipboard,
                         QWidget *parent = nullptr);
    ~DateDifferenceWindow() override;

    DifferenceDateBox &From() { return *dates_[0]; }
    DifferenceDateBox &To() { return *dates_[1]; }

    // Reads both dates and shows the result, or why there is none. Also what the window does when
    // the main window's Dee variant changes.
    void Recalculate();
    // Exchanges From and To.
    void Swap();
    // The two dates as entered, then the result lines, on the clipboard, CR LF line ends.
    void CopyResult();
    QString CopyText() const;

    const std::optional<DateDifferenceResult> &Result() const { return result_; }
    QString ResultLine(int row) const;  // the text box of a result line (DifferenceLines' order)
    QString Problem() const;            // why there is no result; empty when there is one
    QString FromNote() const;           // why From did not start as the main window's date

    QPushButton *cmdSwap = nullptr;
    QPushButton *cmdCopyResult = nullptr;
    QPushButton *cmdClose = nullptr;

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void StartFromHostsDate();

    TableWindowHost &host_;
    const Clock &clock_;
    Clipboard &clipboard_;
    std::array<DifferenceDateBox *, 2> dates_{};
    std::array<QLabel *, 7> resultLabels_{};
    std::array<QLineEdit *, 7> resultBoxes_{};
    QLabel *problem_ = nullptr;
    QLabel *fromNote_ = nullptr;
    QWidget *content_ = nullptr;
    std::optional<DateDifferenceResult> result_;
    std::array<QString, 2> enteredTexts_;  // each date as entered, for the copy
};

}  // namespace vardex
