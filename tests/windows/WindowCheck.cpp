// SPDX-License-Identifier: MIT
#include "WindowCheck.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTableView>
#include <QTest>
#include <QTextEdit>
#include <QTreeView>
#include <algorithm>
#include <cmath>
#include <map>

#include "support/widgets/ProgramStyle.h"

namespace vardex::test {

namespace {

std::string Std(const QString &text) { return text.toStdString(); }

std::string Size(const QSize &s) { return std::to_string(s.width()) + " x " + std::to_string(s.height()); }

std::string Rect(const QRect &r)
{
    return "(" + std::to_string(r.x()) + ", " + std::to_string(r.y()) + ") " + Size(r.size());
}

// "what needs needed, has room" when it does not fit.
void Needs(std::vector<std::string> &found, const std::string &what, QSize needed, QSize room)
{
    if (needed.width() > room.width() || needed.height() > room.height())
        found.push_back(what + " needs " + Size(needed) + ", has " + Size(room));
}
void Needs(std::vector<std::string> &found, const std::string &what, int needed, int room)
{
    if (needed > room)
        found.push_back(what + " needs " + std::to_string(needed) + " pixels, has " + std::to_string(room));
}

// Widgets whose children are their own parts, not controls of the window; and a widget of the
// window's own that takes the focus by Tab (a drawn calendar page), which is a control whole.
bool IsComposite(const QWidget *w)
{
    const bool drawnControl =
        (w->focusPolicy() & Qt::TabFocus) && !qobject_cast<const QAbstractScrollArea *>(w);
    return drawnControl || qobject_cast<const QComboBox *>(w) || qobject_cast<const QAbstractSpinBox *>(w) ||
           qobject_cast<const QAbstractItemView *>(w) || qobject_cast<const QPlainTextEdit *>(w) ||
           qobject_cast<const QTextEdit *>(w) || qobject_cast<const QGraphicsView *>(w) ||
           qobject_cast<const QMenuBar *>(w) || qobject_cast<const QAbstractButton *>(w) ||
           qobject_cast<const QLineEdit *>(w);
}

// The controls of window, shown, depth first; containers (plain widgets, frames, scroll areas)
// are entered, not listed, except frames, which have a caption.
std::vector<QWidget *> Controls(const QWidget *window, const QWidget *parent = nullptr)
{
    std::vector<QWidget *> controls;
    for (QWidget *w : (parent ? parent : window)->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (w->isWindow() || !w->isVisibleTo(window))
            continue;
        const bool container = !IsComposite(w) && !qobject_cast<QLabel *>(w);
        if (!container || qobject_cast<QGroupBox *>(w))
            controls.push_back(w);
        if (container)
            std::ranges::copy(Controls(window, w), std::back_inserter(controls));
    }
    return controls;
}

// The part of w's rectangle (in window coordinates) its ancestors leave visible. With
// untilScrolling, the clipping stops at a scroll area's viewport: what is scrolled out of view
// can be scrolled into it.
QRect ClippedRect(const QWidget *w, const QWidget *window, bool untilScrolling,
                  const QWidget **clipper = nullptr)
{
    QRect rect(w->mapTo(window, QPoint(0, 0)), w->size());
    const QWidget *cutBy = nullptr;  // the innermost ancestor that cuts it
    for (const QWidget *p = w->parentWidget(); p; p = p == window ? nullptr : p->parentWidget()) {
        if (const auto *area = qobject_cast<const QScrollArea *>(p->parentWidget());
            untilScrolling && area && area->viewport() == p)
            break;
        const QRect parentRect(p->mapTo(window, QPoint(0, 0)), p->size());
        cutBy = cutBy || parentRect.contains(rect) ? cutBy : p;
        rect &= parentRect;
    }
    if (clipper)
        *clipper = cutBy;
    return rect;
}

QString PlainCaption(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("&(.?)")), "\\1");
}

bool IsOption(const QWidget *w)
{
    return qobject_cast<const QRadioButton *>(w) || qobject_cast<const QCheckBox *>(w);
}

