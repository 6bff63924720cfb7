// SPDX-License-Identifier: MIT
#include "FamilyTreeCheckWindow.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <atomic>
#include <climits>
#include <fstream>
#include <mutex>
#include <new>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "history/WrittenDayReading.h"
#include "records/FamilyTreeCheck.h"
#include "records/PlaceMatching.h"
#include "records/TreeFindingRows.h"
#include "seams/OpenFileChooser.h"
#include "support/widgets/ControlUtils.h"
#include "support/widgets/CsvFileSaving.h"
#include "support/widgets/EscapeCloses.h"
#include "support/widgets/ScreenFit.h"

namespace vardex {

namespace {

enum Column {
    kLine,
    kRecord,
    kName,
    kEvent,
    kDate,
    kPlace,
    kPlaceId,
    kJulian,
    kGregorian,
    kFinding,
    kMessage,
    kColumns
};

constexpr int kBatchMs = 100;        // how often the queued findings reach the table
constexpr int kFilterPauseMs = 250;  // the pause in typing after which the filter applies
constexpr int kProgressSteps = 1000;
// The findings kept for the table: a file with more lists these and counts the rest, so that
// memory stays bounded whatever the file.
constexpr size_t kMostFindings = 1'000'000;
// A place map is a short list typed by hand; a larger file is no place map.
constexpr qint64 kMostPlaceMapBytes = 16 * 1024 * 1024;
constexpr int kSummaryLines = 6;
constexpr int kLeastRows = 4;       // of the table, before the content scrolls instead
constexpr int kPreferredRows = 14;  // where the screen has room
constexpr int kMostPlacesNamed = 20;
constexpr int kMostProblemsNamed = 5;

const QString kTreeFilter = QStringLiteral("GEDCOM files (*.ged *.GED);;All files (*)");
const QString kPlaceMapFilter = QStringLiteral("Place maps (*.tsv *.txt);;All files (*)");

QString Q(const std::string &text) { return QString::fromStdString(text); }

QString Count(int64_t n) { return QLocale(QLocale::English).toString(static_cast<qlonglong>(n)); }

QString Shown(const QString &path) { return QDir::toNativeSeparators(path); }

// The text fields of a finding, as the table's text columns show them.
std::string_view Field(const TreeFinding &finding, int column)
{
    switch (column) {
    case kRecord: return finding.record;
    case kName: return finding.name;
    case kEvent: return finding.event;
    case kDate: return finding.date;
    case kPlace: return finding.place;
    case kPlaceId: return finding.placeId;
    case kFinding: return finding.id;
    case kMessage: return finding.message;
    default: return {};
    }
}

std::string CellText(const TreeFinding &finding, int column)
{
    switch (column) {
    case kLine: return std::to_string(finding.line);
    case kJulian: return FindingDaysText(finding, Calendar::Julian);
    case kGregorian: return FindingDaysText(finding, Calendar::Gregorian);
    default: return std::string(Field(finding, column));
    }
}

// Byte order with ASCII letters folded: "smith" and "Smith" together, quickly, for 100,000 rows.
bool FoldedLess(std::string_view a, std::string_view b)
{
    const auto fold = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a')
                                    : static_cast<unsigned char>(c);
    };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&](char x, char y) { return fold(x) < fold(y); });
}

// "gregorian 1,000, julian 230", the largest first.
QString Counts(const std::map<std::string, int64_t> &counts, int most = INT_MAX, bool quoted = false)
{
    std::vector<std::pair<std::string, int64_t>> sorted(counts.begin(), counts.end());
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto &a, const auto &b) { return a.second > b.second; });
    QStringList parts;
    for (const auto &[name, count] : sorted) {
        if (parts.size() == most) {
            parts << QStringLiteral("and %1 more").arg(Count(static_cast<int64_t>(sorted.size()) - most));
            break;
        }
        parts << (quoted ? u'"' + Q(name) + u'"' : Q(name)) + u' ' + Count(count);
    }
    return parts.join(QStringLiteral(", "));
}

// "line 12: no level number": the reader's message names its line.
QString ProblemText(const GedcomProblem &problem) { return Q(problem.message); }

}  // namespace

