// SPDX-License-Identifier: MIT
// The reference for the start-up benchmark: a Qt program that shows an empty QWidget and exits
// once it is painted, built the same way as vardex.
#include <QApplication>
#include <QWidget>

#include "FirstPaint.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    vardex::bench::QuitAfterFirstPaint quit(window);
    vardex::bench::GiveUpAfter(10'000);
    window.show();
    return QApplication::exec();
}