// What shows of a control: an option button's or check box's circle or box and caption, else all.
QSize Face(const QWidget *w) { return IsOption(w) ? w->size().boundedTo(w->sizeHint()) : w->size(); }

// The room a label has for its text, inside its frame and margin.
QRect LabelRoom(const QLabel *label)
{
    const int m = label->margin();
    return label->contentsRect().adjusted(m, m, -m, -m);
}

bool IsRich(const QLabel *label)
{
    return label->textFormat() == Qt::RichText ||
           (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
}

// Where a label's text is drawn, in the label's coordinates.
QRect LabelTextRect(const QLabel *label)
{
    const QRect contents = LabelRoom(label);
    if (label->wordWrap() || IsRich(label))
        return contents;
    const QSize text = label->fontMetrics().size(Qt::TextShowMnemonic, label->text());
    return QStyle::alignedRect(label->layoutDirection(), label->alignment(), text.boundedTo(contents.size()),
                               contents);
}

// The part of a control that must not be covered: a label's text, any other control whole.
QRect ContentRect(const QWidget *w, const QWidget *window)
{
    const QPoint origin = w->mapTo(window, QPoint(0, 0));
    const auto *label = qobject_cast<const QLabel *>(w);
    return ClippedRect(w, window, false) &
           (label ? LabelTextRect(label).translated(origin) : QRect(origin, Face(w)));
}

void CheckLabel(const QLabel *label, std::vector<std::string> &found)
{
    if (label->text().isEmpty())
        return;
    const QRect room = LabelRoom(label);
    if (label->wordWrap())
        return Needs(found, Describe(label) + ": wrapped text",
                     QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width())),
                     label->size());
    const QSize needed =
        IsRich(label) ? label->sizeHint() - (label->size() - room.size())
                      : label->fontMetrics().size(Qt::TextShowMnemonic | Qt::TextExpandTabs, label->text());
    Needs(found, Describe(label) + ": text", needed, room.size());
}

void CheckButton(const QAbstractButton *button, std::vector<std::string> &found)
{
    if (button->text().isEmpty())
        return;
    const QFontMetrics metrics = button->fontMetrics();
    constexpr int kPadding = 4;  // each side, between the caption and the button's edge
    const QSize needed =
        IsOption(button)
            ? button->sizeHint()
            : QSize(metrics.horizontalAdvance(PlainCaption(button->text())) + 2 * kPadding, metrics.height());
    Needs(found, Describe(button) + ": caption", needed, button->size());
}

void CheckFrame(const QGroupBox *frame, std::vector<std::string> &found)
{
    constexpr int kCaptionRoom = 16;  // the caption's inset and padding on the border line
    if (!frame->title().isEmpty())
        Needs(found, Describe(frame) + ": caption",
              frame->fontMetrics().horizontalAdvance(PlainCaption(frame->title())) + kCaptionRoom,
              frame->width());
}

void CheckList(const QComboBox *list, std::vector<std::string> &found)
{
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    option.frame = list->hasFrame();
    const QRect field =
        list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
    constexpr int kTextMargin = 2;  // each side of the entry in the field
    for (int i = 0; i < list->count(); ++i)
        Needs(found, Describe(list) + ": entry \"" + Std(list->itemText(i)) + "\"",
              list->fontMetrics().horizontalAdvance(list->itemText(i)) + 2 * kTextMargin, field.width());
}

void CheckBox(const QLineEdit *box, std::vector<std::string> &found)
{
    const QString shown = box->text().isEmpty() ? box->placeholderText() : box->displayText();
    if (shown.isEmpty())
        return;
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = box->rect();
    option.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    constexpr int kHorizontalMargin = 2;  // QLineEdit's own, each side
    const QMargins margins = box->textMargins();
    Needs(found, Describe(box) + ": text \"" + Std(shown) + "\"", box->fontMetrics().horizontalAdvance(shown),
          contents.width() - margins.left() - margins.right() - 2 * kHorizontalMargin);
}

