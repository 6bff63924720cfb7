// SPDX-License-Identifier: MIT
// The Equinox chart window opened from the main window's Tools menu: Draw and its message, the
// main window's Dee variant, the text under the mouse, the wheel's zoom, and the images it saves.
#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QLineSeries>

#include <QToolTip>

#include "StartedWindows.h"
#include "chart/ChartImage.h"
#include "chart/EquinoxChartWindow.h"
#include "chart/ZoomChartView.h"
#include "equinox/EquinoxTable.h"

namespace vardex::test {
namespace {

class EquinoxChartWindowTest : public StartedWindows {
protected:
    void SetUp() override
    {
        Start();
        ASSERT_NO_FATAL_FAILURE(OpenFromTools<EquinoxChartWindow>(
            &MainWindow::openEquinoxChart, window,
            [this] { return std::make_unique<EquinoxChartWindow>(*main, dialogs, files, nullptr); },
            Qt::Key_G));
    }
    QString Save(ImageFormat format, const QString &name)
    {
        files.path = folder.filePath(name);
        QTest::mouseClick(format == ImageFormat::Png ? window->cmdSavePng : window->cmdSaveSvg,
                          Qt::LeftButton);
        return files.path;
    }
    ScriptedSaveFileChooser files;
    QTemporaryDir folder;
    std::unique_ptr<EquinoxChartWindow> window;
};

TEST_F(EquinoxChartWindowTest, DrawsTheYearsAskedForOrSaysWhyNot)
{
    EXPECT_EQ(window->Data().series[2].size(), 4000u) << "drawn as it opens";
    window->spnFromYear->setValue(1900);
    window->spnToYear->setValue(2100);
    Click(window->optMean);
    Click(Widget<QRadioButton>(main->Form().optDee));
    QTest::keyClick(window->spnToYear, Qt::Key_Return);
    EXPECT_EQ(window->Data().series[0].size(), 201u);
    EXPECT_EQ(window->Data().inputs.solarTime, SolarTime::Mean);
    EXPECT_EQ(window->chart->Line(2)->name(), "Dee") << "the main window's variant, read at Draw";
    EXPECT_EQ(std::pair(window->chart->Ranges().firstYear, window->chart->Ranges().lastYear),
              std::pair(1900.0, 2100.0));
    EXPECT_EQ(window->HoverText(0, {2023.6, 0}), "2024: Gregorian 19 March 21:58") << "the nearest year";
    // The mouse a pixel off the Julian line at 2000 shows that year's point; far from every line, nothing.
    QApplication::processEvents();
    const ChartPoint &julian2000 = window->Data().series[1][100];
    const QPointF onLine =
        window->chart->mapToPosition({2000, julian2000.dayOfMarch}, window->chart->Line(1));
    QTest::mouseMove(window->view->viewport(),
                     window->view->mapFromScene(window->chart->mapToScene(onLine)) + QPoint(0, 1));
    EXPECT_EQ(QToolTip::text(), window->HoverText(1, {2000, 0}));
    QTest::mouseMove(window->view->viewport(), QPoint(2, 2));
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));

    window->spnFromYear->setValue(2101);
    QTest::mouseClick(window->cmdDraw, Qt::LeftButton);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.startsWith("The From year (2101) is after the To year (2100)."));
    EXPECT_EQ(window->Data().inputs.firstYear, 1900) << "the chart drawn before stays";
}

// A number out of range is kept as typed and refused with a message; the arrows stay in range.
TEST_F(EquinoxChartWindowTest, TypedNumbersAreKeptAndRefused)
{
    const auto retype = [](QSpinBox *box, const QString &text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    };
    retype(window->spnToYear, "4001");
    EXPECT_EQ(window->spnToYear->text(), "4001") << "not cut to 400";
    QTest::keyClick(window->spnToYear, Qt::Key_Return);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, EquinoxRangeMessage().text);
    EXPECT_EQ(window->Data().inputs.lastYear, 4000) << "the chart drawn before stays";
    EXPECT_EQ(window->spnToYear->text(), "4001");

    retype(window->spnToYear, "4000");
    retype(window->spnDegrees, "100");
    QTest::mouseClick(window->cmdDraw, Qt::LeftButton);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text,
              "The meridian must lie between 70\u00B000\u2032 W and 79\u00B059\u2032 W.");
    QWidget *focus = window->focusWidget();
    EXPECT_TRUE(focus == window->spnDegrees || window->spnDegrees->isAncestorOf(focus)) << "the box at fault";

    retype(window->spnImageWidth, "6000");
    EXPECT_EQ(Save(ImageFormat::Png, "big.png"), folder.filePath("big.png"));
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[2].text, "Choose an image of 100 to 5000 pixels each way.");
    EXPECT_FALSE(QFile::exists(folder.filePath("big.png")));
    EXPECT_TRUE(files.asked.isEmpty()) << "refused before asking where";

    window->spnToYear->setValue(4000);
    window->spnToYear->stepBy(1);
    EXPECT_EQ(window->spnToYear->value(), 4000) << "the arrows stop at the last year";
    window->spnFromYear->stepBy(-5);
    EXPECT_EQ(window->spnFromYear->value(), 1);
}

