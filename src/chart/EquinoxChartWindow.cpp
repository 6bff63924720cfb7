// SPDX-License-Identifier: MIT
#include "EquinoxChartWindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCursor>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineF>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolTip>
#include <QVBoxLayout>
#include <QtCharts/QLineSeries>
#include <algorithm>
#include <cmath>
#include <variant>

#include "ChartImage.h"
#include "EquinoxChart.h"
#include "ZoomChartView.h"
#include "support/widgets/ControlUtils.h"
#include "support/widgets/EscapeCloses.h"
#include "support/widgets/FileWriting.h"
#include "support/widgets/KeptSpinBox.h"
#include "support/widgets/ScreenFit.h"

namespace vardex {

namespace {

constexpr uint32_t kTextColour = 0xFFFFFF;
constexpr QSize kPreferredSize(1000, 680);
// Room for the title, the legend in one row and the axes' labels whole; a smaller window scrolls.
constexpr QSize kSmallestChart(480, 300);
constexpr int kMaxImageSide = 5000;  // pixels; a PNG of 5000 x 5000 takes 100 MB while drawn
constexpr int kMinImageSide = 100;

KeptSpinBox *SpinBox(int min, int max, int value, const QString &name, QWidget *parent)
{
    auto *box = new KeptSpinBox(min, max, value, parent);
    box->setAccessibleName(name);
    return box;
}

// A row of labels and controls. A QString in items becomes a label; one with a shortcut letter
// ("&From year") names the control after it.
QHBoxLayout *Row(std::initializer_list<std::variant<QString, QWidget *>> items, QWidget *parent)
{
    auto *row = new QHBoxLayout;
    QLabel *label = nullptr;
    for (const auto &item : items) {
        if (const auto *text = std::get_if<QString>(&item)) {
            label = new QLabel(*text, parent);
            row->addWidget(label);
        } else {
            QWidget *control = std::get<QWidget *>(item);
            if (label && label->text().contains(u'&'))
                label->setBuddy(control);
            label = nullptr;
            row->addWidget(control);
        }
    }
    row->addStretch();
    return row;
}

}  // namespace

EquinoxChartWindow::EquinoxChartWindow(TableWindowHost &host, Dialogs &dialogs, SaveFileChooser &files,
                                       QWidget *parent)
    : QWidget(parent, Qt::Window),
      spnFromYear(
          SpinBox(kFirstEquinoxYear, kLastEquinoxYear, kFirstEquinoxYear, QStringLiteral("From year"), this)),
      spnToYear(
          SpinBox(kFirstEquinoxYear, kLastEquinoxYear, kLastEquinoxYear, QStringLiteral("To year"), this)),
      spnDegrees(
          SpinBox(kMinWestDegrees, kMaxWestDegrees, 77, QStringLiteral("Degrees west of Greenwich"), this)),
      spnMinutes(SpinBox(0, 59, 0, QStringLiteral("Minutes west of Greenwich"), this)),
      optMean(new QRadioButton(QStringLiteral("M&ean solar time"), this)),
      optApparent(new QRadioButton(QStringLiteral("&Apparent"), this)),
      cmdDraw(MakeToolButton(QStringLiteral("&Draw"), this)),
      cmdResetZoom(MakeToolButton(QStringLiteral("&Reset zoom"), this)),
      chkDeltaT(new QCheckBox(QStringLiteral("\u0394T &uncertainty"), this)),
      chart(new EquinoxChart),
      view(new ZoomChartView(chart, nullptr)),
      spnImageWidth(
          SpinBox(kMinImageSide, kMaxImageSide, 1600, QStringLiteral("Image width in pixels"), this)),
      spnImageHeight(
          SpinBox(kMinImageSide, kMaxImageSide, 900, QStringLiteral("Image height in pixels"), this)),
      cmdSavePng(MakeToolButton(QStringLiteral("Save as &PNG\u2026"), this)),
      cmdSaveSvg(MakeToolButton(QStringLiteral("Save as &SVG\u2026"), this)),
      cmdClose(MakeToolButton(QStringLiteral("&Close"), this)),
      host_(host),
      dialogs_(dialogs),
      files_(files)
{
    setWindowTitle(QStringLiteral("Equinox chart"));
    setWindowIcon(host.TableWindowIcon());
    auto *solarTime = new QButtonGroup(this);
    solarTime->addButton(optMean);
    solarTime->addButton(optApparent);
    optApparent->setChecked(true);
    TabToSelectedOption(solarTime);
    chkDeltaT->setToolTip(QStringLiteral("A band of one standard error of \u0394T (TT \u2212 UT) about each "
                                         "line; zoom in on the hours to see it"));
    view->setAccessibleName(QStringLiteral("Chart of the March equinoxes"));
    view->setMinimumSize(kSmallestChart);
    LayOut();

    connect(cmdDraw, &QPushButton::clicked, this, &EquinoxChartWindow::Draw);
    connect(cmdResetZoom, &QPushButton::clicked, this, &EquinoxChartWindow::ResetZoom);
    connect(chkDeltaT, &QCheckBox::toggled, chart, &EquinoxChart::ShowDeltaTBand);
    connect(cmdSavePng, &QPushButton::clicked, this, [this] { SaveImage(ImageFormat::Png); });
    connect(cmdSaveSvg, &QPushButton::clicked, this, [this] { SaveImage(ImageFormat::Svg); });
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
    CloseOnEscape(this);
    view->mouseMoved = [this](QPointF inChart, QPoint global) { ShowHoverText(inChart, global); };
    Draw();

    move(host.TableWindowPosition());
    FitToScreen(this, kPreferredSize);
}

void EquinoxChartWindow::LayOut()
{
    // Everything but Close scrolls where the screen is smaller than the chart needs.
    auto *content = new QWidget;
    for (QWidget *control : std::initializer_list<QWidget *>{
             spnFromYear, spnToYear, spnDegrees, spnMinutes, optMean, optApparent, cmdDraw, cmdResetZoom,
             chkDeltaT, view, spnImageWidth, spnImageHeight, cmdSavePng, cmdSaveSvg})
        control->setParent(content);
    auto *rows = new QVBoxLayout(content);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addLayout(Row({QStringLiteral("&From year"), spnFromYear, QStringLiteral("&to"), spnToYear,
                         QStringLiteral("   &Meridian"), spnDegrees, QStringLiteral("degrees"), spnMinutes,
                         QStringLiteral("minutes W")},
                        content));
    QHBoxLayout *choices = Row({optMean, optApparent}, content);
    choices->addWidget(cmdDraw);
    choices->addWidget(cmdResetZoom);
    choices->addWidget(chkDeltaT);
    rows->addLayout(choices);
    rows->addWidget(view, 1);
    rows->addLayout(Row({QStringLiteral("Ima&ge"), spnImageWidth, QStringLiteral("\u00D7"), spnImageHeight,
                         QStringLiteral("pixels"), cmdSavePng, cmdSaveSvg},
                        content));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new ScrollingArea(content, this), 1);
    auto *closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(cmdClose);
    layout->addLayout(closeRow);

