// SPDX-License-Identifier: MIT
#include "CalendarPageWindow.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "engine/Calendars.h"
#include "history/WrittenDayReading.h"
#include "input/TypedNumber.h"
#include "pages/CalendarPageDay.h"
#include "pages/CalendarPageView.h"
#include "seams/Dialogs.h"
#include "seams/SaveFileChooser.h"
#include "support/widgets/ControlUtils.h"
#include "support/widgets/EscapeCloses.h"
#include "support/widgets/FileWriting.h"
#include "support/widgets/ScreenFit.h"

namespace vardex {

namespace {

// The calendars at the head of the calendar list; the places follow by their ids.
const QString kGregorianId = QStringLiteral(":gregorian");
const QString kJulianId = QStringLiteral(":julian");
const QString kDeeId = QStringLiteral(":dee");
constexpr int kDeeEntry = 2;
constexpr int kAutomaticSecond = -1;

const QString kDayHint =
    QStringLiteral("Click a day, or choose it with the arrow keys and press Enter, for its dates.");

// Where the first day of the week and the paper are kept between runs.
const QString kFirstWeekdayKey = QStringLiteral("calendarPage/firstWeekday");
const QString kPaperKey = QStringLiteral("calendarPage/paper");

QString Q(const std::string &text) { return QString::fromStdString(text); }

QSettings Settings() { return QSettings(QStringLiteral("Vardex"), QCoreApplication::applicationName()); }

// The years whose every page holds only days the program counts, in each calendar, with room for
// the few days a place's month reaches beyond them.
int32_t YearBound(bool last)
{
    int32_t bound = last ? INT32_MAX : INT32_MIN;
    for (const Calendar calendar : {Calendar::Gregorian, Calendar::Julian, Calendar::Dee})
        for (const DeeVariant variant : {DeeVariant::Dee, DeeVariant::DeeCecil}) {
            const int32_t year = JDNToDate(calendar, last ? INT32_MAX : INT32_MIN, variant).year;
            bound = last ? std::min(bound, year - 1) : std::max(bound, year + 1);
        }
    return bound;
}

QComboBox *NamedList(const QString &name, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    // On Linux a list's accessible name is its entry; the description says what it is.
    list->setAccessibleDescription(name);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

PaperSize LocalePaper()
{
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? PaperSize::Letter : PaperSize::A4;
}

// The month a day falls in, as the page's calendar or place wrote it.
CalendarDate DateOnPage(const PageCalendar &calendar, int32_t jdn)
{
    switch (calendar.kind) {
    case PageCalendarKind::Julian: return JDNToDate(Calendar::Julian, jdn, calendar.variant);
    case PageCalendarKind::Dee: return JDNToDate(Calendar::Dee, jdn, calendar.variant);
    case PageCalendarKind::Place:
        if (calendar.place)
            return WriteDay(*calendar.place, jdn).date;
        break;
    case PageCalendarKind::Gregorian: break;
    }
    return JDNToDate(Calendar::Gregorian, jdn, calendar.variant);
}

// "calendar-1752-09", "calendar-england-1752".
QString SuggestedName(const PageSheet &sheet)
{
    QString name = QStringLiteral("calendar-");
    if (sheet.request.calendar.kind == PageCalendarKind::Place && sheet.request.calendar.place)
        name += Q(sheet.request.calendar.place->id) + u'-';
    name += QString::number(sheet.request.year);
    if (sheet.request.scope == PageScope::Month)
        name += QStringLiteral("-%1").arg(sheet.request.month, 2, 10, QChar(u'0'));
    return name;
}

// The type a saved file is written as: its name's, else the type chosen in the dialog.
PageFileFormat FormatOfFile(const QString &path, const QString &filter)
{
    for (const PageFileFormat format : {PageFileFormat::Pdf, PageFileFormat::Svg, PageFileFormat::Png})
        if (path.endsWith(u'.' + PageFileSuffix(format), Qt::CaseInsensitive))
            return format;
    for (const PageFileFormat format : {PageFileFormat::Svg, PageFileFormat::Png})
        if (filter.contains(QStringLiteral("*.") + PageFileSuffix(format)))
            return format;
    return PageFileFormat::Pdf;
}

}  // namespace

CalendarPageWindow::CalendarPageWindow(TableWindowHost &host, Dialogs &dialogs, SaveFileChooser &files,
                                       const QString &dataFolder, QWidget *parent)
    : QWidget(parent, Qt::Window),
      optMonth(new QRadioButton(QStringLiteral("Mo&nth"), this)),
      optYear(new QRadioButton(QStringLiteral("Whole y&ear"), this)),
      cmdPrevious(MakeToolButton(QStringLiteral("\u25C2 Pre&vious"), this)),
      cmdNext(MakeToolButton(QStringLiteral("Ne&xt \u25B8"), this)),
      txbYear(new QLineEdit(this)),
      cboMonth(NamedList(QStringLiteral("Month"), this)),
      cmdShowResult(MakeToolButton(QStringLiteral("Show resul&t"), this)),
      cboCalendar(NamedList(QStringLiteral("Calendar or place"), this)),
      cboSecond(NamedList(QStringLiteral("Second dates"), this)),
      chkSundays(new QCheckBox(QStringLiteral("S&undays"), this)),
      chkFeasts(new QCheckBox(QStringLiteral("&Feasts"), this)),
      chkSeasons(new QCheckBox(QStringLiteral("Sea&sons"), this)),
      chkMoon(new QCheckBox(QStringLiteral("M&oon"), this)),
      chkJewish(new QCheckBox(QStringLiteral("&Jewish holidays"), this)),
      chkIslamic(new QCheckBox(QStringLiteral("&Islamic months"), this)),
      cboIslamic(NamedList(QStringLiteral("Islamic reckoning"), this)),
      optMonday(new QRadioButton(QStringLiteral("Monday"), this)),
      optSunday(new QRadioButton(QStringLiteral("Sunday"), this)),
      cboPaper(NamedList(QStringLiteral("Paper"), this)),
      page(new CalendarPageView(this)),
      cmdPrint(MakeToolButton(QStringLiteral("&Print\u2026"), this)),
      cmdSave(MakeToolButton(QStringLiteral("Save &as\u2026"), this)),
      cmdClose(MakeToolButton(QStringLiteral("Close"), this)),
      host_(host),
      dialogs_(dialogs),
      files_(files),
      places_(LoadPlaceTable(QFile::encodeName(dataFolder).toStdString())),  // the file system's own bytes
      variant_(host.Variant())
{
    setWindowTitle(QStringLiteral("Calendar page"));
    setWindowIcon(host.TableWindowIcon());
    FillLists();
    txbYear->setAccessibleName(QStringLiteral("Year"));
    // No length limit: a text that is no year is refused with a message, never cut.
    txbYear->setFixedWidth(txbYear->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 10 + 12);
    txbYear->setToolTip(QStringLiteral("Astronomical numbering: year 0 is 1 BC, year -1 is 2 BC"));
    cmdShowResult->setToolTip(QStringLiteral("The month of the main window's last result"));
    cmdPrevious->setToolTip(QStringLiteral("The month (or year) before (Page Up)"));
    cmdNext->setToolTip(QStringLiteral("The month (or year) after (Page Down)"));
    cmdPrevious->setAccessibleName(QStringLiteral("Previous"));
    cmdNext->setAccessibleName(QStringLiteral("Next"));
    optMonday->setAccessibleName(QStringLiteral("Weeks start on Monday"));
    optSunday->setAccessibleName(QStringLiteral("Weeks start on Sunday"));
    chkSundays->setToolTip(QStringLiteral("Sundays in red"));
    chkFeasts->setToolTip(QStringLiteral("The feasts of the place's church, Easter by its reckoning"));
    chkSeasons->setToolTip(QStringLiteral("Equinoxes and solstices, in local mean time"));
    chkMoon->setToolTip(
        QStringLiteral("New moon, first quarter, full moon, last quarter, in local mean time"));
    chkJewish->setToolTip(QStringLiteral("The first days of the Jewish holidays, as kept in the diaspora"));
    chkIslamic->setToolTip(
        QStringLiteral("The first day of each Islamic month and the two Eids, as reckoned"));
    scope_ = new QButtonGroup(this);
    scope_->addButton(optMonth);
    scope_->addButton(optYear);
    optMonth->setChecked(true);
    TabToSelectedOption(scope_);
    weekStart_ = new QButtonGroup(this);
    weekStart_->addButton(optMonday);
    weekStart_->addButton(optSunday);
    ReadSettings();
    TabToSelectedOption(weekStart_);
    chkSundays->setChecked(true);
    const MarkChoice marks;  // the usual marks: feasts, seasons and Moon
    chkFeasts->setChecked(marks.feasts);
    chkSeasons->setChecked(marks.seasons);
    chkMoon->setChecked(marks.moon);
    chkJewish->setChecked(marks.jewish);
    chkIslamic->setChecked(marks.islamic);
    cboIslamic->setEnabled(marks.islamic);
    page->dayTip = [this](int32_t jdn) {
        return DayDatesLines(DatesOfDay(jdn, variant_, ChosenCalendar().place));
    };

    lblProblem_ = new QLabel(this);
    lblDay_ = new QLabel(this);
    for (QLabel *label : {lblProblem_, lblDay_}) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
    }
    MakeMessageLine(lblProblem_);
    lblDay_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Room for a day's dates at a place, which take three lines where the window is narrow, so that
    // the page does not jump from one day to another.
    lblDay_->setMinimumHeight(3 * lblDay_->fontMetrics().lineSpacing());
    lblDay_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDay_->setText(kDayHint);

