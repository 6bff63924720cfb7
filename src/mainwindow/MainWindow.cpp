// SPDX-License-Identifier: MIT
#include "MainWindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "input/Calculation.h"
#include "seams/PopUps.h"
#include "support/AboutText.h"
#include "support/WebLink.h"
#include "support/widgets/ControlUtils.h"
#include "support/widgets/Geometry.h"
#include "support/widgets/QtSeams.h"
#include "support/widgets/ScreenFit.h"
#include "support/widgets/TextViewer.h"

// The icon is compiled into this static library; a program that links it would leave the resource
// out unless something names it.
static void InitIconResource() { Q_INIT_RESOURCE(vardex); }

namespace vardex {

namespace {

constexpr uint32_t kBackColour = 0x900080;  // 0x00BBGGRR: red 128, green 0, blue 144
constexpr uint32_t kTextColour = 0xFFFFFF;
constexpr uint32_t kLegendColour = 0xE0E0E0;  // light grey
constexpr uint32_t kLinkColour = 0xFFFF00;    // cyan
constexpr uint32_t kUrlColour = 0xC0C0C0;     // silver

// A frame's caption sits on its border line, as on the desktop the window was designed for, and
// the border is a light line that stands out from the window's purple.
const char *const kFrameStyle =
    "QGroupBox { border: 1px solid #d8b4e2; margin-top: 8px; }"
    "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 7px; top: 0px;"
    " padding: 0px 1px; color: #ffffff; background-color: #800090; }";
constexpr double kFontSize = 9.75;
constexpr double kSmallFontSize = 8.25;
constexpr int kTimerIntervalMs = 500;
constexpr int kEnterKey = 13;

void SetBold(QWidget *w, bool bold)
{
    if (w->font().bold() == bold)
        return;
    QFont font = w->font();
    font.setBold(bold);
    w->setFont(font);
}

void SetPointSize(QWidget *w, double points)
{
    QFont font = w->font();
    font.setPointSizeF(points);
    w->setFont(font);
}

void SetTextColour(QWidget *w, uint32_t bgr)
{
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, FromBgr(bgr));
    w->setPalette(palette);
}

void WriteCommon(QWidget *w, const Control &m)
{
    if (w->isHidden() == m.visible)
        w->setVisible(m.visible);
    if (w->isEnabled() != m.enabled)
        w->setEnabled(m.enabled);
}

// A tool tip shows rich text when its text looks like it; a text from the program text file is
// always shown as written.
QString PlainToolTip(const QString &text)
{
    return text.isEmpty() ? text : Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal);
}

void Write(QLabel *w, const Label &m)
{
    if (w->text() != m.caption)
        w->setText(m.caption);
    const QString toolTip = PlainToolTip(m.toolTip);
    if (w->toolTip() != toolTip)
        w->setToolTip(toolTip);
    SetBold(w, m.bold);
}

void Write(QGroupBox *w, const Frame &m)
{
    if (w->title() != m.caption)
        w->setTitle(m.caption);
}

void Write(QPushButton *w, const Button &m)
{
    if (w->text() != m.caption)
        w->setText(m.caption);
    SetBold(w, m.bold);
}

void Write(QRadioButton *w, const OptionButton &m)
{
    if (w->text() != m.caption)
        w->setText(m.caption);
    if (w->isChecked() != m.value) {
        // An exclusive group cannot be cleared; the model may well clear it.
        QButtonGroup *group = w->group();
        group->setExclusive(false);
        w->setChecked(m.value);
        group->setExclusive(true);
    }
    SetBold(w, m.bold);
}

