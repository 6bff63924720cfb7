// SPDX-License-Identifier: MIT
// The Seasons and Moon window: a year's equinoxes and solstices and the Moon's principal phases,
// in time order, at a meridian east or west of Greenwich, with Delta-T by the model chosen. Every
// change of a control shows the table at once; a fault in the input is told in the window, and
// the table shown before stays.
#pragma once

#include <QWidget>
#include <vector>

#include "astronomy/SkyEvents.h"
#include "support/widgets/TableWindowHost.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace vardex {

class Clipboard;
class Dialogs;
class KeptSpinBox;
class SaveFileChooser;

class SeasonsMoonWindow : public QWidget {
    Q_OBJECT

public:
    // The year starts as that of the host's result (of its input date before there is one). The
    // host and the seams must outlive the window.
    SeasonsMoonWindow(TableWindowHost &host, Dialogs &dialogs, Clipboard &clipboard, SaveFileChooser &files,
                      QWidget *parent = nullptr);

    // Reads the controls and shows the year's events, or why it cannot (the table stays).
    void Recalculate();
    // The year of the host's result into the year box, or a note that there is none.
    void TakeMainResult();
    // The Dee column in the host's Dee variant, when that has changed.
    void FollowVariant();
    // The table as tab-separated text, a header line first, CR LF line ends; empty with no rows.
    QString CopyText() const;
    void CopyTable();
    // Asks where, then writes the shown events as CSV.
    void SaveAsCsv();

    // Why the input was refused; empty when the table shows it.
    QString Problem() const;
    // What the times of the table are, and the Delta-T model.
    QString Note() const;

    QLineEdit *txbYear;
    QPushButton *cmdMainResult;
    KeptSpinBox *spnDegrees;
    KeptSpinBox *spnMinutes;
    QRadioButton *optEast;
    QRadioButton *optWest;
    QComboBox *cboModel;
    QTableWidget *tblEvents;
    QPushButton *cmdCopy;
    QPushButton *cmdSaveCsv;
    QPushButton *cmdClose;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void SetUpTable();
    QWidget *LayOut();
    void Connect();
    void ShowTable();
    void ShowProblem(const QString &problem);
    QSize PreferredSize() const;

    TableWindowHost &host_;
    Dialogs &dialogs_;
    Clipboard &clipboard_;
    SaveFileChooser &files_;
    QButtonGroup *eastWest_ = nullptr;
    QLabel *lblProblem_ = nullptr;
    QLabel *lblNote_ = nullptr;
    QWidget *form_ = nullptr;  // the controls above the table
    // What the table shows: the last input read without a fault.
    int32_t year_ = 0;
    Meridian meridian_;
    DeltaTModel model_ = DeltaTModel::EspenakMeeus2006;
    DeeVariant variant_ = DeeVariant::DeeCecil;
    std::vector<SkyEvent> events_;
};

}  // namespace vardex