    LayOutScrollingWithButtons(this, LayOut(), {cmdPrint, cmdSave, cmdClose});

    SetFormBackColor(this, ToBgr(host.TableWindowPalette().color(QPalette::Window)));
    SetControlsForeColor(this, 0xFFFFFF);
    SetTabOrder({optMonth,      optYear,     cmdPrevious, cmdNext,    txbYear,   cboMonth,
                 cmdShowResult, cboCalendar, cboSecond,   chkSundays, chkFeasts, chkSeasons,
                 chkMoon,       chkJewish,   chkIslamic,  cboIslamic, optMonday, optSunday,
                 cboPaper,      page,        cmdPrint,    cmdSave,    cmdClose});

    Connect();
    // The month of the main window's result, else of its input date.
    std::optional<int32_t> jdn = host.ResultJdn();
    if (!jdn)
        jdn = host.PeekInputDay().jdn;
    if (jdn) {
        const CalendarDate date = DateOnPage(ChosenCalendar(), *jdn);
        SetPage(date.year, date.month);
    } else {
        SetPage(host.InputYear(), 1);
    }
    Recalculate();
    if (jdn && page->Choose(*jdn))
        OpenDay(*jdn);
    txbYear->setFocus();
    txbYear->selectAll();
    move(host.TableWindowPosition());
    FitToScreen(this, sizeHint());
}

void CalendarPageWindow::FillLists()
{
    for (int month = 1; month <= 12; ++month)
        cboMonth->addItem(QString::fromLatin1(MonthName(month)));
    cboCalendar->addItem(QStringLiteral("Gregorian"), kGregorianId);
    cboCalendar->addItem(QStringLiteral("Julian"), kJulianId);
    cboCalendar->addItem(QString::fromLatin1(DeeCalendarName(variant_)), kDeeId);
    cboCalendar->insertSeparator(cboCalendar->count());
    // The places by name, to be found by their first letters.
    std::vector<const Place *> places;
    for (const Place &place : places_.places)
        places.push_back(&place);
    std::sort(places.begin(), places.end(), [](const Place *a, const Place *b) {
        return QString::localeAwareCompare(Q(a->name), Q(b->name)) < 0;
    });
    for (const Place *place : places)
        cboCalendar->addItem(Q(place->name), Q(place->id));
    cboCalendar->setToolTip(QStringLiteral("A calendar, or a place: its days as it wrote them, its gaps and "
                                           "its start of the year"));
    cboSecond->addItem(QStringLiteral("Old or New Style"), kAutomaticSecond);
    cboSecond->setItemData(
        0, QStringLiteral("The Gregorian date beside Julian days, the Julian beside the others"),
        Qt::ToolTipRole);
    cboSecond->addItem(QStringLiteral("None"), static_cast<int>(SecondCalendar::None));
    cboSecond->addItem(QStringLiteral("Gregorian"), static_cast<int>(SecondCalendar::Gregorian));
    cboSecond->addItem(QStringLiteral("Julian"), static_cast<int>(SecondCalendar::Julian));
    cboSecond->addItem(QString::fromLatin1(DeeCalendarName(variant_)), static_cast<int>(SecondCalendar::Dee));
    cboSecond->addItem(QStringLiteral("Hebrew"), static_cast<int>(SecondCalendar::Hebrew));
    cboSecond->setToolTip(QStringLiteral("The calendar whose date is written small beneath each day"));
    cboIslamic->addItem(QStringLiteral("Tabular"), static_cast<int>(IslamicReckoning::Tabular));
    cboIslamic->addItem(QStringLiteral("Umm al-Qura"), static_cast<int>(IslamicReckoning::UmmAlQura));
    cboIslamic->setToolTip(QStringLiteral("How the Islamic months are reckoned"));
    cboPaper->addItem(QStringLiteral("A4"), static_cast<int>(PaperSize::A4));
    cboPaper->addItem(QStringLiteral("Letter"), static_cast<int>(PaperSize::Letter));
    cboPaper->setToolTip(QStringLiteral("The paper the page is printed and saved on"));
}

// The controls in rows above the page, the message line, the page, and the day's dates under it.
QWidget *CalendarPageWindow::LayOut()
{
    auto *content = new QWidget;
    auto *form = new QWidget(content);
    const std::initializer_list<QWidget *> controls{
        optMonth,    optYear,    cmdPrevious, cmdNext,   txbYear,    cboMonth, cmdShowResult,
        cboCalendar, cboSecond,  chkSundays,  chkFeasts, chkSeasons, chkMoon,  chkJewish,
        chkIslamic,  cboIslamic, optMonday,   optSunday, cboPaper};
    for (QWidget *control : controls)
        control->setParent(form);
    for (QWidget *control : std::initializer_list<QWidget *>{lblProblem_, page, lblDay_})
        control->setParent(content);
    const auto row = [](std::initializer_list<QWidget *> widgets) {
        auto *line = new QHBoxLayout;
        for (QWidget *widget : widgets)
            line->addWidget(widget);
        line->addStretch();
        return line;
    };
    auto *grid = new QGridLayout(form);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Page:")), 0, 0);
    grid->addLayout(row({optMonth, optYear, cmdPrevious, cmdNext}), 0, 1);
    grid->addWidget(MakeCaption(QStringLiteral("&Year:"), txbYear), 1, 0);
    grid->addLayout(row({txbYear, cboMonth, cmdShowResult}), 1, 1);
    grid->addWidget(MakeCaption(QStringLiteral("&Calendar:"), cboCalendar), 2, 0);
    grid->addLayout(row({cboCalendar}), 2, 1);
    grid->addWidget(MakeCaption(QStringLiteral("Second &dates:"), cboSecond), 3, 0);
    grid->addLayout(row({cboSecond}), 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("Marks:")), 4, 0);
    grid->addLayout(row({chkSundays, chkFeasts, chkSeasons, chkMoon}), 4, 1);
    grid->addLayout(row({chkJewish, chkIslamic, cboIslamic}), 5, 1);
    grid->addWidget(MakeCaption(QStringLiteral("&Week starts:"), optMonday), 6, 0);
    grid->addLayout(row({optMonday, optSunday}), 6, 1);
    grid->addWidget(MakeCaption(QStringLiteral("Pape&r:"), cboPaper), 7, 0);
    grid->addLayout(row({cboPaper}), 7, 1);
    grid->setColumnStretch(1, 1);