// Only what differs is written: setting the maximum length, or the text, drops the selection even
// when the value stays the same.
void Write(QLineEdit *w, const TextBox &m)
{
    if (w->isReadOnly() != m.locked)
        w->setReadOnly(m.locked);
    const int maxLength = m.maxLength > 0 ? m.maxLength : 32767;
    if (w->maxLength() != maxLength)
        w->setMaxLength(maxLength);
    const qsizetype caret = std::clamp<qsizetype>(m.caret, 0, m.text.size());
    if (w->text() != m.text) {
        w->setText(m.text);
        w->setCursorPosition(static_cast<int>(caret));
    } else if (!w->hasSelectedText() && w->cursorPosition() != caret) {
        w->setCursorPosition(static_cast<int>(caret));
    }
}

void Write(QComboBox *w, const ComboBox &m)
{
    QStringList shown;
    for (int i = 0; i < w->count(); ++i)
        shown << w->itemText(i);
    if (shown != m.items) {
        w->clear();
        w->addItems(m.items);
    }
    if (w->currentIndex() != m.listIndex)
        w->setCurrentIndex(m.listIndex);
}

MainSeams WithPopUps(const MainSeams &seams, PopUps &popUps)
{
    return MainSeams{seams.dialogs, seams.clipboard, seams.clock, popUps, seams.screen, seams.programText};
}

}  // namespace

void MainWindow::WritingBackPopUps::PopUp(const QString &message, int width, int height, int intervalMs,
                                          int top, int left)
{
    window.WriteBack();  // the controller hid the copy button for the time of the message
    inner.PopUp(message, width, height, intervalMs, top, left);
}

MainWindow::MainWindow(Services services, QWidget *parent)
    : QWidget(parent),
      services_(std::move(services)),
      popUps_{services_.seams.popUps, *this},
      controller_(form_, WithPopUps(services_.seams, popUps_))
{
    BuildControls();
    BuildMenuBar();
    ApplyDesign();
    ConnectEvents();
    SetTabOrder();
    timer1_ = new QTimer(this);
    timer1_->setInterval(kTimerIntervalMs);
    connect(timer1_, &QTimer::timeout, this, [this] {
        if (!writingBack_) {
            controller_.Timer1_Timer();
            WriteBack();
        }
    });
    timer1_->start();
    WriteBack();
}

MainWindow::~MainWindow() = default;

template <typename W, typename M>
W *MainWindow::Make(M &model, QWidget *parent, int left, int top, int width, int height)
{
    auto *w = new W(parent);
    w->setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
    bound_.push_back({&model, w});
    return w;
}

