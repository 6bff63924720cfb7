// SPDX-License-Identifier: MIT
// The Check a family tree window: a GEDCOM file, and a place map of the user's own if there is one,
// checked for calendar mistakes on a thread of its own while the window stays free; a progress
// bar and Cancel while it runs; the findings in a table that sorts by any column and filters by
// text and by finding, a summary under it, and the findings shown saved as CSV. A file that cannot
// be read, or a faulty place map, is told in the window, and the findings shown before stay.
#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <set>
#include <string>

#include "history/PlaceHistory.h"
#include "support/widgets/TableWindowHost.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class QThread;
class QTimer;

namespace vardex {

class Dialogs;
struct FamilyTreeCheckRun;
class OpenFileChooser;
class SaveFileChooser;
struct TreeSummary;

class FamilyTreeCheckWindow : public QWidget {
    Q_OBJECT

public:
    // The host and the seams must outlive the window; dataFolder holds calendar-history.tsv.
    FamilyTreeCheckWindow(TableWindowHost &host, Dialogs &dialogs, OpenFileChooser &openFiles,
                          SaveFileChooser &saveFiles, const QString &dataFolder, QWidget *parent = nullptr);
    // Stops a check that is running, and waits for its thread.
    ~FamilyTreeCheckWindow() override;

    // The open dialog for the family tree file, and for the place map.
    void ChooseTreeFile();
    void ChoosePlaceMap();
    // Reads the place map and starts the check of the file named; a fault is told instead.
    void StartCheck();
    // Asks the running check to stop; it stops at its next report of progress.
    void CancelCheck();
    bool IsChecking() const;

    // The findings the table shows, in its order, as CSV with its header.
    std::string ShownCsv() const;
    // Asks where, then writes ShownCsv.
    void SaveAsCsv();

    // What went wrong; empty when nothing did.
    QString Problem() const;
    // What the last check read and found, "Cancelled." at its end when it was; empty before one.
    QString Summary() const;

    QLineEdit *txbTreeFile;
    QPushButton *cmdChooseTree;
    QLineEdit *txbPlaceMap;
    QPushButton *cmdChoosePlaceMap;
    QPushButton *cmdCheck;
    QProgressBar *barProgress;
    QPushButton *cmdCancel;
    QLineEdit *txbFilter;
    QComboBox *cboFinding;
    QTableView *tblFindings;
    QPlainTextEdit *txtSummary;
    QPushButton *cmdSaveCsv;
    QPushButton *cmdClose;

signals:
    // A check has ended: finished, cancelled or failed.
    void checkEnded();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class FindingsModel;
    class FindingsFilter;

    void SetUpTable();
    QWidget *LayOut();
    void Connect();
    QSize PreferredSize() const;
    void ShowProblem(const QString &problem);
    // The findings the thread has queued into the table, and the progress bar to its count.
    void TakeFindings();
    void EndCheck();
    void ShowSummary(const TreeSummary &summary, bool cancelled, const QString &failure);
    void AddFindingIds();
    void ApplyFilter();
    void UpdateCount();
    // Each column as wide as the rows it shows first; the last then fills the table's width.
    void FitColumns();
    void FillWidth();
    // A path box as wide as its path: the content scrolls rather than cut it.
    static void FitPath(QLineEdit *box);
    void ShowRunning(bool running);

    Dialogs &dialogs_;
    OpenFileChooser &openFiles_;
    SaveFileChooser &saveFiles_;
    const PlaceTable places_;  // read by the check's thread too, never written after the start
    QLabel *lblProblem_ = nullptr;
    QLabel *lblCount_ = nullptr;
    QWidget *form_ = nullptr;  // the controls above the table
    FindingsModel *model_ = nullptr;
    FindingsFilter *filter_ = nullptr;
    QTimer *batchTimer_ = nullptr;   // hands the queued findings to the table while a check runs
    QTimer *filterTimer_ = nullptr;  // filters once typing pauses, not at each key
    std::shared_ptr<FamilyTreeCheckRun> run_;
    std::unique_ptr<QThread> thread_;
    std::set<std::string> ids_;  // the finding ids of the list
    QString checkedFile_;        // the file of the findings shown
};

}  // namespace vardex