    auto *rows = new QVBoxLayout(content);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addWidget(form);
    rows->addWidget(lblProblem_);
    rows->addWidget(page, 1);
    rows->addWidget(lblDay_);
    return content;
}

void CalendarPageWindow::Connect()
{
    const auto recalculate = [this] { Recalculate(); };
    connect(txbYear, &QLineEdit::textChanged, this, recalculate);
    for (QComboBox *list : {cboMonth, cboCalendar, cboSecond, cboIslamic, cboPaper})
        connect(list, &QComboBox::currentIndexChanged, this, recalculate);
    for (QCheckBox *box : {chkSundays, chkFeasts, chkSeasons, chkMoon, chkJewish, chkIslamic})
        connect(box, &QCheckBox::toggled, this, recalculate);
    connect(chkIslamic, &QCheckBox::toggled, cboIslamic, &QComboBox::setEnabled);
    connect(optMonth, &QRadioButton::toggled, this, [this] {
        cboMonth->setEnabled(optMonth->isChecked());
        Recalculate();
    });
    connect(optMonday, &QRadioButton::toggled, this, recalculate);
    connect(cboPaper, &QComboBox::currentIndexChanged, this, [this] { WriteSettings(); });
    connect(optMonday, &QRadioButton::toggled, this, [this] { WriteSettings(); });
    connect(cmdPrevious, &QPushButton::clicked, this, &CalendarPageWindow::Previous);
    connect(cmdNext, &QPushButton::clicked, this, &CalendarPageWindow::Next);
    connect(cmdShowResult, &QPushButton::clicked, this, &CalendarPageWindow::ShowResult);
    connect(page, &CalendarPageView::dayOpened, this, &CalendarPageWindow::OpenDay);
    connect(cmdPrint, &QPushButton::clicked, this, &CalendarPageWindow::Print);
    connect(cmdSave, &QPushButton::clicked, this, &CalendarPageWindow::SaveAs);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
    // Page Up and Page Down turn the page wherever the focus is; Ctrl+S saves, as in the other
    // windows that save.
    const auto shortcut = [this](QKeySequence keys, auto handler) {
        auto *action = new QAction(this);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        connect(action, &QAction::triggered, this, handler);
    };
    shortcut(QKeySequence(Qt::Key_PageUp), [this] { Previous(); });
    shortcut(QKeySequence(Qt::Key_PageDown), [this] { Next(); });
    shortcut(QKeySequence::Save, [this] { SaveAs(); });
    CloseOnEscape(this);
}