void MainWindow::BuildControls()
{
    MainForm &f = form_;
    formArea_ = new QWidget(this);
    auto tab = [this](int index, QWidget *w) { tabIndex_.emplace_back(index, w); };

    tab(49, Make<QLabel>(f.Label3, formArea_, 280, 130, 2415, 360));
    tab(50, Make<QRadioButton>(f.optDee, formArea_, 2650, 110, 3375, 360));
    tab(51, Make<QRadioButton>(f.optDeeCecil, formArea_, 5950, 110, 3855, 360));
    fraInput_ = Make<QGroupBox>(f.fraInput, formArea_, 120, 480, 7770, 2415);
    fraOutput_ = Make<QGroupBox>(f.fraOutput, formArea_, 120, 3000, 7770, 2295);
    fraPlusMinus_ = Make<QGroupBox>(f.fraPlusMinus, formArea_, 8040, 480, 2910, 2415);
    tab(25, Make<QPushButton>(f.cmdCalculate, formArea_, 8040, 3090, 2910, 360));
    tab(20, Make<QPushButton>(f.cmdCopyResult, formArea_, 8040, 3555, 2910, 360));
    tab(48, Make<QPushButton>(f.cmdDateSequence, formArea_, 8040, 4020, 2910, 360));
    tab(21, Make<QPushButton>(f.cmdVernalEquinoxes, formArea_, 8040, 4485, 2910, 360));
    tab(13, Make<QPushButton>(f.cmdHelp, formArea_, 8040, 4920, 1380, 360));
    tab(7, Make<QPushButton>(f.cmdQuit, formArea_, 9600, 4920, 1380, 360));
    lblMakerLink_ = Make<QLabel>(f.lblMakerLink, formArea_, 3250, 5400, 1395, 270);
    Make<QLabel>(f.lblMakerUrl, formArea_, 4660, 5400, 1395, 270);
    lblOnlineUserManual_ = Make<QLabel>(f.lblOnlineUserManual, formArea_, 8040, 5400, 2910, 240);

    QWidget *in = fraInput_;
    tab(9, Make<QRadioButton>(f.optInputDateWithoutAYN, in, 240, 240, 5895, 360));
    tab(3, Make<QComboBox>(f.cboMonthNames, in, 240, 600, 1455, 360));
    tab(5, Make<QComboBox>(f.cboDayNumbers, in, 1800, 600, 855, 360));
    tab(6, txbYearADBCetc_ = Make<QLineEdit>(f.txbYearADBCetc, in, 2760, 600, 1215, 330));
    tab(4, Make<QComboBox>(f.cboYearDesADBCetc, in, 4080, 600, 975, 360));
    tab(26, Make<QComboBox>(f.cboCalendar[0], in, 5160, 600, 2415, 360));
    tab(2, Make<QRadioButton>(f.optInputDateWithAYN, in, 240, 1200, 5295, 360));
    tab(8, txbYearCEJC_ = Make<QLineEdit>(f.txbYearCEJC, in, 240, 1560, 2175, 330));
    tab(40, Make<QComboBox>(f.cboCalendar[1], in, 2520, 1560, 2535, 360));
    tab(29, Make<QPushButton>(f.cmdToday, in, 6680, 1200, 900, 360));
    tab(42, Make<QPushButton>(f.cmdClear[0], in, 6680, 1600, 900, 360));
    Make<QLabel>(f.lblCE, in, 240, 2040, 7455, 330);

    QWidget *pm = fraPlusMinus_;
    tab(24, Make<QRadioButton>(f.optPlus, pm, 120, 360, 855, 315));
    tab(23, Make<QRadioButton>(f.optMinus, pm, 960, 360, 975, 315));
    for (int i = 0; i < 4; ++i) {
        const int top = 720 + 360 * i;
        tab(32 + 2 * i, txbArith_[i] = Make<QLineEdit>(f.txbArith[i], pm, 120, top, 1000, 360));
        Make<QLabel>(f.lblArith[i], pm, 1275, top, 855, 360);
    }
    tab(43, Make<QPushButton>(f.cmdClear[1], pm, 2100, 1920, 700, 300));

    // Each pair of option buttons is one group. Grouped by their parent alone, Qt would take
    // every option button below the window for one group with the two placed on the window.
    for (const auto &[first, second] :
         {std::pair{&f.optDee, &f.optDeeCecil}, std::pair{&f.optInputDateWithoutAYN, &f.optInputDateWithAYN},
          std::pair{&f.optPlus, &f.optMinus}}) {
        auto *group = new QButtonGroup(this);
        group->addButton(static_cast<QRadioButton *>(WidgetOf(*first)));
        group->addButton(static_cast<QRadioButton *>(WidgetOf(*second)));
        optionGroups_.push_back(group);
    }

    QWidget *out = fraOutput_;
    Make<QLabel>(f.lblGregorian, out, 240, 360, 2295, 360);
    Make<QLineEdit>(f.txbOutputGC, out, 2520, 360, 2775, 330);
    Make<QLineEdit>(f.txbOutputGCwithAYN, out, 5415, 360, 2175, 330);
    Make<QLabel>(f.lblDee, out, 240, 840, 2055, 360);
    Make<QLineEdit>(f.txbOutputDEE, out, 2520, 840, 2775, 330);
    Make<QLineEdit>(f.txbOutputDEEwithAYN, out, 5415, 840, 2175, 330);
    Make<QLabel>(f.lblJulian, out, 240, 1320, 2055, 360);
    Make<QLineEdit>(f.txbOutputJC, out, 2520, 1320, 2775, 330);
    Make<QLineEdit>(f.txbOutputJCwithAYN, out, 5415, 1320, 2175, 330);
    Make<QLabel>(f.Label2, out, 240, 1800, 1815, 360);
    Make<QLineEdit>(f.txbJDN, out, 2520, 1800, 1335, 330);
    Make<QLabel>(f.Label1, out, 4680, 1800, 1335, 360);
    Make<QLineEdit>(f.txbDayOfWeek, out, 6000, 1800, 1575, 330);
}

