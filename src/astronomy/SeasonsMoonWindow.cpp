// SPDX-License-Identifier: MIT
#include "SeasonsMoonWindow.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "astronomy/SkyEventRows.h"
#include "engine/Calendars.h"
#include "input/TextUtils.h"
#include "input/TypedNumber.h"
#include "seams/Clipboard.h"
#include "support/widgets/ControlUtils.h"
#include "support/widgets/CsvFileSaving.h"
#include "support/widgets/EscapeCloses.h"
#include "support/widgets/KeptSpinBox.h"
#include "support/widgets/ScreenFit.h"

namespace vardex {

namespace {

enum Column { kEvent, kDate, kLocalTime, kUt, kGregorian, kJulian, kDee, kDeltaT, kLunation, kColumns };

// The seasons' rows stand out from the phases' by this background, and in bold.
const QColor kSeasonBackground(0xFF, 0xF0, 0xC0);
constexpr int kLeastRows = 4;       // of the table, before the content scrolls instead
constexpr int kPreferredRows = 20;  // where the screen has room

QString Q(const std::string &text) { return QString::fromStdString(text); }

bool IsSeason(SkyEventKind kind) { return kind <= SkyEventKind::DecemberSolstice; }

// The four points and the phases whose local day falls in the year, in one list in time order.
std::vector<SkyEvent> EventsOfYear(int32_t year, DeltaTModel model, double eastDegrees)
{
    std::vector<SkyEvent> events = SeasonsOfYear(year, model);
    const std::vector<SkyEvent> phases = MoonPhasesOfYear(year, std::nullopt, model, eastDegrees);
    events.insert(events.end(), phases.begin(), phases.end());
    std::stable_sort(events.begin(), events.end(),
                     [](const SkyEvent &a, const SkyEvent &b) { return a.jdUT < b.jdUT; });
    return events;
}

std::array<QString, kColumns> CellTexts(const SkyEvent &event, double eastDegrees, DeeVariant variant)
{
    const SkyEventRow row = RowOfEvent(event, eastDegrees, variant);
    return {Q(row.event),
            Q(row.localDate),
            Q(row.localTime),
            Q(row.utDate + ' ' + row.utTime),
            Q(DayMonthYearText(row.gregorian)),
            Q(DayMonthYearText(row.julian)),
            Q(DayMonthYearText(row.dee)),
            Q(row.deltaT),
            row.lunation ? QString::number(*row.lunation) : QString()};
}

// The year the window starts with: that of the main window's result, else of its input date.
int32_t StartYear(const TableWindowHost &host)
{
    std::optional<int32_t> jdn = host.ResultJdn();
    if (!jdn)
        jdn = host.PeekInputDay().jdn;
    return jdn ? JDNToDate(Calendar::Gregorian, *jdn, host.Variant()).year : host.InputYear();
}

}  // namespace

SeasonsMoonWindow::SeasonsMoonWindow(TableWindowHost &host, Dialogs &dialogs, Clipboard &clipboard,
                                     SaveFileChooser &files, QWidget *parent)
    : QWidget(parent, Qt::Window),
      txbYear(new QLineEdit(this)),
      cmdMainResult(MakeToolButton(QStringLiteral("Main window's &result"), this)),
      spnDegrees(new KeptSpinBox(0, 180, 0, this)),
      spnMinutes(new KeptSpinBox(0, 59, 0, this)),
      optEast(new QRadioButton(QStringLiteral("&East"), this)),
      optWest(new QRadioButton(QStringLiteral("&West"), this)),
      cboModel(new QComboBox(this)),
      tblEvents(new QTableWidget(0, kColumns, this)),
      cmdCopy(MakeToolButton(QStringLiteral("&Copy"), this)),
      cmdSaveCsv(MakeToolButton(QStringLiteral("&Save as CSV\u2026"), this)),
      cmdClose(MakeToolButton(QStringLiteral("Close"), this)),
      host_(host),
      dialogs_(dialogs),
      clipboard_(clipboard),
      files_(files)
{
    setWindowTitle(QStringLiteral("Seasons and Moon"));
    setWindowIcon(host.TableWindowIcon());
    txbYear->setAccessibleName(QStringLiteral("Year"));
    // No length limit: a text that is no year is refused with a message, never cut.
    txbYear->setFixedWidth(txbYear->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 10 + 12);
    txbYear->setToolTip(QStringLiteral("Astronomical numbering: year 0 is 1 BC, year -1 is 2 BC"));
    cmdMainResult->setToolTip(QStringLiteral("The year of the main window's last result"));
    spnDegrees->setSuffix(QStringLiteral("\u00B0"));
    spnMinutes->setSuffix(QStringLiteral("\u2032"));
    spnDegrees->setAccessibleName(QStringLiteral("Longitude, degrees"));
    spnMinutes->setAccessibleName(QStringLiteral("Longitude, minutes"));
    optEast->setAccessibleName(QStringLiteral("East of Greenwich"));
    optWest->setAccessibleName(QStringLiteral("West of Greenwich"));
    eastWest_ = new QButtonGroup(this);
    eastWest_->addButton(optEast);
    eastWest_->addButton(optWest);
    optEast->setChecked(true);
    TabToSelectedOption(eastWest_);
    for (const DeltaTModel model : kDeltaTModels)
        cboModel->addItem(QString::fromLatin1(DeltaTModelTitle(model)), static_cast<int>(model));
    // On Linux a list's accessible name is its entry; the description says what it is.
    cboModel->setAccessibleDescription(QStringLiteral("Delta-T model"));
    cboModel->setToolTip(QStringLiteral("Whose estimate of Delta-T (TT - UT) turns the instants into UT"));

    SetUpTable();
    lblProblem_ = new QLabel(this);
    lblNote_ = new QLabel(this);
    for (QLabel *label : {lblProblem_, lblNote_}) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
    }
    MakeMessageLine(lblProblem_);