void CalendarPageWindow::ReadSettings()
{
    const QSettings settings = Settings();
    const bool sunday = settings.value(kFirstWeekdayKey).toString() == QStringLiteral("sunday");
    (sunday ? optSunday : optMonday)->setChecked(true);
    const QString paper = settings.value(kPaperKey).toString();
    const PaperSize size = paper == QStringLiteral("letter") ? PaperSize::Letter
                           : paper == QStringLiteral("a4")   ? PaperSize::A4
                                                             : LocalePaper();
    cboPaper->setCurrentIndex(cboPaper->findData(static_cast<int>(size)));
}

void CalendarPageWindow::WriteSettings() const
{
    QSettings settings = Settings();
    settings.setValue(kFirstWeekdayKey,
                      optSunday->isChecked() ? QStringLiteral("sunday") : QStringLiteral("monday"));
    settings.setValue(kPaperKey,
                      Paper() == PaperSize::Letter ? QStringLiteral("letter") : QStringLiteral("a4"));
}

PageCalendar CalendarPageWindow::ChosenCalendar() const
{
    const QString id = cboCalendar->currentData().toString();
    PageCalendar calendar;
    calendar.variant = variant_;
    if (id == kJulianId)
        calendar.kind = PageCalendarKind::Julian;
    else if (id == kDeeId)
        calendar.kind = PageCalendarKind::Dee;
    else if (id != kGregorianId) {
        const auto place = std::find_if(places_.places.begin(), places_.places.end(),
                                        [&](const Place &p) { return Q(p.id) == id; });
        if (place != places_.places.end()) {
            calendar.kind = PageCalendarKind::Place;
            calendar.place = &*place;
        }
    }
    return calendar;
}

