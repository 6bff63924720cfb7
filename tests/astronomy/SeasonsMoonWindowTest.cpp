// SPDX-License-Identifier: MIT
// The Seasons and Moon window from the Tools menu: its year, the controls that change the table,
// faults told in the window with the table kept, Copy and CSV through the seams. The instants are
// the astronomy tests'; two of the US Naval Observatory's (March equinox 2024-03-20 03:06 UT, full
// moon 2024-01-25 17:54 UT) show the controls reaching the table. (Fit, Tab, names: tests/windows.)
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include "StartedMainWindow.h"
#include "StartedWindows.h"
#include "astronomy/SeasonsMoonWindow.h"
#include "support/widgets/KeptSpinBox.h"

namespace vardex::test {
namespace {

class SeasonsMoonWindowTest : public StartedWindows {
protected:
    void SetUp() override
    {
        Start();
        main->resultChanged = [this] {
            if (window)
                window->FollowVariant();
        };
    }
    // Tools > Seasons and Moon (Ctrl+M).
    void Open()
    {
        ASSERT_NO_FATAL_FAILURE(OpenFromTools<SeasonsMoonWindow>(
            &MainWindow::openSeasonsAndMoon, window,
            [this] { return std::make_unique<SeasonsMoonWindow>(*main, dialogs, clipboard, saveFiles); },
            Qt::Key_M));
    }
    static void Retype(QLineEdit *box, const QString &text)
    {
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    QString Cell(int row, int column) const { return window->tblEvents->item(row, column)->text(); }
    // The first row of the event whose date starts so: "Full moon", "2024-01".
    int RowOf(const QString &event, const QString &date) const
    {
        for (int row = 0; row < window->tblEvents->rowCount(); ++row)
            if (Cell(row, 0) == event && Cell(row, 1).startsWith(date))
                return row;
        return -1;
    }
    std::unique_ptr<SeasonsMoonWindow> window;
};

TEST_F(SeasonsMoonWindowTest, StartsAtTheMainWindowsYearAndListsTheSeasonsAmongThePhases)
{
    Open();
    EXPECT_EQ(window->txbYear->text(), "2024") << "before a result, the year of the input date";
    window->hide();
    EnterMonthDayYear(main->Controller(), main->Form(), 3, 15, QStringLiteral("44"), 2, 2);  // 44 BC, Julian
    main->WriteBack();
    QTest::mouseClick(Widget<QPushButton>(main->Form().cmdCalculate), Qt::LeftButton);
    window.reset();
    Open();
    EXPECT_EQ(window->txbYear->text(), "-43") << "the result's year, astronomically numbered";

    Retype(window->txbYear, "2,024");
    const int equinox = RowOf("March equinox", "2024");
    ASSERT_GE(equinox, 0);
    EXPECT_EQ(Cell(equinox, 1), "2024-03-20");
    EXPECT_TRUE(Cell(equinox, 2).startsWith("03:06:") && Cell(equinox, 3).startsWith("2024-03-20 03:06:"));
    int seasons = 0;
    for (int row = 0; row < window->tblEvents->rowCount(); ++row) {
        const bool season = Cell(row, 0).contains("equinox") || Cell(row, 0).contains("solstice");
        seasons += season;
        EXPECT_EQ(window->tblEvents->item(row, 0)->font().bold(), season) << Cell(row, 0).toStdString();
        EXPECT_EQ(Cell(row, 8).isEmpty(), season) << "a lunation for each phase, none for a season";
        if (row > 0) {
            EXPECT_LT(Cell(row - 1, 3), Cell(row, 3)) << "in time order, row " << row;
        }
    }
    EXPECT_EQ(seasons, 4);

    QTest::mouseClick(window->cmdMainResult, Qt::LeftButton);
    EXPECT_EQ(window->txbYear->text(), "-43");
}

TEST_F(SeasonsMoonWindowTest, LongitudeMovesTheLocalDayAndFaultsKeepTheTable)
{
    Open();
    const int full = RowOf("Full moon", "2024-01");
    ASSERT_GE(full, 0);
    const QString ut = Cell(full, 3);
    EXPECT_EQ(Cell(full, 1), "2024-01-25");
    EXPECT_TRUE(ut.startsWith("2024-01-25 17:5")) << ut.toStdString();
    window->spnDegrees->setValue(120);
    const int ahead = RowOf("Full moon", "2024-01-26");
    ASSERT_GE(ahead, 0) << "past midnight at 120 degrees east";
    EXPECT_EQ(Cell(ahead, 3) + Cell(ahead, 2), ut + "01" + ut.mid(13)) << "UT as before, eight hours on";
    EXPECT_TRUE(window->Note().startsWith("Local mean time at 120\u00B000\u2032 E; UT = TT \u2212 \u0394T"));
    Click(window->optWest);
    EXPECT_EQ(Cell(RowOf("Full moon", "2024-01"), 1), "2024-01-25");
    EXPECT_TRUE(window->Note().startsWith("Local mean time at 120\u00B000\u2032 W"));

    const QString shown = window->CopyText();
    const std::pair<QString, QString> faults[] = {
        {"", "Enter the year, -4,000 to 8,000."},
        {"8001", "The year runs from -4,000 to 8,000."},
        {"12x5", "The year must be a whole number in digits, grouped by thousands or not (1731 or 1,731)."},
    };
    for (const auto &[typed, problem] : faults) {
        window->txbYear->setText(typed);
        EXPECT_EQ(window->Problem(), problem);
        EXPECT_EQ(window->CopyText(), shown) << "the table shown before stays";
    }
    Retype(window->txbYear, "2024");
    EXPECT_EQ(window->Problem(), "");
    window->spnDegrees->setValue(180);
    window->spnMinutes->setValue(30);
    EXPECT_EQ(window->Problem(), "The longitude is 180\u00B000\u2032 at most, east or west.");
    window->spnMinutes->selectAll();
    QTest::keyClick(window->spnMinutes, Qt::Key_Backspace);
    EXPECT_EQ(window->Problem(), "Enter the minute of longitude, 0 to 59.");
    EXPECT_TRUE(dialogs.shown.empty()) << "no message box";
}

TEST_F(SeasonsMoonWindowTest, FollowsTheModelAndTheDeeVariant)
{
    Open();
    Retype(window->txbYear, "1000");
    const QString deltaT = Cell(0, 7), dee = Cell(0, 6);
    EXPECT_EQ(window->tblEvents->horizontalHeaderItem(6)->text(), "Dee-Cecil");
    window->cboModel->setCurrentIndex(1);
    EXPECT_NE(Cell(0, 7), deltaT);
    EXPECT_TRUE(window->Note().endsWith("\u0394T by Stephenson, Morrison and Hohenkerk 2016"));
    Click(Widget<QRadioButton>(main->Form().optDee));
    EXPECT_EQ(window->tblEvents->horizontalHeaderItem(6)->text(), "Dee");
    EXPECT_NE(Cell(0, 6), dee) << "the same day, a day later in the Dee variant";
}

TEST_F(SeasonsMoonWindowTest, CopiesAndSavesThroughTheSeams)
{
    Open();
    QTest::mouseClick(window->cmdCopy, Qt::LeftButton);
    const QStringList lines = clipboard.text.split("\r\n");
    EXPECT_EQ(lines.first(), "Event\tDate\tLocal time\tUT\tGregorian\tJulian\tDee-Cecil\t\u0394T\tLunation");
    EXPECT_EQ(lines.size(), window->tblEvents->rowCount() + 2) << "a header, the rows, the last line's end";
    EXPECT_EQ(clipboard.clears, 1);

    QTemporaryDir folder;
    saveFiles.path = folder.filePath("seasons");
    ASSERT_TRUE(Activate(window.get()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(saveFiles.asked,
              QStringList({"Save as CSV | seasons-and-moon-2024.csv | CSV files (*.csv);;All files (*)"}));
    QFile file(saveFiles.path + ".csv");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()).count("\r\n"), window->tblEvents->rowCount() + 1);
}

}  // namespace
}  // namespace vardex::test
