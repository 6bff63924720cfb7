// SPDX-License-Identifier: MIT
#include "HistoricalDatesWindow.h"

#include <QComboBox>
#include <QCompleter>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "engine/Calendars.h"
#include "engine/TextForms.h"
#include "history/Easter.h"
#include "support/widgets/ControlUtils.h"
#include "support/widgets/EscapeCloses.h"

namespace vardex {

namespace {

const char *const kStyles[] = {"circumcision", "annunciation", "pisan", "nativity",
                               "venetian",     "byzantine",    "easter"};

QString Q(const std::string &text) { return QString::fromStdString(text); }

std::string DayText(const CalendarDate &d)
{
    return std::to_string(d.day) + ' ' + MonthName(d.month) + ' ' + std::to_string(d.year);
}

PlaceTable LoadPlaces(const QString &dataFolder)
{
    QFile file(dataFolder + QStringLiteral("/calendar-history.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return {{}, "The calendar history file " + file.fileName().toStdString() + " cannot be read."};
    PlaceTable table = ParsePlaceTable(file.readAll().toStdString());
    if (!table.error.empty())
        table.error = "The calendar history file is faulty: " + table.error;
    return table;
}

QComboBox *PlaceList(const PlaceTable &table, QWidget *parent, const char *name)
{
    auto *list = new QComboBox(parent);
    for (const Place &place : table.places)
        list->addItem(Q(place.name), Q(place.id));
    // Type to search: any part of a name finds it.
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->completer()->setCompletionMode(QCompleter::PopupCompletion);
    list->completer()->setFilterMode(Qt::MatchContains);
    list->setAccessibleName(QString::fromLatin1(name));
    list->setAccessibleDescription(QString::fromLatin1(name));
    // A search that found nothing leaves the chosen place as it was, and shows it again.
    QObject::connect(list->lineEdit(), &QLineEdit::editingFinished, list,
                     [list] { list->setEditText(list->itemText(list->currentIndex())); });
    return list;
}

// The periods of a place, one line each: "julian until 2 September 1752".
QString Timeline(const Place &place)
{
    QStringList lines;
    for (const CalendarPeriod &p : place.calendars) {
        QString line = QString::fromLatin1(KeptCalendarName(p.calendar)) + QStringLiteral(" calendar");
        if (p.firstJdn != INT32_MIN)
            line += QStringLiteral(" from ") + Q(DayText(*DateInKeptCalendar(p.calendar, p.firstJdn)));
        if (p.lastJdn != INT32_MAX)
            line += QStringLiteral(" until ") + Q(DayText(*DateInKeptCalendar(p.calendar, p.lastJdn)));
        lines << line;
    }
    for (const StylePeriod &p : place.styles) {
        QString line = QString::fromLatin1(YearStartName(p.style)) + QStringLiteral(" style");
        if (p.firstJdn != INT32_MIN)
            line += QStringLiteral(" from ") + Q(WriteDay(place, p.firstJdn).text);
        if (p.lastJdn != INT32_MAX)
            line += QStringLiteral(" until ") + Q(WriteDay(place, p.lastJdn).text);
        lines << line;
    }
    return lines.join(u'\n');
}

}  // namespace

HistoricalDatesWindow::HistoricalDatesWindow(TableWindowHost &host, const QString &dataFolder,
                                             QWidget *parent)
    : QWidget(parent, Qt::Window),
      host_(host),
      table_(LoadPlaces(dataFolder))
{
    setWindowTitle(QStringLiteral("Historical dates"));
    setWindowIcon(host.TableWindowIcon());
    cboPlace = PlaceList(table_, this, "Place");
    cboToPlace = PlaceList(table_, this, "As written in");
    spnDay = new QSpinBox(this);
    spnDay->setRange(1, 31);
    spnDay->setAccessibleName(QStringLiteral("Day as written"));
    cboMonth = new QComboBox(this);
    for (int month = 1; month <= 12; ++month)
        cboMonth->addItem(QString::fromLatin1(MonthName(month)));
    cboMonth->setAccessibleDescription(QStringLiteral("Month as written"));
    txbYear = new QLineEdit(this);
    txbYear->setMaxLength(7);
    txbYear->setAccessibleName(QStringLiteral("Year as written"));
    cboStyle = new QComboBox(this);
    cboStyle->addItem(QStringLiteral("as the place began its year then"));
    for (const char *style : kStyles)
        cboStyle->addItem(QString::fromLatin1(style));
    cboStyle->setAccessibleDescription(QStringLiteral("Start of the year"));
    cmdMainResult = new QPushButton(QStringLiteral("Main window's result"), this);
    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    for (QLabel **label : {&lblDay, &lblToPlace, &lblEaster, &lblTimeline}) {
        *label = new QLabel(this);
        (*label)->setTextFormat(Qt::PlainText);
        (*label)->setTextInteractionFlags(Qt::TextSelectableByMouse);
        (*label)->setWordWrap(true);
    }

    // Room for the longest timeline (Sweden's), so that the window keeps its size.
    lblTimeline->setMinimumHeight(lblTimeline->fontMetrics().lineSpacing() * 7);
    auto *written = new QHBoxLayout;
    written->addWidget(spnDay);
    written->addWidget(cboMonth);
    written->addWidget(txbYear);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Place:"), cboPlace);
    form->addRow(QStringLiteral("Written:"), written);
    form->addRow(QStringLiteral("Year begins:"), cboStyle);
    form->addRow(QStringLiteral("The day:"), lblDay);
    form->addRow(QStringLiteral("As written in:"), cboToPlace);
    form->addRow(QString(), lblToPlace);
    form->addRow(QStringLiteral("Easter:"), lblEaster);
    form->addRow(QStringLiteral("Timeline:"), lblTimeline);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdMainResult);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    layout->addLayout(buttons);

    SetFormBackColor(this, ToBgr(host.TableWindowPalette().color(QPalette::Window)));
    SetControlsForeColor(this, 0xFFFFFF);

    // Tab follows the form from top to bottom.
    QWidget *order[] = {cboPlace, spnDay, cboMonth, txbYear, cboStyle, cboToPlace, cmdMainResult, cmdClose};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    const auto recalculate = [this] { Recalculate(); };
    connect(cboPlace, &QComboBox::currentIndexChanged, this, recalculate);
    connect(cboToPlace, &QComboBox::currentIndexChanged, this, recalculate);
    connect(cboStyle, &QComboBox::currentIndexChanged, this, recalculate);
    connect(cboMonth, &QComboBox::currentIndexChanged, this, recalculate);
    connect(spnDay, &QSpinBox::valueChanged, this, recalculate);
    connect(txbYear, &QLineEdit::textChanged, this, recalculate);
    connect(cmdMainResult, &QPushButton::clicked, this, &HistoricalDatesWindow::TakeMainResult);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
    CloseOnEscape(this);

    // A start a reader recognises: the English register's 11 February 1731.
    cboPlace->setCurrentIndex(cboPlace->findData(QStringLiteral("england")));
    cboToPlace->setCurrentIndex(cboToPlace->findData(QStringLiteral("france")));
    spnDay->setValue(11);
    cboMonth->setCurrentIndex(1);
    txbYear->setText(QStringLiteral("1731"));
    Recalculate();
    move(host.TableWindowPosition());
    KeepOnScreen(this);
}

const Place *HistoricalDatesWindow::PlaceAt(const QComboBox *list) const
{
    const QString id = list->currentData().toString();
    for (const Place &place : table_.places) {
        if (Q(place.id) == id)
            return &place;
    }
    return nullptr;
}

std::optional<YearStart> HistoricalDatesWindow::ChosenStyle() const
{
    const int entry = cboStyle->currentIndex();
    return entry <= 0 ? std::nullopt : YearStartNamed(kStyles[entry - 1]);
}

void HistoricalDatesWindow::Recalculate()
{
    day_.reset();
    lblToPlace->clear();
    const Place *place = PlaceAt(cboPlace);
    if (!table_.error.empty() || !place) {
        lblDay->setText(table_.error.empty() ? QStringLiteral("Choose a place.") : Q(table_.error));
        lblTimeline->clear();
        lblEaster->clear();
        return;
    }
    lblTimeline->setText(Timeline(*place));
    bool yearOk = false;
    const int year = txbYear->text().trimmed().toInt(&yearOk);
    if (!yearOk || year < 1 || year > 99999) {
        lblDay->setText(QStringLiteral("Enter the year as written, 1 to 99999."));
        lblEaster->clear();
        return;
    }
    const CalendarDate julianEaster = JulianEaster(year), gregorianEaster = GregorianEaster(year);
    lblEaster->setText(QStringLiteral("Julian reckoning ") + Q(DayText(julianEaster)) +
                       QStringLiteral(" (Julian); Gregorian reckoning ") + Q(DayText(gregorianEaster)) +
                       QStringLiteral(" (Gregorian)"));
    const int month = cboMonth->currentIndex() + 1, dayOfMonth = spnDay->value();
    const std::optional<YearStart> style = ChosenStyle();
    const std::vector<int32_t> days = DaysWritten(*place, year, month, dayOfMonth, style);
    if (days.empty()) {
        lblDay->setText(Q(MissingDayMessage(*place, year, month, dayOfMonth, style)));
        return;
    }
    if (days.size() > 1) {
        QStringList both;
        for (const int32_t jdn : days)
            both << Q(DayText(JDNToDate(Calendar::Julian, jdn, {}))) + QStringLiteral(" (Julian)");
        lblDay->setText(QStringLiteral("This date came twice in %1 in that style: ").arg(Q(place->name)) +
                        both.join(QStringLiteral(" and ")) + u'.');
        return;
    }
    day_ = days.front();
    const int32_t jdn = *day_;
    lblDay->setText(QStringLiteral("JDN %1, %2\nJulian: %3\nGregorian: %4\nWritten: %5")
                        .arg(QString::number(jdn), Q(WeekdayText(DayOfWeek(jdn))),
                             Q(DayText(JDNToDate(Calendar::Julian, jdn, {}))),
                             Q(DayText(JDNToDate(Calendar::Gregorian, jdn, {}))),
                             Q(WriteDay(*place, jdn, style).text)));
    if (const Place *to = PlaceAt(cboToPlace))
        lblToPlace->setText(Q(WriteDay(*to, jdn).text));
}

void HistoricalDatesWindow::TakeMainResult()
{
    const std::optional<int32_t> jdn = host_.ResultJdn();
    const Place *place = PlaceAt(cboPlace);
    if (!jdn || !place) {
        lblDay->setText(QStringLiteral("No result in the main window yet: calculate a day there first."));
        return;
    }
    const WrittenDay written = WriteDay(*place, *jdn);
    const QSignalBlocker blockers[] = {QSignalBlocker(cboStyle), QSignalBlocker(spnDay),
                                       QSignalBlocker(cboMonth), QSignalBlocker(txbYear)};
    cboStyle->setCurrentIndex(0);
    spnDay->setValue(written.date.day);
    cboMonth->setCurrentIndex(written.date.month - 1);
    txbYear->setText(QString::number(written.writtenYear));
    Recalculate();
}

}  // namespace vardex