void CalendarPageWindow::SetPage(int32_t year, int32_t month)
{
    const QSignalBlocker yearBlocker(txbYear), monthBlocker(cboMonth);
    txbYear->setText(QString::number(year));
    cboMonth->setCurrentIndex(std::clamp(month, 1, 12) - 1);
}

void CalendarPageWindow::ShowProblem(const QString &problem) { lblProblem_->setText(problem); }

void CalendarPageWindow::Recalculate()
{
    static const int32_t least = YearBound(false), most = YearBound(true);
    const TypedNumber year = ReadTypedNumber(txbYear->text(), QStringLiteral("the year"), least, most);
    if (!year.value)
        return ShowProblem(year.problem);
    PageRequest request;
    request.calendar = ChosenCalendar();
    request.scope = optYear->isChecked() ? PageScope::Year : PageScope::Month;
    request.year = static_cast<int32_t>(*year.value);
    request.month = cboMonth->currentIndex() + 1;
    const int second = cboSecond->currentData().toInt();
    if (second != kAutomaticSecond)
        request.second = static_cast<SecondCalendar>(second);
    request.marks = {
        chkFeasts->isChecked(),  chkSeasons->isChecked(),
        chkMoon->isChecked(),    chkJewish->isChecked(),
        chkIslamic->isChecked(), static_cast<IslamicReckoning>(cboIslamic->currentData().toInt())};
    request.sundays = chkSundays->isChecked();
    request.firstWeekday = optSunday->isChecked() ? FirstWeekday::Sunday : FirstWeekday::Monday;
    std::optional<PageSheet> sheet = BuildPageSheet(request);
    if (!sheet)
        return ShowProblem(QStringLiteral("That page reaches beyond the days Vardex counts."));
    lblProblem_->clear();
    page->Show(std::move(*sheet), Paper());
    if (openedDay_)
        OpenDay(*openedDay_);  // in the variant and at the place chosen now
}

