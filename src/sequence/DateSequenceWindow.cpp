#include "DateSequenceWindow.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextCursor>
#include <QTimer>
#include <cmath>
#include <functional>
#include <utility>

#include "DateSequence.h"
#include "input/DeeVariant.h"
#include "mainwindow/MainWindow.h"
#include "support/Clipboard.h"
#include "support/Dialogs.h"
#include "support/PopUps.h"
#include "support/widgets/ControlUtils.h"
#include "support/widgets/Geometry.h"

namespace vardex {

namespace {

const QString kCopyCaption = QStringLiteral("Copy to clipboard");
const QString kCopySelectionCaption = QStringLiteral("Copy selected text to clipboard");
const QString kCrLf = QStringLiteral("\r\n");

constexpr uint32_t kLabelTextColour = 0xFFFFFF;
constexpr double kFontSize = 9.75; // as on the main window

// Geometry in twips. The output box is as wide as kOutputColumns characters of its font, so that
// a row of the table never needs the horizontal scroll bar; the window follows the box.
constexpr int kMargin = 240;
constexpr int kNumberRowTop = 180;
constexpr int kBoxHeight = 330;
constexpr int kButtonHeight = 375;
constexpr int kLblDates1Width = 1935; // right-aligned, so its text ends at the number box
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
constexpr int kClearLeft = kMargin + kWideCopyWidth + 120; // clear of the wide copy button
constexpr int kClearWidth = 1200;
constexpr int kCloseWidth = 1200;
constexpr int kOutputColumns = 82; // the header is 79 characters, a row up to 80 for 7-digit JDNs

// Where the window opens, counted from the main window's corner and the top of its output frame.
constexpr int kLeftOfMain = 160;
constexpr int kBelowOutputFrame = 300;

bool IsEnter(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// The output box reports a mouse button released over it after it has dealt with the release
// itself: a click inside a selection clears the selection only on release.
class OutputBox : public QPlainTextEdit {
public:
    OutputBox(QWidget *parent, std::function<void(Qt::MouseButton)> mouseUp)
        : QPlainTextEdit(parent), m_mouseUp(std::move(mouseUp))
    {
    }

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        QPlainTextEdit::mouseReleaseEvent(event);
        m_mouseUp(event->button());
    }

private:
    std::function<void(Qt::MouseButton)> m_mouseUp;
};

// Brings the window up to date before each message of a command, so that the user sees the
// trimmed number of days or the rows written so far while the message is open.
class UpdatingDialogs : public Dialogs {
public:
    UpdatingDialogs(Dialogs &inner, std::function<void()> update)
        : m_inner(inner), m_update(std::move(update))
    {
    }

