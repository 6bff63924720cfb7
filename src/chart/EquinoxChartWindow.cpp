// SPDX-License-Identifier: MIT
#include "EquinoxChartWindow.h"

#include <QButtonGroup>
#include <QCursor>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineF>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
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
#include "support/widgets/FileWriting.h"

namespace vardex {

namespace {

constexpr uint32_t kTextColour = 0xFFFFFF;
constexpr QSize kPreferredSize(1000, 680);
constexpr QSize kFrameAllowance(16, 48);  // the title bar and borders, unknown until shown
constexpr QSize kSmallestChart(320, 180);
constexpr int kMaxImageSide = 5000;  // pixels; a PNG of 5000 x 5000 takes 100 MB while drawn
constexpr int kMinImageSide = 100;

QSpinBox *SpinBox(int min, int max, int value, const QString &name, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setRange(min, max);
    box->setValue(value);
    box->setAccessibleName(name);
    return box;
}

QPushButton *Button(const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setAutoDefault(true);  // Enter presses the button that has the focus
    return button;
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
      cmdDraw(Button(QStringLiteral("&Draw"), this)),
      cmdResetZoom(Button(QStringLiteral("&Reset zoom"), this)),
      chart(new EquinoxChart),
      view(new ZoomChartView(chart, this)),
      spnImageWidth(
          SpinBox(kMinImageSide, kMaxImageSide, 1600, QStringLiteral("Image width in pixels"), this)),
      spnImageHeight(
          SpinBox(kMinImageSide, kMaxImageSide, 900, QStringLiteral("Image height in pixels"), this)),
      cmdSavePng(Button(QStringLiteral("Save as &PNG\u2026"), this)),
      cmdSaveSvg(Button(QStringLiteral("Save as &SVG\u2026"), this)),
      cmdClose(Button(QStringLiteral("&Close"), this)),
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
    view->setAccessibleName(QStringLiteral("Chart of the March equinoxes"));
    view->setMinimumSize(kSmallestChart);
    LayOut();

    connect(cmdDraw, &QPushButton::clicked, this, &EquinoxChartWindow::Draw);
    connect(cmdResetZoom, &QPushButton::clicked, this, &EquinoxChartWindow::ResetZoom);
    connect(cmdSavePng, &QPushButton::clicked, this, [this] { SaveImage(ImageFormat::Png); });
    connect(cmdSaveSvg, &QPushButton::clicked, this, [this] { SaveImage(ImageFormat::Svg); });
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::hide);
    view->mouseMoved = [this](QPointF inChart, QPoint global) { ShowHoverText(inChart, global); };
    Draw();

    const QSize room = screen() ? screen()->availableGeometry().size() - kFrameAllowance : kPreferredSize;
    resize(kPreferredSize.boundedTo(room).expandedTo(minimumSizeHint()));
    move(host.TableWindowPosition());
    KeepOnScreen(this);
}

void EquinoxChartWindow::LayOut()
{
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(Row({QStringLiteral("&From year"), spnFromYear, QStringLiteral("&to"), spnToYear,
                           QStringLiteral("   &Meridian"), spnDegrees, QStringLiteral("degrees"), spnMinutes,
                           QStringLiteral("minutes W")},
                          this));
    QHBoxLayout *choices = Row({optMean, optApparent}, this);
    choices->addWidget(cmdDraw);
    choices->addWidget(cmdResetZoom);
    layout->addLayout(choices);
    layout->addWidget(view, 1);
    QHBoxLayout *image = Row({QStringLiteral("Ima&ge"), spnImageWidth, QStringLiteral("\u00D7"),
                              spnImageHeight, QStringLiteral("pixels"), cmdSavePng, cmdSaveSvg},
                             this);
    image->addWidget(cmdClose);
    layout->addLayout(image);

    SetFormBackColor(this, ToBgr(host_.TableWindowPalette().color(QPalette::Window)));
    SetControlsForeColor(this, kTextColour);

    // Tab goes along the rows, top to bottom; the chart takes no focus.
    view->setFocusPolicy(Qt::NoFocus);
    QWidget *order[] = {spnFromYear, spnToYear,  spnDegrees,   spnMinutes,    optMean,
                        optApparent, cmdDraw,    cmdResetZoom, spnImageWidth, spnImageHeight,
                        cmdSavePng,  cmdSaveSvg, cmdClose};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
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
        spnFromYear->setFocus();
        spnFromYear->selectAll();
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
    const QString suffix = png ? QStringLiteral("png") : QStringLiteral("svg");
    QString path =
        files_.SavePath(title, QStringLiteral("equinox-chart.") + suffix,
                        png ? QStringLiteral("PNG images (*.png)") : QStringLiteral("SVG images (*.svg)"));
    if (path.isEmpty())
        return;
    path = WithSuffix(path, suffix);
    const QSize size(spnImageWidth->value(), spnImageHeight->value());
    const QByteArray bytes = EquinoxChartImage(data_, chart->Ranges(), size, format);
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
    return ChartPointText(nearest == points.end() ? points.back() : *nearest, kChartCalendars[index],
                          data_.inputs.variant);
}

void EquinoxChartWindow::showEvent(QShowEvent *event)
{
    // The main window's Dee variant may have changed while the window was hidden.
    if (data_.inputs.variant != host_.Variant()) {
        EquinoxChartInputs inputs = data_.inputs;
        inputs.variant = host_.Variant();
        Show(ComputeEquinoxChart(inputs));
    }
    QWidget::showEvent(event);
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
