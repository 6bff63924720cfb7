// SPDX-License-Identifier: MIT
// The Check a family tree window from the File menu, one case each: it shows every finding the
// check gives, in the check's order; it filters and sorts; it saves the findings shown as CSV; Cancel
// stops a check; a file that cannot be read is told and the findings shown stay. The findings
// themselves are the check's (its own tests hold the calendar facts): each test asks the check for
// them directly and compares. (Fit, Tab, names: tests/windows.)
#include <QAbstractItemModel>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

#include "StartedWindows.h"
#include "engine/Csv.h"
#include "history/WrittenDayReading.h"
#include "records/FamilyTreeCheck.h"
#include "records/FamilyTreeCheckWindow.h"
#include "records/PlaceMatching.h"

namespace vardex::test {
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
    kMessage
};

// Invented people, with dates a careful reader would question: a day England skipped, a day no
// month has, a baptism before the birth, an old-style date after the change, a text that is no
// date, a place nobody knows and a line that is no GEDCOM line; then enough people of plain dates that the
// later findings lie on lines past 100.
std::string SmallTree()
{
    std::ostringstream tree;
    tree << "0 HEAD\n1 GEDC\n2 VERS 5.5.1\n1 CHAR UTF-8\nthis is no GEDCOM line\n"
            "0 @I1@ INDI\n1 NAME Zebedee /Quist/\n1 BIRT\n2 DATE 10 SEP 1752\n2 PLAC London, Middlesex, "
            "England\n"
            "1 DEAT\n2 DATE 31 APR 1800\n2 PLAC London, Middlesex, England\n"
            "0 @I2@ INDI\n1 NAME Mary \"Polly\" /Jones, Jr./\n1 BIRT\n2 DATE 5 MAY 1801\n2 PLAC Paris, "
            "France\n"
            "1 CHR\n2 DATE 2 MAY 1801\n2 PLAC Paris, France\n";
    for (int i = 0; i < 20; ++i)
        tree << "0 @I" << 100 + i << "@ INDI\n1 NAME Plain /Person/\n1 BIRT\n2 DATE " << 1 + i
             << " JAN 1900\n2 PLAC Paris, France\n";
    tree << "0 @I3@ INDI\n1 NAME anna /berg/\n1 BIRT\n2 DATE @#DJULIAN@ 1 MAR 1800\n2 PLAC London, England\n"
            "1 BAPM\n2 DATE 29 FEB 1900\n2 PLAC Paris, France\n"
            "1 DEAT\n2 DATE about the spring thaw\n"
            "0 @I4@ INDI\n1 NAME Bob /Abel/\n1 BIRT\n2 DATE 3 SEP 1752\n2 PLAC Bristol, England\n"
            "1 RESI\n2 DATE 1 JAN 1900\n2 PLAC Nowhere Known, Atlantis\n"
            "0 TRLR\n";
    return tree.str();
}

// Many people each born on a day England skipped: a file that takes the check a while.
std::string LargeTree(int people)
{
    std::string tree = "0 HEAD\n1 CHAR UTF-8\n";
    for (int i = 0; i < people; ++i)
        tree += "0 @I" + std::to_string(i) +
                "@ INDI\n1 NAME Many /Person/\n1 BIRT\n2 DATE 5 SEP 1752\n2 PLAC London, England\n";
    return tree + "0 TRLR\n";
}