void CalendarPageWindow::Turn(int step)
{
    const PageRequest &shown = page->Sheet().request;
    if (page->Sheet().months.empty())
        return;
    int64_t year = shown.year, month = shown.month;
    if (shown.scope == PageScope::Year) {
        year += step;
    } else {
        month += step;
        if (month < 1 || month > 12) {
            year += step;
            month = month < 1 ? 12 : 1;
        }
    }
    SetPage(static_cast<int32_t>(std::clamp<int64_t>(year, INT32_MIN, INT32_MAX)),
            static_cast<int32_t>(month));
    Recalculate();
}

void CalendarPageWindow::Previous() { Turn(-1); }

void CalendarPageWindow::Next() { Turn(1); }

void CalendarPageWindow::ShowResult()
{
    const std::optional<int32_t> jdn = host_.ResultJdn();
    if (!jdn)
        return ShowProblem(QStringLiteral("No result in the main window yet: calculate a day there first."));
    const CalendarDate date = DateOnPage(ChosenCalendar(), *jdn);
    SetPage(date.year, date.month);
    Recalculate();
    if (page->Choose(*jdn))
        OpenDay(*jdn);
}

void CalendarPageWindow::FollowVariant()
{
    if (host_.Variant() == variant_)
        return;
    variant_ = host_.Variant();
    const QString name = QString::fromLatin1(DeeCalendarName(variant_));
    cboCalendar->setItemText(kDeeEntry, name);
    cboSecond->setItemText(cboSecond->findData(static_cast<int>(SecondCalendar::Dee)), name);
    Recalculate();
}

void CalendarPageWindow::OpenDay(int32_t jdn)
{
    openedDay_ = jdn;
    lblDay_->setText(DayDatesLine(DatesOfDay(jdn, variant_, ChosenCalendar().place)));
}

void CalendarPageWindow::PaintOn(QPainter &painter, const QRectF &rect) const
{
    CalendarPagePainter(page->Sheet(), Paper()).Paint(painter, rect);
}

void CalendarPageWindow::Print()
{
    if (page->Sheet().months.empty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(Q(page->Sheet().title));
    printer.setPageLayout(QPageLayout(
        QPageSize(Paper() == PaperSize::Letter ? QPageSize::Letter : QPageSize::A4),
        page->Sheet().request.scope == PageScope::Year ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF()));
    // The page draws its own margins, wider than a printer's.
    printer.setFullPage(true);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(QStringLiteral("Print calendar page"));
    FitToScreen(&preview, QSize(1000, 760));  // the page large enough to read
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter *target) {
        QPainter painter(target);
        PaintOn(painter, QRectF(QPointF(0, 0), target->paperRect(QPrinter::DevicePixel).size()));
    });
    preview.exec();
}

void CalendarPageWindow::SaveAs()
{
    const PageSheet &sheet = page->Sheet();
    if (sheet.months.empty())
        return;
    const QString title = QStringLiteral("Save calendar page");
    QString filter;
    QString path = files_.SavePath(
        title, SuggestedName(sheet) + QStringLiteral(".pdf"),
        QStringLiteral("PDF documents (*.pdf);;SVG images (*.svg);;PNG images (*.png)"), &filter);
    if (path.isEmpty())
        return;  // cancelled
    const PageFileFormat format = FormatOfFile(path, filter);
    path = WithSuffix(path, PageFileSuffix(format));
    const QByteArray bytes = CalendarPageFile(sheet, Paper(), format);
    if (bytes.isEmpty()) {
        dialogs_.ShowMessage(QStringLiteral("There is not enough memory to draw the page."), title,
                             MessageIcon::Exclamation);
        return;
    }
    if (const std::optional<QString> fault = WriteWholeFile(path, bytes))
        dialogs_.ShowMessage(QStringLiteral("The page could not be saved as \"%1\": %2.")
                                 .arg(QDir::toNativeSeparators(path), *fault),
                             title, MessageIcon::Exclamation);
}

QString CalendarPageWindow::Problem() const { return lblProblem_->text(); }

QString CalendarPageWindow::DayDates() const { return openedDay_ ? lblDay_->text() : QString(); }

const PageSheet &CalendarPageWindow::Sheet() const { return page->Sheet(); }

PaperSize CalendarPageWindow::Paper() const
{
    return static_cast<PaperSize>(cboPaper->currentData().toInt());
}

void CalendarPageWindow::showEvent(QShowEvent *event)
{
    // The main window's Dee variant may have changed while the window was hidden.
    FollowVariant();
    QWidget::showEvent(event);
    KeepInsideScreen(this);
}

}  // namespace vardex