// The findings in the order they came; the texts are made as the table asks for them, so that a
// row costs little more than the finding itself.
class FamilyTreeCheckWindow::FindingsModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : kColumns; }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= rowCount())
            return {};
        const TreeFinding &finding = rows_[static_cast<size_t>(index.row())];
        if (role == Qt::DisplayRole || (role == Qt::ToolTipRole && index.column() == kMessage))
            return Q(CellText(finding, index.column()));
        if (role == Qt::TextAlignmentRole && index.column() == kLine)
            return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        static const char *const titles[kColumns] = {"Line",      "Record",  "Name",     "Event",
                                                     "Date",      "Place",   "Place id", "Julian",
                                                     "Gregorian", "Finding", "Message"};
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kColumns)
            return QString::fromLatin1(titles[section]);
        if (orientation == Qt::Horizontal && role == Qt::ToolTipRole) {
            if (section == kJulian || section == kGregorian)
                return QStringLiteral("The day the date was read as, or the first and last of its days");
            if (section == kPlaceId)
                return QStringLiteral("The place of the calendar history the date was read at");
        }
        return QAbstractTableModel::headerData(section, orientation, role);
    }

    void Append(std::vector<TreeFinding> &&batch)
    {
        if (batch.empty())
            return;
        const int first = rowCount();
        beginInsertRows({}, first, first + static_cast<int>(batch.size()) - 1);
        rows_.insert(rows_.end(), std::make_move_iterator(batch.begin()),
                     std::make_move_iterator(batch.end()));
        endInsertRows();
    }

    void Clear()
    {
        beginResetModel();
        rows_.clear();
        rows_.shrink_to_fit();
        endResetModel();
    }

    const TreeFinding &Row(int row) const { return rows_[static_cast<size_t>(row)]; }

private:
    std::vector<TreeFinding> rows_;
};

// The rows whose finding is the one chosen and which hold the text typed in any column; the Line
// column sorts as numbers, the days by the day, the rest as text.
class FamilyTreeCheckWindow::FindingsFilter : public QSortFilterProxyModel {
public:
    FindingsFilter(FindingsModel *model, QObject *parent) : QSortFilterProxyModel(parent), model_(model)
    {
        setSourceModel(model);
    }

    void Set(const QString &text, const std::string &id)
    {
        if (text == text_ && id == id_)
            return;
        text_ = text;
        id_ = id;
        invalidateRowsFilter();
    }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &) const override
    {
        const TreeFinding &finding = model_->Row(sourceRow);
        if (!id_.empty() && finding.id != id_)
            return false;
        if (text_.isEmpty())
            return true;
        for (int column = 0; column < kColumns; ++column)
            if (Q(CellText(finding, column)).contains(text_, Qt::CaseInsensitive))
                return true;
        return false;
    }

    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override
    {
        const TreeFinding &a = model_->Row(left.row()), &b = model_->Row(right.row());
        switch (left.column()) {
        case kLine: return a.line < b.line;
        case kJulian:
        case kGregorian: return std::tie(a.firstJdn, a.lastJdn) < std::tie(b.firstJdn, b.lastJdn);
        default: return FoldedLess(Field(a, left.column()), Field(b, left.column()));
        }
    }

private:
    FindingsModel *model_;
    QString text_;
    std::string id_;
};

// What the check's thread and the window share. The thread queues findings and stores the bytes
// read; the window takes them on its timer. The rest the thread writes before it ends, and the
// window reads only after waiting for it.
struct FamilyTreeCheckRun {
    int64_t fileSize = 0;
    std::atomic<bool> cancel{false};
    std::atomic<int64_t> bytesRead{0};
    std::mutex mutex;
    std::vector<TreeFinding> queued;  // under mutex
    size_t kept = 0;
    bool overflow = false;  // more findings than kMostFindings
    bool stopped = false;   // the check was told to stop
    TreeSummary summary;
    QString failure;
};

