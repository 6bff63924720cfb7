// SPDX-License-Identifier: MIT
#include "VernalEquinoxWindow.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "EquinoxComputation.h"
#include "EquinoxCsv.h"
#include "EquinoxTable.h"
#include "support/widgets/ControlUtils.h"
#include "support/widgets/Geometry.h"

namespace vardex {

namespace {

constexpr uint32_t kTextColour = 0xFFFFFF;
constexpr double kFontSize = 9.75;  // points, as in the main window

// Geometry in twips. The output box takes the longest line a run writes (about 87 characters
// of the 9.75 pt typewriter font, some 630 pixels) with room to spare, plus its scroll bar.
constexpr int kMargin = 120;
constexpr int kRow1Top = 120;
constexpr int kRow2Top = 600;
constexpr int kRowHeight = 360;
constexpr int kTextBoxHeight = 330;
constexpr int kOutputTop = 1080;
constexpr int kOutputWidth = 10080;
constexpr int kOutputHeight = 5640;
constexpr int kButtonsTop = kOutputTop + kOutputHeight + kMargin;
constexpr int kButtonWidth = 1200;
constexpr int kWindowWidth = kMargin + kOutputWidth + kMargin;
constexpr int kRightButtonLeft = kWindowWidth - kMargin - kButtonWidth;
constexpr int kClearLeft = 5000;
constexpr int kBottomSpace = 600;  // below the buttons
constexpr int kNarrowCopyWidth = 3000;

constexpr int kDefaultDegreesIndex = 7;  // "77"
constexpr int kDefaultNumberOfYears = 12;

void Place(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

}  // namespace

VernalEquinoxWindow::VernalEquinoxWindow(TableWindowHost &host, Dialogs &dialogs, Clipboard &clipboard,
                                         PopUps &popUps, SaveFileChooser &saveFileChooser)
    : TableWindow(QStringLiteral("Vernal equinoxes"), host, dialogs, clipboard, popUps, saveFileChooser),
      lblDates1(new QLabel(QStringLiteral("Calculate vernal equinox dates/times for"), this)),
      txbNumYears(countBox),
      lblDates2(new QLabel(QStringLiteral("years from the year of the input date."), this)),
      lblWashingtonLongitude(new QLabel(QStringLiteral("'Washington' longitude:"), this)),
      cboDegrees(new QComboBox(this)),
      lblDegrees(new QLabel(QStringLiteral("degrees"), this)),
      cboMinutes(new QComboBox(this)),
      lblMinutes(new QLabel(QStringLiteral("minutes W"), this)),
      optMeanST(new QRadioButton(QStringLiteral("Mean solar time"), this)),
      optApparentST(new QRadioButton(QStringLiteral("Apparent"), this))
{
    txbNumYears->setAccessibleName(QStringLiteral("Number of years"));
    txbOutput->setAccessibleName(QStringLiteral("Vernal equinoxes"));
    // On Linux a list's accessible name is its current entry; its description carries the name.
    cboDegrees->setAccessibleDescription(QStringLiteral("Degrees west of Greenwich"));
    cboMinutes->setAccessibleDescription(QStringLiteral("Minutes west of Greenwich"));
    LayOut();
    connect(cboDegrees, &QComboBox::activated, this, &VernalEquinoxWindow::cboLongitude_Click);
    connect(cboMinutes, &QComboBox::activated, this, &VernalEquinoxWindow::cboLongitude_Click);
    auto *chart = new QAction(this);
    chart->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    chart->setShortcutContext(Qt::WindowShortcut);
    connect(chart, &QAction::triggered, this, [this] {
        if (openEquinoxChart)
            openEquinoxChart();
    });
    addAction(chart);
    Load();
    FinishLayout();
}

void VernalEquinoxWindow::LayOut()
{
    QFont font = this->font();
    font.setPointSizeF(kFontSize);
    setFont(font);

    Place(lblDates1, kMargin, kRow1Top, 3840, kRowHeight);
    Place(txbNumYears, 4020, kRow1Top + 15, 540, kTextBoxHeight);
    Place(lblDates2, 4680, kRow1Top, 3720, kRowHeight);
    Place(cmdDoIt, kRightButtonLeft, kRow1Top, kButtonWidth, kRowHeight);
    Place(lblWashingtonLongitude, kMargin, kRow2Top, 2280, kRowHeight);
    Place(cboDegrees, 2460, kRow2Top, 780, kRowHeight);
    Place(lblDegrees, 3330, kRow2Top, 840, kRowHeight);
    Place(cboMinutes, 4260, kRow2Top, 780, kRowHeight);
    Place(lblMinutes, 5130, kRow2Top, 1080, kRowHeight);
    Place(optMeanST, 6360, kRow2Top, 1980, kRowHeight);
    Place(optApparentST, 8460, kRow2Top, 1440, kRowHeight);
    Place(txbOutput, kMargin, kOutputTop, kOutputWidth, kOutputHeight);
    Place(cmdCopyToClipboard, kMargin, kButtonsTop, kNarrowCopyWidth, kRowHeight);
    Place(cmdClear, kClearLeft, kButtonsTop, kButtonWidth, kRowHeight);
    Place(cmdClose, kRightButtonLeft, kButtonsTop, kButtonWidth, kRowHeight);
}

void VernalEquinoxWindow::Load()
{
    SetControlsFontName(this, QStringLiteral("Arial"), false);
    QFont typewriter(QStringLiteral("Courier New"));
    typewriter.setStyleHint(QFont::Monospace);  // where no font answers to the name
    typewriter.setPointSizeF(kFontSize);
    txbOutput->setFont(typewriter);

    SetFormBackColor(this, ToBgr(Host().TableWindowPalette().color(QPalette::Window)));
    SetControlsForeColor(this, kTextColour);
    move(Host().TableWindowPosition());

    ResetCopyButton();
    InitPeriodicTerms();
    FillLongitudeLists();
    txbNumYears->setText(QString::number(kDefaultNumberOfYears));
    optApparentST->setChecked(true);
    auto *solarTime = new QButtonGroup(this);
    solarTime->addButton(optMeanST);
    solarTime->addButton(optApparentST);
    TabToSelectedOption(solarTime);

    const QRect copy = cmdCopyToClipboard->geometry();
    setFixedSize(TwipsToPixels(kWindowWidth), copy.y() + copy.height() + TwipsToPixels(kBottomSpace));
    cmdClear->move(TwipsToPixels(kClearLeft), cmdClose->y());
}

void VernalEquinoxWindow::FillLongitudeLists()
{
    cboDegrees->clear();
    for (int degrees = kMinWestDegrees; degrees <= kMaxWestDegrees; ++degrees)
        cboDegrees->addItem(QString::number(degrees));
    cboDegrees->setCurrentIndex(kDefaultDegreesIndex);
    cboMinutes->clear();
    for (int minutes = 0; minutes < 60; ++minutes)
        cboMinutes->addItem(QString::number(minutes));
    cboMinutes->setCurrentIndex(0);
}

int VernalEquinoxWindow::WestDegrees() const { return cboDegrees->currentText().toInt(); }

int VernalEquinoxWindow::WestMinutes() const { return cboMinutes->currentText().toInt(); }

SolarTime VernalEquinoxWindow::SolarTimeChoice() const
{
    return optMeanST->isChecked() ? SolarTime::Mean : SolarTime::Apparent;
}

void VernalEquinoxWindow::WriteTableHeader()
{
    QString output = OutputText();
    vardex::WriteTableHeader(output, QString::fromLatin1(DeeCalendarName(Host().Variant())));
    if (output == OutputText())
        return;  // results are kept, and so is the header above them
    SetOutput(output);
    if (cmdDoIt->isEnabled())
        SetFocusIfPossible(cmdDoIt);
}

void VernalEquinoxWindow::Activated()
{
    cmdCopyToClipboard->setEnabled(true);
    WriteTableHeader();
    FocusCountBox();
}

void VernalEquinoxWindow::OutputCleared() { WriteTableHeader(); }

void VernalEquinoxWindow::cboLongitude_Click()
{
    if (isVisible())
        SetFocusIfPossible(cmdDoIt);
}

void VernalEquinoxWindow::DoIt()
{
    const std::optional<int> years = ReadCount(ReadNumberOfYears);
    if (!years)
        return;

    TableWindowHost &host = Host();
    EquinoxRunInputs inputs;
    inputs.firstYear = host.InputYear();  // the input may have changed since opening
    inputs.numberOfYears = *years;
    inputs.degrees = cboDegrees->currentText().toInt();
    inputs.minutes = cboMinutes->currentText().toInt();
    inputs.solarTime = optMeanST->isChecked() ? SolarTime::Mean : SolarTime::Apparent;
    inputs.variant = host.Variant();
    inputs.capacityKB = host.TextBoxCapacityKB();
    inputs.format = NumberFormat::Regional();

    const QString before = OutputText();
    EquinoxRunResult result;
    AppendRun(
        [&](QString &output, Dialogs &dialogs) { result = RunVernalEquinoxes(inputs, output, dialogs); });
    switch (result.status) {
    case EquinoxRunStatus::Completed:
    case EquinoxRunStatus::StoppedAtYearLimit:
    case EquinoxRunStatus::CutByCapacity: break;
    case EquinoxRunStatus::KeptFullBox:
    case EquinoxRunStatus::NothingToDo:
    case EquinoxRunStatus::TooManyYears:
    case EquinoxRunStatus::LongitudeOutOfRange: return;
    }
    std::string records;
    for (const EquinoxRow &row : result.rows)
        records += EquinoxCsvRecord(row);
    AddCsvRecords(records, result.rows.size());
    // A header written by the run hands the focus to Do it, as every fresh header does; it
    // stays there when the box fills up during the run.
    if ((before.isEmpty() || !OutputText().startsWith(before)) && cmdDoIt->isEnabled())
        SetFocusIfPossible(cmdDoIt);
    CaretToEnd();
    if (!result.CutByCapacity())
        FocusCountBox();
}

std::string VernalEquinoxWindow::CsvHeader() const { return EquinoxCsvHeader(); }

QString VernalEquinoxWindow::CsvFileName() const { return QStringLiteral("vernal-equinoxes.csv"); }

}  // namespace vardex