void CheckItemView(const QAbstractItemView *view, std::vector<std::string> &found)
{
    const QAbstractItemModel *model = view->model();
    if (!model)
        return;
    const QHeaderView *header = nullptr;
    if (const auto *table = qobject_cast<const QTableView *>(view))
        header = table->horizontalHeader();
    else if (const auto *tree = qobject_cast<const QTreeView *>(view))
        header = tree->header();
    // A list has one column, as wide as its viewport.
    for (int column = 0; column < (header ? model->columnCount() : 1); ++column) {
        if (header && header->isSectionHidden(column))
            continue;
        const std::string name = Describe(view) + ": column " + std::to_string(column + 1);
        // sizeHintForColumn is public here, protected in the table view.
        Needs(found, name, view->sizeHintForColumn(column),
              header ? header->sectionSize(column) : view->viewport()->width());
        if (!header || header->isHidden())
            continue;
        const QString title = model->headerData(column, Qt::Horizontal).toString();
        Needs(found, Describe(view) + ": header \"" + Std(title) + "\"", header->sectionSizeHint(column),
              header->sectionSize(column));
        bool filled = false;
        for (int row = 0; row < model->rowCount() && !filled; ++row)
            filled = !model->data(model->index(row, column)).toString().isEmpty();
        if (filled && title.isEmpty())
            found.push_back(name + " has no header");
    }
}

void CheckChart(const QGraphicsView *view, std::vector<std::string> &found)
{
    for (const QGraphicsItem *item : view->scene() ? view->scene()->items() : QList<QGraphicsItem *>()) {
        if (!item->isVisible())
            continue;
        QString text;
        if (const auto *rich = dynamic_cast<const QGraphicsTextItem *>(item))
            text = rich->toPlainText();
        else if (const auto *simple = dynamic_cast<const QGraphicsSimpleTextItem *>(item))
            text = simple->text();
        if (text.endsWith(QStringLiteral("...")) || text.contains(QChar(0x2026)))
            found.push_back(Describe(view) + ": label cut to \"" + Std(text) + "\"");
    }
}

// Drives a key press as the window system delivers it: to the open pop-up, or to the focus.
void PressKey(QWidget *window, Qt::Key key)
{
    QWidget *popUp = QApplication::activePopupWidget(), *focus = QApplication::focusWidget();
    QTest::keyClick(popUp ? popUp : focus ? focus : window, key);
    QApplication::processEvents();
}

bool Holds(const std::vector<QWidget *> &v, const QWidget *w) { return std::ranges::count(v, w) > 0; }

// The control a focused widget belongs to (the list a list's own box is part of).
QWidget *ControlOf(QWidget *focus, const std::vector<QWidget *> &controls)
{
    for (QWidget *w = focus; w; w = w->parentWidget())
        if (Holds(controls, w))
            return w;
    return focus;
}

bool TakesTab(const QWidget *w, const QWidget *window)
{
    return (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(window) && !w->focusProxy();
}

// An option button that is not its group's selected button, while the group has one: the group
// is its button group, or else the auto-exclusive buttons beside it.
bool IsUnselectedOption(QWidget *w)
{
    auto *option = qobject_cast<QRadioButton *>(w);
    if (!option || option->isChecked())
        return false;
    if (const QButtonGroup *group = option->group())
        return std::ranges::any_of(group->buttons(), [](const QAbstractButton *b) { return b->isChecked(); });
    return option->autoExclusive() && option->parentWidget() &&
           std::ranges::any_of(
               option->parentWidget()->findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly),
               [](const QAbstractButton *b) { return b->autoExclusive() && b->isChecked() && !b->group(); });
}

