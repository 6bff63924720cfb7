// SPDX-License-Identifier: MIT
#include "TableWindow.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>
#include <memory>
#include <utility>

#include "ControlUtils.h"
#include "CsvFileSaving.h"
#include "EscapeCloses.h"
#include "Geometry.h"
#include "MouseUpTextEdit.h"
#include "ScreenFit.h"
#include "seams/Clipboard.h"

namespace vardex {

namespace {

// The copy button's two faces.
constexpr int kNarrowCopyWidth = 3000;  // twips
constexpr int kWideCopyWidth = 4000;

const QString &CopyCaption()
{
    static const QString caption = QStringLiteral("Copy to clipboard");
    return caption;
}

bool IsEnter(const QKeyEvent *key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

}  // namespace

// Counts a message box or pop-up of the window as open, and notes whether the activation the
// window had before it still has to come back.
class TableWindow::ModalScope {
public:
    explicit ModalScope(TableWindow &window) : window_(window), wasActive_(window.isActiveWindow())
    {
        ++window_.modalDepth_;
    }
    ~ModalScope()
    {
        if (--window_.modalDepth_ == 0 && wasActive_ && !window_.isActiveWindow())
            window_.activationFromModalPending_ = true;
    }
    ModalScope(const ModalScope &) = delete;
    ModalScope &operator=(const ModalScope &) = delete;

private:
    TableWindow &window_;
    bool wasActive_;
};

MessageReply TableWindow::ModalDialogs::ShowMessage(const QString &text, const QString &title,
                                                    MessageIcon icon, MessageButtons buttons)
{
    if (beforeMessage)
        beforeMessage();
    const ModalScope scope(window);
    return inner.ShowMessage(text, title, icon, buttons);
}

void TableWindow::ModalPopUps::PopUp(const QString &message, int width, int height, int intervalMs, int top,
                                     int left)
{
    const ModalScope scope(window);
    inner.PopUp(message, width, height, intervalMs, top, left);
}

TableWindow::TableWindow(const QString &caption, TableWindowHost &host, Dialogs &dialogs,
                         Clipboard &clipboard, PopUps &popUps, SaveFileChooser &saveFileChooser)
    : QWidget(nullptr, Qt::Window),
      countBox(new QLineEdit(this)),
      cmdDoIt(new QPushButton(QStringLiteral("Do it"), this)),
      txbOutput(new MouseUpTextEdit(this, [this](Qt::MouseButton button) { OutputMouseUp(button); })),
      cmdCopyToClipboard(new QPushButton(CopyCaption(), this)),
      cmdClear(new QPushButton(QStringLiteral("Clear"), this)),
      cmdClose(new QPushButton(QStringLiteral("Close"), this)),
      host_(host),
      clipboard_(clipboard),
      saveFileChooser_(saveFileChooser),
      saveAsCsv_(new QAction(QStringLiteral("Save as CSV\u2026"), this)),
      dialogs_(dialogs, *this),
      popUps_(popUps, *this)
{
    setWindowTitle(caption);
    setWindowIcon(host.TableWindowIcon());
    countBox->setMaxLength(3);
    countBox->installEventFilter(this);

    // Read-only, but with a caret and keyboard selection, so that the user can move through the
    // rows and pick what to copy. Rows are never wrapped; nothing is undone.
    txbOutput->setReadOnly(true);
    txbOutput->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txbOutput->setLineWrapMode(QPlainTextEdit::NoWrap);
    txbOutput->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txbOutput->setUndoRedoEnabled(false);

    // A menu command rather than a button: the window's buttons and their places stay as they are.
    saveAsCsv_->setShortcut(QKeySequence::Save);
    saveAsCsv_->setShortcutContext(Qt::WindowShortcut);
    addAction(saveAsCsv_);
    connect(saveAsCsv_, &QAction::triggered, this, &TableWindow::SaveAsCsv);
    txbOutput->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(txbOutput, &QWidget::customContextMenuRequested, this, &TableWindow::ShowOutputContextMenu);

    for (QPushButton *button : {cmdDoIt, cmdCopyToClipboard, cmdClear, cmdClose})
        button->setAutoDefault(true);  // Enter presses the button that has the focus

    connect(cmdDoIt, &QPushButton::clicked, this, [this] { DoIt(); });
    connect(cmdCopyToClipboard, &QPushButton::clicked, this, &TableWindow::CopyToClipboard);
    connect(cmdClear, &QPushButton::clicked, this, &TableWindow::ClearOutput);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
    CloseOnEscape(this);  // as Close does
    // Once another window of the program takes the activation, the window's next activation is a
    // real one even if the return from its last message never came; a modal window of any kind
    // (not only the window's own messages) is a message on the way back.
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow *focus) {
        if (focus && focus != windowHandle() && modalDepth_ == 0 && focus->modality() == Qt::NonModal)
            activationFromModalPending_ = false;
    });
}

void TableWindow::FocusCountBox()
{
    countBox->setCursorPosition(static_cast<int>(countBox->text().size()));
    countBox->setFocus(Qt::OtherFocusReason);
}

void TableWindow::Activated()
{
    cmdCopyToClipboard->setEnabled(true);
    FocusCountBox();
}

std::optional<int>
TableWindow::ReadCount(const std::function<std::optional<int>(QString &, Dialogs &)> &reader)
{
    QString text = countBox->text();
    const auto showText = [this, &text] {
        if (countBox->text() != text)
            countBox->setText(text);
    };
    dialogs_.beforeMessage = showText;
    const std::optional<int> count = reader(text, dialogs_);
    dialogs_.beforeMessage = nullptr;
    showText();
    return count;
}