// For a paper: the band beneath the lines and opaque, so that no line changes colour across it;
// the day axis in dates; the meridian in degrees and minutes.
TEST_F(EquinoxChartWindowTest, TheChartReadsAsDates)
{
    const auto *band = qobject_cast<QAreaSeries *>(window->chart->series().constFirst());
    ASSERT_TRUE(band) << "drawn first, beneath the lines";
    EXPECT_EQ(band->brush().color().alpha(), 255);
    EXPECT_EQ(window->chart->title(), "March equinox at 77\u00B000\u2032 W, apparent solar time");
    auto *days = qobject_cast<QCategoryAxis *>(window->chart->axes(Qt::Vertical).constFirst());
    ASSERT_TRUE(days);
    const QStringList labels = days->categoriesLabels();
    EXPECT_TRUE(labels.contains("20 Mar") && labels.contains("28/29 Feb")) << labels.join(", ").toStdString();
    for (const QString &label : labels)
        EXPECT_TRUE(label.endsWith("Mar") || label.endsWith("Feb")) << label.toStdString();
}

TEST_F(EquinoxChartWindowTest, TheWheelZoomsAboutTheCursor)
{
    QApplication::processEvents();  // the chart laid out in its view
    const ChartRanges full = window->chart->Ranges();
    const QPointF year3500 = window->chart->mapToPosition({3500, 10});
    const QPoint at = window->view->mapFromScene(window->chart->mapToScene(year3500));
    QWheelEvent notch(at, window->view->mapToGlobal(at), {}, {0, 120}, Qt::NoButton, {}, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(window->view->viewport(), &notch);
    const ChartRanges zoomed = window->chart->Ranges();
    EXPECT_NEAR(zoomed.lastYear - zoomed.firstYear, (full.lastYear - full.firstYear) / 1.25, 1);
    EXPECT_NEAR(window->chart->mapToValue(year3500).x(), 3500, 20) << "the year under the cursor stays";
    QTest::mouseClick(window->cmdResetZoom, Qt::LeftButton);
    EXPECT_EQ(window->chart->Ranges(), full);
}

TEST_F(EquinoxChartWindowTest, SavesImagesOfTheChosenSize)
{
    window->spnImageWidth->setValue(640);
    window->spnImageHeight->setValue(360);
    EXPECT_EQ(QImage(Save(ImageFormat::Png, "chart.png")).size(), QSize(640, 360));
    const QSvgRenderer svg(Save(ImageFormat::Svg, "chart.svg"));
    EXPECT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, 640, 360));  // its size is in mm, at the 96 pixels per inch of CSS
    EXPECT_EQ(files.asked.last(), "Save as SVG | equinox-chart.svg | SVG images (*.svg)");
    EXPECT_TRUE(dialogs.shown.empty());

    Save(ImageFormat::Png, "no such folder/chart.png");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              "The chart could not be saved as \"" + files.path + "\": no such file or directory.");
    EXPECT_EQ(dialogs.shown[0].title, "Save as PNG");
}

// A name typed without a type is saved as the kind chosen; a name with one is kept as typed.
TEST_F(EquinoxChartWindowTest, ANameWithoutATypeGetsTheImagesOwn)
{
    window->spnImageWidth->setValue(200);
    window->spnImageHeight->setValue(100);
    EXPECT_EQ(QImage(Save(ImageFormat::Png, "march") + ".png").size(), QSize(200, 100));
    EXPECT_TRUE(QSvgRenderer(Save(ImageFormat::Svg, "march") + ".svg").isValid());
    Save(ImageFormat::Png, "march.image");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              QStringList({"march.image", "march.png", "march.svg"}));
    EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace vardex::test