    MessageReply ShowMessage(const QString &text, const QString &title, MessageIcon icon,
                             MessageButtons buttons) override
    {
        m_update();
        return m_inner.ShowMessage(text, title, icon, buttons);
    }

private:
    Dialogs &m_inner;
    std::function<void()> m_update;
};

} // namespace

DateSequenceWindow::DateSequenceWindow(MainWindow &main, Dialogs &dialogs, Clipboard &clipboard,
                                       PopUps &popUps, QWidget *parent)
    : QWidget(parent, Qt::Window), lblDates1(new QLabel(QStringLiteral("Calculate dates for "), this)),
      txbNumDays(new QLineEdit(this)),
      lblDates2(new QLabel(QStringLiteral("days from the input date."), this)),
      cmdDoIt(new QPushButton(QStringLiteral("Do it"), this)),
      txbOutput(new OutputBox(this, [this](Qt::MouseButton button) { txbOutput_MouseUp(button); })),
      cmdCopyToClipboard(new QPushButton(kCopyCaption, this)),
      cmdClear(new QPushButton(QStringLiteral("Clear"), this)),
      cmdClose(new QPushButton(QStringLiteral("Close"), this)), m_main(main), m_dialogs(dialogs),
      m_clipboard(clipboard), m_popUps(popUps)
{
    setWindowTitle(QStringLiteral("Date sequence"));
    setWindowIcon(main.windowIcon());

    lblDates1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblDates2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    txbNumDays->setMaxLength(3);
    txbNumDays->installEventFilter(this);

    // Read-only, but with a caret and keyboard selection, so the user can move through the rows
    // and pick what to copy. Rows are never wrapped; nothing is undone.
    txbOutput->setReadOnly(true);
    txbOutput->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txbOutput->setLineWrapMode(QPlainTextEdit::NoWrap);
    txbOutput->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txbOutput->setUndoRedoEnabled(false);

    for (QPushButton *button : {cmdDoIt, cmdCopyToClipboard, cmdClear, cmdClose})
        button->setAutoDefault(true); // Enter presses the button that has the focus

    connect(cmdDoIt, &QPushButton::clicked, this, &DateSequenceWindow::cmdDoIt_Click);
    connect(cmdCopyToClipboard, &QPushButton::clicked, this, &DateSequenceWindow::cmdCopyToClipboard_Click);
    connect(cmdClear, &QPushButton::clicked, this, &DateSequenceWindow::cmdClear_Click);
    connect(cmdClose, &QPushButton::clicked, this, &DateSequenceWindow::cmdClose_Click);

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
    mono.setStyleHint(QFont::TypeWriter); // any fixed-pitch face where Courier New is missing
    mono.setFixedPitch(true);
    txbOutput->setFont(mono);
    LayOut();

    const QPalette mainPalette = m_main.palette();
    SetFormBackColor(this, ToBgr(mainPalette.color(QPalette::Window)));
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, mainPalette.color(QPalette::WindowText));
    setPalette(palette);
    SetControlsForeColor(this, kLabelTextColour);

    // pos() of a window is the outer corner of its frame, where the main window is placed.
    const QWidget *outputFrame = m_main.WidgetOf(m_main.Form().fraOutput);
    const int outputFrameTop = outputFrame ? outputFrame->y() : 0;
    move(m_main.pos() +
         QPoint(TwipsToPixels(kLeftOfMain), outputFrameTop + TwipsToPixels(kBelowOutputFrame)));

