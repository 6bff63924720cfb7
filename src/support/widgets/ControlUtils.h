// SPDX-License-Identifier: MIT
// Focus, colours and fonts applied to every control of a window at once, so that a window's
// load code can give it one look without naming each control.
//
// The controls of a window are its widgets found by walking down from the window: labels
// (QLabel), frames (QGroupBox), check boxes (QCheckBox), option buttons (QRadioButton), buttons
// (QPushButton), lists (QComboBox) and text boxes (QLineEdit, QPlainTextEdit, QTextEdit). The
// walk enters plain containers and frames but not the insides of a control (a combo box's own
// line edit is not a text box of the window) nor other windows parented to it.
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <initializer_list>

class QButtonGroup;
class QLabel;
class QPushButton;
class QWidget;

namespace vardex {

// A colour given as 0x00BBGGRR (red in the lowest byte): 0x900080 is red 128, green 0, blue 144.
// The top byte is not part of the colour and is ignored.
QColor FromBgr(uint32_t bgr);

// The 0x00BBGGRR form of a colour, so that one window can take another's colours.
uint32_t ToBgr(const QColor &colour);

// Moves a window, frame and all, into the available area of its screen (free of task bars and
// docks) when part of it lies outside: just enough, or to the area's top-left corner when the
// window is larger than the area. A window not framed yet counts with the frame it will get.
void KeepOnScreen(QWidget *window);

// Gives button the keyboard focus if it is visible on the screen (its window shown too) and
// enabled; returns whether it did. A null button is not possible to focus.
bool SetFocusIfPossible(QWidget *button);

// Tab reaches an option group at its selected button (the first while none is), the arrows move
// within the group and Space selects: Qt keeps the last focused button of a group as its Tab
// stop, which may be an unselected one. Follows every change of the selection; call again after
// changing it with the group's signals blocked.
void TabToSelectedOption(QButtonGroup *group);

// The window's background, then that of each label, frame, check box and option button, all
// through their palettes (QPalette::Window, filled), so a control may still be recoloured later.
void SetFormBackColor(QWidget *window, uint32_t bgr);

// The text colour (QPalette::WindowText) of each label, frame, check box and option button.
// Disabled controls keep the style's greyed text so that they still look disabled.
void SetControlsForeColor(QWidget *window, uint32_t bgr);

// The font family of each frame, button, check box, label, option button and list, and of each
// text box when includeTextBoxes is true. Size, weight and style of every font stay as they are.
// Controls that are not to change keep their font even inside a frame whose font changes.
void SetControlsFontName(QWidget *window, const QString &family, bool includeTextBoxes);

// Tab goes from each control to the next of the list.
void SetTabOrder(std::initializer_list<QWidget *> order);

// A label kept for a window's message: bold, so that it is seen, and a line high even when empty,
// so that what lies below it does not jump when a message comes or goes.
void MakeMessageLine(QLabel *label);

// A push button of a tool window: Enter presses it when it has the focus.
QPushButton *MakeToolButton(const QString &text, QWidget *parent);

// A label that names `buddy`, whose shortcut letter ("&Year") moves the focus there.
QLabel *MakeCaption(const QString &text, QWidget *buddy);

}  // namespace vardex
