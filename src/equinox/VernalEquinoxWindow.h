// frmVernalEquinoxes: the vernal-equinox window. (Being written.)
#pragma once

#include <QWidget>
#include <cstdint>

namespace vardex {

class Clipboard;
class Dialogs;
class MainWindow;
class PopUps;

class VernalEquinoxWindow : public QWidget {
    Q_OBJECT

public:
    VernalEquinoxWindow(MainWindow &main, Dialogs &dialogs, Clipboard &clipboard, PopUps &popUps,
                        QWidget *parent = nullptr);

    int32_t lngYear = 0;  // the input year, set by the main window before it shows this window
};

}  // namespace vardex
