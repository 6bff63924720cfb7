// SPDX-License-Identifier: MIT
// The Equinox chart window from the Tools menu: drawing, zoom, axes, messages and the images it saves.
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChartView>
#include <QtCharts/QLegend>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <tuple>

#include "StartedWindows.h"
#include "chart/ChartImage.h"
#include "chart/EquinoxChart.h"
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
    QString Save(QPushButton *button, const QString &name)
    {
        files.path = folder.filePath(name);
        QTest::mouseClick(button, Qt::LeftButton);
        return files.path;
    }
    ScriptedSaveFileChooser files;
    QTemporaryDir folder;
    std::unique_ptr<EquinoxChartWindow> window;
};

// Drawn as it opens; the wheel zooms a fifth about the year under the cursor (over the labels: the
// nearest corner); Enter draws; out of range refused; images of the chosen size, type, write failures.
TEST_F(EquinoxChartWindowTest, DrawsZoomsRefusesAndSaves)
{
    EXPECT_EQ(window->Data().series[2].size(), 4000u) << "drawn as it opens";
    QApplication::processEvents();  // the chart laid out in its view
    const ChartRanges full = window->chart->Ranges();
    const auto notch = [this](QPoint at) {
        QWheelEvent event(at, window->view->mapToGlobal(at), {}, {0, 120}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(window->view->viewport(), &event);
        return window->chart->Ranges();
    };
    const QPointF year3500 = window->chart->mapToPosition({3500, 10});
    ChartRanges zoomed = notch(window->view->mapFromScene(window->chart->mapToScene(year3500)));
    EXPECT_NEAR(zoomed.lastYear - zoomed.firstYear, (full.lastYear - full.firstYear) / 1.25, 1);
    EXPECT_NEAR(window->chart->mapToValue(year3500).x(), 3500, 20) << "the year under the cursor stays";
    QTest::mouseClick(window->cmdResetZoom, Qt::LeftButton);
    EXPECT_EQ(window->chart->Ranges(), full);
    zoomed = notch(QPoint(1, 1));  // above and left of the plot: its top-left corner stays
    EXPECT_NEAR(zoomed.firstYear, full.firstYear, 1e-6);
    EXPECT_NEAR(zoomed.highDay, full.highDay, 1e-6);

    window->spnFromYear->setValue(1900);
    window->spnToYear->setValue(2100);
    Click(window->optMean);
    QTest::keyClick(window->spnToYear, Qt::Key_Return);
    EXPECT_EQ(window->HoverText(0, {2023.6, 0}), "2024: Gregorian 19 March 21:58") << "mean, nearest year";

    window->spnToYear->setFocus();
    window->spnToYear->selectAll();
    QTest::keyClicks(window->spnToYear, "4001");
    QTest::keyClick(window->spnToYear, Qt::Key_Return);
    EXPECT_EQ(window->Data().inputs.lastYear, 2100) << "the chart drawn before stays";

    window->spnImageWidth->setFocus();
    window->spnImageWidth->selectAll();
    QTest::keyClicks(window->spnImageWidth, "6000");
    EXPECT_FALSE(QFile::exists(Save(window->cmdSavePng, "big.png")) || !files.asked.isEmpty());
    window->spnImageWidth->setValue(640);
    window->spnImageHeight->setValue(360);
    EXPECT_EQ(QImage(Save(window->cmdSavePng, "chart.png")).size(), QSize(640, 360));
    EXPECT_EQ(QSvgRenderer(Save(window->cmdSaveSvg, "chart.svg")).viewBox(),
              QRect(0, 0, 640, 360));  // its size is in mm, at the 96 pixels per inch of CSS
    EXPECT_EQ(files.asked.last(), "Save as SVG | equinox-chart.svg | SVG images (*.svg)");

    EXPECT_EQ(QImage(Save(window->cmdSavePng, "march") + ".png").size(), QSize(640, 360)) << "a bare name";
    Save(window->cmdSaveSvg, "march");
    Save(window->cmdSavePng, "march.image");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              QStringList({"chart.png", "chart.svg", "march.image", "march.png", "march.svg"}));
    Save(window->cmdSavePng, "no such folder/chart.png");
    ASSERT_EQ(
        dialogs.Texts(),
        QStringList({EquinoxRangeMessage().text, "Choose an image of 100 to 5000 pixels each way.",
                     "The chart could not be saved as \"" + files.path + "\": no such file or directory."}));
    EXPECT_EQ(dialogs.shown[2].title, "Save as PNG");
}

