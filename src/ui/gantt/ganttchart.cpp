#include "ui/gantt/ganttchart.h"

#include "engine/timeline.h"
#include "ui/gantt/ganttlayout.h"
#include "ui/gantt/timelinechart.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>

namespace gantt {

namespace {

using namespace ganttlayout;
using formunits::toQColor;
using formunits::toQString;

// One paint of a chart, step by step from the top down, from the rectangles of its layout.
class ChartPainter {
public:
    ChartPainter(QPainter &painter, const ChartData &data, const ChartLayout &layout, const QRectF &exposed)
        : m_painter(painter), m_data(data), m_layout(layout),
          m_exposed(exposed.isValid() ? exposed : QRectF(QPointF(0, 0), QSizeF(layout.size())))
    {
    }

    void paint()
    {
        fillBackground();
        drawTitle();
        if (m_layout.nothingScheduled()) {
            drawNothingScheduled();
            return;
        }
        drawProcessorRow();
        drawLanes();
        drawAxis();
        drawLegend();
        drawMarkedTime();
    }

private:
    void fillBackground()
    {
        const QRectF area(QPointF(0, 0), QSizeF(m_layout.size()));
        m_painter.fillRect(area, toQColor(kChartBackground));
        m_painter.setPen(toQColor(kChartFrame));
        m_painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
    }

    void drawTitle()
    {
        m_painter.setFont(chartFont(true));
        m_painter.setPen(toQColor(kInk));
        const QStringList &lines = m_layout.titleLines();
        for (int i = 0; i < lines.size(); ++i)
            m_painter.drawText(m_layout.titleLineRect(i), Qt::AlignLeft | Qt::AlignTop, lines.at(i));
    }

    void drawNothingScheduled()
    {
        m_painter.setFont(chartFont(false));
        m_painter.setPen(toQColor(kAxis));
        m_painter.drawText(QRectF(QPointF(0, 0), QSizeF(m_layout.size())), Qt::AlignCenter,
                           ganttlayout::text(kNothingScheduled));
    }

    double arrivalOf(int lane) const
    {
        return lane >= 0 && static_cast<std::size_t>(lane) < m_data.lanes.size()
            ? m_data.lanes[static_cast<std::size_t>(lane)].arrival
            : 0;
    }

    QRectF sliceOf(const QRectF &bar, double from, double to) const
    {
        const double left = std::max(bar.left(), m_layout.x(from));
        const double right = std::min(bar.right(), m_layout.x(to));
        return QRectF(left, bar.top(), std::max(1.0, right - left), bar.height());
    }

    // A running span in its lane's colour, its part before the arrival hatched.
    void drawRunning(const QRectF &bar, int lane, double start, double end)
    {
        m_painter.setPen(toQColor(kAxis));
        m_painter.setBrush(laneColor(lane));
        m_painter.drawRect(bar);
        const double arrival = arrivalOf(lane);
        if (arrival > start) {
            m_painter.setPen(Qt::NoPen);
            m_painter.setBrush(QBrush(toQColor(kHatch), Qt::BDiagPattern));
            m_painter.drawRect(sliceOf(bar, start, std::min(arrival, end)));
        }
        m_painter.setBrush(Qt::NoBrush);
    }

    void drawPattern(const QRectF &bar, const QColor &fill, const QColor &lines, Qt::BrushStyle style)
    {
        m_painter.setPen(toQColor(kAxis));
        m_painter.setBrush(fill);
        m_painter.drawRect(bar);
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(QBrush(lines, style));
        m_painter.drawRect(bar.adjusted(0.5, 0.5, -0.5, -0.5));
        m_painter.setBrush(Qt::NoBrush);
    }

    void drawProcessorRow()
    {
        m_painter.setFont(chartFont(false));
        m_painter.setPen(toQColor(kInk));
        m_painter.drawText(m_layout.processorLabelRect(), Qt::AlignLeft | Qt::AlignVCenter,
                           toQString(kProcessorRowLabel));
        const auto &boxes = m_layout.processorBoxes();
        // Hairline boxes that fall on the pixel column just painted add nothing to see; a long
        // schedule has millions of them.
        double paintedColumn = -1;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const ProcessorBox &box = boxes[i];
            if (box.rect.right() < m_exposed.left() || box.rect.left() > m_exposed.right())
                continue;
            const double column = std::floor(box.rect.left());
            if (box.rect.width() <= 1.0 && column == paintedColumn)
                continue;
            paintedColumn = column;
            const ProcessorPiece &piece = m_data.processor[i];
            QColor background;
            QColor ink = toQColor(kInk);
            switch (piece.kind) {
            case PieceKind::Run:
                drawRunning(box.rect, piece.lane, piece.start, piece.end);
                background = laneColor(piece.lane);
                break;
            case PieceKind::Idle:
                background = toQColor(kIdleFill);
                drawPattern(box.rect, background, toQColor(kIdleHatch), Qt::BDiagPattern);
                break;
            case PieceKind::Switch:
                background = toQColor(kSwitchFill);
                ink = toQColor(kSwitchInk);
                drawPattern(box.rect, background, toQColor(kSwitchStripe), Qt::VerPattern);
                break;
            }
            if (box.caption.shown) {
                // On a solid background, so that hatching never crosses the caption.
                m_painter.fillRect(box.caption.rect, background);
                m_painter.setPen(ink);
                m_painter.drawText(box.caption.rect, Qt::AlignCenter, box.caption.text);
            }
        }
    }

