// SPDX-License-Identifier: MIT
// The Equinox chart from a click on Draw to the chart drawn: the points of years 1 to 4000 in the
// three calendars, the chart refreshed with them, and the chart view rendered into an image of
// its size on the offscreen platform. The points alone, for comparison. Target: under 200 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include "RecordingSeams.h"
#include "chart/EquinoxChartWindow.h"
#include "chart/ZoomChartView.h"

namespace {

using namespace vardex;

// What the chart window reads of the main window.
struct Host : TableWindowHost {
    int32_t InputJdn() override { return 2460375; }
    InputDay PeekInputDay() const override { return {2460375, {}}; }
    int32_t InputYear() const override { return 2024; }
    DeeVariant Variant() const override { return DeeVariant::DeeCecil; }
    std::optional<int32_t> ResultJdn() const override { return std::nullopt; }
    int32_t TextBoxCapacityKB() const override { return 63; }
    QPoint TableWindowPosition() const override { return {}; }
    QPalette TableWindowPalette() const override { return {}; }
    QIcon TableWindowIcon() const override { return {}; }
};

QApplication &Application()
{
    static int argc = 1;
    static char name[] = "chart_bench";
    static char *argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    return application;
}

void DrawToImage(benchmark::State &state)
{
    Application();
    Host host;
    test::RecordingDialogs dialogs;
    test::ScriptedSaveFileChooser files;
    EquinoxChartWindow window(host, dialogs, files);
    window.resize(1000, 680);
    window.show();
    QCoreApplication::processEvents();
    QImage image(window.view->size(), QImage::Format_ARGB32_Premultiplied);
    bool mean = false;
    for (auto _ : state) {
        (mean ? window.optApparent : window.optMean)->setChecked(true);  // other points each time
        mean = !mean;
        window.cmdDraw->click();
        // The layout the new ranges asked for; the paint is the render below, not the window's own.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QPainter painter(&image);
        window.view->render(&painter);
    }
    if (window.Data().series[2].size() != 4000 || !dialogs.shown.empty())
        state.SkipWithError("the chart was not drawn for 4000 years");
}
BENCHMARK(DrawToImage)->Unit(benchmark::kMillisecond);

void PointsAlone(benchmark::State &state)
{
    EquinoxChartInputs inputs;
    for (auto _ : state) {
        inputs.solarTime = inputs.solarTime == SolarTime::Mean ? SolarTime::Apparent : SolarTime::Mean;
        benchmark::DoNotOptimize(ComputeEquinoxChart(inputs));
    }
}
BENCHMARK(PointsAlone)->Unit(benchmark::kMillisecond);

}  // namespace