// The Delta-T band: off as the window opens; Alt+U shows a band about every line with one legend entry and
// the hover text's standard error (NASA's 139 s in 500). Zoomed in on 500, its edges pass that far above and
// below the point, in pixels as in days, and reach no further than a quarter of the view beyond it; Draw
// fills it afresh. Saved as SVG, which has no clipping, it is cut to the image; unticked, it is gone.
TEST_F(EquinoxChartWindowTest, DeltaTBandShowsFollowsTheZoomAndIsSavedCut)
{
    const auto legend = [this] {
        QStringList shown;
        for (const QLegendMarker *marker : window->chart->legend()->markers()) {
            if (marker->isVisible())
                shown << marker->label();
        }
        return shown;
    };
    const QStringList lines{"Gregorian", "Julian", "Dee-Cecil"};
    EXPECT_EQ(legend(), QStringList("Dee target day (20 March)") + lines);
    const ChartPoint point = window->Data().series[0][499];
    ASSERT_TRUE(Activate(window.get()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_U, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->chkDeltaT->isChecked(); }))
        << "the click it animates";
    EXPECT_EQ(legend(), QStringList({"Dee target day (20 March)", "\u0394T \u00B1 1\u03C3"}) + lines);
    EXPECT_EQ(window->HoverText(0, {500, 0}),
              ChartPointText(point, Calendar::Gregorian, DeeVariant::DeeCecil) + " (\u0394T \u00B1 139 s)");

    EquinoxChart &chart = *window->chart;
    chart.SetRanges({499, 501, point.dayOfMarch - 0.01, point.dayOfMarch + 0.01});
    const QRectF reach(498.5, point.dayOfMarch - 0.015 - 1e-9, 3, 0.03 + 2e-9);
    for (size_t i = 0; i < kChartCalendars.size(); ++i) {
        for (const QLineSeries *edge :
             {chart.DeltaTArea(i)->lowerSeries(), chart.DeltaTArea(i)->upperSeries()}) {
            for (const QPointF &at : edge->points())
                ASSERT_TRUE(reach.contains(at)) << i << ": " << at.x() << ", " << at.y();
        }
    }
    EXPECT_EQ(legend().size(), 5) << "edged now, still one entry";
    const double sigmaPixels = point.deltaTSigma / 86400 / 0.02 * chart.plotArea().height();
    const QPointF onLine = chart.mapToPosition({500, point.dayOfMarch}, chart.Line(0));
    for (const auto &[edge, side] :
         {std::pair(chart.DeltaTArea(0)->upperSeries(), 1), {chart.DeltaTArea(0)->lowerSeries(), -1}}) {
        const QList<QPointF> points = edge->points();
        const auto at500 = std::find_if(points.begin(), points.end(), [](QPointF p) { return p.x() == 500; });
        ASSERT_NE(at500, points.end());
        EXPECT_NEAR(onLine.y() - chart.mapToPosition(*at500, chart.DeltaTArea(0)).y(), side * sigmaPixels,
                    0.01);
    }

    QFile file(Save(window->cmdSaveSvg, "band.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(file.readAll());
    double farthest = 0;  // of every coordinate of every path
    for (const auto &path : QRegularExpression(QStringLiteral("\\sd=\"([^\"]*)\"")).globalMatch(svg)) {
        for (const QString &value : path.captured(1).split(QRegularExpression(QStringLiteral("[^-+.e0-9]+"))))
            farthest = std::max(farthest, std::abs(value.toDouble()));
    }
    EXPECT_TRUE(farthest > 100 && farthest < 2000) << farthest;
    // Painted in the band's grey more often than an image whose view no line crosses, which has its legend's.
    const QString grey =
        QStringLiteral("fill-opacity=\"%1\"").arg(chart.DeltaTArea(0)->brush().color().alphaF());
    const QByteArray empty =
        EquinoxChartImage(window->Data(), {499, 501, 30, 31}, true, {1600, 900}, ImageFormat::Svg);
    EXPECT_GT(svg.count(grey), QString::fromUtf8(empty).count(grey));

    window->spnFromYear->setValue(1900);
    QTest::mouseClick(window->cmdDraw, Qt::LeftButton);
    EXPECT_EQ(chart.DeltaTArea(2)->upperSeries()->count(), 4000 - 1900 + 1);
    Click(window->optMean);  // the axes as they were, the points not
    QTest::mouseClick(window->cmdDraw, Qt::LeftButton);
    const ChartPoint &first = window->Data().series[0][0];
    EXPECT_DOUBLE_EQ(chart.DeltaTArea(0)->upperSeries()->at(0).y(),
                     first.dayOfMarch + first.deltaTSigma / 86400);
    QTest::mouseClick(window->chkDeltaT, Qt::LeftButton);
    EXPECT_EQ(legend(), QStringList("Dee target day (20 March)") + lines);
    EXPECT_FALSE(chart.DeltaTArea(1)->isVisible());
    EXPECT_EQ(chart.DeltaTArea(1)->upperSeries()->count(), 0);
}

// The axes reach a day beyond the points and the target day (a single year: a year either side); ticks
// of 1, 2 or 5 times a power of ten, or round times of day, as many as the plot has room for (two, not
// laid out).
TEST(EquinoxChart, AxesSpanThePointsWithRoundTicks)
{
    EquinoxChart chart;
    EquinoxChartData data;
    data.inputs = {1, 2001};
    data.series[0] = {{1, 19.5, {}, {}}, {2001, 21.25, {}, {}}};
    chart.Show(data);
    EXPECT_EQ(chart.Ranges(), (ChartRanges{1, 2001, 18, 23}));
    EXPECT_EQ(chart.title(), "March equinox at 77\u00B000\u2032 W, apparent solar time");
    EXPECT_EQ(qobject_cast<QValueAxis *>(chart.axes(Qt::Horizontal).constFirst())->tickInterval(), 1000);
    auto *days = qobject_cast<QCategoryAxis *>(chart.axes(Qt::Vertical).constFirst());
    const std::tuple<double, double, QStringList> spans[] = {
        {18, 22, {"18 Mar", "20 Mar", "22 Mar"}},
        {20, 20.5, {"20 Mar", "20 Mar 06:00", "20 Mar 12:00"}},
        {18, 30, {"20 Mar", "30 Mar"}},
        {20.5, 20.6, {"20 Mar 12:00", "20 Mar 14:00"}},  // under half a day: hours, then minutes
        {20.5, 20.5 + 10 / 1440.0, {"20 Mar 12:00", "20 Mar 12:05", "20 Mar 12:10"}}};
    for (const auto &[low, high, labels] : spans) {
        chart.SetRanges({1, 2001, low, high});
        EXPECT_EQ(days->categoriesLabels(), labels) << low << ".." << high;
    }
    auto *years = qobject_cast<QValueAxis *>(chart.axes(Qt::Horizontal).constFirst());
    chart.SetRanges({1, 11, 18, 30});  // the years alone zoomed
    EXPECT_EQ(years->tickInterval(), 5);
    data.inputs = {5, 5};
    data.series[0] = {{5, 19.5, {}, {}}};  // below the target day, which the axis still shows
    chart.Show(data);
    EXPECT_EQ(chart.Ranges(), (ChartRanges{4, 6, 18, 22}));

    // Laid out, a narrow plot gets fewer year ticks than a wide one.
    chart.SetRanges({1, 2001, 18, 30});
    QChartView view(&chart);
    view.resize(300, 300);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const double narrow = years->tickInterval();
    view.resize(1200, 300);
    QApplication::processEvents();
    EXPECT_GT(narrow, years->tickInterval());
    view.setChart(new QChart);  // the chart stays this test's
}

}  // namespace
}  // namespace vardex::test
