// SPDX-License-Identifier: MIT
#include "HistoricalDatesWindow.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/Calendars.h"
#include "engine/TextForms.h"
#include "history/Easter.h"
#include "input/NumberFormat.h"
#include "input/TypedNumber.h"
#include "seams/Clipboard.h"
#include "support/widgets/ControlUtils.h"
#include "support/widgets/EscapeCloses.h"
#include "support/widgets/ScreenFit.h"

namespace vardex {

namespace {

const QString kOwnStyleTip =
    QStringLiteral("The start of the year the place kept on that day (see the timeline).");

QString Q(const std::string &text) { return QString::fromStdString(text); }

QString StyleName(YearStart style) { return QString::fromLatin1(YearStartTitle(style)); }

QString CalendarTitle(KeptCalendar calendar)
{
    switch (calendar) {
    case KeptCalendar::Julian: return QStringLiteral("Julian calendar");
    case KeptCalendar::Gregorian: return QStringLiteral("Gregorian calendar");
    case KeptCalendar::Swedish: return QStringLiteral("Swedish calendar");
    }
    return {};
}

// The most a year as written may be in each era: the years of the days the program counts, one
// more either way, since a style moves a day's number by a year at most.
int64_t MostYear(bool beforeChrist)
{
    const auto year = [](Calendar calendar, int32_t jdn) { return JDNToDate(calendar, jdn, {}).year; };
    if (beforeChrist)
        return 1 -
               (int64_t{std::min(year(Calendar::Julian, INT32_MIN), year(Calendar::Gregorian, INT32_MIN))} -
                1);
    return int64_t{std::max(year(Calendar::Julian, INT32_MAX), year(Calendar::Gregorian, INT32_MAX))} + 1;
}

// The chosen place's name in a place box again, whatever was typed there.
void ShowChosenPlace(QComboBox *list) { list->setEditText(list->itemText(list->currentIndex())); }

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
    QObject::connect(list->lineEdit(), &QLineEdit::editingFinished, list, [list] { ShowChosenPlace(list); });
    return list;
}

QComboBox *NamedList(QWidget *parent, const char *name)
{
    auto *list = new QComboBox(parent);
    // On Linux a list's accessible name is its entry; the description says what it is.
    list->setAccessibleDescription(QString::fromLatin1(name));
    return list;
}

// The periods of a place, one line each: "Julian calendar until 2 September 1752", "New year on
// 1 January (Circumcision style), from 1 January 1752 (O.S.)"; a period dated a day ahead or
// behind says so.
QString Timeline(const Place &place)
{
    QStringList lines;
    for (const CalendarPeriod &p : place.calendars) {
        QString line = CalendarTitle(p.calendar);
        if (p.firstJdn != INT32_MIN)
            line += QStringLiteral(" from ") + Q(HistoricalDateText(*DateInPeriod(p, p.firstJdn)));
        if (p.lastJdn != INT32_MAX)
            line += QStringLiteral(" until ") + Q(HistoricalDateText(*DateInPeriod(p, p.lastJdn)));
        if (p.dayOffset != 0)
            line += p.dayOffset > 0 ? QStringLiteral(", dated a day ahead (the date of Asia)")
                                    : QStringLiteral(", dated a day behind (the date of America)");
        lines << line;
    }
    for (const StylePeriod &p : place.styles) {
        QString line = QStringLiteral("New year on ") + StyleName(p.style);
        if (p.firstJdn != INT32_MIN)
            line += QStringLiteral(", from ") + Q(WriteDay(place, p.firstJdn).text);
        if (p.lastJdn != INT32_MAX)
            line += QStringLiteral(", until ") + Q(WriteDay(place, p.lastJdn).text);
        lines << line;
    }
    return lines.join(u'\n');
}

}  // namespace

