// SPDX-License-Identifier: MIT
#include "DateSequenceWindow.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <cmath>

#include "DateSequence.h"
#include "NumberOfDays.h"
#include "SequenceCsv.h"
#include "support/widgets/ControlUtils.h"
#include "support/widgets/Geometry.h"

namespace vardex {

namespace {

constexpr uint32_t kLabelTextColour = 0xFFFFFF;
constexpr double kFontSize = 9.75;  // as on the main window

// Geometry in twips. The output box is as wide as kOutputColumns characters of its font, so that
// a row of the table never needs the horizontal scroll bar; the window follows the box.
constexpr int kMargin = 240;
constexpr int kNumberRowTop = 180;
constexpr int kBoxHeight = 330;
constexpr int kButtonHeight = 375;
constexpr int kLblDates1Width = 1935;  // right-aligned, so its text ends at the number box
constexpr int kNumDaysLeft = kMargin + kLblDates1Width + 30;
constexpr int kNumDaysWidth = 600;
constexpr int kLblDates2Left = kNumDaysLeft + kNumDaysWidth + 75;
constexpr int kLblDates2Width = 3000;
constexpr int kDoItWidth = 1200;
constexpr int kOutputTop = 720;
constexpr int kOutputHeight = 4680;
constexpr int kButtonRowTop = kOutputTop + kOutputHeight + 180;
constexpr int kWindowHeight = kButtonRowTop + kButtonHeight + 180;
constexpr int kNarrowCopyWidth = 3000;
constexpr int kWideCopyWidth = 4000;
constexpr int kClearLeft = kMargin + kWideCopyWidth + 120;  // clear of the wide copy button
constexpr int kClearWidth = 1200;
constexpr int kCloseWidth = 1200;
constexpr int kOutputColumns = 82;  // the header is 79 characters, a row up to 80 for 7-digit JDNs

}  // namespace

DateSequenceWindow::DateSequenceWindow(TableWindowHost &host, Dialogs &dialogs, Clipboard &clipboard,
                                       PopUps &popUps, SaveFileChooser &saveFileChooser)
    : TableWindow(QStringLiteral("Date sequence"), host, dialogs, clipboard, popUps, saveFileChooser),
      lblDates1(new QLabel(QStringLiteral("Calculate dates for "), this)),
      txbNumDays(countBox),
      lblDates2(new QLabel(QStringLiteral("days from the input date."), this))
{
    txbNumDays->setAccessibleName(QStringLiteral("Number of days"));
    txbOutput->setAccessibleName(QStringLiteral("Date sequence"));
    lblDates1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblDates2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Form_Load();
}

void DateSequenceWindow::Form_Load()
{
    QFont font = this->font();
    font.setPointSizeF(kFontSize);
    setFont(font);
    SetControlsFontName(this, QStringLiteral("Arial"), false);
    QFont mono(QStringLiteral("Courier New"));
    mono.setPointSizeF(kFontSize);
    mono.setStyleHint(QFont::TypeWriter);  // any fixed-pitch face where Courier New is missing
    mono.setFixedPitch(true);
    txbOutput->setFont(mono);
    LayOut();

    const QPalette hostPalette = Host().TableWindowPalette();
    SetFormBackColor(this, ToBgr(hostPalette.color(QPalette::Window)));
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, hostPalette.color(QPalette::WindowText));
    setPalette(palette);
    SetControlsForeColor(this, kLabelTextColour);
    move(Host().TableWindowPosition());

    ResetCopyButton();
    txbNumDays->setText(QStringLiteral("14"));
    FinishLayout();
}

void DateSequenceWindow::LayOut()
{
    const QFontMetrics metrics(txbOutput->font());
    const int margin = static_cast<int>(std::ceil(txbOutput->document()->documentMargin()));
    const int scrollBar = txbOutput->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, txbOutput);
    const int caret = 2;
    const int outputWidth = metrics.horizontalAdvance(QString(kOutputColumns, u'0')) + 2 * margin +
                            2 * txbOutput->frameWidth() + scrollBar + caret;
    const int left = TwipsToPixels(kMargin);
    const int right = left + outputWidth;  // the box's right edge, where the right-hand buttons end

    lblDates1->setGeometry(left, TwipsToPixels(kNumberRowTop), TwipsToPixels(kLblDates1Width),
                           TwipsToPixels(kBoxHeight));
    txbNumDays->setGeometry(TwipsToPixels(kNumDaysLeft), TwipsToPixels(kNumberRowTop),
                            TwipsToPixels(kNumDaysWidth), TwipsToPixels(kBoxHeight));
    lblDates2->setGeometry(TwipsToPixels(kLblDates2Left), TwipsToPixels(kNumberRowTop),
                           TwipsToPixels(kLblDates2Width), TwipsToPixels(kBoxHeight));
    const int buttonHeight = TwipsToPixels(kButtonHeight);
    const int doItTop = TwipsToPixels(kNumberRowTop) - (buttonHeight - TwipsToPixels(kBoxHeight)) / 2;
    cmdDoIt->setGeometry(right - TwipsToPixels(kDoItWidth), doItTop, TwipsToPixels(kDoItWidth), buttonHeight);
    txbOutput->setGeometry(left, TwipsToPixels(kOutputTop), outputWidth, TwipsToPixels(kOutputHeight));

    const int buttonTop = TwipsToPixels(kButtonRowTop);
    cmdCopyToClipboard->setGeometry(left, buttonTop, TwipsToPixels(kNarrowCopyWidth), buttonHeight);
    cmdClear->setGeometry(TwipsToPixels(kClearLeft), buttonTop, TwipsToPixels(kClearWidth), buttonHeight);
    cmdClose->setGeometry(right - TwipsToPixels(kCloseWidth), buttonTop, TwipsToPixels(kCloseWidth),
                          buttonHeight);

    setFixedSize(right + left, TwipsToPixels(kWindowHeight));
}

void DateSequenceWindow::DoIt()
{
    const std::optional<int> days = ReadCount(CheckNumberOfDays);
    if (!days)
        return;
    SequenceResult result;
    AppendRun([&](QString &output, Dialogs &dialogs) {
        // The run converts the host's input as it is now, once it has prepared the output.
        TableWindowHost &host = Host();
        result = RunDateSequence([&host] { return host.InputJdn(); }, *days, host.Variant(),
                                 NumberFormat::Regional(), output, host.TextBoxCapacityKB(), dialogs);
    });
    if (result.clearDeclined)
        return;
    std::string records;
    for (const SequenceRow &row : result.rows)
        records += SequenceCsvRecord(row);
    AddCsvRecords(records, result.rows.size());
    CaretToEnd();
    if (!result.textboxFull)
        FocusCountBox();
}

std::string DateSequenceWindow::CsvHeader() const { return SequenceCsvHeader(); }

QString DateSequenceWindow::CsvFileName() const { return QStringLiteral("date-sequence.csv"); }

}  // namespace vardex