QImage Picture(QWidget *w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// How many pixels of the focused picture stand out 3:1 or more from the unfocused one.
int StandingOut(const QImage &focused, const QImage &unfocused)
{
    if (focused.size() != unfocused.size())
        return 0;
    int count = 0;
    for (int y = 0; y < focused.height(); ++y) {
        const auto *a = reinterpret_cast<const QRgb *>(focused.constScanLine(y));
        const auto *b = reinterpret_cast<const QRgb *>(unfocused.constScanLine(y));
        for (int x = 0; x < focused.width(); ++x)
            count += a[x] != b[x] && ContrastRatio(QColor::fromRgb(a[x]), QColor::fromRgb(b[x])) >= 3.0;
    }
    return count;
}

// The pixels of a ring one pixel wide round the control's visible part: its whole area, or for
// option buttons and check boxes the circle or box and the caption.
int RingPixels(const QWidget *w, qreal scale)
{
    const QSize size = Face(w);
    const auto width = std::lround(size.width() * scale), height = std::lround(size.height() * scale);
    return static_cast<int>(2 * (width + height) - 4);
}

}  // namespace

// Makes window the active window. The offscreen platform keeps a hidden window as its focus
// window, so that showing it again activates nothing and Qt's widgets see no active window;
// the widgets are then told directly.
bool Activate(QWidget *window)
{
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return false;
    if (!window->isActiveWindow())
        QApplication::setActiveWindow(window);
    return window->isActiveWindow();
}

std::string FindingLines(const std::vector<std::string> &found)
{
    std::string text;
    for (const std::string &line : found)
        text += "\n  " + line;
    return text;
}

std::string Describe(const QWidget *w)
{
    if (!w)
        return "nothing";
    QString name = w->accessibleName();
    if (name.isEmpty()) {
        if (const auto *button = qobject_cast<const QAbstractButton *>(w))
            name = PlainCaption(button->text());
        else if (const auto *label = qobject_cast<const QLabel *>(w))
            name = label->text().left(40);
        else if (const auto *frame = qobject_cast<const QGroupBox *>(w))
            name = frame->title();
        else if (w->isWindow())
            name = w->windowTitle();
    }
    if (name.isEmpty())
        name = w->accessibleDescription();
    const std::string kind = w->metaObject()->className();
    return name.isEmpty() ? kind : kind + " \"" + Std(name) + "\"";
}

std::vector<std::string> CheckFitsScreen(QWidget *window, bool designSize)
{
    std::vector<std::string> found;
    const QScreen *screen = window->screen();
    if (!screen)
        return {"no screen"};
    const QRect area = screen->availableGeometry(), frame = window->frameGeometry();
    if (designSize && frame.size().boundedTo(area.size()) != frame.size()) {  // larger than the screen
        if (!area.contains(frame.topLeft()))
            found.push_back("its corner " + Rect(frame) + " lies off the screen " + Rect(area));
    } else if (!area.contains(frame)) {
        found.push_back("the window " + Rect(frame) + " does not lie inside the screen " + Rect(area));
    }
    if (!designSize && window->minimumSize().boundedTo(area.size()) != window->minimumSize())
        found.push_back("its minimum size " + Size(window->minimumSize()) + " is larger than the screen " +
                        Size(area.size()));
    const std::vector<QWidget *> controls = Controls(window);
    for (QWidget *control : controls) {
        const QWidget *clipper = nullptr;
        const QRect reachable = ClippedRect(control, window, true, &clipper);
        const QRect whole(control->mapTo(window, QPoint(0, 0)), control->size());
        if (qobject_cast<QAbstractButton *>(control) && reachable != whole)
            found.push_back(Describe(control) + " is cut by " + Describe(clipper) + ": " + Rect(reachable) +
                            " of " + Rect(whole));
    }
    // Nothing draws over another control's text or face.
    for (size_t i = 0; i < controls.size(); ++i) {
        for (size_t j = i + 1; j < controls.size(); ++j) {
            QWidget *a = controls[i], *b = controls[j];
            if (a->isAncestorOf(b) || b->isAncestorOf(a) || qobject_cast<QGroupBox *>(a) ||
                qobject_cast<QGroupBox *>(b))
                continue;
            const QRect overlap = ContentRect(a, window) & ContentRect(b, window);
            if (!overlap.isEmpty())
                found.push_back(Describe(a) + " and " + Describe(b) + " overlap at " + Rect(overlap));
        }
    }
    return found;
}

