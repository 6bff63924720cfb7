// SPDX-License-Identifier: MIT
// The Equinox chart window: the day of March of the March equinox, year by year, in the
// Gregorian, Julian and Dee calendars at a meridian west of Greenwich, with the Dee target day as
// a band. Draw (or Enter) reads the years, the meridian and the solar time, and the Dee variant
// from the main window; a fault is shown and the chart drawn before stays. The chart zooms with
// the rubber band and the wheel, names a point's date and time under the mouse, shows the
// uncertainty of Delta-T about its lines when asked, and saves itself as PNG or SVG at the size
// chosen.
#pragma once

#include <QWidget>

#include "chart/EquinoxChartData.h"
#include "seams/Dialogs.h"
#include "seams/SaveFileChooser.h"
#include "support/widgets/KeptSpinBox.h"
#include "support/widgets/TableWindowHost.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace vardex {

class EquinoxChart;
class ZoomChartView;
enum class ImageFormat;

class EquinoxChartWindow : public QWidget {
    Q_OBJECT

public:
    // The host, the seams and the save-file chooser must outlive the window.
    EquinoxChartWindow(TableWindowHost &host, Dialogs &dialogs, SaveFileChooser &files,
                       QWidget *parent = nullptr);

    // Draws again in the main window's Dee variant when it has changed, keeping the zoom.
    void FollowVariant();
    // Takes the vernal-equinox window's meridian and solar time, and draws.
    void TakeMeridian(int degrees, int minutes, SolarTime solarTime);
    // Draws the chart of the controls' choices, or shows why it cannot and keeps the chart.
    void Draw();
    // The whole chart again after zooming.
    void ResetZoom();
    // Asks where, then writes the chart at the chosen image size.
    void SaveImage(ImageFormat format);

    // What the chart shows.
    const EquinoxChartData &Data() const { return data_; }
    // The text for the mouse over the line of kChartCalendars[index] at the chart value at; with
    // the Delta-T band shown, the point's uncertainty too.
    QString HoverText(size_t index, QPointF at) const;
    // Shows, as a tooltip, the text of the point nearest the mouse (in chart coordinates).
    void ShowHoverText(QPointF inChart, QPoint global);

    KeptSpinBox *spnFromYear;
    KeptSpinBox *spnToYear;
    KeptSpinBox *spnDegrees;
    KeptSpinBox *spnMinutes;
    QRadioButton *optMean;
    QRadioButton *optApparent;
    QPushButton *cmdDraw;
    QPushButton *cmdResetZoom;
    QCheckBox *chkDeltaT;
    EquinoxChart *chart;
    ZoomChartView *view;
    KeptSpinBox *spnImageWidth;
    KeptSpinBox *spnImageHeight;
    QPushButton *cmdSavePng;
    QPushButton *cmdSaveSvg;
    QPushButton *cmdClose;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void LayOut();
    void Show(EquinoxChartData data);

    TableWindowHost &host_;
    Dialogs &dialogs_;
    SaveFileChooser &files_;
    EquinoxChartData data_;
};

}  // namespace vardex
