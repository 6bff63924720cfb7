#include "VernalEquinoxWindow.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QWindow>
#include <functional>
#include <optional>
#include <utility>

#include "equinox/EquinoxComputation.h"
#include "equinox/EquinoxTable.h"
#include "mainwindow/MainWindow.h"
#include "support/Clipboard.h"
#include "support/widgets/ControlUtils.h"
#include "support/widgets/Geometry.h"

namespace vardex {

namespace {

constexpr uint32_t kTextColour = 0xFFFFFF;
constexpr double kFontSize = 9.75; // points, as in the main window

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
constexpr int kBottomSpace = 600; // below the buttons

// The copy button's two faces.
constexpr int kNarrowCopyWidth = 3000;
constexpr int kWideCopyWidth = 4000;
const QString kCopyCaption = QStringLiteral("Copy to clipboard");
const QString kCopySelectionCaption = QStringLiteral("Copy selected text to clipboard");

// Position relative to the main window: just inside its left edge, level with its output frame.
constexpr int kLeftOfMain = 160;
constexpr int kBelowOutputFrame = 300;

constexpr int kDefaultDegreesIndex = 7; // "77"
constexpr int kDefaultNumberOfYears = 12;

void Place(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

// The output box, telling the window of a mouse-button release once the box has handled it: a
// click inside a selection only drops the selection on release.
class OutputBox : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;
    std::function<void(Qt::MouseButton)> mouseUp;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        QPlainTextEdit::mouseReleaseEvent(event);
        if (mouseUp)
            mouseUp(event->button());
    }
};

} // namespace

// Counts a message box or pop-up of the window as open, and notes whether the activation the
// window had before it still has to come back.
class VernalEquinoxWindow::ModalScope {
public:
    explicit ModalScope(VernalEquinoxWindow &window) : m_window(window), m_wasActive(window.isActiveWindow())
    {
        ++m_window.m_modalDepth;
    }
    ~ModalScope()
    {
        if (--m_window.m_modalDepth == 0 && m_wasActive && !m_window.isActiveWindow())
            m_window.m_activationFromModalPending = true;
    }
    ModalScope(const ModalScope &) = delete;
    ModalScope &operator=(const ModalScope &) = delete;

private:
    VernalEquinoxWindow &m_window;
    bool m_wasActive;
};

MessageReply VernalEquinoxWindow::WindowDialogs::ShowMessage(const QString &text, const QString &title,
                                                             MessageIcon icon, MessageButtons buttons)
{
    const ModalScope scope(window);
    return inner.ShowMessage(text, title, icon, buttons);
}

void VernalEquinoxWindow::WindowPopUps::PopUp(const QString &message, int width, int height, int intervalMs,
                                              int top, int left)
{
    const ModalScope scope(window);
    inner.PopUp(message, width, height, intervalMs, top, left);
}

VernalEquinoxWindow::VernalEquinoxWindow(MainWindow &main, Dialogs &dialogs, Clipboard &clipboard,
                                         PopUps &popUps, QWidget *parent)
    : QWidget(parent),
      lblDates1(new QLabel(QStringLiteral("Calculate vernal equinox dates/times for"), this)),
      txbNumYears(new QLineEdit(this)),
      lblDates2(new QLabel(QStringLiteral("years from the year of the input date."), this)),
      cmdDoIt(new QPushButton(QStringLiteral("Do it"), this)),
      lblWashingtonLongitude(new QLabel(QStringLiteral("'Washington' longitude:"), this)),
      cboDegrees(new QComboBox(this)), lblDegrees(new QLabel(QStringLiteral("degrees"), this)),
      cboMinutes(new QComboBox(this)), lblMinutes(new QLabel(QStringLiteral("minutes W"), this)),
      optMeanST(new QRadioButton(QStringLiteral("Mean solar time"), this)),
      optApparentST(new QRadioButton(QStringLiteral("Apparent"), this)), txbOutput(new OutputBox(this)),
      cmdCopyToClipboard(new QPushButton(kCopyCaption, this)),
      cmdClear(new QPushButton(QStringLiteral("Clear"), this)),
      cmdClose(new QPushButton(QStringLiteral("Close"), this)), m_main(main), m_clipboard(clipboard),
      m_dialogs(dialogs, *this), m_popUps(popUps, *this)
{
    setWindowTitle(QStringLiteral("Vernal equinoxes"));
    setWindowIcon(main.windowIcon());
    LayOut();
    ConnectEvents();
    Load();
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
    resize(TwipsToPixels(kWindowWidth), TwipsToPixels(kButtonsTop + kRowHeight + kBottomSpace));

    txbNumYears->setMaxLength(3);
    txbOutput->setReadOnly(true);
    // Selectable by keyboard as well, so that the caret shows where a run ended.
    txbOutput->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txbOutput->setLineWrapMode(QPlainTextEdit::NoWrap);
    txbOutput->setUndoRedoEnabled(false);
    txbOutput->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    for (QPushButton *button : {cmdDoIt, cmdCopyToClipboard, cmdClear, cmdClose})
        button->setAutoDefault(true); // Enter presses the button that has the focus
}

