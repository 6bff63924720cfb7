// SPDX-License-Identifier: MIT
#include "TextViewer.h"

#include <QCloseEvent>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringDecoder>
#include <QTextCursor>
#include <QTimer>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <system_error>

#include "EscapeCloses.h"
#include "Geometry.h"
#include "MouseUpTextEdit.h"
#include "input/TextUtils.h"
#include "seams/Clipboard.h"
#include "seams/Dialogs.h"

namespace vardex {

namespace {

const QString kHeadNote =
    QStringLiteral("NOTE: This file is too large to display entirely in this textbox.") + kCrLf +
    QStringLiteral("To view the entire contents of the file load it into NotePad,") + kCrLf +
    QStringLiteral("WordPad or some other text editor.") + kCrLf + kCrLf;
const QString kTailNote = QStringLiteral("NOTE: Entire contents of file have not been displayed.") + kCrLf;

const QString kCopyCaption = QStringLiteral("Copy to clipboard");
const QString kCopySelectionCaption = QStringLiteral("Copy selected text to clipboard");

// Geometry in twips.
constexpr int kMinWidth = 8000;
constexpr int kMinHeight = 2000;
constexpr int kBoxWidthAllowance = 450;    // window width - text box width
constexpr int kBoxHeightAllowance = 1200;  // window height - text box height
constexpr int kBoxLeft = 225;              // with the allowance above, equal margins left and right
constexpr int kBoxTop = 225;
constexpr int kButtonGap = 100;  // between the text box and the buttons
constexpr int kButtonHeight = 375;
constexpr int kCopyWidth = 3270;
constexpr int kCopySelectionWidth = 4425;
constexpr int kCloseWidth = 1500;
constexpr int kInitialWidth = 9600;
constexpr int kInitialHeight = 7200;

// UTF-8 needs at most 3 bytes for each UTF-16 unit (4 for a surrogate pair), so a file longer
// than this many bytes (a byte-order mark besides) holds more text than the viewer shows; only
// this much is read, however large the file.
constexpr qsizetype kReadLimit = 3 * static_cast<qsizetype>(kViewerCapacity) + 3;

struct FileText {
    QString text;
    int errorNumber = 0;  // errno of the failure, 0 when the file was read
    QString errorDescription;
};

FileText Failure(int errorNumber)
{
    return {QString(), errorNumber, QString::fromStdString(std::generic_category().message(errorNumber))};
}

// The file's text, at most kReadLimit bytes of it, in the encoding its byte-order mark names
// (UTF-8, UTF-16 or UTF-32), UTF-8 without one. Only a regular file is read: opening a FIFO waits
// for a writer, a device may never end, and neither is a help text.
FileText ReadFileText(const QString &path)
{
    if (path.isEmpty())
        return Failure(ENOENT);
    errno = 0;
    struct Descriptor {
        int value;
        ~Descriptor()
        {
            if (value >= 0)
                ::close(value);
        }
    } const file{::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    const int descriptor = file.value;
    if (descriptor < 0)
        return Failure(errno != 0 ? errno : EIO);
    struct stat status {};
    if (::fstat(descriptor, &status) != 0)
        return Failure(errno != 0 ? errno : EIO);
    if (S_ISDIR(status.st_mode))
        return Failure(EISDIR);
    if (!S_ISREG(status.st_mode))
        return {QString(), EINVAL, QStringLiteral("Not a regular file.")};

    QByteArray bytes(kReadLimit, Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < kReadLimit) {
        const ssize_t got =
            ::read(descriptor, bytes.data() + filled, static_cast<size_t>(kReadLimit - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return Failure(errno != 0 ? errno : EIO);
        if (got == 0)
            break;
        filled += got;
    }
    bytes.truncate(filled);

    const auto encoding = QStringConverter::encodingForData(bytes);     // from a byte-order mark
    QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));  // the mark itself is skipped
    return {decoder.decode(bytes), 0, QString()};
}

}  // namespace

QString TextForViewer(const QString &text)
{
    if (text.size() < kViewerCapacity)
        return text;
    const qsizetype kept = kViewerCapacity - kHeadNote.size() - 2 * kCrLf.size() - kTailNote.size();
    return kHeadNote + text.left(kept) + kCrLf + kCrLf + kTailNote;
}

TextViewer::TextViewer(Dialogs &dialogs, Clipboard &clipboard, QWidget *parent)
    : QWidget(parent, Qt::Window),
      txbText1(new MouseUpTextEdit(this, [this](Qt::MouseButton) { txbText1_MouseUp(); })),
      cmdCopyToClipboard(new QPushButton(kCopyCaption, this)),
      cmdClose(new QPushButton(QStringLiteral("Close"), this)),
      dialogs_(dialogs),
      clipboard_(clipboard)
{
    setWindowTitle(QStringLiteral("Viewing"));
    QFont font = this->font();
    font.setFamily(QStringLiteral("Arial"));
    setFont(font);

    for (QPushButton *button : {cmdCopyToClipboard, cmdClose}) {
        QFont buttonFont = button->font();
        buttonFont.setFamily(QStringLiteral("Tahoma"));
        button->setFont(buttonFont);
        button->setAutoDefault(false);
    }
    cmdCopyToClipboard->resize(SizeToPixels(kCopyWidth, kButtonHeight));
    cmdClose->resize(SizeToPixels(kCloseWidth, kButtonHeight));

    txbText1->setLineWrapMode(QPlainTextEdit::NoWrap);
    txbText1->move(TopLeftToPixels(kBoxTop, kBoxLeft));

    setMinimumSize(SizeToPixels(kMinWidth, kMinHeight));
    resize(SizeToPixels(kInitialWidth, kInitialHeight));

    connect(cmdCopyToClipboard, &QPushButton::clicked, this, &TextViewer::cmdCopyToClipboard_Click);
    connect(cmdClose, &QPushButton::clicked, this, &TextViewer::cmdClose_Click);
    CloseOnEscape(this, [this] { cmdClose_Click(); });  // as Close does
}

void TextViewer::Form_Activate()
{
    if (blnFileDisplayed || activating_ || !isVisible())
        return;
    activating_ = true;

    cmdClose->setText(QStringLiteral("Close"));
    txbText1->clear();
    SetCopyButton(kCopyCaption, kCopyWidth);
    cmdCopyToClipboard->setVisible(!blnCopyToClipboardInvisible);
    if (!blnCopyToClipboardInvisible)
        cmdCopyToClipboard->setEnabled(true);
    txbText1->setReadOnly(true);
    Form_Resize();

    FileText file = ReadFileText(strFilename);
    if (file.errorNumber == 0 && file.text.isEmpty()) {
        dialogs_.ShowMessage(QStringLiteral("File is empty!"), QStringLiteral("Error"),
                             MessageIcon::Exclamation);
        hide();
    } else if (file.errorNumber != 0) {
        dialogs_.ShowMessage(QStringLiteral("Error ") + QString::number(file.errorNumber) +
                                 QStringLiteral(".  ") + file.errorDescription,
                             QStringLiteral("Error reading file"), MessageIcon::Exclamation);
        hide();
    } else {
        txbText1->setPlainText(TextForViewer(file.text));
        file = {};
        txbText1->moveCursor(QTextCursor::Start);
        txbText1->viewport()->update();
        blnFileDisplayed = true;
    }
    activating_ = false;
}

void TextViewer::Form_Resize()
{
    if (isMinimized())
        return;
    const QSize minimum = SizeToPixels(kMinWidth, kMinHeight);
    if (width() < minimum.width() || height() < minimum.height())
        resize(std::max(width(), minimum.width()), std::max(height(), minimum.height()));
    txbText1->resize(width() - TwipsToPixels(kBoxWidthAllowance),
                     height() - TwipsToPixels(kBoxHeightAllowance));
    const int buttonsTop = txbText1->y() + txbText1->height() + TwipsToPixels(kButtonGap);
    cmdCopyToClipboard->move(txbText1->x(), buttonsTop);
    cmdClose->move(txbText1->x() + txbText1->width() - cmdClose->width(), buttonsTop);
}

void TextViewer::txbText1_MouseUp()
{
    if (cmdCopyToClipboard->isHidden() || !cmdCopyToClipboard->isEnabled())
        return;
    if (txbText1->textCursor().hasSelection())
        SetCopyButton(kCopySelectionCaption, kCopySelectionWidth);
    else
        SetCopyButton(kCopyCaption, kCopyWidth);
}

void TextViewer::cmdCopyToClipboard_Click()
{
    if (!txbText1->document()->isEmpty()) {
        const QTextCursor cursor = txbText1->textCursor();
        QString text = cursor.hasSelection() ? cursor.selectedText() : txbText1->document()->toRawText();
        // The document separates lines with Unicode separators; the clipboard wants line feeds.
        text.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
        clipboard_.Clear();
        clipboard_.SetText(text);
        SetCopyButton(kCopyCaption, kCopyWidth);
    }
    cmdClose->setFocus(Qt::OtherFocusReason);
}

void TextViewer::cmdClose_Click() { hide(); }

void TextViewer::SetCopyButton(const QString &caption, int widthTwips)
{
    cmdCopyToClipboard->setText(caption);
    cmdCopyToClipboard->resize(TwipsToPixels(widthTwips), cmdCopyToClipboard->height());
}

bool TextViewer::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return handled;
}

void TextViewer::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    QTimer::singleShot(0, this, &TextViewer::Form_Activate);
}

void TextViewer::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void TextViewer::closeEvent(QCloseEvent *event)
{
    blnFileDisplayed = false;
    cmdClose_Click();
    event->accept();
}

}  // namespace vardex