    SetFormBackColor(this, ToBgr(host_.TableWindowPalette().color(QPalette::Window)));
    SetControlsForeColor(this, kTextColour);

    // Tab goes along the rows, top to bottom; the chart takes no focus.
    view->setFocusPolicy(Qt::NoFocus);
    SetTabOrder({spnFromYear, spnToYear, spnDegrees, spnMinutes, optMean, optApparent, cmdDraw, cmdResetZoom,
                 chkDeltaT, spnImageWidth, spnImageHeight, cmdSavePng, cmdSaveSvg, cmdClose});
}

void EquinoxChartWindow::TakeMeridian(int degrees, int minutes, SolarTime solarTime)
{
    spnDegrees->setValue(degrees);
    spnMinutes->setValue(minutes);
    (solarTime == SolarTime::Mean ? optMean : optApparent)->setChecked(true);
    Draw();
}

void EquinoxChartWindow::Draw()
{
    EquinoxChartInputs inputs;
    inputs.firstYear = spnFromYear->value();
    inputs.lastYear = spnToYear->value();
    inputs.degrees = spnDegrees->value();
    inputs.minutes = spnMinutes->value();
    inputs.solarTime = optMean->isChecked() ? SolarTime::Mean : SolarTime::Apparent;
    inputs.variant = host_.Variant();
    if (const std::optional<Message> fault = ChartInputsFault(inputs)) {
        dialogs_.Show(*fault);
        // The box the fault is in, its text as typed.
        KeptSpinBox *box = !spnFromYear->InRange() || inputs.firstYear > inputs.lastYear ? spnFromYear
                           : !spnToYear->InRange()                                       ? spnToYear
                           : !spnDegrees->InRange()                                      ? spnDegrees
                                                                                         : spnMinutes;
        box->setFocus();
        box->selectAll();
        return;
    }
    Show(ComputeEquinoxChart(inputs));
}

void EquinoxChartWindow::Show(EquinoxChartData data)
{
    data_ = std::move(data);
    chart->Show(data_);
}

void EquinoxChartWindow::ResetZoom() { chart->ResetZoom(); }