namespace {

void CheckOnThread(FamilyTreeCheckRun &run, const std::string &path, const PlaceTable &places,
                   const PlaceMap &map)
{
    try {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            run.failure = QStringLiteral("The family tree file could not be opened.");
            return;
        }
        const PlaceMatcher matcher(places, map);
        run.summary = CheckFamilyTree(
            in, matcher,
            [&run](const TreeFinding &finding) {
                if (run.kept == kMostFindings) {
                    run.overflow = true;
                    return;
                }
                ++run.kept;
                const std::lock_guard lock(run.mutex);
                run.queued.push_back(finding);
            },
            [&run](int64_t bytesRead) {
                run.bytesRead = bytesRead;
                run.stopped = run.cancel;
                return !run.stopped;
            });
    } catch (const std::bad_alloc &) {
        run.failure = QStringLiteral("There is not enough memory to check the whole file.");
    } catch (const std::exception &fault) {
        run.failure = QStringLiteral("The check stopped: %1.").arg(QString::fromLocal8Bit(fault.what()));
    }
}

}  // namespace

FamilyTreeCheckWindow::FamilyTreeCheckWindow(TableWindowHost &host, Dialogs &dialogs,
                                             OpenFileChooser &openFiles, SaveFileChooser &saveFiles,
                                             const QString &dataFolder, QWidget *parent)
    : QWidget(parent, Qt::Window),
      txbTreeFile(new QLineEdit(this)),
      cmdChooseTree(MakeToolButton(QStringLiteral("C&hoose\u2026"), this)),
      txbPlaceMap(new QLineEdit(this)),
      cmdChoosePlaceMap(MakeToolButton(QStringLiteral("Ch&oose\u2026"), this)),
      cmdCheck(MakeToolButton(QStringLiteral("&Check"), this)),
      barProgress(new QProgressBar(this)),
      cmdCancel(MakeToolButton(QStringLiteral("C&ancel"), this)),
      txbFilter(new QLineEdit(this)),
      cboFinding(new QComboBox(this)),
      tblFindings(new QTableView(this)),
      txtSummary(new QPlainTextEdit(this)),
      cmdSaveCsv(MakeToolButton(QStringLiteral("&Save as CSV\u2026"), this)),
      cmdClose(MakeToolButton(QStringLiteral("Close"), this)),
      dialogs_(dialogs),
      openFiles_(openFiles),
      saveFiles_(saveFiles),
      places_(LoadPlaceTable(QFile::encodeName(dataFolder).toStdString()))  // the file system's own bytes
{
    setWindowTitle(QStringLiteral("Check a family tree"));
    setWindowIcon(host.TableWindowIcon());
    txbTreeFile->setAccessibleName(QStringLiteral("Family tree file"));
    txbTreeFile->setToolTip(QStringLiteral("A GEDCOM file (.ged); Enter checks it"));
    txbPlaceMap->setAccessibleName(QStringLiteral("Place map"));
    txbPlaceMap->setPlaceholderText(QStringLiteral("None"));
    txbPlaceMap->setToolTip(
        QStringLiteral("Optional: a text file of lines \"place as written<Tab>place id\", "
                       "read before the places Vardex knows"));
    cmdChooseTree->setAccessibleName(QStringLiteral("Choose the family tree file"));
    cmdChooseTree->setToolTip(QStringLiteral("Choose the GEDCOM file to check (Ctrl+O)"));
    cmdChoosePlaceMap->setAccessibleName(QStringLiteral("Choose the place map"));
    barProgress->setAccessibleName(QStringLiteral("Progress of the check"));
    barProgress->setRange(0, kProgressSteps);
    barProgress->setValue(0);
    cmdCancel->setToolTip(QStringLiteral("Stop the check; the findings so far stay"));
    txbFilter->setAccessibleName(QStringLiteral("Filter"));
    txbFilter->setPlaceholderText(QStringLiteral("Any text"));
    txbFilter->setClearButtonEnabled(true);
    txbFilter->setToolTip(QStringLiteral("Shows the findings that hold this text in any column"));
    // On Linux a list's accessible name is its entry; the description says what it is.
    cboFinding->setAccessibleDescription(QStringLiteral("Finding"));
    cboFinding->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cboFinding->addItem(QStringLiteral("All findings"), QString());
    txtSummary->setReadOnly(true);
    txtSummary->setTabChangesFocus(true);
    txtSummary->setAccessibleName(QStringLiteral("Summary"));
    txtSummary->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtSummary->setFixedHeight(kSummaryLines * txtSummary->fontMetrics().lineSpacing() +
                               2 * txtSummary->frameWidth() + 8);

    model_ = new FindingsModel(this);
    filter_ = new FindingsFilter(model_, this);
    SetUpTable();
    lblProblem_ = new QLabel(this);
    lblProblem_->setTextFormat(Qt::PlainText);
    lblProblem_->setWordWrap(true);
    MakeMessageLine(lblProblem_);
    lblCount_ = new QLabel(this);
    lblCount_->setTextFormat(Qt::PlainText);
    lblCount_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // As wide as its longest text from the start: the count changes while a check runs, and a
    // label that grew with it would be cut until the layout caught up.
    lblCount_->setMinimumWidth(lblCount_->fontMetrics().horizontalAdvance(
        QStringLiteral("%1 of %1 shown").arg(Count(static_cast<int64_t>(kMostFindings)))));
    batchTimer_ = new QTimer(this);
    batchTimer_->setInterval(kBatchMs);
    filterTimer_ = new QTimer(this);
    filterTimer_->setSingleShot(true);
    filterTimer_->setInterval(kFilterPauseMs);

    LayOutScrollingWithButtons(this, LayOut(), {cmdSaveCsv, cmdClose});

    SetFormBackColor(this, ToBgr(host.TableWindowPalette().color(QPalette::Window)));
    SetControlsForeColor(this, 0xFFFFFF);
    SetTabOrder({txbTreeFile, cmdChooseTree, txbPlaceMap, cmdChoosePlaceMap, cmdCheck, cmdCancel, txbFilter,
                 cboFinding, tblFindings, txtSummary, cmdSaveCsv, cmdClose});

    Connect();
    ShowRunning(false);
    if (!places_.error.empty())
        ShowProblem(Q(places_.error));
    txbTreeFile->setFocus();
    move(host.TableWindowPosition());
    FitToScreen(this, PreferredSize());
}