void MainWindow::ApplyDesign()
{
    setWindowTitle(form_.caption);
    // The form keeps its design size below the menu bar; the window grows by the bar's height.
    formArea_->setFixedSize(TwipsToPixels(MainForm::kWidth), TwipsToPixels(MainForm::kHeight));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar_);
    // The form at its design size, in an area that scrolls only on a screen too small for it.
    layout->addWidget(new ScrollingArea(formArea_, this));
    ::InitIconResource();
    setWindowIcon(QIcon(QStringLiteral(":/vardex/vardex.png")));
    SetPointSize(formArea_, kFontSize);  // the controls inherit it; only the small ones set their own
    SetPointSize(WidgetOf(form_.cmdClear[1]), kSmallFontSize);
    for (const Control *c : {static_cast<const Control *>(&form_.lblCE),
                             static_cast<const Control *>(&form_.lblOnlineUserManual),
                             static_cast<const Control *>(&form_.lblMakerLink),
                             static_cast<const Control *>(&form_.lblMakerUrl)})
        SetPointSize(WidgetOf(*c), kSmallFontSize);
    for (QLabel *link :
         {lblMakerLink_, lblOnlineUserManual_, static_cast<QLabel *>(WidgetOf(form_.lblMakerUrl))}) {
        link->setAlignment(Qt::AlignCenter);
        link->setCursor(Qt::PointingHandCursor);
    }
    static_cast<QLabel *>(WidgetOf(form_.lblMakerUrl))->setCursor(Qt::ArrowCursor);
    for (TextBox *box : form_.OutputBoxes())
        WidgetOf(*box)->setFocusPolicy(Qt::ClickFocus);  // read-only: skipped by Tab
    for (const Bound &b : bound_) {
        if (auto *button = qobject_cast<QPushButton *>(b.widget))
            button->setAutoDefault(true);  // Enter presses the button that has the focus
        if (auto *label = qobject_cast<QLabel *>(b.widget))
            label->setTextFormat(Qt::PlainText);  // the maker's name and address come from a file
    }
    for (QGroupBox *frame : {fraInput_, fraOutput_, fraPlusMinus_})
        frame->setStyleSheet(QString::fromLatin1(kFrameStyle));
    NameForScreenReaders();
}

// Each box and list by the label that goes with it, and the two Clear buttons by what they clear:
// a frame's caption is what a screen reader would otherwise announce for all of them. The Dee
// output boxes follow the variant (WriteBack).
void MainWindow::NameForScreenReaders()
{
    MainForm &f = form_;
    const std::pair<const Control *, const char *> names[] = {
        {&f.cboMonthNames, "Month"},
        {&f.cboDayNumbers, "Day"},
        {&f.txbYearADBCetc, "Year"},
        {&f.cboYearDesADBCetc, "Era"},
        {&f.cboCalendar[0], "Calendar, or a weekday to search for"},
        {&f.txbYearCEJC, "Year-month-day date with its calendar designator"},
        {&f.cboCalendar[1], "Calendar of the year-month-day date"},
        {&f.cmdClear[0], "Clear the input date"},
        {&f.cmdClear[1], "Clear the arithmetic"},
        {&f.txbArith[0], "Years to add or subtract"},
        {&f.txbArith[1], "Months to add or subtract"},
        {&f.txbArith[2], "Weeks to add or subtract"},
        {&f.txbArith[3], "Days to add or subtract"},
        {&f.txbOutputGC, "Gregorian, month-day-year"},
        {&f.txbOutputGCwithAYN, "Gregorian, year-month-day"},
        {&f.txbOutputJC, "Julian, month-day-year"},
        {&f.txbOutputJCwithAYN, "Julian, year-month-day"},
        {&f.txbJDN, "Julian day number"},
        {&f.txbDayOfWeek, "Day of week"},
    };
    for (const auto &[control, name] : names) {
        QWidget *w = WidgetOf(*control);
        w->setAccessibleName(QString::fromLatin1(name));
        // On Linux a list's accessible name is its current entry; its description carries the name.
        if (qobject_cast<QComboBox *>(w))
            w->setAccessibleDescription(QString::fromLatin1(name));
    }
}