    // A triangle pointing down; its tip reaches into the lane's bar.
    void drawDownTriangle(const QRectF &box)
    {
        QPainterPath marker;
        marker.moveTo(box.topLeft());
        marker.lineTo(box.topRight());
        marker.lineTo(box.center().x(), box.bottom());
        marker.closeSubpath();
        m_painter.fillPath(marker, toQColor(kArrivalMarker));
    }

    void drawLanes()
    {
        const auto [first, last] = m_layout.lanesBetween(m_exposed.top(), m_exposed.bottom());
        m_painter.setFont(chartFont(false));
        for (int lane = first; lane < last; ++lane) {
            const ChartLane &data = m_data.lanes[static_cast<std::size_t>(lane)];
            const QRectF row = m_layout.laneRow(lane);
            m_painter.setPen(toQColor(kLaneGuide));
            m_painter.drawLine(QPointF(m_layout.plotLeft(), row.center().y()),
                               QPointF(m_layout.plotRight(), row.center().y()));
            QRectF label = m_layout.laneLabelRect(lane);
            if (m_layout.laneSwatches()) {
                m_painter.fillRect(QRectF(label.left(), label.center().y() - kLaneSwatch / 2.0, kLaneSwatch, kLaneSwatch),
                                   laneColor(lane));
                label.setLeft(label.left() + kLaneSwatch + kLegendTextGap);
            }
            m_painter.setPen(toQColor(kInk));
            m_painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, data.name);
            for (const LanePiece &piece : data.pieces) {
                const QRectF bar = m_layout.laneBarRect(lane, piece);
                if (bar.right() < m_exposed.left() || bar.left() > m_exposed.right())
                    continue;
                if (piece.running) {
                    drawRunning(bar, lane, piece.start, piece.end);
                } else {
                    QColor waiting = laneColor(lane);
                    waiting.setAlpha(kWaitingAlpha);
                    m_painter.fillRect(bar, waiting);
                }
            }
            drawDownTriangle(m_layout.arrivalMarkerRect(lane, data.arrival));
        }
    }

    void drawAxis()
    {
        const double y = m_layout.axisY();
        m_painter.setPen(toQColor(kAxis));
        const std::vector<double> &ticks = m_layout.ticks();
        m_painter.drawLine(QPointF(m_layout.x(ticks.front()), y), QPointF(m_layout.x(ticks.back()), y));
        double lastTick = -1;
        for (double time : ticks) {
            const double at = m_layout.x(time);
            if (lastTick >= 0 && at - lastTick < 0.5)
                continue;   // on the pixel of the tick just drawn
            lastTick = at;
            m_painter.drawLine(QPointF(at, y), QPointF(at, y + kTickLength));
        }
        m_painter.setFont(chartFont(false));
        m_painter.setPen(toQColor(kInk));
        for (const AxisLabel &label : m_layout.axisLabels())
            m_painter.drawText(label.rect, Qt::AlignCenter, label.text);
    }

    void drawLegendSample(const LegendEntry &entry)
    {
        const QRectF &swatch = entry.swatch;
        switch (entry.sample) {
        case LegendSample::Lane:
            m_painter.fillRect(swatch, laneColor(entry.lane));
            break;
        case LegendSample::Running:
            m_painter.setPen(toQColor(kAxis));
            m_painter.drawRect(swatch);
            break;
        case LegendSample::Waiting: {
            QColor waiting = toQColor(kAxis);
            waiting.setAlpha(kWaitingAlpha);
            m_painter.fillRect(QRectF(swatch.left(), swatch.center().y() - kWaitingSpanHeight / 2.0,
                                      swatch.width(), kWaitingSpanHeight),
                               waiting);
            break;
        }
        case LegendSample::Arrival:
            drawDownTriangle(swatch);
            break;
        case LegendSample::Idle:
            drawPattern(swatch, toQColor(kIdleFill), toQColor(kIdleHatch), Qt::BDiagPattern);
            break;
        case LegendSample::Switch:
            drawPattern(swatch, toQColor(kSwitchFill), toQColor(kSwitchStripe), Qt::VerPattern);
            break;
        case LegendSample::BeforeArrival:
            m_painter.setPen(toQColor(kAxis));
            m_painter.setBrush(QBrush(toQColor(kHatch), Qt::BDiagPattern));
            m_painter.drawRect(swatch);
            m_painter.setBrush(Qt::NoBrush);
            break;
        }
    }

    void drawLegend()
    {
        m_painter.setFont(chartFont(false));
        for (const LegendEntry &entry : m_layout.legend()) {
            drawLegendSample(entry);
            m_painter.setPen(toQColor(kInk));
            m_painter.drawText(entry.textRect, Qt::AlignLeft | Qt::AlignVCenter, entry.text);
        }
    }

