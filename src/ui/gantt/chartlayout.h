#pragma once

#include "ui/gantt/chartdata.h"

#include <QColor>
#include <QLineF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QFont;

// Where every part of a Gantt chart goes for a given size: the painter draws exactly these
// rectangles, and the tests check them without looking at pixels.
namespace gantt {

// How a chart is drawn, apart from what it shows.
struct ChartOptions {
    double pixelsPerUnit = 0;            // 0: the time axis fills the width
    bool compact = false;                // title, processor row and axis only
    std::optional<double> markedTime;    // a vertical line across all rows
};

// One caption drawn on a solid background inside its bar; left out when it does not fit.
struct BarCaption {
    QString text;
    QRectF rect;     // the background box, inside the bar
    bool shown = false;
};

struct ProcessorBox {
    QRectF rect;
    BarCaption caption;
};

// A tick label of the time axis: a boundary between pieces, at its tick or pushed inside the
// chart at the ends.
struct AxisLabel {
    double time = 0;
    QString text;
    QRectF rect;
};

enum class LegendSample { Lane, Running, Waiting, Arrival, Idle, Switch, BeforeArrival };

struct LegendEntry {
    LegendSample sample = LegendSample::Lane;
    int lane = -1;
    QString text;
    QRectF swatch;
    QRectF textRect;
};

// A candidate label of the time axis for placeAxisLabels: where its tick is, how wide its text
// is and how much it is wanted (lower first).
struct AxisLabelCandidate {
    double x = 0;
    double width = 0;
    int priority = 0;
};

// One placed label: the index of its candidate, its left edge and its row (0 the upper).
struct PlacedAxisLabel {
    std::size_t candidate = 0;
    double left = 0;
    int row = 0;
};

// Places the labels of the time axis: in order of priority (ties by position), each centred on
// its tick but kept wholly within [minX, maxX], in the first of `rows` rows where it keeps at
// least `gap` from every label already placed there; a lower row only when no label above
// stands over its tick. A label that fits nowhere is left out.
// The result is sorted by candidate index.
std::vector<PlacedAxisLabel> placeAxisLabels(const std::vector<AxisLabelCandidate> &candidates,
                                             double minX, double maxX, int rows, double gap);

// The lines of a text broken at word boundaries (inside a word only when the word alone is too
// wide) so that each fits the width; never cut.
QStringList wrapText(const QString &text, const QFont &font, double width);

// The colour of a lane: the five colours of the main window's processes first, then further
// distinct colours, the same for the same lane on every machine.
QColor laneColor(int lane);

// The geometry of one chart at one size.
class ChartLayout {
public:
    ChartLayout(const ChartData &data, const ChartOptions &options, const QSize &size);

    // The size the chart needs at this width (its height, and at a fixed time scale its width).
    static QSize neededSize(const ChartData &data, const ChartOptions &options, int width);

    const QSize &size() const { return m_size; }
    bool nothingScheduled() const { return m_nothing; }

    double x(double time) const;
    double origin() const { return m_origin; }
    double span() const { return m_span; }
    double plotLeft() const { return m_plotLeft; }
    double plotRight() const { return m_plotLeft + m_plotWidth; }

    const QStringList &titleLines() const { return m_titleLines; }
    QRectF titleLineRect(int line) const;
    double titleBottom() const;

    QRectF processorLabelRect() const;
    QRectF processorBarBand() const;     // the band the processor pieces are drawn in
    const std::vector<ProcessorBox> &processorBoxes() const { return m_processor; }

    int laneCount() const { return m_compact ? 0 : static_cast<int>(m_lanes); }
    QRectF laneRow(int lane) const;      // the whole lane, label column included
    QRectF laneLabelRect(int lane) const;
    QRectF laneBarRect(int lane, const LanePiece &piece) const;
    QRectF arrivalMarkerRect(int lane, double arrival) const;
    // The lanes that meet the vertical range [top, bottom].
    std::pair<int, int> lanesBetween(double top, double bottom) const;

    double axisY() const { return m_axisY; }
    const std::vector<double> &ticks() const { return m_ticks; }
    const std::vector<AxisLabel> &axisLabels() const { return m_axisLabels; }

    const std::vector<LegendEntry> &legend() const { return m_legend; }
    bool laneSwatches() const { return m_laneSwatches; }   // many lanes: colour beside the name

    std::optional<QLineF> markerLine() const;
    // Moves the marked time; nothing else of the layout depends on it.
    void setMarkedTime(std::optional<double> time) { m_markedTime = time; }

private:
    void layOutTitle(const ChartData &data);
    void layOutPlot(const ChartData &data);
    void layOutProcessor(const ChartData &data);
    void layOutAxis(const ChartData &data);
    void layOutLegend(const ChartData &data);
    double bottom() const;
    QRectF spanRect(double from, double to, double top, double height) const;

    QSize m_size;
    bool m_compact = false;
    bool m_nothing = false;
    double m_pixelsPerUnit = 0;
    std::optional<double> m_markedTime;
    std::size_t m_lanes = 0;
    double m_origin = 0;
    double m_span = 1;
    double m_labelWidth = 0;
    double m_plotLeft = 0;
    double m_plotWidth = 1;
    QStringList m_titleLines;
    double m_titleLineHeight = 0;
    double m_processorTop = 0;
    double m_laneTop = 0;
    double m_axisY = 0;
    double m_legendTop = 0;
    double m_legendHeight = 0;
    bool m_laneSwatches = false;
    std::vector<ProcessorBox> m_processor;
    std::vector<double> m_ticks;
    std::vector<AxisLabel> m_axisLabels;
    std::vector<LegendEntry> m_legend;
};

// The fonts of a chart.
QFont chartFont(bool bold);

// The caption of an idle or switch piece.
QString idleCaption();
QString switchCaption();

} // namespace gantt
