// SPDX-License-Identifier: MIT
#include "DateDifferenceWindow.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "DifferenceReading.h"
#include "engine/Today.h"
#include "input/DateTexts.h"
#include "input/InputSync.h"
#include "input/TextUtils.h"
#include "input/TypedNumber.h"
#include "seams/Clipboard.h"
#include "seams/Clock.h"
#include "support/widgets/ControlUtils.h"
#include "support/widgets/EscapeCloses.h"
#include "support/widgets/ScreenFit.h"

namespace vardex {

namespace {

const QString kTitle = QStringLiteral("Date difference");
const QStringList kEras = {QStringLiteral("AD"), QStringLiteral("BC"), QStringLiteral("CE"),
                           QStringLiteral("BCE")};
const QString kCommonEra = QStringLiteral("CE");  // the main window's era at start

int CalendarEntryOf(Calendar calendar)
{
    return calendar == Calendar::Gregorian ? 1 : calendar == Calendar::Julian ? 2 : 3;
}

// A date as the user entered it, for the copy: "March 5, 2024 CE (Gregorian)", "-43-03-15 JC".
QString EnteredText(const InputEntry &entry, Calendar calendar, int32_t jdn, DeeVariant variant,
                    const NumberFormat &format)
{
    if (entry.type == InputType::YearMonthDay)
        return AstronomicalDateText(calendar, jdn, variant, format);
    return MonthDayYearText(JDNToDate(calendar, jdn, variant), EraStyleOf(entry.era), format) +
           QStringLiteral(" (") + QString::fromLatin1(CalendarName(calendar, variant)) + u')';
}

template <typename W> W *Named(W *widget, const char *name)
{
    widget->setAccessibleName(QString::fromLatin1(name));
    if (qobject_cast<QComboBox *>(widget))  // on Linux a list's name is its entry; the description says it
        widget->setAccessibleDescription(QString::fromLatin1(name));
    return widget;
}

}  // namespace

DifferenceDateBox::DifferenceDateBox(const QString &title, QWidget *parent)
    : QGroupBox(title, parent),
      optMonthDayYear(new QRadioButton(QStringLiteral("Month, day, year:"), this)),
      cboMonth(Named(new QComboBox(this), "Month")),
      cboDay(Named(new QComboBox(this), "Day")),
      txbYear(Named(new QLineEdit(this), "Year")),
      cboEra(Named(new QComboBox(this), "Era")),
      cboCalendar(Named(new QComboBox(this), "Calendar")),
      optYearMonthDay(new QRadioButton(QStringLiteral("Year-month-day:"), this)),
      txbYearMonthDay(Named(new QLineEdit(this), "Year-month-day date with its calendar designator")),
      cmdToday(new QPushButton(QStringLiteral("Today"), this)),
      forms(new QButtonGroup(this))
{
    for (int month = 1; month <= 12; ++month)
        cboMonth->addItem(QString::fromLatin1(MonthName(month)));
    for (int day = 1; day <= 31; ++day)
        cboDay->addItem(QString::number(day));
    cboEra->addItems(kEras);
    cboEra->setCurrentIndex(static_cast<int>(kEras.indexOf(kCommonEra)));
    cboCalendar->addItems({QStringLiteral("Gregorian"), QStringLiteral("Julian"), QString()});
    // No length limit: a text too long for a date is refused with a message, not cut silently.
    txbYear->setFixedWidth(txbYear->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 10 + 12);
    // The designators in the box itself, so that the window fits small screens.
    txbYearMonthDay->setPlaceholderText(QStringLiteral("e.g. -43-3-15 JC (CE, JC, D or DC)"));
    txbYearMonthDay->setToolTip(QStringLiteral("Year-month-day with CE, JC, D or DC"));
    forms->addButton(optMonthDayYear);
    forms->addButton(optYearMonthDay);
    optMonthDayYear->setChecked(true);
    TabToSelectedOption(forms);

    auto *grid = new QGridLayout(this);
    grid->addWidget(optMonthDayYear, 0, 0);
    grid->addWidget(cboMonth, 0, 1);
    grid->addWidget(cboDay, 0, 2);
    grid->addWidget(txbYear, 0, 3);
    grid->addWidget(cboEra, 0, 4);
    grid->addWidget(cboCalendar, 0, 5);
    grid->addWidget(optYearMonthDay, 1, 0);
    grid->addWidget(txbYearMonthDay, 1, 1, 1, 4);
    grid->addWidget(cmdToday, 1, 5);

    const auto chooseMdy = [this] {
        optMonthDayYear->setChecked(true);
        emit changed();
    };
    for (QComboBox *list : {cboMonth, cboDay, cboEra, cboCalendar})
        connect(list, &QComboBox::activated, this, chooseMdy);
    connect(txbYear, &QLineEdit::textEdited, this, chooseMdy);
    connect(txbYearMonthDay, &QLineEdit::textEdited, this, [this] {
        optYearMonthDay->setChecked(true);
        emit changed();
    });
    for (QRadioButton *option : {optMonthDayYear, optYearMonthDay})
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                emit changed();
        });
}