FamilyTreeCheckWindow::~FamilyTreeCheckWindow()
{
    if (thread_) {
        run_->cancel = true;
        thread_->wait();
    }
}

// Rows a line high, columns fitted to the findings as they come; Tab on past the table.
void FamilyTreeCheckWindow::SetUpTable()
{
    tblFindings->setModel(filter_);
    tblFindings->setAccessibleName(QStringLiteral("Findings"));
    tblFindings->verticalHeader()->hide();
    tblFindings->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblFindings->verticalHeader()->setDefaultSectionSize(tblFindings->fontMetrics().height() + 6);
    QHeaderView *header = tblFindings->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    // The last column is fitted by hand (FillWidth), since a stretched one would be cut to the
    // room that is left.
    header->setStretchLastSection(false);
    // Fitting a column reads its first rows only, not all of 100,000.
    header->setResizeContentsPrecision(200);
    header->setSortIndicator(kLine, Qt::AscendingOrder);
    tblFindings->setSortingEnabled(true);
    tblFindings->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblFindings->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblFindings->setWordWrap(false);
    tblFindings->setTabKeyNavigation(false);  // Tab goes on; the arrows move within
    tblFindings->viewport()->installEventFilter(this);
    FitColumns();
    tblFindings->setMinimumHeight(header->sizeHint().height() +
                                  kLeastRows * tblFindings->verticalHeader()->defaultSectionSize() +
                                  2 * tblFindings->frameWidth());
}