void TableWindow::AppendRun(const std::function<void(QString &output, Dialogs &dialogs)> &run)
{
    QString output = output_;
    dialogs_.beforeMessage = [this, &output] { SetOutput(output); };
    run(output, dialogs_);
    dialogs_.beforeMessage = nullptr;
    SetOutput(output);
}

void TableWindow::SetOutput(const QString &text)
{
    // A "\r\n" split between the two parts would become two line ends.
    const bool appended = !output_.isEmpty() && !output_.endsWith(u'\r') && text.startsWith(output_);
    if (appended) {
        if (text.size() > output_.size()) {
            QTextCursor end(txbOutput->document());
            end.movePosition(QTextCursor::End);
            end.insertText(text.sliced(output_.size()));
        }
    } else if (text != output_) {
        txbOutput->setPlainText(text);
        csvRecords_.clear();  // the rows went with the text they were in
        csvRowCount_ = 0;
    }
    output_ = text;
}

void TableWindow::FinishLayout()
{
    design_ = size();
    PutOnScrollingPage(this);
}

void TableWindow::AddCsvRecords(const std::string &records, std::size_t rowCount)
{
    csvRecords_ += records;
    csvRowCount_ += rowCount;
}

void TableWindow::SaveAsCsv()
{
    const ModalScope scope(*this);
    SaveCsvFile(CsvHeader() + csvRecords_, csvRowCount_ > 0, CsvFileName(), saveFileChooser_, dialogs_);
}

void TableWindow::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    menu.addAction(saveAsCsv_);
    menu.exec(event->globalPos());
}

// The box's own menu (Copy, Select All) with Save as CSV… below it.
void TableWindow::ShowOutputContextMenu(const QPoint &position)
{
    const std::unique_ptr<QMenu> menu(txbOutput->createStandardContextMenu(position));
    menu->addSeparator();
    menu->addAction(saveAsCsv_);
    menu->exec(txbOutput->viewport()->mapToGlobal(position));
}

void TableWindow::CaretToEnd()
{
    QTextCursor caret = txbOutput->textCursor();
    caret.movePosition(QTextCursor::End);
    txbOutput->setTextCursor(caret);
    txbOutput->ensureCursorVisible();
}

void TableWindow::ResetCopyButton()
{
    cmdCopyToClipboard->setText(CopyCaption());
    cmdCopyToClipboard->resize(TwipsToPixels(kNarrowCopyWidth), cmdCopyToClipboard->height());
}

void TableWindow::CopyToClipboard()
{
    if (!output_.isEmpty()) {
        const QString selected = SelectedOutput();
        clipboard_.Clear();
        clipboard_.SetText(selected.isEmpty() ? output_ : selected);
        ResetCopyButton();
        ConfirmCopy(popUps_);
    }
    SetFocusIfPossible(cmdClear);
}

void TableWindow::ClearOutput()
{
    SetOutput({});
    OutputCleared();
    ResetCopyButton();
    FocusCountBox();
}

void TableWindow::OutputMouseUp(Qt::MouseButton button)
{
    if (button != Qt::LeftButton || !cmdCopyToClipboard->isEnabled())
        return;
    if (!txbOutput->textCursor().hasSelection()) {
        ResetCopyButton();
        return;
    }
    cmdCopyToClipboard->setText(QStringLiteral("Copy selected text to clipboard"));
    cmdCopyToClipboard->resize(TwipsToPixels(kWideCopyWidth), cmdCopyToClipboard->height());
}

// The selection as the output text holds it. The box's document has one separator character
// where the text has "\r\n", so a position in block b of the document is b characters further
// on in the text.
QString TableWindow::SelectedOutput() const
{
    const QTextCursor caret = txbOutput->textCursor();
    if (!caret.hasSelection())
        return {};
    const QTextDocument *document = txbOutput->document();
    const auto textIndex = [document](int position) {
        return qsizetype(position) + document->findBlock(position).blockNumber();
    };
    const qsizetype start = textIndex(caret.selectionStart());
    return output_.mid(start, textIndex(caret.selectionEnd()) - start);
}

bool TableWindow::event(QEvent *event)
{
    // The window's own message boxes and pop-up hand the activation back when they close; that
    // is no new activation, which would move the focus the command has just placed.
    if (event->type() == QEvent::WindowDeactivate && QApplication::activeModalWidget())
        activationFromModalPending_ = true;
    if (event->type() == QEvent::WindowActivate) {
        if (modalDepth_ == 0 && !std::exchange(activationFromModalPending_, false))
            Activated();
    }
    return QWidget::event(event);
}

void TableWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Below the main window's output frame where that fits on the screen; checked again once the
    // window system has put its frame around the window.
    if (design_.isValid())
        FitFixedDesign(this, design_);
    else
        KeepInsideScreen(this);
    // Also on being shown: a window system may show the window without activating it. Running
    // the activation twice changes nothing.
    if (!event->spontaneous())
        Activated();
}

bool TableWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == countBox && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (IsEnter(key) && !key->isAutoRepeat()) {
            // Only an Enter that went down in this box counts: Enter on a focused button or a
            // message box may move the focus here before the key comes up.
            if (event->type() == QEvent::KeyPress)
                enterPressed_ = true;
            else if (std::exchange(enterPressed_, false) && cmdDoIt->isEnabled())
                DoIt();
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace vardex