InputEntry DifferenceDateBox::Entry() const
{
    InputEntry entry;
    entry.monthDayYearChosen = optMonthDayYear->isChecked();
    entry.yearMonthDayChosen = !entry.monthDayYearChosen;
    entry.month = cboMonth->currentIndex() + 1;
    entry.day = cboDay->currentIndex() + 1;
    entry.year = txbYear->text();
    entry.era = cboEra->currentText();
    entry.calendarEntry = cboCalendar->currentIndex() + 1;
    entry.yearMonthDay = txbYearMonthDay->text();
    return entry;
}

void DifferenceDateBox::SetEntry(const InputEntry &entry)
{
    const QSignalBlocker blocker(this);
    (entry.monthDayYearChosen ? optMonthDayYear : optYearMonthDay)->setChecked(true);
    TabToSelectedOption(forms);
    cboMonth->setCurrentIndex(entry.month - 1);
    cboDay->setCurrentIndex(entry.day - 1);
    txbYear->setText(entry.year);
    cboEra->setCurrentIndex(static_cast<int>(kEras.indexOf(entry.era)));
    cboCalendar->setCurrentIndex(entry.calendarEntry - 1);
    txbYearMonthDay->setText(entry.yearMonthDay);
}

void DifferenceDateBox::SetDate(const CalendarDate &date, Calendar calendar, DeeVariant variant)
{
    const NumberFormat format = NumberFormat::Regional();
    const MonthDayYearFields fields = MonthDayYearFieldsOf(date, cboEra->currentText(), format);
    InputEntry entry = Entry();
    entry.monthDayYearChosen = true;
    entry.month = fields.month;
    entry.day = fields.day;
    entry.year = fields.year;
    entry.era = fields.era;
    entry.calendarEntry = CalendarEntryOf(calendar);
    entry.yearMonthDay = YearMonthDayText(date, entry.calendarEntry, {variant, kTitle, format});
    SetEntry(entry);
}

void DifferenceDateBox::SetVariant(DeeVariant variant)
{
    cboCalendar->setItemText(2, QString::fromLatin1(DeeCalendarName(variant)));
}