    void drawMarkedTime()
    {
        const std::optional<QLineF> line = m_layout.markerLine();
        if (!line)
            return;
        QPen pen(toQColor(kMarkedTime));
        pen.setWidthF(kMarkedTimeWidth);
        m_painter.setPen(pen);
        m_painter.drawLine(*line);
        // A small handle on top, so that the line reads as a mark and not as a bar's edge.
        const double half = kArrivalMarkerSize / 2.0;
        QPainterPath handle;
        handle.moveTo(line->p1() + QPointF(-half, -half));
        handle.lineTo(line->p1() + QPointF(half, -half));
        handle.lineTo(line->p1() + QPointF(0, half / 2));
        handle.closeSubpath();
        m_painter.fillPath(handle, toQColor(kMarkedTime));
    }

    QPainter &m_painter;
    const ChartData &m_data;
    const ChartLayout &m_layout;
    QRectF m_exposed;
};

} // namespace

GanttChart::GanttChart(QWidget *parent)
    : QWidget(parent)
{
    setFont(chartFont(false));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void GanttChart::showChart(const ChartData &data)
{
    m_data = data;
    changed();
}

void GanttChart::setTitle(const QString &title)
{
    m_data.title = title;
    changed();
}

void GanttChart::showRun(const QString &title, const engine::Timeline &timeline,
                         const engine::ProcessSet &processes)
{
    showChart(chartFromTimeline(title, timeline, processes));
}

void GanttChart::showNothing()
{
    showChart(ChartData());
}

void GanttChart::setTimeScale(double pixelsPerUnit)
{
    m_options.pixelsPerUnit = std::max(0.0, pixelsPerUnit);
    changed();
}

void GanttChart::setMarkedTime(std::optional<double> time)
{
    m_options.markedTime = time;
    // Choosing one step after another moves only the line: the layout is kept.
    if (m_layout)
        m_layout->setMarkedTime(time);
    update();
}

void GanttChart::setCompact(bool compact)
{
    m_options.compact = compact;
    changed();
}

void GanttChart::changed()
{
    m_layout.reset();
    m_neededSizes.clear();
    m_minimumWidth.reset();
    setAccessibleDescription(m_data.description);
    updateGeometry();
    update();
}

ChartLayout GanttChart::layout(const QSize &size) const
{
    return cachedLayout(size);
}

const ChartLayout &GanttChart::cachedLayout(const QSize &size) const
{
    if (!m_layout || m_layout->size() != size)
        m_layout.emplace(m_data, m_options, size);
    return *m_layout;
}

QSize GanttChart::neededSize(int width) const
{
    const auto known = m_neededSizes.find(width);
    if (known != m_neededSizes.end())
        return known->second;
    // Resizing asks at every width it passes; only the latest few are worth keeping.
    if (m_neededSizes.size() >= 16)
        m_neededSizes.clear();
    return m_neededSizes.emplace(width, ChartLayout::neededSize(m_data, m_options, width)).first->second;
}

void GanttChart::paint(QPainter &painter, const QSize &size, const QRectF &exposed) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    ChartPainter(painter, m_data, cachedLayout(size), exposed).paint();
    painter.restore();
}

QSize GanttChart::pictureSize() const
{
    const int width = std::max(this->width(), minimumSizeHint().width());
    const QSize needed = neededSize(width);
    return QSize(std::max(width, needed.width()), std::max(height(), needed.height()));
}

int GanttChart::preferredWidth() const
{
    if (m_options.pixelsPerUnit > 0 && !m_data.empty())
        return neededSize(kPreferredWidth).width();
    // Wide enough for the title with both averages on one line.
    const int titleWidth = QFontMetrics(chartFont(true)).horizontalAdvance(m_data.title) + 2 * kMargin;
    return std::max(kPreferredWidth, titleWidth);
}

QSize GanttChart::sizeHint() const
{
    const int width = preferredWidth();
    return QSize(width, neededSize(width).height());
}

QSize GanttChart::minimumSizeHint() const
{
    if (!m_minimumWidth) {
        if (m_options.pixelsPerUnit > 0 && !m_data.empty()) {
            m_minimumWidth = preferredWidth();
        } else {
            const ChartLayout probe(m_data, m_options, QSize(kPreferredWidth, 1));
            m_minimumWidth = static_cast<int>(std::ceil(probe.plotLeft())) + kMinimumPlotWidth + kMargin;
        }
    }
    const int width = *m_minimumWidth;
    // As high as the chart is at its narrowest, where its title takes the most lines: at any
    // width the whole title then fits.
    return QSize(width, neededSize(width).height());
}

int GanttChart::heightForWidth(int width) const
{
    return neededSize(std::max(width, 1)).height();
}

void GanttChart::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    paint(painter, size(), QRectF(event->rect()));
    if (hasFocus()) {
        // Reached with Tab: the usual focus frame just inside the chart's border.
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

} // namespace gantt
