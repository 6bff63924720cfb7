// SPDX-License-Identifier: MIT
#include "ControlUtils.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextEdit>
#include <QWidget>

#include "Geometry.h"
#include "ScreenFit.h"

namespace vardex {

namespace {

enum class Kind { Label, Frame, CheckBox, OptionButton, Button, List, TextBox, Other };

Kind KindOf(const QWidget *w)
{
    if (qobject_cast<const QLabel *>(w))
        return Kind::Label;
    if (qobject_cast<const QGroupBox *>(w))
        return Kind::Frame;
    if (qobject_cast<const QCheckBox *>(w))
        return Kind::CheckBox;
    if (qobject_cast<const QRadioButton *>(w))
        return Kind::OptionButton;
    if (qobject_cast<const QPushButton *>(w))
        return Kind::Button;
    if (qobject_cast<const QComboBox *>(w))
        return Kind::List;
    if (qobject_cast<const QLineEdit *>(w) || qobject_cast<const QPlainTextEdit *>(w) ||
        qobject_cast<const QTextEdit *>(w))
        return Kind::TextBox;
    return Kind::Other;
}

// Widgets whose children are their own parts, not controls of the window.
bool IsComposite(const QWidget *w)
{
    const Kind kind = KindOf(w);
    if (kind != Kind::Frame && kind != Kind::Other)
        return true;
    return qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QAbstractItemView *>(w);
}

// Calls visit(control, insideFrame) for each control below parent, depth first in the order of
// the children, which is the order in which the window's code created them.
template <typename Visit> void ForEachControl(QWidget *parent, bool insideFrame, const Visit &visit)
{
    for (QObject *child : parent->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (!w || w->isWindow())
            continue;
        visit(w, insideFrame);
        if (!IsComposite(w))
            ForEachControl(w, insideFrame || KindOf(w) == Kind::Frame, visit);
    }
}

bool TakesColours(Kind kind)
{
    return kind == Kind::Label || kind == Kind::Frame || kind == Kind::CheckBox || kind == Kind::OptionButton;
}

void SetBackground(QWidget *w, const QColor &colour)
{
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(w->backgroundRole(), colour);  // buttons fill with QPalette::Button
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

}  // namespace

QColor FromBgr(uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

uint32_t ToBgr(const QColor &colour)
{
    return static_cast<uint32_t>(colour.red()) | static_cast<uint32_t>(colour.green()) << 8 |
           static_cast<uint32_t>(colour.blue()) << 16;
}

void KeepOnScreen(QWidget *window)
{
    if (!window || !window->screen())
        return;
    // Before the window system has framed the window, its frame is the one it will most likely get:
    // a window placed without it would be pushed below the screen by its title bar.
    const QRect frame = QRect(window->pos(), window->size().grownBy(WindowFrameMargins(window)));
    const QPoint inside = PlaceInside(frame, window->screen()->availableGeometry());
    if (inside != frame.topLeft())
        window->move(window->pos() + (inside - frame.topLeft()));
}

void TabToSelectedOption(QButtonGroup *group)
{
    const QList<QAbstractButton *> buttons = group->buttons();
    if (buttons.isEmpty())
        return;
    const QAbstractButton *stop = group->checkedButton() ? group->checkedButton() : buttons.front();
    for (QAbstractButton *button : buttons) {
        const Qt::FocusPolicy policy = button == stop
                                           ? Qt::FocusPolicy(button->focusPolicy() | Qt::TabFocus)
                                           : Qt::FocusPolicy(button->focusPolicy() & ~Qt::TabFocus);
        if (button->focusPolicy() != policy)
            button->setFocusPolicy(policy);
    }
    if (!group->property("vardexTabFollows").toBool()) {
        group->setProperty("vardexTabFollows", true);
        QObject::connect(group, &QButtonGroup::buttonToggled, group, [group] { TabToSelectedOption(group); });
    }
}

bool SetFocusIfPossible(QWidget *button)
{
    if (!button || !button->isVisible() || !button->isEnabled())
        return false;
    button->setFocus(Qt::OtherFocusReason);
    return true;
}

void SetFormBackColor(QWidget *window, uint32_t bgr)
{
    if (!window)
        return;
    const QColor colour = FromBgr(bgr);
    SetBackground(window, colour);
    ForEachControl(window, false, [&](QWidget *w, bool) {
        if (TakesColours(KindOf(w)))
            SetBackground(w, colour);
    });
}

void SetControlsForeColor(QWidget *window, uint32_t bgr)
{
    if (!window)
        return;
    const QColor colour = FromBgr(bgr);
    ForEachControl(window, false, [&](QWidget *w, bool) {
        if (!TakesColours(KindOf(w)))
            return;
        QPalette palette = w->palette();
        palette.setColor(QPalette::Active, QPalette::WindowText, colour);
        palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
        w->setPalette(palette);
    });
}

void SetControlsFontName(QWidget *window, const QString &family, bool includeTextBoxes)
{
    if (!window)
        return;
    const auto changes = [&](const QWidget *w) {
        const Kind kind = KindOf(w);
        return kind != Kind::Other && (kind != Kind::TextBox || includeTextBoxes);
    };
    // A frame passes its font on to whatever inside has not set one itself. Pin the family of
    // everything in a frame that is to stay as it is, before any frame changes.
    ForEachControl(window, false, [&](QWidget *w, bool insideFrame) {
        if (insideFrame && !changes(w)) {
            QFont font = w->font();
            font.setFamily(font.family());
            w->setFont(font);
        }
    });
    ForEachControl(window, false, [&](QWidget *w, bool) {
        if (changes(w)) {
            QFont font = w->font();
            font.setFamily(family);
            w->setFont(font);
        }
    });
}

void SetTabOrder(std::initializer_list<QWidget *> order)
{
    QWidget *previous = nullptr;
    for (QWidget *control : order) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

void MakeMessageLine(QLabel *label)
{
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setMinimumHeight(label->fontMetrics().height());
}

QPushButton *MakeToolButton(const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setAutoDefault(true);
    return button;
}

QLabel *MakeCaption(const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

}  // namespace vardex