void MainWindow::ConnectEvents()
{
    MainForm &f = form_;
    MainController &c = controller_;
    for (const Bound &b : bound_) {
        if (auto *button = qobject_cast<QRadioButton *>(b.widget)) {
            auto *option = static_cast<OptionButton *>(b.model);
            connect(button, &QRadioButton::clicked, this,
                    [this, option] { Run([this, option] { controller_.SelectOption(*option); }); });
        } else if (auto *list = qobject_cast<QComboBox *>(b.widget)) {
            auto *model = static_cast<ComboBox *>(b.model);
            connect(list, &QComboBox::activated, this, [this, model](int index) {
                Run([this, model, index] {
                    model->listIndex = index;
                    controller_.ListClicked(*model);
                });
            });
        } else if (auto *edit = qobject_cast<QLineEdit *>(b.widget)) {
            auto *model = static_cast<TextBox *>(b.model);
            connect(edit, &QLineEdit::textEdited, this, [this, edit, model](const QString &text) {
                Run([edit, model, &text] {
                    model->text = text;
                    model->caret = edit->cursorPosition();
                });
            });
            connect(edit, &QLineEdit::cursorPositionChanged, this, [this, model](int, int now) {
                if (!writingBack_)
                    model->caret = now;
            });
        }
    }
    auto onClick = [this](Button &button, std::function<void()> handler) {
        connect(static_cast<QPushButton *>(WidgetOf(button)), &QPushButton::clicked, this,
                [this, handler = std::move(handler)] { Run(handler); });
    };
    onClick(f.cmdCalculate, [&c] { c.cmdCalculate_Click(); });
    onClick(f.cmdCopyResult, [&c] { c.cmdCopyResult_Click(); });
    onClick(f.cmdToday, [&c] { c.cmdToday_Click(); });
    onClick(f.cmdClear[0], [&c] { c.cmdClear_Click(0); });
    onClick(f.cmdClear[1], [&c] { c.cmdClear_Click(1); });
    onClick(f.cmdHelp, [this] { ShowHelp(); });
    onClick(f.cmdQuit, [this] { Quit(); });
    onClick(f.cmdDateSequence, [this] {
        if (controller_.cmdDateSequence_Click() && openDateSequence)
            openDateSequence();
    });
    onClick(f.cmdVernalEquinoxes, [this] {
        if (controller_.cmdVernalEquinoxes_Click() && openVernalEquinoxes)
            openVernalEquinoxes();
    });
    for (QObject *watched :
         std::initializer_list<QObject *>{txbYearADBCetc_, txbYearCEJC_, lblMakerLink_, lblOnlineUserManual_})
        watched->installEventFilter(this);
    for (QLineEdit *box : txbArith_)
        box->installEventFilter(this);
}

