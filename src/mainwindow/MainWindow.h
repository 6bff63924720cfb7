// SPDX-License-Identifier: MIT
// The main window on the screen: the Qt view of MainForm, below a menu bar.
//
// The view builds one widget per control of the model, at the window's design geometry (twips,
// 15 to a pixel). Each user event copies the widget's new value into the model and calls the
// controller's handler; after every handler, and after every tick of the 500 ms Timer1, the model
// is written back to the widgets with their signals blocked, keeping caret and selection where
// the text did not change. The view decides nothing about dates: MainController does.
#pragma once

#include <QIcon>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "mainwindow/MainController.h"
#include "seams/PopUps.h"
#include "support/widgets/TableWindowHost.h"

class QAction;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QTimer;

namespace vardex {

class Shell;
class TextViewer;

class MainWindow : public QWidget, public TableWindowHost {
    Q_OBJECT

public:
    struct Services {
        MainSeams seams;  // dialogs, clipboard, clock, pop-up, screen, texts
        Shell &shell;     // web links
        std::function<bool(const QString &)> loadProgramText;  // the program text file by name
        QString programFolder;                                 // where the help file is
    };

    explicit MainWindow(Services services, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence; false when the program text file could not be loaded, in which case
    // the window was never shown and the program must end.
    bool Start();

    MainForm &Form() { return form_; }
    MainController &Controller() { return controller_; }

    // Writes the model to the widgets (signals blocked) and applies a focus the controller asked for.
    void WriteBack();

    // The widget that shows a control of the model, or nullptr.
    QWidget *WidgetOf(const Control &control) const;

    // Opens the windows of the date-sequence and vernal-equinox buttons once their checks pass.
    std::function<void()> openDateSequence;
    std::function<void()> openVernalEquinoxes;
    // Tools > Date difference, World calendars, Historical dates, Equinox chart, Seasons and Moon,
    // Calendar page.
    std::function<void()> openDateDifference;
    std::function<void()> openWorldCalendars;
    std::function<void()> openHistoricalDates;
    std::function<void()> openEquinoxChart;
    std::function<void()> openSeasonsAndMoon;
    std::function<void()> openCalendarPage;
    // File > Check a family tree.
    std::function<void()> openFamilyTreeCheck;
    // Called after a change of the result shown (a new result, none, or another Dee variant).
    std::function<void()> resultChanged;

    // The menu bar; other windows add their entries to the Tools menu.
    QMenuBar *MenuBar() const { return menuBar_; }
    // The menu commands with a shortcut (Check a family tree, Quit, the Tools windows, Help), for
    // the other windows to take up so that the same keys work there.
    QList<QAction *> ProgramActions() const { return programActions_; }
    QMenu *ToolsMenu() const { return toolsMenu_; }
    // The area of the form below the menu bar, of the form's design size.
    QWidget *FormArea() const { return formArea_; }

    // What the table windows see of this window.
    int32_t InputJdn() override;
    InputDay PeekInputDay() const override;
    int32_t InputYear() const override;
    DeeVariant Variant() const override;
    std::optional<int32_t> ResultJdn() const override;
    int32_t TextBoxCapacityKB() const override;
    QPoint TableWindowPosition() const override;
    QPalette TableWindowPalette() const override;
    QIcon TableWindowIcon() const override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QSize DesignSize() const;  // the form's and the menu bar's
    void BuildControls();
    void BuildMenuBar();
    void OpenLink(int16_t text);
    void ShowAbout();
    void ApplyDesign();
    void ConnectEvents();
    void SetTabOrder();
    void NameForScreenReaders();
    void Run(const std::function<void()> &handler);  // a handler, then the write-back
    void ShowHelp();
    void Quit();

    template <typename W, typename M>
    W *Make(M &model, QWidget *parent, int left, int top, int width, int height);

    // The pop-up seam as the controller sees it: the window is redrawn before the message shows.
    struct WritingBackPopUps : PopUps {
        WritingBackPopUps(PopUps &popUps, MainWindow &owner) : inner(popUps), window(owner) {}
        void PopUp(const QString &message, int width, int height, int intervalMs, int top, int left) override;
        PopUps &inner;
        MainWindow &window;
    };

    Services services_;
    WritingBackPopUps popUps_;
    MainForm form_;
    MainController controller_;
    QTimer *timer1_ = nullptr;
    std::unique_ptr<TextViewer> viewer_;  // the help, created on first use
    bool writingBack_ = false;
    QObject *enterPressedIn_ = nullptr;  // the year box Enter last went down in
    std::pair<std::optional<int32_t>, DeeVariant> notifiedResult_{std::nullopt, DeeVariant::DeeCecil};

    struct Bound {
        Control *model;
        QWidget *widget;
    };
    std::vector<Bound> bound_;
    std::vector<std::pair<int, QWidget *>> tabIndex_;
    std::vector<QButtonGroup *> optionGroups_;

    // Widgets the view talks to by name.
    QWidget *formArea_ = nullptr;
    QMenuBar *menuBar_ = nullptr;
    QMenu *toolsMenu_ = nullptr;
    QList<QAction *> programActions_;
    QGroupBox *fraInput_ = nullptr;
    QGroupBox *fraOutput_ = nullptr;
    QGroupBox *fraPlusMinus_ = nullptr;
    QLineEdit *txbYearADBCetc_ = nullptr;
    QLineEdit *txbYearCEJC_ = nullptr;
    std::array<QLineEdit *, 4> txbArith_{};
    QLabel *lblMakerLink_ = nullptr;
    QLabel *lblOnlineUserManual_ = nullptr;
};

}  // namespace vardex
