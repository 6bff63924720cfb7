// SPDX-License-Identifier: MIT
#include "WorldCalendarsWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "WorldCalendars.h"
#include "engine/TextForms.h"
#include "input/NumberFormat.h"
#include "seams/Clipboard.h"
#include "support/widgets/ControlUtils.h"
#include "support/widgets/EscapeCloses.h"
#include "support/widgets/ScreenFit.h"

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
    tblCalendars->setHorizontalHeaderLabels(
        {QStringLiteral("Calendar"), QStringLiteral("Date"), QStringLiteral("Notes")});
    tblCalendars->verticalHeader()->hide();
    // Rows a line high, so that every calendar shows at once.
    tblCalendars->verticalHeader()->setDefaultSectionSize(tblCalendars->fontMetrics().height() + 6);
    // Every column as wide as its widest text, whatever the rows hold now: the table scrolls
    // sideways rather than cut a text.
    tblCalendars->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblCalendars->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblCalendars->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab goes on to the buttons; the arrows move within the table.
    tblCalendars->setTabKeyNavigation(false);
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
    CloseOnEscape(this);
    Refresh();
    move(host.TableWindowPosition());
    FitToScreen(this, PreferredSize());
}

// Every column of the table whole, and every row where the screen has room.
QSize WorldCalendarsWindow::PreferredSize() const
{
    constexpr int kLeastWidth = 640;  // a day's rows, before there is one
    constexpr int kRows = 24;
    const int frame = 2 * tblCalendars->frameWidth();
    const QMargins margins = layout()->contentsMargins();
    const int width = tblCalendars->horizontalHeader()->length() +
                      tblCalendars->verticalScrollBar()->sizeHint().width() + frame + margins.left() +
                      margins.right();
    const int height = lblDay->sizeHint().height() + tblCalendars->horizontalHeader()->sizeHint().height() +
                       kRows * tblCalendars->verticalHeader()->defaultSectionSize() + frame +
                       cmdClose->sizeHint().height() + 2 * layout()->spacing() + margins.top() +
                       margins.bottom();
    return {std::max(width, kLeastWidth), height};
}

void WorldCalendarsWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    KeepInsideScreen(this);
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
    tblCalendars->resizeColumnsToContents();  // now, not at the next layout: the width is read below
    // A day with longer texts than the window has room for widens it, as far as the screen allows.
    if (isVisible() && PreferredSize().width() > width())
        FitToScreen(this, QSize(PreferredSize().width(), height()));
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