void EquinoxChartWindow::SaveImage(ImageFormat format)
{
    const bool png = format == ImageFormat::Png;
    const QString title = png ? QStringLiteral("Save as PNG") : QStringLiteral("Save as SVG");
    if (!spnImageWidth->InRange() || !spnImageHeight->InRange()) {
        dialogs_.ShowMessage(QStringLiteral("Choose an image of %1 to %2 pixels each way.")
                                 .arg(kMinImageSide)
                                 .arg(kMaxImageSide),
                             title, MessageIcon::Information);
        KeptSpinBox *box = spnImageWidth->InRange() ? spnImageHeight : spnImageWidth;
        box->setFocus();
        box->selectAll();
        return;
    }
    const QString suffix = png ? QStringLiteral("png") : QStringLiteral("svg");
    QString path =
        files_.SavePath(title, QStringLiteral("equinox-chart.") + suffix,
                        png ? QStringLiteral("PNG images (*.png)") : QStringLiteral("SVG images (*.svg)"));
    if (path.isEmpty())
        return;
    path = WithSuffix(path, suffix);
    const QSize size(spnImageWidth->value(), spnImageHeight->value());
    const QByteArray bytes =
        EquinoxChartImage(data_, chart->Ranges(), chart->DeltaTBandShown(), size, format);
    if (bytes.isEmpty()) {
        dialogs_.ShowMessage(QStringLiteral("There is not enough memory for an image of %1 \u00D7 %2 pixels. "
                                            "Choose a smaller size.")
                                 .arg(size.width())
                                 .arg(size.height()),
                             title, MessageIcon::Exclamation);
        return;
    }
    if (const std::optional<QString> fault = WriteWholeFile(path, bytes))
        dialogs_.ShowMessage(QStringLiteral("The chart could not be saved as \"%1\": %2.").arg(path, *fault),
                             title, MessageIcon::Exclamation);
}

// The year's point of the line nearest the mouse, when one is within a few pixels of it.
void EquinoxChartWindow::ShowHoverText(QPointF inChart, QPoint global)
{
    constexpr double kReachPixels = 8;
    double nearest = kReachPixels;
    QString text;
    const double x = chart->mapToValue(inChart).x();
    for (size_t i = 0; i < data_.series.size(); ++i) {
        const std::vector<ChartPoint> &points = data_.series[i];
        if (points.empty() || std::isnan(x))
            continue;
        const auto index = static_cast<size_t>(
            std::lround(std::clamp(x - points.front().year, 0.0, double(points.size() - 1))));
        const ChartPoint &point = points[index];  // one point a year, from the first year on
        const QPointF at = chart->mapToPosition(QPointF(point.year, point.dayOfMarch), chart->Line(i));
        if (const double distance = QLineF(at, inChart).length(); distance <= nearest) {
            nearest = distance;
            text = HoverText(i, QPointF(point.year, point.dayOfMarch));
        }
    }
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(global, text, view);
}

QString EquinoxChartWindow::HoverText(size_t index, QPointF at) const
{
    if (index >= data_.series.size() || data_.series[index].empty() || std::isnan(at.x()))
        return {};
    const std::vector<ChartPoint> &points = data_.series[index];
    const auto year = static_cast<int32_t>(
        std::lround(std::clamp(at.x(), double(points.front().year), double(points.back().year))));
    auto nearest = std::lower_bound(points.begin(), points.end(), year,
                                    [](const ChartPoint &point, int32_t y) { return point.year < y; });
    const ChartPoint &point = nearest == points.end() ? points.back() : *nearest;
    const QString text = ChartPointText(point, kChartCalendars[index], data_.inputs.variant);
    if (!chart->DeltaTBandShown())
        return text;
    return text + QStringLiteral(" (") + DeltaTSigmaText(point.deltaTSigma) + u')';
}

void EquinoxChartWindow::FollowVariant()
{
    if (data_.inputs.variant == host_.Variant())
        return;
    EquinoxChartInputs inputs = data_.inputs;
    inputs.variant = host_.Variant();
    const ChartRanges zoom = chart->Ranges();
    Show(ComputeEquinoxChart(inputs));
    chart->SetRanges(zoom);  // the same part of the chart, in the other variant
}

void EquinoxChartWindow::showEvent(QShowEvent *event)
{
    // The main window's Dee variant may have changed while the window was hidden.
    FollowVariant();
    QWidget::showEvent(event);
    KeepInsideScreen(this);
}

void EquinoxChartWindow::keyPressEvent(QKeyEvent *event)
{
    // Enter in a box or on an option, which leave it to the window, draws.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Draw();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace vardex