HistoricalDatesWindow::HistoricalDatesWindow(TableWindowHost &host, Clipboard &clipboard,
                                             const QString &dataFolder, QWidget *parent)
    : QWidget(parent, Qt::Window),
      host_(host),
      clipboard_(clipboard),
      table_(LoadPlaceTable(QFile::encodeName(dataFolder).toStdString()))  // the file system's own bytes
{
    setWindowTitle(QStringLiteral("Historical dates"));
    setWindowIcon(host.TableWindowIcon());
    // The form scrolls where the screen is small; the buttons below it stay in view.
    auto *content = form_ = new QWidget;
    cboPlace = PlaceList(table_, content, "Place");
    cboDay = NamedList(content, "Day as written");
    for (int day = 1; day <= 31; ++day)
        cboDay->addItem(QString::number(day));
    cboMonth = NamedList(content, "Month as written");
    for (int month = 1; month <= 12; ++month)
        cboMonth->addItem(QString::fromLatin1(MonthName(month)));
    // No length limit: a text that is no year is refused with a message, never cut.
    txbYear = new QLineEdit(content);
    txbYear->setAccessibleName(QStringLiteral("Year as written"));
    txbYear->setFixedWidth(txbYear->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 10 + 12);
    cboEra = NamedList(content, "Era");
    cboEra->addItems({QStringLiteral("AD"), QStringLiteral("BC")});
    cboStyle = NamedList(content, "Start of the year");
    cboStyle->addItem(QStringLiteral("As the place began its year then"));
    cboStyle->setItemData(0, kOwnStyleTip, Qt::ToolTipRole);
    for (YearStart style : kYearStarts) {
        cboStyle->addItem(StyleName(style));
        cboStyle->setItemData(cboStyle->count() - 1, QString::fromLatin1(YearStartEffect(style)),
                              Qt::ToolTipRole);
    }
    cboStyle->setToolTip(kOwnStyleTip);
    cboToPlace = PlaceList(table_, content, "As written in");
    for (QLabel **label : {&lblDay, &lblToPlace, &lblEaster, &lblTimeline}) {
        *label = new QLabel(content);
        (*label)->setTextFormat(Qt::PlainText);
        (*label)->setTextInteractionFlags(Qt::TextSelectableByMouse);
        (*label)->setWordWrap(true);
    }
    auto *written = new QHBoxLayout;
    written->addWidget(cboDay);
    written->addWidget(cboMonth);
    written->addWidget(txbYear);
    written->addWidget(cboEra);
    written->addStretch();
    auto *form = new QFormLayout(content);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(QStringLiteral("Place:"), cboPlace);
    form->addRow(QStringLiteral("Written:"), written);
    form->addRow(QStringLiteral("Year begins:"), cboStyle);
    form->addRow(QStringLiteral("The day:"), lblDay);
    form->addRow(QStringLiteral("As written in:"), cboToPlace);
    form->addRow(QString(), lblToPlace);
    form->addRow(QStringLiteral("Easter:"), lblEaster);
    form->addRow(QStringLiteral("Timeline:"), lblTimeline);

    cmdMainResult = new QPushButton(QStringLiteral("Main window's result"), this);
    cmdMainResult->setToolTip(QStringLiteral("The main window's last result, as the place wrote it"));
    cmdCopy = new QPushButton(QStringLiteral("Copy"), this);
    cmdCopy->setToolTip(QStringLiteral("Copy the day and how it was written"));
    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdMainResult);
    buttons->addStretch();
    buttons->addWidget(cmdCopy);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new ScrollingArea(content, this), 1);
    layout->addLayout(buttons);
    for (QPushButton *button : {cmdMainResult, cmdCopy, cmdClose})
        button->setAutoDefault(true);  // Enter presses the button that has the focus

    SetFormBackColor(this, ToBgr(host.TableWindowPalette().color(QPalette::Window)));
    SetControlsForeColor(this, 0xFFFFFF);

    // Tab goes down the form, then along the buttons.
    SetTabOrder({cboPlace, cboDay, cboMonth, txbYear, cboEra, cboStyle, cboToPlace, cmdMainResult, cmdCopy,
                 cmdClose});

    const auto recalculate = [this] { Recalculate(); };
    for (QComboBox *list : {cboPlace, cboToPlace, cboStyle, cboDay, cboMonth, cboEra})
        connect(list, &QComboBox::currentIndexChanged, this, recalculate);
    connect(cboStyle, &QComboBox::currentIndexChanged, this, [this](int entry) {
        cboStyle->setToolTip(cboStyle->itemData(entry, Qt::ToolTipRole).toString());
    });
    connect(txbYear, &QLineEdit::textChanged, this, recalculate);
    connect(cmdMainResult, &QPushButton::clicked, this, &HistoricalDatesWindow::TakeMainResult);
    connect(cmdCopy, &QPushButton::clicked, this, &HistoricalDatesWindow::CopyResults);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
    CloseOnEscape(this);

    // A start a reader recognises: the English register's 11 February 1731.
    const QSignalBlocker blockers[] = {QSignalBlocker(cboPlace), QSignalBlocker(cboToPlace),
                                       QSignalBlocker(cboDay), QSignalBlocker(cboMonth),
                                       QSignalBlocker(txbYear)};
    cboPlace->setCurrentIndex(cboPlace->findData(QStringLiteral("england")));
    cboToPlace->setCurrentIndex(cboToPlace->findData(QStringLiteral("france")));
    cboDay->setCurrentIndex(10);
    cboMonth->setCurrentIndex(1);
    txbYear->setText(QStringLiteral("1731"));
    Recalculate();
    move(host.TableWindowPosition());
    FitToScreen(this, PreferredSize());
}