// The two files, each with its Choose button, and the Check row above the message line, the
// filter row, the table and the summary.
QWidget *FamilyTreeCheckWindow::LayOut()
{
    auto *content = new QWidget;
    form_ = new QWidget(content);
    for (QWidget *control : std::initializer_list<QWidget *>{
             txbTreeFile, cmdChooseTree, txbPlaceMap, cmdChoosePlaceMap, cmdCheck, barProgress, cmdCancel})
        control->setParent(form_);
    for (QWidget *control : std::initializer_list<QWidget *>{lblProblem_, txbFilter, cboFinding, lblCount_,
                                                             tblFindings, txtSummary})
        control->setParent(content);
    auto *grid = new QGridLayout(form_);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(MakeCaption(QStringLiteral("&Family tree file:"), txbTreeFile), 0, 0);
    grid->addWidget(txbTreeFile, 0, 1);
    grid->addWidget(cmdChooseTree, 0, 2);
    grid->addWidget(MakeCaption(QStringLiteral("&Place map:"), txbPlaceMap), 1, 0);
    grid->addWidget(txbPlaceMap, 1, 1);
    grid->addWidget(cmdChoosePlaceMap, 1, 2);
    auto *checkRow = new QHBoxLayout;
    checkRow->addWidget(cmdCheck);
    checkRow->addWidget(barProgress, 1);
    checkRow->addWidget(cmdCancel);
    grid->addLayout(checkRow, 2, 1, 1, 2);
    grid->setColumnStretch(1, 1);

    auto *filterRow = new QHBoxLayout;
    filterRow->addWidget(MakeCaption(QStringLiteral("Fil&ter:"), txbFilter));
    filterRow->addWidget(txbFilter, 1);
    filterRow->addWidget(MakeCaption(QStringLiteral("F&inding:"), cboFinding));
    filterRow->addWidget(cboFinding);

    auto *rows = new QVBoxLayout(content);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addWidget(form_);
    rows->addWidget(lblProblem_);
    rows->addLayout(filterRow);
    rows->addWidget(tblFindings, 1);
    auto *summaryRow = new QHBoxLayout;
    summaryRow->addWidget(MakeCaption(QStringLiteral("S&ummary:"), txtSummary));
    summaryRow->addStretch();
    summaryRow->addWidget(lblCount_);
    rows->addLayout(summaryRow);
    rows->addWidget(txtSummary);
    return content;
}

void FamilyTreeCheckWindow::Connect()
{
    connect(cmdChooseTree, &QPushButton::clicked, this, &FamilyTreeCheckWindow::ChooseTreeFile);
    connect(cmdChoosePlaceMap, &QPushButton::clicked, this, &FamilyTreeCheckWindow::ChoosePlaceMap);
    connect(cmdCheck, &QPushButton::clicked, this, &FamilyTreeCheckWindow::StartCheck);
    for (QLineEdit *box : {txbTreeFile, txbPlaceMap}) {
        connect(box, &QLineEdit::returnPressed, this, &FamilyTreeCheckWindow::StartCheck);
        connect(box, &QLineEdit::textChanged, this, [box] { FitPath(box); });
    }
    connect(cmdCancel, &QPushButton::clicked, this, &FamilyTreeCheckWindow::CancelCheck);
    connect(batchTimer_, &QTimer::timeout, this, &FamilyTreeCheckWindow::TakeFindings);
    connect(txbFilter, &QLineEdit::textChanged, filterTimer_, qOverload<>(&QTimer::start));
    connect(filterTimer_, &QTimer::timeout, this, &FamilyTreeCheckWindow::ApplyFilter);
    connect(cboFinding, &QComboBox::currentIndexChanged, this, &FamilyTreeCheckWindow::ApplyFilter);
    connect(cmdSaveCsv, &QPushButton::clicked, this, &FamilyTreeCheckWindow::SaveAsCsv);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
    // Ctrl+O chooses the file here, as Open does elsewhere; Ctrl+S saves, as in the other windows
    // that save a table.
    const auto shortcut = [this](QKeySequence keys, QPushButton *button) {
        auto *action = new QAction(this);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        connect(action, &QAction::triggered, button, &QPushButton::click);
    };
    shortcut(QKeySequence::Open, cmdChooseTree);
    shortcut(QKeySequence::Save, cmdSaveCsv);
    CloseOnEscape(this);
}

// Every column of a finding whole and a dozen rows or so, where the screen has room.
QSize FamilyTreeCheckWindow::PreferredSize() const
{
    const QMargins margins = layout()->contentsMargins();
    const int spacing = layout()->spacing();
    const int frame = 2 * tblFindings->frameWidth();
    const int width =
        std::max({tblFindings->fontMetrics().averageCharWidth() * 150, form_->sizeHint().width()});
    const int height = form_->sizeHint().height() + lblProblem_->minimumHeight() +
                       txbFilter->sizeHint().height() + tblFindings->horizontalHeader()->sizeHint().height() +
                       kPreferredRows * tblFindings->verticalHeader()->defaultSectionSize() + frame +
                       lblCount_->sizeHint().height() + txtSummary->height() + cmdClose->sizeHint().height() +
                       7 * spacing;
    return QSize(width + frame, height).grownBy(margins);
}

