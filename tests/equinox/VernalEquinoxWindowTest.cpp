// SPDX-License-Identifier: MIT
// The vernal-equinox window: its own controls give exactly the text RunVernalEquinoxes gives. (What
// it shares with the date-sequence window: that window's tests.)
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "StartedWindows.h"
#include "equinox/EquinoxTable.h"
#include "equinox/VernalEquinoxWindow.h"

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
    void DoIt(const QString &years)
    {
        window->txbNumYears->setText(years);
        QTest::mouseClick(window->cmdDoIt, Qt::LeftButton);
    }
    // The text a Dee run at 75d30m W in mean solar time appends to output, by the table's own function.
    static QString Expected(int32_t firstYear, int years, QString output)
    {
        EquinoxRunInputs inputs{firstYear, years, 75, 30, SolarTime::Mean, DeeVariant::Dee};
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

// Runs at the meridian and solar time picked (each pick hands the focus to Do it), from the main
// window's year at each run, saved by Ctrl+S; the header in the variant's name when written.
TEST_F(EquinoxWindow, RunsAsTheUserPicksThemFromTheMainWindowsYear)
{
    Click(Widget<QRadioButton>(main->Form().optDee));
    ASSERT_TRUE(Open());
    QString header;
    WriteTableHeader(header, "Dee");
    ExpectShown(header);
    for (auto [list, index] : {std::pair{window->cboDegrees, 75 - 70}, {window->cboMinutes, 30}}) {
        list->setCurrentIndex(index);
        emit list->activated(index);
        EXPECT_EQ(QApplication::focusWidget(), window->cmdDoIt);
    }
    Click(window->optMeanST);
    DoIt("3");
    window->txbNumYears->setText(" 2 ");
    QTest::keyClick(window->txbNumYears, Qt::Key_Return);
    const QString twoRuns = Expected(2024, 2, Expected(2024, 3, header));
    ExpectShown(twoRuns);
    QTest::mouseClick(window->cmdClose, Qt::LeftButton);
    main->Form().txbYearADBCetc.text = "1999";
    main->WriteBack();
    ASSERT_TRUE(Activate(main.get()) && Open());
    DoIt("1");
    ExpectShown(Expected(1999, 1, twoRuns));

    const QTemporaryDir folder;
    saveFiles.path = folder.filePath("equinoxes.csv");
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    QFile file(saveFiles.path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()).count("\r\n"), 7) << "a header and six rows";
    Click(Widget<QRadioButton>(main->Form().optDeeCecil));
    ASSERT_TRUE(Activate(window.get()));
    QTest::mouseClick(window->cmdClear, Qt::LeftButton);
    ExpectShown(header.replace("Dee Calendar", "Dee-Cecil Calendar"));
}

}  // namespace
}  // namespace vardex::test