void MainWindow::SetTabOrder()
{
    std::stable_sort(tabIndex_.begin(), tabIndex_.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (size_t i = 1; i < tabIndex_.size(); ++i)
        QWidget::setTabOrder(tabIndex_[i - 1].second, tabIndex_[i].second);
}

bool MainWindow::Start()
{
    const bool started =
        controller_.StartUp({services_.loadProgramText,
                             [this] {
                                 SetFormBackColor(formArea_, kBackColour);
                                 SetControlsForeColor(formArea_, kTextColour);
                                 SetTextColour(WidgetOf(form_.lblCE), kLegendColour);
                                 SetTextColour(lblMakerLink_, kLinkColour);
                                 SetTextColour(lblOnlineUserManual_, kLinkColour);
                                 SetTextColour(WidgetOf(form_.lblMakerUrl), kUrlColour);
                                 SetControlsFontName(formArea_, QStringLiteral("Arial"), true);
                             },
                             [this] {
                                 WriteBack();
                                 move(TwipsToPixels(form_.left), TwipsToPixels(form_.top));
                                 FitFixedDesign(this, DesignSize());
                                 show();
                                 // inside the screen, again once the window system has framed it
                                 FitFixedDesign(this, DesignSize());
                             }});
    if (started)
        WriteBack();
    return started;
}

void MainWindow::Run(const std::function<void()> &handler)
{
    if (writingBack_)
        return;
    handler();
    // The refresher's derivation after every action as well as on its tick, so that a control
    // the action enables takes the next key at once.
    controller_.SettleRefresher();
    WriteBack();
}

void MainWindow::WriteBack()
{
    writingBack_ = true;
    for (const Bound &b : bound_) {
        const QSignalBlocker blocker(b.widget);
        if (auto *w = qobject_cast<QLabel *>(b.widget))
            Write(w, *static_cast<Label *>(b.model));
        else if (auto *w = qobject_cast<QGroupBox *>(b.widget))
            Write(w, *static_cast<Frame *>(b.model));
        else if (auto *w = qobject_cast<QPushButton *>(b.widget))
            Write(w, *static_cast<Button *>(b.model));
        else if (auto *w = qobject_cast<QRadioButton *>(b.widget))
            Write(w, *static_cast<OptionButton *>(b.model));
        else if (auto *w = qobject_cast<QLineEdit *>(b.widget))
            Write(w, *static_cast<TextBox *>(b.model));
        else if (auto *w = qobject_cast<QComboBox *>(b.widget))
            Write(w, *static_cast<ComboBox *>(b.model));
        WriteCommon(b.widget, *b.model);
    }
    for (QButtonGroup *group : optionGroups_)
        TabToSelectedOption(group);  // the write-back blocks the group's signals
    const auto nameDeeBox = [this](const TextBox &box, const QString &form) {
        const QString name = form_.strDeeCalendarName + QStringLiteral(", ") + form;
        if (QWidget *w = WidgetOf(box); w->accessibleName() != name)
            w->setAccessibleName(name);
    };
    nameDeeBox(form_.txbOutputDEE, QStringLiteral("month-day-year"));
    nameDeeBox(form_.txbOutputDEEwithAYN, QStringLiteral("year-month-day"));
    if (form_.focusRequest) {
        if (QWidget *w = WidgetOf(*form_.focusRequest))
            w->setFocus(Qt::OtherFocusReason);
        form_.focusRequest = nullptr;
    }
    writingBack_ = false;
    const std::pair result{form_.shownResultJdn, form_.deeVariant};
    if (result != notifiedResult_) {
        notifiedResult_ = result;
        if (resultChanged)
            resultChanged();
    }
}

QSize MainWindow::DesignSize() const { return formArea_->size() + QSize(0, menuBar_->sizeHint().height()); }

QWidget *MainWindow::WidgetOf(const Control &control) const
{
    for (const Bound &b : bound_) {
        if (b.model == &control)
            return b.widget;
    }
    return nullptr;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool yearBox = watched == txbYearADBCetc_ || watched == txbYearCEJC_;
        if (yearBox && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            !key->isAutoRepeat()) {
            // Only a release whose press this box received: the Enter that closes a message box
            // is released in the box the focus returns to.
            if (event->type() == QEvent::KeyPress) {
                enterPressedIn_ = watched;
            } else if (std::exchange(enterPressedIn_, nullptr) == watched) {
                if (watched == txbYearADBCetc_)
                    Run([this] { controller_.txbYearADBCetc_KeyUp(kEnterKey); });
                else
                    Run([this] { controller_.txbYearCEJC_KeyUp(kEnterKey); });
            }
        }
    } else if (event->type() == QEvent::FocusOut) {
        // Only a move of the focus within the window counts as leaving a box; a message box or
        // another window taking the activation does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == txbYearCEJC_)
                Run([this] { controller_.txbYearCEJC_LostFocus(); });
            for (int i = 0; i < 4; ++i) {
                if (watched == txbArith_[i])
                    Run([this, i] { controller_.txbArith_LostFocus(i); });
            }
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == lblMakerLink_)
            OpenLink(kMakerAddressText);
        else if (watched == lblOnlineUserManual_)
            OpenLink(kManualAddressText);
    }
    return QWidget::eventFilter(watched, event);
}