DateDifferenceWindow::DateDifferenceWindow(TableWindowHost &host, const Clock &clock, Clipboard &clipboard,
                                           QWidget *parent)
    : QWidget(parent, Qt::Window),
      host_(host),
      clock_(clock),
      clipboard_(clipboard)
{
    setWindowTitle(kTitle);
    setWindowIcon(host.TableWindowIcon());
    // The dates and the difference scroll where the screen is small; the buttons stay in view.
    // Created in the order Tab visits them: From, Swap, To, then the buttons.
    content_ = new QWidget;
    auto *contents = new QVBoxLayout(content_);
    contents->setContentsMargins(0, 0, 0, 0);
    dates_[0] = new DifferenceDateBox(QStringLiteral("From"), content_);
    fromNote_ = new QLabel(content_);
    fromNote_->setTextFormat(Qt::PlainText);
    fromNote_->setWordWrap(true);
    fromNote_->hide();
    cmdSwap = new QPushButton(QStringLiteral("Swap From and To"), content_);
    dates_[1] = new DifferenceDateBox(QStringLiteral("To"), content_);
    auto *results = new QGroupBox(QStringLiteral("Difference"), content_);
    auto *grid = new QGridLayout(results);
    for (size_t row = 0; row < resultBoxes_.size(); ++row) {
        resultLabels_[row] = new QLabel(results);
        resultLabels_[row]->setTextFormat(Qt::PlainText);
        resultBoxes_[row] = new QLineEdit(results);
        resultBoxes_[row]->setReadOnly(true);
        resultBoxes_[row]->setFocusPolicy(Qt::ClickFocus);  // read-only: skipped by Tab
        resultLabels_[row]->setBuddy(resultBoxes_[row]);
        grid->addWidget(resultLabels_[row], static_cast<int>(row), 0);
        grid->addWidget(resultBoxes_[row], static_cast<int>(row), 1);
    }
    problem_ = new QLabel(results);
    problem_->setTextFormat(Qt::PlainText);
    problem_->setWordWrap(true);
    grid->addWidget(problem_, static_cast<int>(resultBoxes_.size()), 0, 1, 2);
    grid->setColumnStretch(1, 1);
    auto *swapRow = new QHBoxLayout;
    swapRow->addStretch();
    swapRow->addWidget(cmdSwap);
    swapRow->addStretch();
    contents->addWidget(dates_[0]);
    contents->addWidget(fromNote_);
    contents->addLayout(swapRow);
    contents->addWidget(dates_[1]);
    contents->addWidget(results);
    contents->addStretch();

    cmdCopyResult = new QPushButton(QStringLiteral("Copy"), this);
    cmdCopyResult->setToolTip(QStringLiteral("Copy the two dates and their difference"));
    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCopyResult);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new ScrollingArea(content_, this), 1);
    layout->addLayout(buttons);
    for (QPushButton *button : {dates_[0]->cmdToday, dates_[1]->cmdToday, cmdSwap, cmdCopyResult, cmdClose})
        button->setAutoDefault(true);  // Enter presses the button that has the focus

    // The main window's colours: its background, and white for the texts on it.
    SetFormBackColor(this, ToBgr(host.TableWindowPalette().color(QPalette::Window)));
    SetControlsForeColor(this, 0xFFFFFF);

    StartFromHostsDate();
    const TodayCalendar gregorian;
    dates_[1]->SetDate(JDNToDate(gregorian.calendar, TodayJDN(clock.ShortDateText()), host.Variant()),
                       gregorian.calendar, host.Variant());
    for (DifferenceDateBox *box : dates_) {
        connect(box, &DifferenceDateBox::changed, this, &DateDifferenceWindow::Recalculate);
        connect(box->cmdToday, &QPushButton::clicked, this, [this, box] {
            const Calendar calendar =
                CalendarOfEntry(box->cboCalendar->currentIndex() + 1).value_or(Calendar::Gregorian);
            const DeeVariant variant = host_.Variant();
            box->SetDate(JDNToDate(calendar, TodayJDN(clock_.ShortDateText()), variant), calendar, variant);
            emit box->changed();
        });
    }
    connect(dates_[0], &DifferenceDateBox::changed, fromNote_, &QWidget::hide);
    connect(cmdSwap, &QPushButton::clicked, this, &DateDifferenceWindow::Swap);
    connect(cmdCopyResult, &QPushButton::clicked, this, &DateDifferenceWindow::CopyResult);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
    CloseOnEscape(this);
    Recalculate();
    dates_[0]->txbYear->setFocus();
    dates_[0]->txbYear->selectAll();
    move(host.TableWindowPosition());
    FitToScreen(this, sizeHint());
}

DateDifferenceWindow::~DateDifferenceWindow() = default;

// From is the main window's input date, read without touching the main window; where that input
// is no date, today, and a note says why.
void DateDifferenceWindow::StartFromHostsDate()
{
    const TodayCalendar gregorian;
    const DeeVariant variant = host_.Variant();
    const InputDay input = host_.PeekInputDay();
    const int32_t jdn = input.jdn ? *input.jdn : TodayJDN(clock_.ShortDateText());
    dates_[0]->SetDate(JDNToDate(gregorian.calendar, jdn, variant), gregorian.calendar, variant);
    if (!input.jdn) {
        fromNote_->setText(QStringLiteral("The main window's input is not a date (") +
                           QString(input.problem).replace(kCrLf, QStringLiteral(" ")).trimmed() +
                           QStringLiteral("): From starts as today."));
        fromNote_->show();
    }
}

