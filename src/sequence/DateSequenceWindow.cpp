#include "DateSequenceWindow.h"

namespace vardex {

DateSequenceWindow::DateSequenceWindow(MainWindow &, Dialogs &, Clipboard &, PopUps &, QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Date sequence"));
}

}  // namespace vardex
