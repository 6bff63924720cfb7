// SPDX-License-Identifier: MIT
// The window check itself: a plain window passes, and each fault the check is there for is found
// in a window built with that fault.
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>
#include <algorithm>
#include <gtest/gtest.h>

#include "WindowCheck.h"

namespace vardex::test {
namespace {

// Passes when a finding mentions part; the failure lists what was found.
testing::AssertionResult Finds(const std::vector<std::string> &found, const std::string &part)
{
    if (FindingLines(found).find(part) != std::string::npos)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "no \"" << part << "\" among:" << FindingLines(found);
}

testing::AssertionResult NoFindings(const std::vector<std::string> &found)
{
    return found.empty() ? testing::AssertionSuccess() : testing::AssertionFailure() << FindingLines(found);
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
        row->addWidget(new QPushButton(QStringLiteral("Copy"), this));
        row->addWidget(close = new QPushButton(QStringLiteral("Close"), this));
        layout->addLayout(row);
        connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::hide);
        move(40, 40);
    }
    bool Show() { return show(), Activate(this); }
    QLabel *label;
    QLineEdit *box;
    QPushButton *close;
};

TEST(WindowCheck, APlainWindowPassesThenANamelessBoxAndEscBeforeThePopUpAreFound)
{
    Plain window;
    ASSERT_TRUE(window.Show());
    EXPECT_TRUE(NoFindings(CheckWindow(&window)));
    EXPECT_TRUE(window.isVisible()) << "shown again after Esc";
    window.label->setBuddy(nullptr);
    EXPECT_TRUE(Finds(CheckNames(&window), "QLineEdit has no name"));
    window.box->setAccessibleName(QStringLiteral("Year"));
    EXPECT_TRUE(NoFindings(CheckNames(&window)));

    auto *places = new QComboBox(&window);
    places->addItems({"England and Wales", "Scotland"});
    places->setEditable(true);
    places->completer()->setCompletionMode(QCompleter::PopupCompletion);
    window.layout()->addWidget(places);
    QApplication::processEvents();
    // The window's Esc shortcut goes before the suggestions' own use of the key.
    EXPECT_TRUE(Finds(CheckEscape(&window, {}), "suggestions open closes the window"));
}

TEST(WindowCheck, FindsAWindowOffTheScreenAndCutButtons)
{
    Plain window;
    ASSERT_TRUE(window.Show());
    const QRect screen = window.screen()->availableGeometry();
    const auto place = [&window](int x, int width) {
        window.resize(width, window.height());
        window.move(x, 40);
        QApplication::processEvents();
    };
    place(screen.right() - 20, window.width());
    EXPECT_TRUE(Finds(CheckFitsScreen(&window, false), "does not lie inside the screen"));
    // A window of a fixed design size that the screen can hold must lie inside it.
    EXPECT_TRUE(Finds(CheckFitsScreen(&window, true), "does not lie inside the screen"));
    place(screen.left(), screen.width() + 100);  // a design larger than the screen
    EXPECT_TRUE(NoFindings(CheckFitsScreen(&window, true)));
    place(screen.left() - 10, screen.width() + 100);
    EXPECT_TRUE(Finds(CheckFitsScreen(&window, true), "its corner"));

    place(40, window.sizeHint().width());
    auto *small = new QWidget(&window);  // a button half outside the part of the window it is in
    small->setGeometry(0, 0, 40, 20);
    small->show();
    window.close->setParent(small);
    window.close->move(20, 0);
    window.close->show();
    QApplication::processEvents();
    EXPECT_TRUE(Finds(CheckFitsScreen(&window, false), "\"Close\" is cut by QWidget"));
}

TEST(WindowCheck, FindsCutAndOverlappingTextsAndNoEsc)
{
    QWidget window;
    (new QLabel("A caption much longer than its place", &window))->setGeometry(10, 10, 60, 20);
    (new QPushButton("Copy selected text to clipboard", &window))->setGeometry(10, 40, 60, 25);
    (new QLabel("Over", &window))->setGeometry(12, 42, 40, 20);
    auto *list = new QComboBox(&window);
    list->addItems({"May", "Gregorian Calendar (proleptic)"});
    list->setGeometry(10, 70, 70, 25);
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
    for (const char *part :
         {"QLabel \"A caption", "\"Copy selected text to clipboard\": caption needs",
          "entry \"Gregorian Calendar (proleptic)\"", "column 1 needs", "column 2 has no header"})
        EXPECT_TRUE(Finds(texts, part));
    EXPECT_FALSE(Finds(texts, "\"Over\"")) << "a label with room for its text";
    EXPECT_TRUE(Finds(CheckFitsScreen(&window, false), "and QLabel \"Over\" overlap"));
    EXPECT_TRUE(Finds(CheckEscape(&window, {}), "Esc does not close the window"));
}

// A button that looks the same with the focus as without.
class Unmarked : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override {}
};

TEST(WindowCheck, FindsKeyboardTrapsTabOnAnUnselectedOptionAndAFaintFocusMark)
{
    Plain window;
    auto *table = new QTableWidget(3, 3, &window);  // Tab walks its cells and never leaves
    window.layout()->addWidget(table);
    ASSERT_TRUE(window.Show());
    EXPECT_TRUE(Finds(CheckTabCycle(&window), "Tab stays in QTableWidget"));
    table->setTabKeyNavigation(false);
    EXPECT_TRUE(NoFindings(CheckTabCycle(&window)));

    auto *first = new QRadioButton(QStringLiteral("month, day, year"), &window);
    auto *second = new QRadioButton(QStringLiteral("year-month-day"), &window);
    window.layout()->addWidget(first);
    window.layout()->addWidget(second);
    window.layout()->addWidget(new Unmarked(QStringLiteral("Swap"), &window));
    second->setChecked(true);
    first->setFocusPolicy(Qt::StrongFocus);  // Qt leaves both in the Tab chain
    QApplication::processEvents();
    const std::vector<std::string> found = CheckTabCycle(&window);
    EXPECT_TRUE(Finds(found, "not on its group's selected option"));
    EXPECT_TRUE(Finds(found, "QPushButton \"Swap\": the focus mark is too faint"));
}

}  // namespace
}  // namespace vardex::test