void DateDifferenceWindow::Recalculate()
{
    const DeeVariant variant = host_.Variant();
    const NumberFormat format = NumberFormat::Regional();
    const InputContext context{variant, kTitle, format};
    result_.reset();
    QString problem;
    std::array<int32_t, 2> jdns{};
    for (size_t i = 0; i < dates_.size(); ++i)
        dates_[i]->SetVariant(variant);
    for (size_t i = 0; i < dates_.size() && problem.isEmpty(); ++i) {
        InputEntry entry = dates_[i]->Entry();
        if (entry.monthDayYearChosen) {
            // The year as every window beyond the main one reads it; the main window's check then
            // judges the date.
            const TypedNumber year =
                ReadTypedNumber(entry.year, QStringLiteral("the year"), INT32_MIN, INT32_MAX);
            if (!year.value) {
                problem = dates_[i]->title() + QStringLiteral(": ") + year.problem;
                break;
            }
            entry.year = QString::number(*year.value);
        }
        const DayReading reading = ReadDifferenceDate(entry, context);
        if (!reading.jdn) {
            problem = dates_[i]->title() + QStringLiteral(": ") +
                      QString(reading.messages.empty() ? QStringLiteral("The input date is invalid.")
                                                       : reading.messages.front().text)
                          .replace(kCrLf, QStringLiteral(" "));
            break;
        }
        jdns[i] = *reading.jdn;
        const std::optional<Calendar> calendar =
            CalendarOfEntry(reading.entry.type == InputType::YearMonthDay ? reading.entry.ymdCalendarEntry
                                                                          : reading.entry.calendarEntry);
        enteredTexts_[i] =
            EnteredText(reading.entry, calendar.value_or(Calendar::Gregorian), jdns[i], variant, format);
    }
    if (problem.isEmpty())
        result_ = DifferenceOf(jdns[0], jdns[1], variant);
    const auto lines = result_ ? DifferenceLines(*result_, variant, format)
                               : DifferenceLines(DifferenceOf(0, 0, variant), variant, format);
    for (size_t row = 0; row < resultBoxes_.size(); ++row) {
        resultLabels_[row]->setText(lines[row].first + u':');
        const QString text = result_ ? lines[row].second : QString();
        if (resultBoxes_[row]->text() != text)
            resultBoxes_[row]->setText(text);
    }
    problem_->setText(problem);  // always there, so that the window keeps its size
    cmdCopyResult->setEnabled(result_.has_value());
}

void DateDifferenceWindow::Swap()
{
    const InputEntry from = dates_[0]->Entry();
    dates_[0]->SetEntry(dates_[1]->Entry());
    dates_[1]->SetEntry(from);
    fromNote_->hide();
    Recalculate();
}

QString DateDifferenceWindow::CopyText() const
{
    if (!result_)
        return {};
    return QStringLiteral("From date: ") + enteredTexts_[0] + kCrLf + QStringLiteral("To date:   ") +
           enteredTexts_[1] + kCrLf +
           DifferenceText(*result_, host_.Variant(), NumberFormat::Regional(), kCrLf);
}

void DateDifferenceWindow::CopyResult()
{
    if (!result_)
        return;
    clipboard_.Clear();
    clipboard_.SetText(CopyText());
}

QString DateDifferenceWindow::ResultLine(int row) const
{
    return resultBoxes_.at(static_cast<size_t>(row))->text();
}

QString DateDifferenceWindow::Problem() const { return problem_->text(); }

QString DateDifferenceWindow::FromNote() const
{
    return fromNote_->isHidden() ? QString() : fromNote_->text();
}

void DateDifferenceWindow::changeEvent(QEvent *event)
{
    // The main window's variant may have changed while this window was in the background.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Recalculate();
    QWidget::changeEvent(event);
}

void DateDifferenceWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    KeepInsideScreen(this);
}

}  // namespace vardex
