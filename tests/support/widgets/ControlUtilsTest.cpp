#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "QtPrinters.h"

#include "support/widgets/ControlUtils.h"

namespace vardex {
namespace {

TEST(FromBgr, RedIsTheLowByte)
{
    EXPECT_EQ(FromBgr(0x900080), QColor(128, 0, 144));
    EXPECT_EQ(FromBgr(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(FromBgr(0x80102030), QColor(0x30, 0x20, 0x10)) << "the top byte is no part of the colour";
}

// A window laid out like the program's: controls directly on it and inside a frame.
struct SampleWindow {
    SampleWindow()
    {
        label = new QLabel("On the window", &window);
        frame = new QGroupBox("Frame", &window);
        labelInFrame = new QLabel("In the frame", frame);
        check = new QCheckBox("Check", frame);
        option = new QRadioButton("Option", frame);
        button = new QPushButton("Button", &window);
        list = new QComboBox(&window);
        list->setEditable(true);  // brings a line edit of its own, which is no text box of the window
        textBox = new QLineEdit(&window);
        textBoxInFrame = new QPlainTextEdit(frame);
    }
    QWidget window;
    QLabel *label;
    QGroupBox *frame;
    QLabel *labelInFrame;
    QCheckBox *check;
    QRadioButton *option;
    QPushButton *button;
    QComboBox *list;
    QLineEdit *textBox;
    QPlainTextEdit *textBoxInFrame;
};

TEST(SetFormBackColor, ColoursTheWindowAndEveryLabelFrameAndOption)
{
    SampleWindow w;
    SetFormBackColor(&w.window, 0x900080);
    const QColor purple(128, 0, 144);
    EXPECT_EQ(w.window.palette().color(QPalette::Window), purple);
    for (QWidget *control :
         std::initializer_list<QWidget *>{w.label, w.frame, w.labelInFrame, w.check, w.option}) {
        SCOPED_TRACE(control->metaObject()->className());
        EXPECT_EQ(control->palette().color(QPalette::Active, QPalette::Window), purple);
        EXPECT_EQ(control->palette().color(QPalette::Disabled, QPalette::Window), purple);
        EXPECT_TRUE(control->autoFillBackground());
    }
    for (QWidget *control :
         std::initializer_list<QWidget *>{w.button, w.list, w.textBox, w.list->lineEdit()}) {
        SCOPED_TRACE(control->metaObject()->className());
        EXPECT_FALSE(control->autoFillBackground());
    }
}

TEST(SetControlsForeColor, ColoursLabelsInAndOutOfFramesButNotTextBoxes)
{
    SampleWindow w;
    const QColor textBefore = w.textBox->palette().color(QPalette::Text);
    SetControlsForeColor(&w.window, 0xFFFFFF);
    for (QWidget *control :
         std::initializer_list<QWidget *>{w.label, w.frame, w.labelInFrame, w.check, w.option}) {
        SCOPED_TRACE(control->metaObject()->className());
        EXPECT_EQ(control->palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::white));
        EXPECT_EQ(control->palette().color(QPalette::Inactive, QPalette::WindowText), QColor(Qt::white));
    }
    EXPECT_EQ(w.textBox->palette().color(QPalette::Text), textBefore);
    EXPECT_NE(w.label->palette().color(QPalette::Disabled, QPalette::WindowText), QColor(Qt::white))
        << "a disabled label must still look disabled";
}

class SetControlsFontNameTest : public testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        QFont big = w.label->font();
        big.setPointSize(14);
        big.setBold(true);
        w.label->setFont(big);
        QFont italic = w.button->font();
        italic.setItalic(true);
        w.button->setFont(italic);
        QFont mono = w.textBox->font();
        mono.setFamily("DejaVu Sans Mono");
        mono.setPointSize(11);
        w.textBox->setFont(mono);
        familyOfFrameTextBox = w.textBoxInFrame->font().family();
    }
    SampleWindow w;
    QString familyOfFrameTextBox;
};

TEST_P(SetControlsFontNameTest, ChangesOnlyTheFamily)
{
    const bool includeTextBoxes = GetParam();
    SetControlsFontName(&w.window, "Arial", includeTextBoxes);

    for (QWidget *control : std::initializer_list<QWidget *>{w.label, w.frame, w.labelInFrame, w.check,
                                                             w.option, w.button, w.list}) {
        SCOPED_TRACE(control->metaObject()->className());
        EXPECT_EQ(control->font().family(), "Arial");
    }
    EXPECT_EQ(w.label->font().pointSize(), 14);
    EXPECT_TRUE(w.label->font().bold());
    EXPECT_TRUE(w.button->font().italic());
    EXPECT_FALSE(w.labelInFrame->font().bold());
    EXPECT_EQ(w.textBox->font().pointSize(), 11);

    if (includeTextBoxes) {
        EXPECT_EQ(w.textBox->font().family(), "Arial");
        EXPECT_EQ(w.textBoxInFrame->font().family(), "Arial");
    } else {
        EXPECT_EQ(w.textBox->font().family(), "DejaVu Sans Mono");
        // It never had a font of its own: only the frame's font could have reached it.
        EXPECT_EQ(w.textBoxInFrame->font().family(), familyOfFrameTextBox);
    }
}

INSTANTIATE_TEST_SUITE_P(TextBoxes, SetControlsFontNameTest, testing::Values(false, true),
                         [](const auto &info) { return info.param ? "Included" : "Excluded"; });

struct FocusCase {
    const char *name;
    bool windowShown;
    bool buttonHidden;
    bool buttonEnabled;
    bool focused;
};

class SetFocusIfPossibleTest : public testing::TestWithParam<FocusCase> {};

TEST_P(SetFocusIfPossibleTest, OnlyAVisibleEnabledButtonTakesTheFocus)
{
    const FocusCase &c = GetParam();
    QWidget window;
    auto *other = new QLineEdit(&window);
    auto *button = new QPushButton("Calculate", &window);
    button->move(0, 40);
    button->setHidden(c.buttonHidden);
    button->setEnabled(c.buttonEnabled);
    if (c.windowShown) {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    other->setFocus();

    EXPECT_EQ(SetFocusIfPossible(button), c.focused);
    EXPECT_EQ(window.focusWidget(), c.focused ? static_cast<QWidget *>(button) : other);
}

INSTANTIATE_TEST_SUITE_P(Buttons, SetFocusIfPossibleTest,
                         testing::Values(FocusCase{"VisibleAndEnabled", true, false, true, true},
                                         FocusCase{"Hidden", true, true, true, false},
                                         FocusCase{"Disabled", true, false, false, false},
                                         FocusCase{"WindowNotShown", false, false, true, false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(SetFocusIfPossible, NoButton) { EXPECT_FALSE(SetFocusIfPossible(nullptr)); }

}  // namespace
}  // namespace vardex
