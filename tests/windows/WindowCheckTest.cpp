// SPDX-License-Identifier: MIT
// The window check itself: a plain window passes, and each fault the check is there for is found
// in a window built with that fault.
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

#include "WindowCheck.h"

namespace vardex::test {
namespace {

bool Mentions(const std::vector<std::string> &found, const std::string &part)
{
    for (const std::string &line : found) {
        if (line.find(part) != std::string::npos)
            return true;
    }
    return false;
}

// A small window that closes on Esc as the program's tool windows do, with a box and two buttons.
class Plain : public QWidget {
public:
    Plain()
    {
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(label = new QLabel(QStringLiteral("Year:"), this));
        layout->addWidget(box = new QLineEdit(QStringLiteral("1752"), this));
        label->setBuddy(box);  // the name a screen reader gives the box
        auto *row = new QHBoxLayout;
        row->addWidget(ok = new QPushButton(QStringLiteral("Copy"), this));
        row->addWidget(close = new QPushButton(QStringLiteral("Close"), this));
        layout->addLayout(row);
        connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::hide);
        move(40, 40);
    }
    void Show()
    {
        show();
        activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(this));
    }
    QLabel *label;
    QLineEdit *box;
    QPushButton *ok;
    QPushButton *close;
};

TEST(WindowCheck, APlainWindowPasses)
{
    Plain window;
    window.Show();
    const std::vector<std::string> found = CheckWindow(&window);
    EXPECT_TRUE(found.empty()) << FindingLines(found);
    EXPECT_TRUE(window.isVisible()) << "shown again after Esc";
}

TEST(WindowCheck, FindsAWindowOffTheScreenAndCutButtons)
{
    Plain window;
    window.Show();
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.right() - 20, 40);
    QApplication::processEvents();
    EXPECT_TRUE(Mentions(CheckFitsScreen(&window, false), "does not lie inside the screen"));
    EXPECT_TRUE(Mentions(CheckFitsScreen(&window, true), "does not lie inside the screen"))
        << "a window of a fixed design size that the screen can hold must lie inside it";
    window.resize(screen.width() + 100, window.height());  // a design larger than the screen
    window.move(screen.left(), 40);
    QApplication::processEvents();
    EXPECT_TRUE(CheckFitsScreen(&window, true).empty()) << FindingLines(CheckFitsScreen(&window, true));
    window.move(screen.left() - 10, 40);
    QApplication::processEvents();
    EXPECT_TRUE(Mentions(CheckFitsScreen(&window, true), "its corner"));

    window.resize(window.sizeHint());
    window.move(40, 40);
    auto *small = new QWidget(&window);  // a button half outside the part of the window it is in
    small->setObjectName(QStringLiteral("small"));
    small->setGeometry(0, 0, 40, 20);
    small->show();
    window.close->setParent(small);
    window.close->move(20, 0);
    window.close->show();
    QApplication::processEvents();
    EXPECT_TRUE(Mentions(CheckFitsScreen(&window, false), "\"Close\" is cut by QWidget"));
}

TEST(WindowCheck, FindsCutAndOverlappingTexts)
{
    QWidget window;
    auto *label = new QLabel(QStringLiteral("A caption much longer than its place"), &window);
    label->setGeometry(10, 10, 60, 20);
    auto *button = new QPushButton(QStringLiteral("Copy selected text to clipboard"), &window);
    button->setGeometry(10, 40, 60, 25);
    auto *list = new QComboBox(&window);
    list->addItems({QStringLiteral("May"), QStringLiteral("Gregorian Calendar (proleptic)")});
    list->setGeometry(10, 70, 70, 25);
    auto *over = new QLabel(QStringLiteral("Over"), &window);
    over->setGeometry(12, 42, 40, 20);
    auto *table = new QTableWidget(1, 2, &window);
    table->setHorizontalHeaderLabels({QStringLiteral("Calendar"), QString()});
    table->setItem(0, 0, new QTableWidgetItem(QStringLiteral("Dee-Cecil")));
    table->setItem(0, 1, new QTableWidgetItem(QStringLiteral("leap year, Yom Shlishi")));
    table->setColumnWidth(0, 20);
    table->setGeometry(10, 100, 200, 100);
    window.resize(300, 220);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    const std::vector<std::string> texts = CheckTextsWhole(&window);
    EXPECT_TRUE(Mentions(texts, "QLabel \"A caption")) << FindingLines(texts);
    EXPECT_TRUE(Mentions(texts, "\"Copy selected text to clipboard\": caption needs")) << FindingLines(texts);
    EXPECT_TRUE(Mentions(texts, "entry \"Gregorian Calendar (proleptic)\"")) << FindingLines(texts);
    EXPECT_TRUE(Mentions(texts, "column 1 needs")) << FindingLines(texts);
    EXPECT_TRUE(Mentions(texts, "column 2 has no header")) << FindingLines(texts);
    EXPECT_FALSE(Mentions(texts, "\"Over\"")) << "a label with room for its text";
    EXPECT_TRUE(Mentions(CheckFitsScreen(&window, false), "and QLabel \"Over\" overlap"));
}

