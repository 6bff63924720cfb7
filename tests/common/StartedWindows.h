// SPDX-License-Identifier: MIT
// The main window on the (offscreen) display, started on recording seams, for the tests of the
// windows as a user sees them; the table windows open from it as the program opens them.
#pragma once

#include <QAbstractButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "QtPrinters.h"
#include "RecordingSeams.h"
#include "mainwindow/MainWindow.h"

namespace vardex::test {

class StartedWindows : public testing::Test {
protected:
    explicit StartedWindows(std::string today = "2024-03-05") : clock(std::move(today)) {}

    MainWindow::Services Services(bool programTextLoads = true)
    {
        const auto text = [](int16_t n) {
            return n == kMakerNameText ? "<img src=\"/dev/zero\">" : "<b>x</b>";
        };
        return {MainSeams{dialogs, clipboard, clock, popUps, screen, text}, shell,
                [programTextLoads](const QString &) { return programTextLoads; }, QStringLiteral("/nowhere")};
    }

    // The main window started; `open` is the handler of its button that opens `window`, created on
    // first use and shown modelessly.
    template <typename Window = QWidget>
    void Start(std::function<void()> MainWindow::*open = nullptr, std::unique_ptr<Window> *window = nullptr)
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        main = std::make_unique<MainWindow>(Services());
        if constexpr (!std::is_same_v<Window, QWidget>) {
            main.get()->*open = [this, window] {
                if (!*window)
                    *window = std::make_unique<Window>(*main, dialogs, clipboard, popUps, saveFiles);
                (*window)->show();
                (*window)->raise();
                (*window)->activateWindow();
            };
        }
        ASSERT_TRUE(main->Start());
    }

    // Opens a window of the Tools menu as a user does, by its shortcut key with Ctrl in the active
    // main window; the main window's handler `open` builds the window with `make` on first use.
    template <typename Window>
    void OpenFromTools(std::function<void()> MainWindow::*open, std::unique_ptr<Window> &window,
                       std::function<std::unique_ptr<Window>()> make, Qt::Key key)
    {
        main.get()->*open = [&window, make] {
            if (!window)
                window = make();
            window->show();
        };
        ASSERT_TRUE(Activate(main.get()));
        QTest::keyClick(main.get(), key, Qt::ControlModifier);
        ASSERT_TRUE(window && window->isVisible());
    }

    template <typename W = QWidget> W *Widget(const Control &control)
    {
        return qobject_cast<W *>(main->WidgetOf(control));
    }
    // A click at the start of the button, where an option button's circle is.
    static void Click(QAbstractButton *button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    // Hands the activation to window and waits for it.
    static bool Activate(QWidget *window)
    {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }

    RecordingDialogs dialogs;
    RecordingClipboard clipboard;
    ScriptedClock clock;
    RecordingPopUps popUps;
    FixedScreen screen;
    RecordingShell shell;
    ScriptedSaveFileChooser saveFiles;
    std::unique_ptr<MainWindow> main;  // the table windows of derived tests go before it
};

}  // namespace vardex::test
