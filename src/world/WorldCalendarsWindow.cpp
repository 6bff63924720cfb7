// SPDX-License-Identifier: MIT
#include "WorldCalendarsWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include "WorldCalendars.h"
#include "engine/TextForms.h"
#include "input/NumberFormat.h"
#include "seams/Clipboard.h"
#include "support/widgets/ControlUtils.h"

namespace vardex {

namespace {

QTableWidgetItem *Cell(const std::string &text)
{
    auto *item = new QTableWidgetItem(QString::fromStdString(text));
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

}  // namespace

WorldCalendarsWindow::WorldCalendarsWindow(TableWindowHost &host, Clipboard &clipboard, QWidget *parent)
    : QWidget(parent, Qt::Window),
      lblDay(new QLabel(this)),
      tblCalendars(new QTableWidget(0, 3, this)),
      cmdCopy(new QPushButton(QStringLiteral("Copy"), this)),
      cmdClose(new QPushButton(QStringLiteral("Close"), this)),
      host_(host),
      clipboard_(clipboard)
{
    setWindowTitle(QStringLiteral("World calendars"));
    setWindowIcon(host.TableWindowIcon());
    lblDay->setTextFormat(Qt::PlainText);
    tblCalendars->setHorizontalHeaderLabels({QStringLiteral("Calendar"), QStringLiteral("Date"), QString()});
    tblCalendars->verticalHeader()->hide();
    // Rows a line high, so that every calendar shows at once.
    tblCalendars->verticalHeader()->setDefaultSectionSize(tblCalendars->fontMetrics().height() + 6);
    tblCalendars->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblCalendars->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblCalendars->horizontalHeader()->setStretchLastSection(true);
    tblCalendars->setAccessibleName(QStringLiteral("The day in the world's calendars"));
    for (QPushButton *button : {cmdCopy, cmdClose})
        button->setAutoDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCopy);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblDay);
    layout->addWidget(tblCalendars, 1);
    layout->addLayout(buttons);

    SetFormBackColor(this, ToBgr(host.TableWindowPalette().color(QPalette::Window)));
    SetControlsForeColor(this, 0xFFFFFF);
    connect(cmdCopy, &QPushButton::clicked, this, &WorldCalendarsWindow::CopyRows);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::hide);
    Refresh();
    tblCalendars->resizeColumnsToContents();
    resize(640, 580);
    move(host.TableWindowPosition());
    KeepOnScreen(this);
}

void WorldCalendarsWindow::Refresh()
{
    const std::optional<int32_t> jdn = host_.ResultJdn();
    cmdCopy->setEnabled(jdn.has_value());
    if (!jdn) {
        lblDay->setText(QStringLiteral("No result yet: calculate a day in the main window."));
        tblCalendars->setRowCount(0);
        return;
    }
    lblDay->setText(QStringLiteral("JDN ") + NumberFormat::Regional().Grouped(*jdn) + QStringLiteral(", ") +
                    QString::fromStdString(WeekdayText(DayOfWeek(*jdn))));
    const std::vector<WorldDay> days = DayInWorldCalendars(*jdn, host_.Variant());
    tblCalendars->setRowCount(static_cast<int>(days.size()));
    for (int row = 0; row < static_cast<int>(days.size()); ++row) {
        const WorldDay &day = days[static_cast<size_t>(row)];
        tblCalendars->setItem(row, 0, Cell(day.name));
        tblCalendars->setItem(row, 1, Cell(day.text));
        tblCalendars->setItem(row, 2, Cell(day.note));
    }
}

void WorldCalendarsWindow::CopyRows()
{
    QString text = lblDay->text() + QStringLiteral("\r\n");
    for (int row = 0; row < tblCalendars->rowCount(); ++row) {
        const QString note = tblCalendars->item(row, 2)->text();
        text += tblCalendars->item(row, 0)->text() + QStringLiteral(": ") +
                tblCalendars->item(row, 1)->text() +
                (note.isEmpty() ? QString() : QStringLiteral(" (") + note + u')') + QStringLiteral("\r\n");
    }
    clipboard_.Clear();
    clipboard_.SetText(text);
}

}  // namespace vardex
