// SPDX-License-Identifier: MIT
#include "DateDifferenceWindow.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "DifferenceReading.h"
#include "engine/Today.h"
#include "input/InputSync.h"
#include "input/TextUtils.h"
#include "seams/Clipboard.h"
#include "seams/Clock.h"
#include "support/widgets/ControlUtils.h"

namespace vardex {

namespace {

const QString kTitle = QStringLiteral("Date difference");
const QStringList kEras = {QStringLiteral("AD"), QStringLiteral("BC"), QStringLiteral("CE"),
                           QStringLiteral("BCE")};

int CalendarEntryOf(Calendar calendar)
{
    return calendar == Calendar::Gregorian ? 1 : calendar == Calendar::Julian ? 2 : 3;
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
      cmdToday(new QPushButton(QStringLiteral("Today"), this))
{
    for (int month = 1; month <= 12; ++month)
        cboMonth->addItem(QString::fromLatin1(MonthName(month)));
    for (int day = 1; day <= 31; ++day)
        cboDay->addItem(QString::number(day));
    cboEra->addItems(kEras);
    cboCalendar->addItems({QStringLiteral("Gregorian"), QStringLiteral("Julian"), QString()});
    txbYear->setMaxLength(12);
    txbYear->setFixedWidth(txbYear->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 10 + 12);
    txbYearMonthDay->setMaxLength(40);
    // The designators in the box itself, so that the window fits small screens.
    txbYearMonthDay->setPlaceholderText(QStringLiteral("e.g. -43-3-15 JC (CE, JC, D or DC)"));
    txbYearMonthDay->setToolTip(QStringLiteral("Year-month-day with CE, JC, D or DC"));
    optMonthDayYear->setChecked(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(optMonthDayYear, 0, 0);
    grid->addWidget(cboMonth, 0, 1);
    grid->addWidget(cboDay, 0, 2);
    grid->addWidget(txbYear, 0, 3);
    grid->addWidget(cboEra, 0, 4);
    grid->addWidget(cboCalendar, 0, 5);
    grid->addWidget(optYearMonthDay, 1, 0);
    grid->addWidget(txbYearMonthDay, 1, 1, 1, 3);
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
    auto *layout = new QVBoxLayout(this);
    dates_ = {new DifferenceDateBox(QStringLiteral("From"), this),
              new DifferenceDateBox(QStringLiteral("To"), this)};
    cmdSwap = new QPushButton(QStringLiteral("Swap From and To"), this);
    auto *results = new QGroupBox(QStringLiteral("Difference"), this);
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
    cmdCopyResult = new QPushButton(QStringLiteral("Copy result"), this);
    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCopyResult);
    buttons->addWidget(cmdClose);
    auto *swapRow = new QHBoxLayout;
    swapRow->addStretch();
    swapRow->addWidget(cmdSwap);
    swapRow->addStretch();
    layout->addWidget(dates_[0]);
    layout->addLayout(swapRow);
    layout->addWidget(dates_[1]);
    layout->addWidget(results);
    layout->addLayout(buttons);
    for (QPushButton *button : {dates_[0]->cmdToday, dates_[1]->cmdToday, cmdSwap, cmdCopyResult, cmdClose})
        button->setAutoDefault(true);  // Enter presses the button that has the focus

    // The main window's colours: its background, and white for the texts on it.
    SetFormBackColor(this, ToBgr(host.TableWindowPalette().color(QPalette::Window)));
    SetControlsForeColor(this, 0xFFFFFF);
    move(host.TableWindowPosition());
    KeepOnScreen(this);

    const TodayCalendar gregorian;
    const DeeVariant variant = host.Variant();
    dates_[0]->SetDate(JDNToDate(gregorian.calendar, host.InputJdn(), variant), gregorian.calendar, variant);
    dates_[1]->SetDate(JDNToDate(gregorian.calendar, TodayJDN(clock.ShortDateText()), variant),
                       gregorian.calendar, variant);
    for (DifferenceDateBox *box : dates_) {
        connect(box, &DifferenceDateBox::changed, this, &DateDifferenceWindow::Recalculate);
        connect(box->cmdToday, &QPushButton::clicked, this, [this, box] {
            const Calendar calendar =
                CalendarOfEntry(box->cboCalendar->currentIndex() + 1).value_or(Calendar::Gregorian);
            const DeeVariant variant = host_.Variant();
            box->SetDate(JDNToDate(calendar, TodayJDN(clock_.ShortDateText()), variant), calendar, variant);
            Recalculate();
        });
    }
    connect(cmdSwap, &QPushButton::clicked, this, &DateDifferenceWindow::Swap);
    connect(cmdCopyResult, &QPushButton::clicked, this, &DateDifferenceWindow::CopyResult);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::hide);
    Recalculate();
    dates_[0]->txbYear->setFocus();
    dates_[0]->txbYear->selectAll();
}

DateDifferenceWindow::~DateDifferenceWindow() = default;

void DateDifferenceWindow::Recalculate()
{
    const DeeVariant variant = host_.Variant();
    const NumberFormat format = NumberFormat::Regional();
    const InputContext context{variant, kTitle, format};
    result_.reset();
    QString problem;
    std::array<int32_t, 2> jdns{};
    for (size_t i = 0; i < dates_.size() && problem.isEmpty(); ++i) {
        dates_[i]->SetVariant(variant);
        const DayReading reading = ReadDifferenceDate(dates_[i]->Entry(), context);
        if (reading.jdn)
            jdns[i] = *reading.jdn;
        else
            problem = dates_[i]->title() + QStringLiteral(": ") +
                      QString(reading.messages.empty() ? QStringLiteral("The input date is invalid.")
                                                       : reading.messages.front().text)
                          .replace(kCrLf, QStringLiteral(" "));
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
    Recalculate();
}

void DateDifferenceWindow::CopyResult()
{
    if (!result_)
        return;
    clipboard_.Clear();
    clipboard_.SetText(DifferenceText(*result_, host_.Variant(), NumberFormat::Regional(), kCrLf));
}

QString DateDifferenceWindow::ResultLine(int row) const
{
    return resultBoxes_.at(static_cast<size_t>(row))->text();
}

QString DateDifferenceWindow::Problem() const { return problem_->text(); }

void DateDifferenceWindow::changeEvent(QEvent *event)
{
    // The main window's variant may have changed while this window was in the background.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Recalculate();
    QWidget::changeEvent(event);
}

}  // namespace vardex