    LayOutScrollingWithButtons(this, LayOut(), {cmdCopy, cmdSaveCsv, cmdClose});

    SetFormBackColor(this, ToBgr(host.TableWindowPalette().color(QPalette::Window)));
    SetControlsForeColor(this, 0xFFFFFF);
    SetTabOrder({txbYear, cmdMainResult, spnDegrees, spnMinutes, optEast, optWest, cboModel, tblEvents,
                 cmdCopy, cmdSaveCsv, cmdClose});

    Connect();
    {
        const QSignalBlocker blocker(txbYear);
        txbYear->setText(QString::number(StartYear(host)));
    }
    Recalculate();
    txbYear->setFocus();
    txbYear->selectAll();
    move(host.TableWindowPosition());
    FitToScreen(this, PreferredSize());
}

// Rows a line high; columns as wide as their texts; Tab on to the buttons.
void SeasonsMoonWindow::SetUpTable()
{
    tblEvents->setHorizontalHeaderLabels({QStringLiteral("Event"), QStringLiteral("Date"),
                                          QStringLiteral("Local time"), QStringLiteral("UT"),
                                          QStringLiteral("Gregorian"), QStringLiteral("Julian"),
                                          QString::fromLatin1(DeeCalendarName(host_.Variant())),
                                          QStringLiteral("\u0394T"), QStringLiteral("Lunation")});
    tblEvents->horizontalHeaderItem(kDeltaT)->setToolTip(
        QStringLiteral("TT - UT by the chosen model, with its uncertainty where it reaches a minute"));
    tblEvents->horizontalHeaderItem(kLunation)->setToolTip(
        QStringLiteral("Brown's lunation number, counted from the first new moon of 1923"));
    tblEvents->verticalHeader()->hide();
    tblEvents->verticalHeader()->setDefaultSectionSize(tblEvents->fontMetrics().height() + 6);
    // Every column as wide as its widest text: the table scrolls sideways rather than cut one.
    tblEvents->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblEvents->horizontalHeader()->setStretchLastSection(true);  // no bare header beyond the last column
    tblEvents->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblEvents->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblEvents->setTabKeyNavigation(false);  // Tab goes on to the buttons; the arrows move within
    tblEvents->setAccessibleName(QStringLiteral("The year's seasons and Moon phases"));
    tblEvents->setMinimumHeight(tblEvents->horizontalHeader()->sizeHint().height() +
                                kLeastRows * tblEvents->verticalHeader()->defaultSectionSize() +
                                2 * tblEvents->frameWidth());
}