std::vector<std::string> CheckTextsWhole(QWidget *window)
{
    std::vector<std::string> found;
    for (QWidget *control : Controls(window)) {
        if (const auto *label = qobject_cast<const QLabel *>(control))
            CheckLabel(label, found);
        else if (const auto *button = qobject_cast<const QAbstractButton *>(control))
            CheckButton(button, found);
        else if (const auto *frame = qobject_cast<const QGroupBox *>(control))
            CheckFrame(frame, found);
        else if (const auto *list = qobject_cast<const QComboBox *>(control))
            CheckList(list, found);
        else if (const auto *box = qobject_cast<const QLineEdit *>(control))
            CheckBox(box, found);
        else if (const auto *spin = qobject_cast<const QAbstractSpinBox *>(control))
            Needs(found, Describe(spin) + ": its values", spin->minimumSizeHint().width(), spin->width());
        else if (const auto *view = qobject_cast<const QAbstractItemView *>(control))
            CheckItemView(view, found);
        else if (const auto *chart = qobject_cast<const QGraphicsView *>(control))
            CheckChart(chart, found);
        else if (const auto *bar = qobject_cast<const QMenuBar *>(control))
            Needs(found, Describe(bar) + ": menu titles", bar->sizeHint().width(), bar->width());
    }
    return found;
}

std::vector<std::string> CheckTabCycle(QWidget *window)
{
    std::vector<std::string> found;
    if (!Activate(window))
        return {"the window does not become active"};
    const std::vector<QWidget *> controls = Controls(window);
    std::vector<QWidget *> expected;
    std::ranges::copy_if(controls, std::back_inserter(expected),
                         [&](QWidget *w) { return TakesTab(w, window) && !IsUnselectedOption(w); });
    if (expected.empty())
        return found;

    // From the first control of the focus chain.
    QWidget *first = nullptr;
    for (QWidget *w = window->nextInFocusChain(); w != window && !first; w = w->nextInFocusChain())
        first = Holds(expected, ControlOf(w, controls)) ? ControlOf(w, controls) : nullptr;
    first = first ? first : expected.front();
    first->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();

    std::map<QWidget *, QImage> focusedPicture{{first, Picture(first)}}, unfocusedPicture;
    std::vector<QWidget *> visited{first};
    for (size_t step = 0; step < expected.size() * 2 + 2; ++step) {
        QWidget *before = visited.back();
        PressKey(window, Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        if (!focus || focus->window() != window)  // the findings so far are none
            return {"Tab from " + Describe(before) + " leaves the window for " + Describe(focus)};
        QWidget *now = ControlOf(focus, controls);
        if (!unfocusedPicture.contains(before) && now != before)
            unfocusedPicture[before] = Picture(before);
        if (now == first)
            break;
        if (now == before)
            return {"Tab stays in " + Describe(now) + ": a keyboard trap"};
        if (Holds(visited, now))
            return {"Tab comes back to " + Describe(now) + " without reaching " + Describe(first) +
                    " again: a keyboard trap"};
        visited.push_back(now);
        focusedPicture[now] = Picture(now);
    }
    if (QApplication::focusWidget() == nullptr || ControlOf(QApplication::focusWidget(), controls) != first)
        found.push_back("Tab does not come back to " + Describe(first));

    for (QWidget *control : expected)
        if (!Holds(visited, control))
            found.push_back("Tab never reaches " + Describe(control));
    for (QWidget *control : visited) {
        if (IsUnselectedOption(control))
            found.push_back("Tab lands on " + Describe(control) + ", not on its group's selected option");
        else if (!Holds(expected, control))
            found.push_back("Tab reaches " + Describe(control) + ", which is not a control of the window");
        if (!focusedPicture.contains(control) || !unfocusedPicture.contains(control))
            continue;
        const int wanted = RingPixels(control, focusedPicture[control].devicePixelRatio());
        const int standing = StandingOut(focusedPicture[control], unfocusedPicture[control]);
        if (standing < wanted)
            found.push_back(Describe(control) + ": the focus mark is too faint (" + std::to_string(standing) +
                            " pixels at 3:1, " + std::to_string(wanted) + " wanted)");
    }
    return found;
}

std::vector<std::string> CheckNames(QWidget *window)
{
    std::vector<std::string> found;
    for (QWidget *control : Controls(window)) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
        if (!TakesTab(control, window) || !accessible)
            continue;
        const QString description = accessible->text(QAccessible::Description);
        // A list's name on Linux is its entry; its description says what the list is.
        const bool list = qobject_cast<QComboBox *>(control) != nullptr;
        if ((list ? description : accessible->text(QAccessible::Name) + description).trimmed().isEmpty())
            found.push_back(Describe(control) + " has no name for a screen reader");
    }
    return found;
}

