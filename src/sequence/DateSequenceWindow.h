// frmDateSequence: the date-sequence window. (Being written.)
#pragma once

#include <QWidget>

namespace vardex {

class Clipboard;
class Dialogs;
class MainWindow;
class PopUps;

class DateSequenceWindow : public QWidget {
    Q_OBJECT

public:
    DateSequenceWindow(MainWindow &main, Dialogs &dialogs, Clipboard &clipboard, PopUps &popUps,
                       QWidget *parent = nullptr);
};

}  // namespace vardex