    SetCopyButton(kCopyCaption, kNarrowCopyWidth);
    txbNumDays->setText(QStringLiteral("14"));
    m_output.clear();
    txbOutput->clear();
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
    const int right = left + outputWidth; // the box's right edge, where the right-hand buttons end

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

void DateSequenceWindow::Form_Activate()
{
    cmdCopyToClipboard->setEnabled(true);
    FocusNumDays();
}

void DateSequenceWindow::FocusNumDays()
{
    txbNumDays->setCursorPosition(static_cast<int>(txbNumDays->text().size()));
    txbNumDays->setFocus(Qt::OtherFocusReason);
}

void DateSequenceWindow::cmdDoIt_Click()
{
    QString number = txbNumDays->text();
    const auto showNumber = [this, &number] {
        if (txbNumDays->text() != number)
            txbNumDays->setText(number);
    };
    UpdatingDialogs numberDialogs(m_dialogs, showNumber);
    const std::optional<int> days = CheckNumberOfDays(number, numberDialogs);
    showNumber();
    if (!days)
        return;

    const MainForm &f = m_main.Form();
    const DeeVariant variant = f.optDee.value ? DeeVariant::Dee : DeeVariant::DeeCecil;
    QString output = m_output;
    UpdatingDialogs runDialogs(m_dialogs, [this, &output] { ShowOutput(output); });
    const SequenceResult result = RunDateSequence([this] { return StartJdn(); }, *days, variant, output,
                                                  f.lngTextBoxCapacityInKB, runDialogs);
    if (result.clearDeclined)
        return;
    ShowOutput(output);
    CaretToEnd();
    if (!result.textboxFull)
        FocusNumDays();
}

int32_t DateSequenceWindow::StartJdn()
{
    // Each run converts the main window's input as it is now. The result is deliberately not
    // tested: without a message, an invalid date leaves lngJDN as it was and the run starts there.
    MainController &main = m_main.Controller();
    main.GetJDN(main.InputCalendarText(), false);
    m_main.WriteBack(); // GetJDN writes the date back into the main window's input boxes
    return m_main.Form().lngJDN;
}

void DateSequenceWindow::ShowOutput(const QString &text)
{
    // A run only appends, unless the user let it empty a full box: then the box is refilled.
    const qsizetype shown = m_output.size();
    if (text.size() >= shown && QStringView(text).first(shown) == m_output) {
        if (text.size() > shown) {
            QTextCursor end(txbOutput->document());
            end.movePosition(QTextCursor::End);
            end.insertText(text.sliced(shown)); // "\r\n" becomes one line break
        }
    } else {
        txbOutput->setPlainText(text);
    }
    m_output = text;
}

void DateSequenceWindow::CaretToEnd()
{
    txbOutput->moveCursor(QTextCursor::End);
    txbOutput->ensureCursorVisible();
}

void DateSequenceWindow::cmdCopyToClipboard_Click()
{
    if (!m_output.isEmpty()) {
        const QTextCursor cursor = txbOutput->textCursor();
        QString text = m_output;
        if (cursor.hasSelection()) {
            // The box separates its lines with Unicode paragraph separators; the copy carries
            // the "\r\n" line ends of the table, as the whole output and the main window's copy do.
            text = cursor.selectedText();
            text.replace(QChar::ParagraphSeparator, kCrLf);
        }
        m_clipboard.Clear();
        m_clipboard.SetText(text);
        SetCopyButton(kCopyCaption, kNarrowCopyWidth);
        ConfirmCopy(m_popUps);
    }
    cmdClear->setFocus(Qt::OtherFocusReason);
}

void DateSequenceWindow::cmdClear_Click()
{
    m_output.clear();
    txbOutput->clear();
    SetCopyButton(kCopyCaption, kNarrowCopyWidth);
    FocusNumDays();
}

void DateSequenceWindow::cmdClose_Click()
{
    hide();
}

void DateSequenceWindow::txbOutput_MouseUp(Qt::MouseButton button)
{
    if (button != Qt::LeftButton || !cmdCopyToClipboard->isEnabled())
        return;
    if (txbOutput->textCursor().hasSelection())
        SetCopyButton(kCopySelectionCaption, kWideCopyWidth);
    else
        SetCopyButton(kCopyCaption, kNarrowCopyWidth);
}

void DateSequenceWindow::SetCopyButton(const QString &caption, int widthTwips)
{
    cmdCopyToClipboard->setText(caption);
    cmdCopyToClipboard->resize(TwipsToPixels(widthTwips), cmdCopyToClipboard->height());
}

bool DateSequenceWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowDeactivate)
        m_deactivatedByModal = QApplication::activeModalWidget() != nullptr;
    const bool handled = QWidget::event(event);
    // Coming back from a message box or the pop-up is not an activation: the command that
    // showed it has already put the focus where it belongs.
    if (event->type() == QEvent::WindowActivate && !std::exchange(m_deactivatedByModal, false))
        Form_Activate();
    return handled;
}

void DateSequenceWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // For window systems that do not activate a window shown by the program.
    QTimer::singleShot(0, this, &DateSequenceWindow::Form_Activate);
}

bool DateSequenceWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txbNumDays && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (IsEnter(key) && !key->isAutoRepeat()) {
            // Only an Enter that went down in this box counts: Enter on a focused Do it button
            // runs the command and moves the focus here before the key comes up.
            if (event->type() == QEvent::KeyPress)
                m_enterPressed = true;
            else if (std::exchange(m_enterPressed, false) && cmdDoIt->isEnabled())
                cmdDoIt_Click();
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vardex
