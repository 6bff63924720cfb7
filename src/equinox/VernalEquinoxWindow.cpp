#include "VernalEquinoxWindow.h"

namespace vardex {

VernalEquinoxWindow::VernalEquinoxWindow(MainWindow &, Dialogs &, Clipboard &, PopUps &, QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Vernal equinoxes"));
}

}  // namespace vardex