class FamilyTreeCheckWindowTest : public StartedWindows {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        Start();
    }
    void TearDown() override { window.reset(); }  // before the main window goes

    // File > Check a family tree (Ctrl+O).
    void Open()
    {
        ASSERT_NO_FATAL_FAILURE(OpenFromTools<FamilyTreeCheckWindow>(
            &MainWindow::openFamilyTreeCheck, window,
            [this] {
                return std::make_unique<FamilyTreeCheckWindow>(*main, dialogs, openFiles, saveFiles,
                                                               QStringLiteral(VARDEX_DATA_FOLDER));
            },
            Qt::Key_O));
    }
    QString Write(const QString &name, const std::string &text)
    {
        const QString path = folder.filePath(name);
        std::ofstream(path.toStdString(), std::ios::binary) << text;
        return path;
    }
    // What the check finds in the file, asked directly.
    static std::vector<TreeFinding> CheckedDirectly(const QString &path)
    {
        static const PlaceTable places = LoadPlaceTable(VARDEX_DATA_FOLDER);
        const PlaceMap none;
        const PlaceMatcher matcher(places, none);
        std::ifstream in(path.toStdString(), std::ios::binary);
        std::vector<TreeFinding> findings;
        CheckFamilyTree(in, matcher, [&](const TreeFinding &finding) { findings.push_back(finding); });
        return findings;
    }
    // Chooses the file through the open dialog and checks it to the end.
    void CheckFile(const QString &path)
    {
        openFiles.path = path;
        QTest::mouseClick(window->cmdChooseTree, Qt::LeftButton);
        QTest::mouseClick(window->cmdCheck, Qt::LeftButton);
        WaitForTheEnd();
    }
    void WaitForTheEnd()
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !window->IsChecking(); }, 60000));
    }
    // The filter applies once typing pauses.
    void Filter(const QString &text)
    {
        window->txbFilter->clear();
        QTest::keyClicks(window->txbFilter, text);
        const QAbstractItemModel *model = window->tblFindings->model();
        const int before = model->rowCount();
        // The filter waits for typing to pause; a filter that changes nothing times out here.
        (void)QTest::qWaitFor([&] { return model->rowCount() != before; }, 1000);
    }
    int Rows() const { return window->tblFindings->model()->rowCount(); }
    QString Cell(int row, int column) const
    {
        const QAbstractItemModel *model = window->tblFindings->model();
        return model->data(model->index(row, column)).toString();
    }
    std::vector<QString> ColumnTexts(int column) const
    {
        std::vector<QString> texts;
        for (int row = 0; row < Rows(); ++row)
            texts.push_back(Cell(row, column));
        return texts;
    }

    QTemporaryDir folder;
    ScriptedOpenFileChooser openFiles;
    std::unique_ptr<FamilyTreeCheckWindow> window;
};

TEST_F(FamilyTreeCheckWindowTest, ShowsEveryFindingOfTheCheckWithItsSummary)
{
    Open();
    const QString path = Write("tree.ged", SmallTree());
    ASSERT_NO_FATAL_FAILURE(CheckFile(path));
    EXPECT_EQ(openFiles.asked,
              QStringList({"Choose a family tree file |  | GEDCOM files (*.ged *.GED);;All files (*)"}));
    EXPECT_EQ(window->txbTreeFile->text(), path);

    const std::vector<TreeFinding> expected = CheckedDirectly(path);
    ASSERT_GE(expected.size(), 3u) << "the tree's mistakes";
    ASSERT_EQ(Rows(), static_cast<int>(expected.size()));
    std::vector<TreeFinding> byLine = expected;
    std::stable_sort(byLine.begin(), byLine.end(),
                     [](const auto &a, const auto &b) { return a.line < b.line; });
    for (int row = 0; row < Rows(); ++row) {
        const TreeFinding &finding = byLine[static_cast<size_t>(row)];
        const auto q = [](const std::string &text) { return QString::fromStdString(text); };
        EXPECT_EQ(std::vector<QString>({Cell(row, kLine), Cell(row, kRecord), Cell(row, kName),
                                        Cell(row, kEvent), Cell(row, kDate), Cell(row, kPlace),
                                        Cell(row, kPlaceId), Cell(row, kFinding), Cell(row, kMessage)}),
                  std::vector<QString>({QString::number(finding.line), q(finding.record), q(finding.name),
                                        q(finding.event), q(finding.date), q(finding.place),
                                        q(finding.placeId), q(finding.id), q(finding.message)}))
            << "row " << row;
        EXPECT_EQ(Cell(row, kGregorian).isEmpty(), !finding.firstJdn);
    }
    QStringList headers;
    for (int column = 0; column <= kMessage; ++column)
        headers << window->tblFindings->model()->headerData(column, Qt::Horizontal).toString();
    EXPECT_EQ(headers, QStringList({"Line", "Record", "Name", "Event", "Date", "Place", "Place id", "Julian",
                                    "Gregorian", "Finding", "Message"}));

    const QString summary = window->Summary();
    EXPECT_TRUE(summary.startsWith("tree.ged: ")) << summary.toStdString();
    EXPECT_TRUE(summary.contains("\nDates read: ")) << summary.toStdString();
    EXPECT_TRUE(summary.contains("; not matched: \"Nowhere Known, Atlantis\" 1")) << summary.toStdString();
    EXPECT_TRUE(summary.contains("\nBad lines skipped: 1: line 5: ")) << summary.toStdString();
    EXPECT_FALSE(summary.contains("Cancelled."));
    EXPECT_EQ(window->barProgress->value(), window->barProgress->maximum());
    EXPECT_TRUE(window->cmdCheck->isEnabled());
    EXPECT_FALSE(window->cmdCancel->isEnabled());
    EXPECT_EQ(window->Problem(), "");
}