void SeasonsMoonWindow::Connect()
{
    const auto recalculate = [this] { Recalculate(); };
    connect(txbYear, &QLineEdit::textChanged, this, recalculate);
    // The spin box tells of a text only once it reads as a number, and of its arrows and setValue;
    // its own text box tells of an emptied box too.
    for (KeptSpinBox *box : {spnDegrees, spnMinutes}) {
        connect(box, &QSpinBox::textChanged, this, recalculate);
        connect(box->findChild<QLineEdit *>(), &QLineEdit::textChanged, this, recalculate);
    }
    connect(optEast, &QRadioButton::toggled, this, recalculate);
    connect(cboModel, &QComboBox::currentIndexChanged, this, recalculate);
    connect(cmdMainResult, &QPushButton::clicked, this, &SeasonsMoonWindow::TakeMainResult);
    connect(cmdCopy, &QPushButton::clicked, this, &SeasonsMoonWindow::CopyTable);
    connect(cmdSaveCsv, &QPushButton::clicked, this, &SeasonsMoonWindow::SaveAsCsv);
    auto *saveShortcut = new QAction(this);  // Ctrl+S, as in the other windows that save a table
    saveShortcut->setShortcut(QKeySequence::Save);
    saveShortcut->setShortcutContext(Qt::WindowShortcut);
    addAction(saveShortcut);
    connect(saveShortcut, &QAction::triggered, cmdSaveCsv, &QPushButton::click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
    CloseOnEscape(this);
}

// The controls in three rows above the table, the message line, the table and the note under it.
QWidget *SeasonsMoonWindow::LayOut()
{
    auto *content = new QWidget;
    form_ = new QWidget(content);
    for (QWidget *control : std::initializer_list<QWidget *>{txbYear, cmdMainResult, spnDegrees, spnMinutes,
                                                             optEast, optWest, cboModel})
        control->setParent(form_);
    for (QWidget *control : std::initializer_list<QWidget *>{lblProblem_, tblEvents, lblNote_})
        control->setParent(content);
    const auto row = [](std::initializer_list<QWidget *> widgets) {
        auto *line = new QHBoxLayout;
        for (QWidget *widget : widgets)
            line->addWidget(widget);
        line->addStretch();
        return line;
    };
    auto *grid = new QGridLayout(form_);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(MakeCaption(QStringLiteral("&Year:"), txbYear), 0, 0);
    grid->addLayout(row({txbYear, cmdMainResult}), 0, 1);
    grid->addWidget(MakeCaption(QStringLiteral("&Longitude:"), spnDegrees), 1, 0);
    grid->addLayout(row({spnDegrees, spnMinutes, optEast, optWest}), 1, 1);
    grid->addWidget(MakeCaption(QStringLiteral("\u0394T &model:"), cboModel), 2, 0);
    grid->addLayout(row({cboModel}), 2, 1);
    grid->setColumnStretch(1, 1);

    auto *rows = new QVBoxLayout(content);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addWidget(form_);
    rows->addWidget(lblProblem_);
    rows->addWidget(tblEvents, 1);
    rows->addWidget(lblNote_);
    return content;
}

// Every column whole and a score of rows, where the screen has room.
QSize SeasonsMoonWindow::PreferredSize() const
{
    const QMargins margins = layout()->contentsMargins();
    const int spacing = layout()->spacing();
    const int frame = 2 * tblEvents->frameWidth();
    const int tableWidth =
        tblEvents->horizontalHeader()->length() + tblEvents->verticalScrollBar()->sizeHint().width() + frame;
    const int width = std::max(tableWidth, form_->sizeHint().width());
    const int noteHeight = lblNote_->heightForWidth(width);
    const int height = form_->sizeHint().height() + lblProblem_->minimumHeight() +
                       tblEvents->horizontalHeader()->sizeHint().height() +
                       kPreferredRows * tblEvents->verticalHeader()->defaultSectionSize() + frame +
                       std::max(noteHeight, lblNote_->sizeHint().height()) + cmdClose->sizeHint().height() +
                       4 * spacing;
    return QSize(width, height).grownBy(margins);
}

void SeasonsMoonWindow::showEvent(QShowEvent *event)
{
    // The main window's Dee variant may have changed while the window was hidden.
    FollowVariant();
    QWidget::showEvent(event);
    KeepInsideScreen(this);
}

void SeasonsMoonWindow::ShowProblem(const QString &problem) { lblProblem_->setText(problem); }

void SeasonsMoonWindow::Recalculate()
{
    // The year and the longitude as every window beyond the main one reads a number.
    const TypedNumber year =
        ReadTypedNumber(txbYear->text(), QStringLiteral("the year"), kFirstSkyYear, kLastSkyYear);
    if (!year.value)
        return ShowProblem(year.problem);
    const TypedNumber degrees =
        ReadTypedNumber(spnDegrees->cleanText(), QStringLiteral("the degree of longitude"), 0, 180);
    if (!degrees.value)
        return ShowProblem(degrees.problem);
    const TypedNumber minutes =
        ReadTypedNumber(spnMinutes->cleanText(), QStringLiteral("the minute of longitude"), 0, 59);
    if (!minutes.value)
        return ShowProblem(minutes.problem);
    const Meridian meridian{static_cast<int>(*degrees.value), static_cast<int>(*minutes.value),
                            optEast->isChecked()};
    if (!IsValidMeridian(meridian))
        return ShowProblem(QStringLiteral("The longitude is 180\u00B000\u2032 at most, east or west."));
    lblProblem_->clear();
    year_ = static_cast<int32_t>(*year.value);
    meridian_ = meridian;
    model_ = static_cast<DeltaTModel>(cboModel->currentData().toInt());
    events_ = EventsOfYear(year_, model_, meridian_.EastDegrees());
    ShowTable();
}

void SeasonsMoonWindow::ShowTable()
{
    variant_ = host_.Variant();
    const double east = meridian_.EastDegrees();
    tblEvents->horizontalHeaderItem(kDee)->setText(QString::fromLatin1(DeeCalendarName(variant_)));
    // Columns fitted once to the new rows, not again for every cell a row brings (seconds, for a
    // year whose texts are wider than the last one's).
    QHeaderView *header = tblEvents->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    tblEvents->setRowCount(static_cast<int>(events_.size()));
    QFont bold = tblEvents->font();
    bold.setBold(true);
    for (int row = 0; row < tblEvents->rowCount(); ++row) {
        const SkyEvent &event = events_[static_cast<size_t>(row)];
        const std::array<QString, kColumns> texts = CellTexts(event, east, variant_);
        for (int column = 0; column < kColumns; ++column) {
            auto *item = new QTableWidgetItem(texts[static_cast<size_t>(column)]);
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            if (column == kLunation)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (IsSeason(event.kind)) {
                item->setFont(bold);
                item->setBackground(kSeasonBackground);
            }
            tblEvents->setItem(row, column, item);
        }
    }
    lblNote_->setText(QStringLiteral("Local mean time at ") + Q(MeridianText(meridian_)) +
                      QStringLiteral("; UT = TT \u2212 \u0394T; \u0394T by ") +
                      QString::fromLatin1(DeltaTModelTitle(model_)));
    cmdCopy->setEnabled(!events_.empty());
    cmdSaveCsv->setEnabled(!events_.empty());
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblEvents->resizeColumnsToContents();  // now, not at the next layout: the width is read below
    // Longer texts than the window has room for (Delta-T far from our time) widen it, as far as the
    // screen allows.
    if (isVisible() && PreferredSize().width() > width())
        FitToScreen(this, QSize(PreferredSize().width(), height()));
}

void SeasonsMoonWindow::FollowVariant()
{
    if (host_.Variant() != variant_)
        ShowTable();
}

void SeasonsMoonWindow::TakeMainResult()
{
    const std::optional<int32_t> jdn = host_.ResultJdn();
    if (!jdn)
        return ShowProblem(QStringLiteral("No result in the main window yet: calculate a day there first."));
    {
        const QSignalBlocker blocker(txbYear);
        txbYear->setText(QString::number(JDNToDate(Calendar::Gregorian, *jdn, host_.Variant()).year));
    }
    Recalculate();
}

QString SeasonsMoonWindow::CopyText() const
{
    if (events_.empty())
        return {};
    QStringList header;
    for (int column = 0; column < kColumns; ++column)
        header << tblEvents->horizontalHeaderItem(column)->text();
    QString text = header.join(u'\t') + kCrLf;
    for (int row = 0; row < tblEvents->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < kColumns; ++column)
            cells << tblEvents->item(row, column)->text();
        text += cells.join(u'\t') + kCrLf;
    }
    return text;
}

void SeasonsMoonWindow::CopyTable()
{
    if (events_.empty())
        return;
    clipboard_.Clear();
    clipboard_.SetText(CopyText());
}

void SeasonsMoonWindow::SaveAsCsv()
{
    if (events_.empty())
        return;
    SaveCsvFile(SkyEventsCsv(events_, meridian_.EastDegrees(), variant_), true,
                QStringLiteral("seasons-and-moon-%1.csv").arg(year_), files_, dialogs_);
}

QString SeasonsMoonWindow::Problem() const { return lblProblem_->text(); }

QString SeasonsMoonWindow::Note() const { return lblNote_->text(); }

}  // namespace vardex