// Where the screen has room, the whole form with the longest timeline, and room for a vertical
// scroll bar: the window keeps its size from place to place, and a scroll bar never makes the form
// scroll sideways.
QSize HistoricalDatesWindow::PreferredSize()
{
    const QString timeline = lblTimeline->text();
    const auto periods = [](const Place &place) { return place.calendars.size() + place.styles.size(); };
    const auto longest =
        std::max_element(table_.places.begin(), table_.places.end(),
                         [&](const Place &a, const Place &b) { return periods(a) < periods(b); });
    if (longest != table_.places.end())
        lblTimeline->setText(Timeline(*longest));
    const QMargins margins = layout()->contentsMargins();
    const int formWidth = form_->sizeHint().width();
    const QSize preferred(formWidth + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) +
                              margins.left() + margins.right(),
                          form_->heightForWidth(formWidth) + layout()->spacing() +
                              cmdClose->sizeHint().height() + margins.top() + margins.bottom());
    lblTimeline->setText(timeline);
    return preferred;
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
    if (entry <= 0 || entry > static_cast<int>(std::size(kYearStarts)))
        return std::nullopt;
    return kYearStarts[entry - 1];
}

void HistoricalDatesWindow::Recalculate()
{
    day_.reset();
    copyLines_.clear();
    cmdCopy->setEnabled(false);
    lblToPlace->clear();
    const Place *place = PlaceAt(cboPlace);
    if (!table_.error.empty() || !place) {
        lblDay->setText(table_.error.empty() ? QStringLiteral("Choose a place.") : Q(table_.error));
        lblTimeline->clear();
        lblEaster->clear();
        return;
    }
    lblTimeline->setText(Timeline(*place));
    // The year as every window beyond the main one reads a number; the era turns it into the
    // astronomical year (1 BC is year 0).
    const bool beforeChrist = cboEra->currentIndex() == 1;
    const TypedNumber typed =
        ReadTypedNumber(txbYear->text(), QStringLiteral("the year"), 1, MostYear(beforeChrist));
    if (!typed.value) {
        lblDay->setText(typed.problem);
        lblEaster->clear();
        return;
    }
    const auto year = static_cast<int32_t>(beforeChrist ? 1 - *typed.value : *typed.value);
    const QString easter = QStringLiteral("Julian reckoning ") + Q(HistoricalDateText(JulianEaster(year))) +
                           QStringLiteral(" (Julian); Gregorian reckoning ") +
                           Q(HistoricalDateText(GregorianEaster(year))) + QStringLiteral(" (Gregorian)");
    lblEaster->setText(easter);
    const int month = cboMonth->currentIndex() + 1, dayOfMonth = cboDay->currentIndex() + 1;
    const std::optional<YearStart> style = ChosenStyle();
    const WrittenDayReading reading = ReadWrittenDay(*place, year, month, dayOfMonth, style);
    if (!reading.twice.empty()) {
        QStringList both;
        for (const int32_t jdn : reading.twice)
            both << Q(HistoricalDateText(JDNToDate(Calendar::Julian, jdn, {}))) + QStringLiteral(" (Julian)");
        lblDay->setText(QStringLiteral("This date came twice in %1 in that style: ").arg(Q(place->name)) +
                        both.join(QStringLiteral(" and ")) + u'.');
        return;
    }
    if (!reading.day) {
        lblDay->setText(Q(reading.missing));
        return;
    }
    day_ = reading.day;
    const int32_t jdn = *day_;
    const WrittenDay written = WriteDay(*place, jdn, style);
    // The day's own weekday, as in every window; a place that kept the date of Asia names its own
    // weekday, a day on, with its date.
    const QString dayLine = QStringLiteral("JDN ") + NumberFormat::Regional().Grouped(jdn) +
                            QStringLiteral(", ") + Q(WeekdayText(DayOfWeek(jdn)));
    const QString julian =
        QStringLiteral("Julian: ") + Q(HistoricalDateText(JDNToDate(Calendar::Julian, jdn, {})));
    const QString gregorian =
        QStringLiteral("Gregorian: ") + Q(HistoricalDateText(JDNToDate(Calendar::Gregorian, jdn, {})));
    QString writtenHere = QStringLiteral("Written: ") + Q(written.text);
    if (written.dayOffset != 0)
        writtenHere += QStringLiteral(", ") + Q(WeekdayText(written.weekday)) +
                       (written.dayOffset > 0 ? QStringLiteral(" (a day ahead: the date of Asia)")
                                              : QStringLiteral(" (a day behind)"));
    lblDay->setText(QStringList{dayLine, julian, gregorian, writtenHere}.join(u'\n'));
    copyLines_ << QStringLiteral("Place: ") + Q(place->name) << writtenHere
               << QStringLiteral("Day: ") + dayLine << julian << gregorian;
    if (const Place *to = PlaceAt(cboToPlace)) {
        lblToPlace->setText(Q(WriteDay(*to, jdn).text));
        copyLines_ << QStringLiteral("As written in ") + Q(to->name) + QStringLiteral(": ") +
                          lblToPlace->text();
    }
    copyLines_ << QStringLiteral("Easter: ") + easter;
    cmdCopy->setEnabled(true);
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
    const bool beforeChrist = written.writtenYear < 1;
    const QSignalBlocker blockers[] = {QSignalBlocker(cboStyle), QSignalBlocker(cboDay),
                                       QSignalBlocker(cboMonth), QSignalBlocker(txbYear),
                                       QSignalBlocker(cboEra)};
    cboStyle->setCurrentIndex(0);
    cboStyle->setToolTip(kOwnStyleTip);
    cboDay->setCurrentIndex(written.date.day - 1);
    cboMonth->setCurrentIndex(written.date.month - 1);
    txbYear->setText(QString::number(beforeChrist ? 1 - int64_t{written.writtenYear} : written.writtenYear));
    cboEra->setCurrentIndex(beforeChrist ? 1 : 0);
    Recalculate();
}

QString HistoricalDatesWindow::CopyText() const
{
    QString text;
    for (const QString &line : copyLines_)
        text += line + QStringLiteral("\r\n");
    return text;
}

void HistoricalDatesWindow::CopyResults()
{
    if (copyLines_.isEmpty())
        return;
    clipboard_.Clear();
    clipboard_.SetText(CopyText());
}

void HistoricalDatesWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    KeepInsideScreen(this);
    // A place typed as the window opens replaces the one shown, as in a box reached by Tab.
    if (QWidget *focus = focusWidget(); !focus || focus == cboPlace || cboPlace->isAncestorOf(focus)) {
        cboPlace->setFocus(Qt::TabFocusReason);
        cboPlace->lineEdit()->selectAll();
    }
}

void HistoricalDatesWindow::hideEvent(QHideEvent *event)
{
    // Nothing of the window stays on the screen, and a place box shows the place its results are
    // for when the window comes back.
    for (QComboBox *list : findChildren<QComboBox *>()) {
        list->hidePopup();
        if (list->completer())
            list->completer()->popup()->hide();
    }
    ShowChosenPlace(cboPlace);
    ShowChosenPlace(cboToPlace);
    QWidget::hideEvent(event);
}

}  // namespace vardex