void VernalEquinoxWindow::ConnectEvents()
{
    connect(cmdDoIt, &QPushButton::clicked, this, &VernalEquinoxWindow::cmdDoIt_Click);
    connect(cmdCopyToClipboard, &QPushButton::clicked, this, &VernalEquinoxWindow::cmdCopyToClipboard_Click);
    connect(cmdClear, &QPushButton::clicked, this, &VernalEquinoxWindow::cmdClear_Click);
    connect(cmdClose, &QPushButton::clicked, this, &VernalEquinoxWindow::cmdClose_Click);
    connect(cboDegrees, &QComboBox::activated, this, &VernalEquinoxWindow::cboLongitude_Click);
    connect(cboMinutes, &QComboBox::activated, this, &VernalEquinoxWindow::cboLongitude_Click);
    txbNumYears->installEventFilter(this);
    static_cast<OutputBox *>(txbOutput)->mouseUp = [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton && cmdCopyToClipboard->isEnabled())
            txbOutput_MouseUp();
    };
    // Once another window of the program takes the activation, the window's next activation is a
    // real one even if the return from its last message never came.
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow *focus) {
        if (focus && focus != windowHandle() && m_modalDepth == 0)
            m_activationFromModalPending = false;
    });
}

void VernalEquinoxWindow::Load()
{
    SetControlsFontName(this, QStringLiteral("Arial"), false);
    QFont typewriter(QStringLiteral("Courier New"));
    typewriter.setStyleHint(QFont::Monospace); // where no font answers to the name
    typewriter.setPointSizeF(kFontSize);
    txbOutput->setFont(typewriter);

    SetFormBackColor(this, ToBgr(m_main.palette().color(QPalette::Window)));
    SetControlsForeColor(this, kTextColour);

    // pos() of a window is the outer corner of its frame, where twips positions are counted.
    const QWidget *outputFrame = m_main.WidgetOf(m_main.Form().fraOutput);
    move(m_main.pos() + QPoint(TwipsToPixels(kLeftOfMain),
                               (outputFrame ? outputFrame->y() : 0) + TwipsToPixels(kBelowOutputFrame)));

    ResetCopyButton();
    m_output.clear();
    txbOutput->clear();

    InitPeriodicTerms();
    FillLongitudeLists();
    txbNumYears->setText(QString::number(kDefaultNumberOfYears));
    optApparentST->setChecked(true);

    const QRect copy = cmdCopyToClipboard->geometry();
    setFixedSize(width(), copy.y() + copy.height() + TwipsToPixels(kBottomSpace));
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

void VernalEquinoxWindow::FocusNumYears()
{
    txbNumYears->setCursorPosition(int(txbNumYears->text().size()));
    txbNumYears->setFocus(Qt::OtherFocusReason);
}

void VernalEquinoxWindow::WriteTableHeader()
{
    const QString before = m_output;
    vardex::WriteTableHeader(m_output, m_main.Form().strDeeCalendarName);
    if (m_output == before)
        return; // results are kept, and so is the header above them
    ShowOutput(before);
    if (cmdDoIt->isEnabled())
        SetFocusIfPossible(cmdDoIt);
}

bool VernalEquinoxWindow::event(QEvent *event)
{
    // The window's own message boxes and pop-up hand the activation back when they close; that
    // is no new activation, which would move the focus the handler has just placed.
    if (event->type() == QEvent::WindowActivate) {
        if (m_modalDepth == 0 && !std::exchange(m_activationFromModalPending, false))
            Activated();
    }
    return QWidget::event(event);
}

void VernalEquinoxWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Also on being shown: a window system may show the window without activating it, and the
    // header must be there all the same. Running the activation twice changes nothing.
    if (!event->spontaneous())
        Activated();
}

void VernalEquinoxWindow::Activated()
{
    cmdCopyToClipboard->setEnabled(true);
    WriteTableHeader();
    FocusNumYears();
}

bool VernalEquinoxWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txbNumYears && event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat() &&
            cmdDoIt->isEnabled())
            cmdDoIt_Click();
    }
    return QWidget::eventFilter(watched, event);
}

void VernalEquinoxWindow::cboLongitude_Click()
{
    if (isVisible())
        SetFocusIfPossible(cmdDoIt);
}

