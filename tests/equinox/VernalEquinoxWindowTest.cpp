// SPDX-License-Identifier: MIT
// The vernal-equinox window on the display, opened by the main window's Vernal equinoxes button.
// The rows are pinned by the table tests, and what it shares with the date-sequence window by that
// window's tests; here, its own controls must give exactly the text RunVernalEquinoxes gives.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>

#include "StartedWindows.h"
#include "equinox/EquinoxTable.h"
#include "equinox/VernalEquinoxWindow.h"
#include "support/widgets/Geometry.h"
#include "support/widgets/PopUpWindow.h"

namespace vardex::test {
namespace {

class EquinoxWindow : public StartedWindows {
protected:
    void SetUp() override { Start(&MainWindow::openVernalEquinoxes, &window); }
    bool Open()
    {
        QTest::mouseClick(Widget<QPushButton>(main->Form().cmdVernalEquinoxes), Qt::LeftButton);
        return window && QTest::qWaitForWindowActive(window.get());
    }
    void SetInputYear(int year)
    {
        main->Form().txbYearADBCetc.text = QString::number(year);
        main->WriteBack();
    }
    void DoIt(const QString &years)
    {
        window->txbNumYears->setText(years);
        QTest::mouseClick(window->cmdDoIt, Qt::LeftButton);
    }
    // The text a run appends to output, by the table's own function (77d0m W, apparent time and
    // Dee-Cecil unless changed: the defaults of both windows).
    static QString Expected(int32_t firstYear, int years, QString output = {},
                            SolarTime time = SolarTime::Apparent, int degrees = 77, int minutes = 0)
    {
        EquinoxRunInputs inputs{firstYear, years, degrees, minutes, time};
        RecordingDialogs quiet;
        RunVernalEquinoxes(inputs, output, quiet);
        return output;
    }
    void ExpectShown(const QString &output)
    {
        EXPECT_EQ(window->OutputText(), output);
        EXPECT_EQ(window->txbOutput->toPlainText(), QString(output).replace("\r\n", "\n"));
    }

    std::unique_ptr<VernalEquinoxWindow> window;
};

TEST_F(EquinoxWindow, OpensBelowTheMainWindowWithTheHeaderInItsDeeName)
{
    Click(Widget<QRadioButton>(main->Form().optDee));
    ASSERT_TRUE(Open());
    QString header;
    WriteTableHeader(header, "Dee");
    ExpectShown(header);
    EXPECT_EQ(window->txbNumYears->text(), "12");
    EXPECT_EQ(QApplication::focusWidget(), window->txbNumYears);
    EXPECT_EQ(window->height(), window->cmdCopyToClipboard->geometry().bottom() + 1 + TwipsToPixels(600));
}

// The saved rows are the rows shown, at the meridian chosen.
TEST_F(EquinoxWindow, SaveAsCsvSavesTheRowsShown)
{
    ASSERT_TRUE(Open());
    window->cboDegrees->setCurrentIndex(79 - 70);
    emit window->cboDegrees->activated(79 - 70);
    DoIt("2");
    const QTemporaryDir folder;
    saveFiles.path = folder.filePath("equinoxes.csv");
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    QFile file(saveFiles.path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split("\r\n");
    ASSERT_EQ(lines.size(), 4);
    // Ctrl+G asks for the chart at this meridian.
    bool chartAsked = false;
    window->openEquinoxChart = [&] { chartAsked = window->WestDegrees() == 79; };
    QTest::keyClick(window.get(), Qt::Key_G, Qt::ControlModifier);
    EXPECT_TRUE(chartAsked);
    for (const QString &line : {lines[1], lines[2]}) {
        const QStringList f = line.split(',');
        const QString shown =
            window->OutputText().split("\r\n").filter(QRegularExpression("^ *" + f[0] + " ")).value(0);
        EXPECT_TRUE(shown.contains(f[2] + " CE " + f[3]) && shown.contains(f[4] + " DC " + f[5]))
            << line.toStdString() << " | " << shown.toStdString();
    }
}

TEST_F(EquinoxWindow, TheMeridianAndTheSolarTimeAsAUserPicksThem)
{
    ASSERT_TRUE(Open());
    for (auto [list, index] : {std::pair{window->cboDegrees, 75 - 70}, {window->cboMinutes, 30}}) {
        list->setCurrentIndex(index);
        emit list->activated(index);
        EXPECT_EQ(QApplication::focusWidget(), window->cmdDoIt) << "each pick hands the focus to Do it";
    }
    Click(window->optMeanST);
    DoIt("3");
    ExpectShown(Expected(2024, 3, {}, SolarTime::Mean, 75, 30));
    EXPECT_EQ(QApplication::focusWidget(), window->txbNumYears);
    const QString first = window->OutputText();
    window->txbNumYears->clear();
    QTest::keyClicks(window->txbNumYears, " 2 ");
    QTest::keyClick(window->txbNumYears, Qt::Key_Return);
    EXPECT_EQ(window->txbNumYears->text(), "2") << "written back without the blanks";
    ExpectShown(Expected(2024, 2, first, SolarTime::Mean, 75, 30));
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.Texts().join('|').toStdString();
}

TEST_F(EquinoxWindow, AReopenedWindowKeepsItsOutputReadsTheYearAfreshAndClearWritesTheCurrentName)
{
    ASSERT_TRUE(Open());
    Click(window->optMeanST);
    DoIt("1");
    const QString first = window->OutputText();
    QTest::mouseClick(window->cmdClose, Qt::LeftButton);
    SetInputYear(1999);
    ASSERT_TRUE(Activate(main.get()));
    ASSERT_TRUE(Open());
    DoIt("2");
    ExpectShown(Expected(1999, 2, first, SolarTime::Mean));
    EXPECT_EQ(window->txbOutput->horizontalScrollBar()->maximum(), 0) << "the rows fit the box";

    Click(Widget<QRadioButton>(main->Form().optDee));
    ASSERT_TRUE(Activate(window.get()));
    EXPECT_TRUE(window->OutputText().startsWith(first.section("\r\n", 0, 0))) << "the header keeps its name";
    QTest::mouseClick(window->cmdClear, Qt::LeftButton);
    QString header;
    WriteTableHeader(header, "Dee");
    ExpectShown(header);
}

// The program's pop-up is a modal window of its own; when it has closed, the window becomes active
// again, and that must not take the focus from Clear.
TEST_F(EquinoxWindow, TheFocusStaysOnClearWhenTheCopyMessageCloses)
{
    struct BriefPopUps : PopUpWindow {
        void PopUp(const QString &message, int width, int height, int, int top, int left) override
        {
            PopUpWindow::PopUp(message, width, height, 1, top, left);
        }
    } brief;
    windowPopUps = &brief;
    ASSERT_TRUE(Open());
    QTest::mouseClick(window->cmdCopyToClipboard, Qt::LeftButton);
    ASSERT_TRUE(Activate(window.get()));  // as a window system hands the activation back
    EXPECT_EQ(QApplication::focusWidget(), window->cmdClear);
    window.reset();  // before the pop-up it uses
}

}  // namespace
}  // namespace vardex::test
