#pragma once

#include "ui/formunits.h"

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

#include <array>
#include <string_view>

// Colours, sizes and texts of the Gantt chart window and its charts. Chart sizes are logical
// pixels; the painter scales them for dense screens.
namespace ganttlayout {

using formunits::Rgb;

// One colour per process, P1..P5, the same in the processor row, the lanes and the legend.
inline constexpr std::array<Rgb, 5> kProcessColors{{
    {70, 130, 180},
    {230, 140, 40},
    {80, 160, 80},
    {200, 70, 70},
    {150, 100, 190},
}};

// Further lanes (the laboratory's workloads): colours far from the five above and from each
// other; past these the chart walks round the colour circle.
inline constexpr std::array<Rgb, 12> kMoreLaneColors{{
    {23, 178, 190},
    {200, 185, 30},
    {225, 110, 185},
    {130, 80, 60},
    {40, 70, 160},
    {150, 205, 70},
    {250, 150, 110},
    {120, 30, 60},
    {25, 110, 75},
    {160, 120, 235},
    {240, 200, 90},
    {0, 130, 200},
}};

inline constexpr Rgb kChartBackground{255, 255, 255};
inline constexpr Rgb kChartFrame{150, 150, 150};
inline constexpr Rgb kInk{0, 0, 0};
inline constexpr Rgb kAxis{60, 60, 60};
inline constexpr Rgb kLaneGuide{225, 225, 225};
inline constexpr Rgb kArrivalMarker{20, 20, 20};
inline constexpr Rgb kHatch{0, 0, 0};
inline constexpr int kWaitingAlpha = 120;   // the waiting span is the process colour, lighter
inline constexpr Rgb kIdleFill{232, 232, 232};       // idle: light grey, hatched
inline constexpr Rgb kIdleHatch{150, 150, 150};
inline constexpr Rgb kSwitchFill{64, 64, 72};        // a context switch: dark, striped
inline constexpr Rgb kSwitchStripe{150, 150, 160};
inline constexpr Rgb kSwitchInk{255, 255, 255};
inline constexpr Rgb kMarkedTime{210, 20, 60};       // the marked time's line
inline constexpr double kMarkedTimeWidth = 2;

inline constexpr std::string_view kFontFamily = "Verdana";
inline constexpr double kFontPointSize = 8.25;

// Vertical order of a chart: title (one line high, more when it wraps), processor row, one lane
// per process, the time axis, the legend.
inline constexpr int kMargin = 8;
inline constexpr int kTitleHeight = 20;
inline constexpr int kRowLabelWidth = 40;
inline constexpr int kProcessorRowHeight = 24;
inline constexpr int kProcessorBarHeight = 16;
inline constexpr int kRowGap = 6;
inline constexpr int kLaneHeight = 18;
inline constexpr int kLaneBarHeight = 10;
inline constexpr int kWaitingSpanHeight = 4;
inline constexpr int kArrivalMarkerSize = 7;
inline constexpr double kArrivalMarkerReach = 2.5;   // how far its tip reaches into the bar
inline constexpr int kBarLabelPadding = 2;           // a bar narrower than its name stays unnamed
inline constexpr int kTickLength = 4;
inline constexpr int kTickLabelHeight = 14;
inline constexpr int kTickLabelRows = 2;    // close ticks take turns between the rows
inline constexpr int kTickLabelGap = 3;
inline constexpr int kLegendLineHeight = 16;
inline constexpr int kLegendSwatch = 10;
inline constexpr int kLaneSwatch = 8;       // beside a lane's name when there are too many for a legend
inline constexpr int kLegendSpacing = 12;
inline constexpr int kLegendTextGap = 4;
inline constexpr int kMinimumPlotWidth = 360;
inline constexpr int kPreferredWidth = 640;

// Texts of the charts. Those a translation changes are source texts of the context "ganttlayout",
// shown through text(); the processor row, the policies' names and the pictures' file names stay.
inline constexpr std::string_view kProcessorRowLabel = "CPU";
// A text of these tables in the language in force.
inline QString text(std::string_view source)
{
    // The tables' texts are literals, so their views end in a terminating zero.
    return QCoreApplication::translate("ganttlayout", source.data());
}

inline constexpr std::string_view kFcfsName = "FCFS";
inline constexpr std::string_view kSjfName = "SJF Non Preemptive";
inline constexpr std::string_view kWaitingAverageLabel = QT_TRANSLATE_NOOP("ganttlayout", "Awaiting Time");
inline constexpr std::string_view kTurnaroundAverageLabel = QT_TRANSLATE_NOOP("ganttlayout", "Turn Around");
inline constexpr std::string_view kNothingScheduled = QT_TRANSLATE_NOOP("ganttlayout", "Belum ada proses yang dijadwalkan");
inline constexpr std::string_view kLegendRunning = QT_TRANSLATE_NOOP("ganttlayout", "Berjalan");
inline constexpr std::string_view kLegendWaiting = QT_TRANSLATE_NOOP("ganttlayout", "Menunggu");
inline constexpr std::string_view kLegendArrival = QT_TRANSLATE_NOOP("ganttlayout", "Datang");
inline constexpr std::string_view kLegendBeforeArrival =
    QT_TRANSLATE_NOOP("ganttlayout", "Arsiran: berjalan sebelum datang (model ini tidak menunggu kedatangan)");
inline constexpr std::string_view kChartName = QT_TRANSLATE_NOOP("ganttlayout", "Gantt Chart");
inline constexpr std::string_view kOtherChartName = QT_TRANSLATE_NOOP("ganttlayout", "Gantt Chart pembanding");

// The window.
inline constexpr std::string_view kWindowTitle = QT_TRANSLATE_NOOP("ganttlayout", "Gantt Chart");
inline constexpr std::string_view kCompareCaption = QT_TRANSLATE_NOOP("ganttlayout", "Bandingkan FCFS dan SJF");
inline constexpr int kWindowMargin = 8;
inline constexpr int kWindowSpacing = 6;

// Saving the picture.
inline constexpr std::string_view kPictureNamePrefix = "Quorvel_Gantt_";
inline constexpr std::string_view kSaveDialogTitle = QT_TRANSLATE_NOOP("ganttlayout", "Simpan Gambar");
inline constexpr std::string_view kPngFilter = QT_TRANSLATE_NOOP("ganttlayout", "Gambar PNG (*.png)");
inline constexpr std::string_view kSvgFilter = QT_TRANSLATE_NOOP("ganttlayout", "Gambar SVG (*.svg)");
//: A message: followed directly by the path of the picture that could not be saved.
inline constexpr std::string_view kSaveFailed = QT_TRANSLATE_NOOP("ganttlayout", "Gambar tidak dapat disimpan ke ");

} // namespace ganttlayout