TEST(WindowCheck, FindsAControlWithoutAName)
{
    Plain window;
    window.label->setBuddy(nullptr);
    window.Show();
    EXPECT_TRUE(Mentions(CheckNames(&window), "QLineEdit has no name")) << "a box no label names";
    window.box->setAccessibleName(QStringLiteral("Year"));
    EXPECT_TRUE(CheckNames(&window).empty()) << FindingLines(CheckNames(&window));
}

TEST(WindowCheck, FindsKeyboardTrapsAndTabOnAnUnselectedOption)
{
    Plain window;
    auto *table = new QTableWidget(3, 3, &window);  // Tab walks its cells and never leaves
    window.layout()->addWidget(table);
    window.Show();
    EXPECT_TRUE(Mentions(CheckTabCycle(&window), "Tab stays in QTableWidget"))
        << FindingLines(CheckTabCycle(&window));
    table->setTabKeyNavigation(false);
    EXPECT_TRUE(CheckTabCycle(&window).empty()) << FindingLines(CheckTabCycle(&window));

    auto *first = new QRadioButton(QStringLiteral("month, day, year"), &window);
    auto *second = new QRadioButton(QStringLiteral("year-month-day"), &window);
    window.layout()->addWidget(first);
    window.layout()->addWidget(second);
    second->setChecked(true);
    first->setFocusPolicy(Qt::StrongFocus);  // Qt leaves both in the Tab chain
    QApplication::processEvents();
    EXPECT_TRUE(Mentions(CheckTabCycle(&window), "not on its group's selected option"))
        << FindingLines(CheckTabCycle(&window));
}

// A button that looks the same with the focus as without.
class Unmarked : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override {}
};

TEST(WindowCheck, FindsAFocusMarkTooFaintToSee)
{
    Plain window;
    window.layout()->addWidget(new Unmarked(QStringLiteral("Swap"), &window));
    window.Show();
    EXPECT_TRUE(Mentions(CheckTabCycle(&window), "QPushButton \"Swap\": the focus mark is too faint"))
        << FindingLines(CheckTabCycle(&window));
}

TEST(WindowCheck, FindsEscapeClosingTheWindowBeforeItsPopUp)
{
    Plain window;
    auto *places = new QComboBox(&window);
    places->addItems({QStringLiteral("England and Wales"), QStringLiteral("Scotland")});
    places->setEditable(true);
    places->completer()->setCompletionMode(QCompleter::PopupCompletion);
    window.layout()->addWidget(places);
    window.Show();
    // The window's Esc shortcut goes before the suggestions' own use of the key.
    const std::vector<std::string> found = CheckEscape(&window, {});
    EXPECT_TRUE(Mentions(found, "Esc with QComboBox's suggestions open closes the window") ||
                Mentions(found, "suggestions open closes the window"))
        << FindingLines(found);

    QWidget noEscape;
    noEscape.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&noEscape));
    EXPECT_TRUE(Mentions(CheckEscape(&noEscape, {}), "Esc does not close the window"));
}

}  // namespace
}  // namespace vardex::test