void FamilyTreeCheckWindow::ShowProblem(const QString &problem) { lblProblem_->setText(problem); }

void FamilyTreeCheckWindow::ChooseTreeFile()
{
    const QString path =
        openFiles_.OpenPath(QStringLiteral("Choose a family tree file"), txbTreeFile->text(), kTreeFilter);
    if (path.isEmpty())
        return;  // cancelled
    txbTreeFile->setText(Shown(path));
    cmdCheck->setFocus();
}

void FamilyTreeCheckWindow::ChoosePlaceMap()
{
    // Where the map is, else beside the family tree file, where a map made for it is likely kept.
    QString start = txbPlaceMap->text();
    if (start.isEmpty() && !txbTreeFile->text().isEmpty())
        start = QFileInfo(txbTreeFile->text()).path();
    const QString path = openFiles_.OpenPath(QStringLiteral("Choose a place map"), start, kPlaceMapFilter);
    if (!path.isEmpty())
        txbPlaceMap->setText(Shown(path));
}

bool FamilyTreeCheckWindow::IsChecking() const { return thread_ != nullptr; }

void FamilyTreeCheckWindow::StartCheck()
{
    if (IsChecking())
        return;
    const QString path = QDir::fromNativeSeparators(txbTreeFile->text());
    if (path.isEmpty())
        return ShowProblem(QStringLiteral("Choose the family tree file to check first."));
    if (!places_.error.empty())
        return ShowProblem(Q(places_.error));
    const QFileInfo info(path);
    if (!info.exists())
        return ShowProblem(QStringLiteral("The family tree file \"%1\" does not exist.").arg(Shown(path)));
    if (info.isDir())
        return ShowProblem(
            QStringLiteral("\"%1\" is a folder: choose a family tree file in it.").arg(Shown(path)));
    // A pipe or a device would hold the check (and the window's closing) until it gave data.
    if (!info.isFile())
        return ShowProblem(
            QStringLiteral("\"%1\" is not a file: choose a family tree file.").arg(Shown(path)));
    if (QFile file(path); !file.open(QIODevice::ReadOnly))
        return ShowProblem(QStringLiteral("The family tree file \"%1\" cannot be read: %2.")
                               .arg(Shown(path), file.errorString()));

    PlaceMap map;
    if (const QString mapPath = QDir::fromNativeSeparators(txbPlaceMap->text()); !mapPath.isEmpty()) {
        QFile file(mapPath);
        const QFileInfo mapInfo(mapPath);
        if (!mapInfo.exists())
            return ShowProblem(QStringLiteral("The place map \"%1\" does not exist.").arg(Shown(mapPath)));
        if (!mapInfo.isFile())
            return ShowProblem(QStringLiteral("The place map \"%1\" is not a file.").arg(Shown(mapPath)));
        if (!file.open(QIODevice::ReadOnly))
            return ShowProblem(QStringLiteral("The place map \"%1\" cannot be read: %2.")
                                   .arg(Shown(mapPath), file.errorString()));
        if (file.size() > kMostPlaceMapBytes)
            return ShowProblem(
                QStringLiteral("The place map \"%1\" is larger than 16 MB: is it the right file?")
                    .arg(Shown(mapPath)));
        const QByteArray text = file.readAll();
        map = ParsePlaceMap(std::string_view(text.constData(), static_cast<size_t>(text.size())), places_);
        if (!map.error.empty())
            return ShowProblem(Q(map.error));
    }

    // The file can be read: the findings shown so far make way for its own.
    ShowProblem({});
    model_->Clear();
    ids_.clear();
    {
        const QSignalBlocker blocker(cboFinding);
        cboFinding->clear();
        cboFinding->addItem(QStringLiteral("All findings"), QString());
    }
    filter_->Set(txbFilter->text(), {});
    UpdateCount();
    txtSummary->clear();
    checkedFile_ = info.fileName();
    run_ = std::make_shared<FamilyTreeCheckRun>();
    run_->fileSize = info.size();
    if (run_->fileSize > 0)
        barProgress->setRange(0, kProgressSteps);
    else
        barProgress->setRange(0, 0);  // a pipe, or a file still growing: busy, without a measure
    barProgress->setValue(0);
    thread_.reset(
        QThread::create([run = run_, file = QFile::encodeName(path).toStdString(), &places = places_,
                         map = std::move(map)] { CheckOnThread(*run, file, places, map); }));
    connect(thread_.get(), &QThread::finished, this, &FamilyTreeCheckWindow::EndCheck);
    ShowRunning(true);
    thread_->start();
    batchTimer_->start();
}