TEST_F(FamilyTreeCheckWindowTest, FiltersByTextInAnyColumnAndByFinding)
{
    Open();
    const QString path = Write("tree.ged", SmallTree());
    ASSERT_NO_FATAL_FAILURE(CheckFile(path));
    const std::vector<TreeFinding> expected = CheckedDirectly(path);
    std::set<std::string> ids;
    for (const TreeFinding &finding : expected)
        ids.insert(finding.id);
    ASSERT_GE(ids.size(), 2u) << "the tree's mistakes are of more than one kind";
    QStringList entries{"All findings"};
    for (const std::string &id : ids)
        entries << QString::fromStdString(id);
    QStringList listed;
    for (int i = 0; i < window->cboFinding->count(); ++i)
        listed << window->cboFinding->itemText(i);
    EXPECT_EQ(listed, entries);

    const std::string id = *ids.begin();
    window->cboFinding->setCurrentIndex(1);
    const auto count = [&](auto keep) {
        return static_cast<int>(std::count_if(expected.begin(), expected.end(), keep));
    };
    EXPECT_EQ(Rows(), count([&](const TreeFinding &f) { return f.id == id; }));
    for (const QString &shown : ColumnTexts(kFinding))
        EXPECT_EQ(shown.toStdString(), id);

    window->cboFinding->setCurrentIndex(0);
    Filter("QUIST");  // any case
    const int quists = count([](const TreeFinding &f) {
        return QString::fromStdString(f.name).contains("quist", Qt::CaseInsensitive);
    });
    ASSERT_GT(quists, 0);
    EXPECT_EQ(Rows(), quists);
    Filter("@I4@");  // the record column
    EXPECT_EQ(Rows(), count([](const TreeFinding &f) { return f.record == "@I4@"; }));
    Filter("no such text");
    EXPECT_EQ(Rows(), 0);
    window->txbFilter->clear();
    (void)QTest::qWaitFor([&] { return Rows() == static_cast<int>(expected.size()); }, 1000);
    EXPECT_EQ(Rows(), static_cast<int>(expected.size()));
}

TEST_F(FamilyTreeCheckWindowTest, SortsByAnyColumnTheLinesAsNumbers)
{
    Open();
    ASSERT_NO_FATAL_FAILURE(CheckFile(Write("tree.ged", SmallTree())));
    ASSERT_GE(Rows(), 3);
    const auto lines = [this] {
        std::vector<int> numbers;
        for (const QString &text : ColumnTexts(kLine))
            numbers.push_back(text.toInt());
        return numbers;
    };
    ASSERT_LT(lines().front(), 100);
    ASSERT_GE(lines().back(), 100) << "lines of two and three digits";
    EXPECT_TRUE(std::ranges::is_sorted(lines())) << "the file's order at first";
    window->tblFindings->sortByColumn(kLine, Qt::DescendingOrder);
    EXPECT_TRUE(std::ranges::is_sorted(lines(), std::greater<>()));
    window->tblFindings->sortByColumn(kName, Qt::AscendingOrder);
    const std::vector<QString> names = ColumnTexts(kName);
    EXPECT_TRUE(std::ranges::is_sorted(
        names, [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; }));
    EXPECT_EQ(window->tblFindings->horizontalHeader()->sortIndicatorSection(), kName);
}

TEST_F(FamilyTreeCheckWindowTest, SavesTheFindingsShownAsCsv)
{
    Open();
    const QString path = Write("tree.ged", SmallTree());
    ASSERT_NO_FATAL_FAILURE(CheckFile(path));
    Filter("Jones");
    const int shown = Rows();
    ASSERT_GT(shown, 0);
    saveFiles.path = folder.filePath("findings");  // no suffix: .csv is added
    ASSERT_TRUE(Activate(window.get()));
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(saveFiles.asked.size(), 1);
    EXPECT_TRUE(saveFiles.asked.front().startsWith("Save as CSV | tree-findings.csv | CSV files (*.csv)"))
        << saveFiles.asked.front().toStdString();
    QFile file(folder.filePath("findings.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString csv = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(
        csv.startsWith("line,record,name,event,date,place,place_id,first_jdn,last_jdn,julian,gregorian,"
                       "id,message\r\n"));
    EXPECT_EQ(csv.count("\r\n"), shown + 1) << csv.toStdString();
    // The name holds a comma and quotes, and is quoted as CSV quotes it.
    std::string name;
    for (const TreeFinding &finding : CheckedDirectly(path))
        name = finding.record == "@I2@" ? finding.name : name;
    ASSERT_TRUE(name.starts_with("Mary \"Polly\"")) << name;
    EXPECT_EQ(csv.count(QString::fromStdString("," + CsvField(name) + ",")), shown) << csv.toStdString();
    EXPECT_TRUE(csv.section("\r\n", 1, 1).startsWith(Cell(0, kLine) + ",@I2@,"));
    EXPECT_TRUE(dialogs.shown.empty());

    Filter("no such text");
    window->SaveAsCsv();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "The filter shows no findings to save.");
    EXPECT_EQ(saveFiles.asked.size(), 1) << "no dialog for nothing";
}