// Both addresses come from the program text file, without "http://".
void MainWindow::OpenLink(int16_t text)
{
    const QString address = services_.seams.programText ? services_.seams.programText(text) : QString();
    OpenWebLink(QStringLiteral("http://") + address, services_.shell, services_.seams.dialogs);
}

void MainWindow::BuildMenuBar()
{
    menuBar_ = new QMenuBar(this);
    // The same as the buttons, and only while they can be pressed.
    const auto clickOf = [this](Button &button) {
        return [this, &button] { static_cast<QPushButton *>(WidgetOf(button))->click(); };
    };
    const auto callOf = [](const std::function<void()> &open) {
        return [&open] {
            if (open)
                open();
        };
    };
    const auto command = [this](QMenu *menu, const char *text, QKeySequence keys, auto handler) {
        QAction *action = menu->addAction(QString::fromUtf8(text), keys, this, handler);
        programActions_ << action;
        return action;
    };
    QMenu *file = menuBar_->addMenu(QStringLiteral("&File"));
    command(file, "&Check a family tree\u2026", QKeySequence(Qt::CTRL | Qt::Key_O),
            callOf(openFamilyTreeCheck));
    file->addSeparator();
    command(file, "&Quit", QKeySequence(Qt::CTRL | Qt::Key_Q), clickOf(form_.cmdQuit));
    toolsMenu_ = menuBar_->addMenu(QStringLiteral("&Tools"));
    struct ToolEntry {
        const char *text;
        Qt::Key key;  // with Ctrl
        std::function<void()> MainWindow::*open;
    };
    static constexpr ToolEntry kTools[] = {
        {"&Date difference\u2026", Qt::Key_D, &MainWindow::openDateDifference},
        {"&World calendars\u2026", Qt::Key_L, &MainWindow::openWorldCalendars},
        {"&Historical dates\u2026", Qt::Key_H, &MainWindow::openHistoricalDates},
        {"&Equinox chart\u2026", Qt::Key_G, &MainWindow::openEquinoxChart},
        {"&Seasons and Moon\u2026", Qt::Key_M, &MainWindow::openSeasonsAndMoon},
        {"&Calendar page\u2026", Qt::Key_K, &MainWindow::openCalendarPage},
    };
    for (const ToolEntry &tool : kTools)
        command(toolsMenu_, tool.text, QKeySequence(Qt::CTRL | tool.key), callOf(this->*tool.open));
    QMenu *help = menuBar_->addMenu(QStringLiteral("&Help"));
    command(help, "&Help", QKeySequence(Qt::Key_F1), clickOf(form_.cmdHelp));
    help->addAction(QStringLiteral("&Online user manual"), this, [this] { OpenLink(kManualAddressText); });
    help->addSeparator();
    help->addAction(QStringLiteral("&About Vardex"), this, [this] { ShowAbout(); });
    help->addAction(QStringLiteral("About &Qt"), this, [this] { QMessageBox::aboutQt(this); });
    // F10 opens the first menu, as on other desktops; Alt and a menu's letter open that menu.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this, [this, file] {
        menuBar_->setFocus(Qt::MenuBarFocusReason);
        menuBar_->setActiveAction(file->menuAction());
    });
}