std::vector<std::string> CheckEscape(QWidget *window, const WindowCheckOptions &options)
{
    std::vector<std::string> found;
    if (!Activate(window))
        return {"the window does not become active"};
    const auto escapeClosesPopUp = [&](const std::string &what, QWidget *popUp) {
        if (!popUp || !popUp->isVisible())
            return found.push_back(what + " does not open");
        PressKey(window, Qt::Key_Escape);
        if (popUp->isVisible())
            found.push_back("Esc leaves " + what + " open");
        if (!window->isVisible()) {
            found.push_back("Esc with " + what + " open closes the window");
            window->show();
            (void)Activate(window);
        }
    };
    for (QWidget *control : Controls(window)) {
        auto *list = qobject_cast<QComboBox *>(control);
        if (list && list->isEnabled() && list->count() > 0) {
            list->setFocus(Qt::OtherFocusReason);
            list->showPopup();
            QApplication::processEvents();
            escapeClosesPopUp(Describe(list) + "'s drop-down", list->view()->window());
            if (list->isEditable() && list->completer()) {
                // A letter that the first entry holds brings the suggestions up.
                QLineEdit *box = list->lineEdit();
                const QString before = box->text();
                box->setFocus(Qt::OtherFocusReason);
                box->selectAll();
                QTest::keyClicks(box, list->itemText(0).left(1));
                QApplication::processEvents();
                QAbstractItemView *suggestions = list->completer()->popup();
                if (suggestions && suggestions->isVisible()) {
                    std::vector<std::string> entries;
                    CheckItemView(suggestions, entries);
                    for (const std::string &entry : entries)
                        found.push_back("suggestions of " + Describe(list) + ": " + entry);
                }
                escapeClosesPopUp(Describe(list) + "'s suggestions", suggestions);
                box->setText(before);
            }
        }
        if (auto *bar = qobject_cast<QMenuBar *>(control); bar && !bar->actions().isEmpty()) {
            bar->setActiveAction(bar->actions().constFirst());
            QApplication::processEvents();
            escapeClosesPopUp(Describe(bar) + "'s first menu", bar->actions().constFirst()->menu());
            PressKey(window, Qt::Key_Escape);  // the bar itself lets go of the keys
        }
    }
    if (options.closesOnEscape) {
        if (QWidget *focus = QApplication::focusWidget(); !focus || focus->window() != window)
            window->setFocus();
        PressKey(window, Qt::Key_Escape);
        if (window->isVisible())
            found.push_back("Esc does not close the window");
        if (options.showAgain) {
            window->show();
            (void)Activate(window);
        }
    }
    return found;
}

std::vector<std::string> CheckWindow(QWidget *window, const WindowCheckOptions &options)
{
    std::vector<std::string> found;
    if (!window || !window->isVisible())
        return {"the window is not shown"};
    QApplication::processEvents();
    // In this order: the Tab and Esc checks move the focus and close pop-ups.
    for (const std::vector<std::string> &more :
         {CheckFitsScreen(window, options.designSize), CheckTextsWhole(window), CheckTabCycle(window),
          CheckNames(window), CheckEscape(window, options)})
        found.insert(found.end(), more.begin(), more.end());
    return found;
}

}  // namespace vardex::test
