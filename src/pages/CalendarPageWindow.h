// SPDX-License-Identifier: MIT
// The Calendar page window: a month or a year as a printed page, in the Gregorian, Julian or Dee
// calendar (the main window's variant) or as a place of the calendar history kept it, with a
// second calendar's dates beneath the days and the marks chosen. It opens on the month of the
// main window's result; Previous and Next (Page Up, Page Down) turn the page. A day clicked, or
// chosen with the arrow keys and Enter, shows its dates under the page. The page prints (through
// the print preview) and saves as PDF, SVG or PNG, on A4 or Letter paper. The first day of the
// week and the paper are kept between runs. A fault in the input is told in the window, and the
// page shown before stays.
#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>

#include "history/PlaceHistory.h"
#include "pages/CalendarPageFiles.h"
#include "support/widgets/TableWindowHost.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QRadioButton;

namespace vardex {

class CalendarPageView;
class Dialogs;
class SaveFileChooser;

class CalendarPageWindow : public QWidget {
    Q_OBJECT

public:
    // The host, the seams must outlive the window; dataFolder holds calendar-history.tsv.
    CalendarPageWindow(TableWindowHost &host, Dialogs &dialogs, SaveFileChooser &files,
                       const QString &dataFolder, QWidget *parent = nullptr);

    // Reads the controls and shows their page, or why it cannot (the page shown stays).
    void Recalculate();
    // The month (or year) of the main window's result, that day chosen and its dates shown.
    void ShowResult();
    // The page before or after the one shown: a month, or a year on a year's page.
    void Previous();
    void Next();
    // The Dee entries and the page in the main window's Dee variant, when that has changed.
    void FollowVariant();
    // The day's dates in full under the page.
    void OpenDay(int32_t jdn);
    // The print preview, and the system's print dialog from it.
    void Print();
    // Asks where and as what (PDF, SVG or PNG), then writes the page shown.
    void SaveAs();
    // Draws the page shown over the whole of a printer's page.
    void PaintOn(QPainter &painter, const QRectF &page) const;

    // Why the input was refused; empty when the page shows it.
    QString Problem() const;
    // The dates of the day opened last; empty before one is.
    QString DayDates() const;
    const PageSheet &Sheet() const;
    PaperSize Paper() const;

    QRadioButton *optMonth;
    QRadioButton *optYear;
    QPushButton *cmdPrevious;
    QPushButton *cmdNext;
    QLineEdit *txbYear;
    QComboBox *cboMonth;
    QPushButton *cmdShowResult;
    QComboBox *cboCalendar;
    QComboBox *cboSecond;
    QCheckBox *chkSundays;
    QCheckBox *chkFeasts;
    QCheckBox *chkSeasons;
    QCheckBox *chkMoon;
    QCheckBox *chkJewish;
    QCheckBox *chkIslamic;
    QComboBox *cboIslamic;
    QRadioButton *optMonday;
    QRadioButton *optSunday;
    QComboBox *cboPaper;
    CalendarPageView *page;
    QPushButton *cmdPrint;
    QPushButton *cmdSave;
    QPushButton *cmdClose;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FillLists();
    QWidget *LayOut();
    void Connect();
    void ReadSettings();
    void WriteSettings() const;
    // The page's calendar as the list chooses it.
    PageCalendar ChosenCalendar() const;
    // The controls set to a month (or year) without a page drawn for each.
    void SetPage(int32_t year, int32_t month);
    void ShowProblem(const QString &problem);
    void Turn(int step);

    TableWindowHost &host_;
    Dialogs &dialogs_;
    SaveFileChooser &files_;
    PlaceTable places_;
    QButtonGroup *scope_ = nullptr;
    QButtonGroup *weekStart_ = nullptr;
    QLabel *lblProblem_ = nullptr;
    QLabel *lblDay_ = nullptr;
    DeeVariant variant_ = DeeVariant::DeeCecil;
    std::optional<int32_t> openedDay_;
};

}  // namespace vardex