void MainWindow::ShowAbout()
{
    const QString maker =
        services_.seams.programText ? services_.seams.programText(kMakerAddressText) : QString();
    OnScreenMessageBox box(QMessageBox::NoIcon, QStringLiteral("About Vardex"), AboutText(maker),
                           QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);  // the address comes from a file
    box.setIconPixmap(windowIcon().pixmap(64));
    box.exec();
}

void MainWindow::ShowHelp()
{
    if (!viewer_) {
        viewer_ = std::make_unique<TextViewer>(services_.seams.dialogs, services_.seams.clipboard);
        viewer_->addActions(programActions_);  // the menu's keys work over the help too
    }
    if (viewer_->isMinimized())
        viewer_->showNormal();
    if (!viewer_->isMaximized()) {
        const QRect frame = frameGeometry();
        viewer_->setGeometry(frame.left() + TwipsToPixels(100), frame.top() + TwipsToPixels(380),
                             frame.width() - TwipsToPixels(200), frame.height() - TwipsToPixels(480));
    }
    const QString helpFile =
        services_.seams.programText ? services_.seams.programText(kHelpFileText) : QString();
    QString folder = services_.programFolder;
    if (!folder.endsWith(u'/'))
        folder += u'/';
    const QString fileName = folder + helpFile;
    if (viewer_->strFilename != fileName)
        viewer_->blnFileDisplayed = false;
    viewer_->strFilename = fileName;
    viewer_->setWindowTitle(services_.seams.programText ? services_.seams.programText(kHelpCaptionText)
                                                        : QString());
    viewer_->blnCopyToClipboardInvisible = true;
    viewer_->txbText1->setAccessibleName(QStringLiteral("Help text"));  // what a screen reader names the box
    viewer_->setWindowIcon(windowIcon());
    // The help is plain text laid out in columns: it reads best in a fixed-pitch font.
    QFont font(QStringLiteral("Courier New"), 10);
    font.setStyleHint(QFont::Monospace);
    viewer_->txbText1->setFont(font);
    viewer_->show();
    viewer_->raise();
    viewer_->activateWindow();
}

int32_t MainWindow::InputJdn()
{
    // Without a message: an input that cannot be converted leaves lngJDN as it was.
    controller_.GetJDN(controller_.InputCalendarText(), false);
    WriteBack();  // the reading rewrites the input boxes
    return form_.lngJDN;
}

InputDay MainWindow::PeekInputDay() const
{
    const Calculation calculation = Calculate(controller_.Entry(), controller_.Context());
    if (calculation.showResult && calculation.jdn)
        return {calculation.jdn, {}};
    return {std::nullopt, calculation.messages.empty() ? QStringLiteral("The input date is not complete.")
                                                       : calculation.messages.front().text};
}

int32_t MainWindow::InputYear() const { return controller_.GetYear(); }

DeeVariant MainWindow::Variant() const { return form_.deeVariant; }

std::optional<int32_t> MainWindow::ResultJdn() const { return form_.shownResultJdn; }

int32_t MainWindow::TextBoxCapacityKB() const { return form_.lngTextBoxCapacityInKB; }

QPoint MainWindow::TableWindowPosition() const
{
    // Just inside the main window's left edge, the output frame's top (within the form) plus a
    // little below the outer corner of the window's frame (pos()): where the table windows have
    // always opened, the menu bar notwithstanding.
    constexpr int kLeftOfMain = 160;
    constexpr int kBelowOutputFrame = 300;
    return pos() + QPoint(TwipsToPixels(kLeftOfMain), fraOutput_->y() + TwipsToPixels(kBelowOutputFrame));
}

QPalette MainWindow::TableWindowPalette() const { return formArea_->palette(); }

QIcon MainWindow::TableWindowIcon() const { return windowIcon(); }

void MainWindow::Quit()
{
    timer1_->stop();
    QApplication::quit();  // every window goes with the event loop; nothing is asked or saved
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    Quit();
}

}  // namespace vardex