TEST_F(FamilyTreeCheckWindowTest, CancelStopsTheCheckAndKeepsWhatItFound)
{
    Open();
    constexpr int kPeople = 100000;  // 8 MB
    openFiles.path = Write("large.ged", LargeTree(kPeople));
    QTest::mouseClick(window->cmdChooseTree, Qt::LeftButton);
    QTest::mouseClick(window->cmdCheck, Qt::LeftButton);
    EXPECT_TRUE(window->IsChecking());
    EXPECT_FALSE(window->cmdCheck->isEnabled());
    EXPECT_TRUE(window->cmdCancel->isEnabled());
    QTest::mouseClick(window->cmdCancel, Qt::LeftButton);
    ASSERT_NO_FATAL_FAILURE(WaitForTheEnd());
    EXPECT_TRUE(window->Summary().endsWith("\nCancelled.")) << window->Summary().toStdString();
    EXPECT_LT(Rows(), kPeople);
    EXPECT_LT(window->barProgress->value(), window->barProgress->maximum());
    EXPECT_TRUE(window->cmdCheck->isEnabled());
    EXPECT_FALSE(window->cmdCancel->isEnabled());

    // Checked again, and closed while it runs: the check stops with the window.
    QTest::mouseClick(window->cmdCheck, Qt::LeftButton);
    EXPECT_TRUE(window->IsChecking());
    window.reset();
}

TEST_F(FamilyTreeCheckWindowTest, AFileThatCannotBeReadIsToldAndTheFindingsShownStay)
{
    Open();
    window->txbTreeFile->clear();
    QTest::mouseClick(window->cmdCheck, Qt::LeftButton);
    EXPECT_EQ(window->Problem(), "Choose the family tree file to check first.");
    ASSERT_NO_FATAL_FAILURE(CheckFile(Write("tree.ged", SmallTree())));
    const int rows = Rows();
    ASSERT_GT(rows, 0);
    const QString summary = window->Summary();

    const QString missing = folder.filePath("missing.ged");
    window->txbTreeFile->setText(missing);
    QTest::keyClick(window->txbTreeFile, Qt::Key_Return);  // Enter checks too
    EXPECT_EQ(window->Problem(), "The family tree file \"" + missing + "\" does not exist.");
    window->txbTreeFile->setText(folder.path());
    QTest::mouseClick(window->cmdCheck, Qt::LeftButton);
    EXPECT_EQ(window->Problem(), "\"" + folder.path() + "\" is a folder: choose a family tree file in it.");
    window->txbTreeFile->setText(QStringLiteral("/dev/zero"));  // endless: refused, not checked
    QTest::mouseClick(window->cmdCheck, Qt::LeftButton);
    EXPECT_EQ(window->Problem(), "\"/dev/zero\" is not a file: choose a family tree file.");
    EXPECT_FALSE(window->IsChecking());
    EXPECT_EQ(Rows(), rows);
    EXPECT_EQ(window->Summary(), summary);
    window->txbTreeFile->setText(folder.filePath("tree.ged"));
    window->txbPlaceMap->setText(folder.filePath("missing.tsv"));
    QTest::mouseClick(window->cmdCheck, Qt::LeftButton);
    EXPECT_EQ(window->Problem(), "The place map \"" + folder.filePath("missing.tsv") + "\" does not exist.");

    // A place map that names no known place: the map's own message.
    const std::string map = "Springfield\tnowhere-at-all\n";
    window->txbPlaceMap->clear();
    openFiles.path = Write("places.tsv", map);
    QTest::mouseClick(window->cmdChoosePlaceMap, Qt::LeftButton);
    EXPECT_TRUE(openFiles.asked.back().startsWith("Choose a place map | " + folder.path() + " | Place maps"));
    QTest::mouseClick(window->cmdCheck, Qt::LeftButton);
    const std::string error = ParsePlaceMap(map, LoadPlaceTable(VARDEX_DATA_FOLDER)).error;
    ASSERT_FALSE(error.empty());
    EXPECT_EQ(window->Problem().toStdString(), error);
    EXPECT_FALSE(window->IsChecking());
    EXPECT_EQ(Rows(), rows);
    EXPECT_TRUE(dialogs.shown.empty()) << "told in the window, not in a message box";
}

}  // namespace
}  // namespace vardex::test