void VernalEquinoxWindow::cmdDoIt_Click()
{
    QString text = txbNumYears->text();
    const std::optional<int> years = ReadNumberOfYears(text, m_dialogs);
    txbNumYears->setText(text);
    if (!years)
        return;

    const MainForm &main = m_main.Form();
    EquinoxRunInputs inputs;
    inputs.firstYear = m_main.Controller().GetYear(); // the input may have changed since opening
    inputs.numberOfYears = *years;
    inputs.degrees = cboDegrees->currentText().toInt();
    inputs.minutes = cboMinutes->currentText().toInt();
    inputs.solarTime = optMeanST->isChecked() ? SolarTime::Mean : SolarTime::Apparent;
    inputs.variant = main.optDee.value ? DeeVariant::Dee : DeeVariant::DeeCecil;
    inputs.capacityKB = main.lngTextBoxCapacityInKB;

    const QString before = m_output;
    const EquinoxRunResult result = RunVernalEquinoxes(inputs, m_output, m_dialogs);
    switch (result.status) {
    case EquinoxRunStatus::Completed:
    case EquinoxRunStatus::StoppedAtYearLimit:
    case EquinoxRunStatus::CutByCapacity:
        break;
    case EquinoxRunStatus::KeptFullBox:
    case EquinoxRunStatus::NothingToDo:
    case EquinoxRunStatus::TooManyYears:
    case EquinoxRunStatus::LongitudeOutOfRange:
        return;
    }
    // Rows are written only for years 1..4000, so this stays far from overflow.
    lngYear = inputs.firstYear + static_cast<int32_t>(result.rows.size());

    ShowOutput(before);
    // A header written by the run hands the focus to Do it, as every fresh header does; it
    // stays there when the box fills up during the run.
    if ((before.isEmpty() || !m_output.startsWith(before)) && cmdDoIt->isEnabled())
        SetFocusIfPossible(cmdDoIt);
    MoveCaretToEnd();
    if (!result.CutByCapacity())
        FocusNumYears();
}

void VernalEquinoxWindow::cmdCopyToClipboard_Click()
{
    if (!m_output.isEmpty()) {
        const QString selected = SelectedOutput();
        m_clipboard.Clear();
        m_clipboard.SetText(selected.isEmpty() ? m_output : selected);
        ResetCopyButton();
        ConfirmCopy(m_popUps);
    }
    SetFocusIfPossible(cmdClear);
}

void VernalEquinoxWindow::txbOutput_MouseUp()
{
    if (!txbOutput->textCursor().hasSelection()) {
        ResetCopyButton();
        return;
    }
    cmdCopyToClipboard->setText(kCopySelectionCaption);
    cmdCopyToClipboard->resize(TwipsToPixels(kWideCopyWidth), cmdCopyToClipboard->height());
}

void VernalEquinoxWindow::ResetCopyButton()
{
    cmdCopyToClipboard->setText(kCopyCaption);
    cmdCopyToClipboard->resize(TwipsToPixels(kNarrowCopyWidth), cmdCopyToClipboard->height());
}

void VernalEquinoxWindow::cmdClear_Click()
{
    const QString before = m_output;
    m_output.clear();
    ShowOutput(before);
    WriteTableHeader();
    ResetCopyButton();
    FocusNumYears();
}

void VernalEquinoxWindow::cmdClose_Click()
{
    hide();
}

// The box shows shownBefore; make it show m_output, appending when only text was added (an
// 800-row run then costs its own rows, not the whole text again).
void VernalEquinoxWindow::ShowOutput(const QString &shownBefore)
{
    // A "\r\n" split between the two parts would become two line ends.
    if (!shownBefore.isEmpty() && !shownBefore.endsWith(u'\r') && m_output.startsWith(shownBefore)) {
        if (m_output.size() == shownBefore.size())
            return;
        QTextCursor end(txbOutput->document());
        end.movePosition(QTextCursor::End);
        end.insertText(m_output.sliced(shownBefore.size()));
    } else {
        txbOutput->setPlainText(m_output);
    }
}

void VernalEquinoxWindow::MoveCaretToEnd()
{
    QTextCursor caret = txbOutput->textCursor();
    caret.movePosition(QTextCursor::End);
    txbOutput->setTextCursor(caret);
    txbOutput->ensureCursorVisible();
}

// The selection as the output text holds it. The box's document has one separator character
// where the text has "\r\n", so a position in block b of the document is b characters further
// on in the text.
QString VernalEquinoxWindow::SelectedOutput() const
{
    const QTextCursor caret = txbOutput->textCursor();
    if (!caret.hasSelection())
        return {};
    const QTextDocument *document = txbOutput->document();
    const auto textIndex = [document](int position) {
        return qsizetype(position) + document->findBlock(position).blockNumber();
    };
    const qsizetype start = textIndex(caret.selectionStart());
    return m_output.mid(start, textIndex(caret.selectionEnd()) - start);
}

} // namespace vardex