void FamilyTreeCheckWindow::CancelCheck()
{
    if (run_ && thread_)
        run_->cancel = true;
}

void FamilyTreeCheckWindow::TakeFindings()
{
    if (!run_)
        return;
    std::vector<TreeFinding> batch;
    {
        const std::lock_guard lock(run_->mutex);
        batch.swap(run_->queued);
    }
    const bool first = model_->rowCount() == 0;
    std::set<std::string> ids;
    for (const TreeFinding &finding : batch)
        if (!ids_.contains(finding.id))
            ids.insert(finding.id);
    model_->Append(std::move(batch));
    if (!ids.empty()) {
        ids_.insert(ids.begin(), ids.end());
        AddFindingIds();
    }
    if (first && model_->rowCount() > 0)
        FitColumns();
    UpdateCount();
    if (run_->fileSize > 0)
        barProgress->setValue(static_cast<int>(
            std::clamp<int64_t>(run_->bytesRead * kProgressSteps / run_->fileSize, 0, kProgressSteps)));
}

// The ids found so far in the list, in order after "All findings", the one chosen kept.
void FamilyTreeCheckWindow::AddFindingIds()
{
    const QSignalBlocker blocker(cboFinding);
    const QString chosen = cboFinding->currentData().toString();
    int index = 1;
    for (const std::string &id : ids_) {
        const QString text = Q(id);
        if (index >= cboFinding->count() || cboFinding->itemData(index).toString() != text)
            cboFinding->insertItem(index, text, text);
        ++index;
    }
    cboFinding->setCurrentIndex(std::max(0, cboFinding->findData(chosen)));
}

void FamilyTreeCheckWindow::EndCheck()
{
    batchTimer_->stop();
    thread_->wait();
    TakeFindings();
    const bool cancelled = run_->summary.cancelled || run_->stopped;
    if (!cancelled && run_->failure.isEmpty()) {
        barProgress->setRange(0, kProgressSteps);
        barProgress->setValue(kProgressSteps);
    }
    if (!run_->failure.isEmpty())
        ShowProblem(run_->failure);
    ShowSummary(run_->summary, cancelled, run_->failure);
    thread_.release()->deleteLater();
    ShowRunning(false);
    FitColumns();
    emit checkEnded();
}

void FamilyTreeCheckWindow::ShowSummary(const TreeSummary &summary, bool cancelled, const QString &failure)
{
    QStringList lines;
    lines << QStringLiteral("%1: %2 lines read%3.")
                 .arg(checkedFile_, Count(summary.lines),
                      summary.encoding.empty() ? QString() : QStringLiteral(" as ") + Q(summary.encoding));
    QString dates =
        QStringLiteral("Dates read: %1 of %2").arg(Count(summary.datesRead), Count(summary.dates));
    if (!summary.byCalendar.empty())
        dates += QStringLiteral("; by calendar: ") + Counts(summary.byCalendar);
    if (!summary.byQualifier.empty())
        dates += QStringLiteral("; by qualifier: ") + Counts(summary.byQualifier);
    lines << dates + u'.';
    int64_t findings = 0;
    for (const auto &[id, count] : summary.findingsById)
        findings += count;
    lines << (findings == 0
                  ? QStringLiteral("Findings: none.")
                  : QStringLiteral("Findings: %1: %2.").arg(Count(findings), Counts(summary.findingsById)));
    if (run_->overflow)
        lines << QStringLiteral("Only the first %1 findings are listed.").arg(Count(kMostFindings));
    QString places = QStringLiteral("Places matched for %1 dates").arg(Count(summary.mappedPlaceDates));
    if (!summary.unmappedPlaces.empty())
        places += QStringLiteral("; not matched: ") + Counts(summary.unmappedPlaces, kMostPlacesNamed, true);
    lines << places + u'.';
    if (summary.problemCount > 0) {
        QStringList named;
        for (size_t i = 0; i < summary.problems.size() && i < kMostProblemsNamed; ++i)
            named << ProblemText(summary.problems[i]);
        QString problems = QStringLiteral("Bad lines skipped: %1: ").arg(Count(summary.problemCount)) +
                           named.join(QStringLiteral("; "));
        if (summary.problemCount > static_cast<int64_t>(named.size()))
            problems += QStringLiteral("; \u2026");
        lines << problems + u'.';
    }
    if (!failure.isEmpty())
        lines << failure;
    if (cancelled)
        lines << QStringLiteral("Cancelled.");
    txtSummary->setPlainText(lines.join(u'\n'));
}

