// SPDX-License-Identifier: MIT
// The World calendars window: the main window's result (its last calculated day) in every
// calendar of DayInWorldCalendars, one row each, kept up to date as the result changes.
#pragma once

#include <QWidget>

#include "support/widgets/TableWindowHost.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace vardex {

class Clipboard;

class WorldCalendarsWindow : public QWidget {
    Q_OBJECT

public:
    WorldCalendarsWindow(TableWindowHost &host, Clipboard &clipboard, QWidget *parent = nullptr);

    // Shows the host's result as it stands (or that there is none yet).
    void Refresh();
    // Every row on the clipboard, "name: text (note)", CR LF line ends.
    void CopyRows();

    QLabel *lblDay;
    QTableWidget *tblCalendars;
    QPushButton *cmdCopy;
    QPushButton *cmdClose;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QSize PreferredSize() const;

    TableWindowHost &host_;
    Clipboard &clipboard_;
};

}  // namespace vardex