void FamilyTreeCheckWindow::ApplyFilter()
{
    filterTimer_->stop();
    filter_->Set(txbFilter->text(), cboFinding->currentData().toString().toStdString());
    UpdateCount();
    FitColumns();
}

void FamilyTreeCheckWindow::FitColumns()
{
    tblFindings->resizeColumnsToContents();
    FillWidth();
}

void FamilyTreeCheckWindow::FillWidth()
{
    QHeaderView *header = tblFindings->horizontalHeader();
    const int others = header->length() - header->sectionSize(kMessage);
    const int content = std::max(static_cast<QAbstractItemView *>(tblFindings)->sizeHintForColumn(kMessage),
                                 header->sectionSizeHint(kMessage));
    header->resizeSection(kMessage, std::max(content, tblFindings->viewport()->width() - others));
}

void FamilyTreeCheckWindow::FitPath(QLineEdit *box)
{
    constexpr int kRoom = 24;  // the box's frame and margins, with a little to spare
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(box->displayText()) + kRoom);
}

bool FamilyTreeCheckWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == tblFindings->viewport() && event->type() == QEvent::Resize)
        FillWidth();
    return QWidget::eventFilter(watched, event);
}

// "12 of 3,400 shown": the findings the filter shows of those found.
void FamilyTreeCheckWindow::UpdateCount()
{
    lblCount_->setText(
        model_->rowCount() == 0
            ? QString()
            : QStringLiteral("%1 of %2 shown").arg(Count(filter_->rowCount()), Count(model_->rowCount())));
}

void FamilyTreeCheckWindow::ShowRunning(bool running)
{
    const bool hadFocus = cmdCancel->hasFocus();
    cmdCheck->setEnabled(!running);
    cmdCancel->setEnabled(running);
    if (running)
        cmdCancel->setFocus();
    else if (hadFocus)
        (model_->rowCount() > 0 ? static_cast<QWidget *>(tblFindings) : cmdCheck)->setFocus();
}

std::string FamilyTreeCheckWindow::ShownCsv() const
{
    std::string csv = TreeFindingCsvHeader();
    for (int row = 0; row < filter_->rowCount(); ++row)
        csv += TreeFindingCsvRecord(model_->Row(filter_->mapToSource(filter_->index(row, 0)).row()));
    return csv;
}

void FamilyTreeCheckWindow::SaveAsCsv()
{
    if (filter_->rowCount() == 0) {
        dialogs_.ShowMessage(model_->rowCount() == 0
                                 ? QStringLiteral("There are no findings to save.")
                                 : QStringLiteral("The filter shows no findings to save."),
                             SaveAsCsvTitle(), MessageIcon::Information);
        return;
    }
    const QString stem = QFileInfo(checkedFile_).completeBaseName();
    SaveCsvFile(ShownCsv(), true,
                (stem.isEmpty() ? QStringLiteral("family-tree") : stem) + QStringLiteral("-findings.csv"),
                saveFiles_, dialogs_);
}

QString FamilyTreeCheckWindow::Problem() const { return lblProblem_->text(); }

QString FamilyTreeCheckWindow::Summary() const { return txtSummary->toPlainText(); }

}  // namespace vardex
