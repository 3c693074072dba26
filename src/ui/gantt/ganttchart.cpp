#include "ui/gantt/ganttchart.h"

#include "engine/numeric.h"
#include "engine/processset.h"
#include "ui/gantt/ganttlayout.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <set>

namespace gantt {

namespace {

using namespace ganttlayout;
using formunits::toQColor;
using formunits::toQString;

QFont chartFont(bool bold)
{
    QFont font(toQString(kFontFamily));
    font.setPointSizeF(kFontPointSize);
    font.setBold(bold);
    return font;
}

QColor processColor(int index)
{
    return toQColor(kProcessColors.at(static_cast<std::size_t>(index)));
}

QString processName(int index)
{
    return QStringLiteral("P%1").arg(index + 1);
}

QString timeText(double time)
{
    return QString::fromStdString(engine::numeric::format(time));
}

// True when the model runs the process before it has arrived.
bool runsBeforeArrival(const engine::TimelineBar &bar, const std::array<double, 5> &arrival)
{
    return arrival.at(static_cast<std::size_t>(bar.index)) > bar.start;
}

int legendLines(const engine::Timeline &timeline, const std::optional<std::array<double, 5>> &arrival)
{
    if (!arrival)
        return 1;
    const bool early = std::any_of(timeline.bars.begin(), timeline.bars.end(),
                                   [&](const engine::TimelineBar &bar) {
                                       return runsBeforeArrival(bar, *arrival);
                                   });
    return early ? 2 : 1;
}

int chartHeight(int legendLineCount)
{
    return kMargin + kTitleHeight + kProcessorRowHeight + kRowGap + 5 * kLaneHeight + kRowGap
        + kTickLength + kTickLabelRows * kTickLabelHeight + kRowGap
        + legendLineCount * kLegendLineHeight + kMargin;
}

// One paint of a chart, step by step from the top down.
class ChartPainter {
public:
    ChartPainter(QPainter &painter, const QSize &size, const QString &title,
                 const engine::Timeline &timeline, const std::array<double, 5> *arrival)
        : m_painter(painter), m_size(size), m_title(title), m_timeline(timeline),
          m_arrival(arrival)
    {
        m_plotLeft = kMargin + kRowLabelWidth;
        m_plotWidth = std::max(1.0, size.width() - m_plotLeft - kMargin - kArrivalMarkerSize);
        m_span = std::max(1.0, timeline.end());
        if (arrival) {
            for (double time : *arrival)
                m_span = std::max(m_span, time);
        }
        m_processorTop = kMargin + kTitleHeight;
        m_laneTop = m_processorTop + kProcessorRowHeight + kRowGap;
        m_axisY = m_laneTop + 5 * kLaneHeight + kRowGap;
        m_legendTop = m_axisY + kTickLength + kTickLabelRows * kTickLabelHeight + kRowGap;
    }

    void paint()
    {
        fillBackground();
        drawTitle();
        if (!m_arrival) {
            drawNothingScheduled();
            return;
        }
        drawRowLabels();
        drawProcessorRow();
        drawLanes();
        drawAxis();
        drawLegend();
    }

private:
    double x(double time) const { return m_plotLeft + time / m_span * m_plotWidth; }

    QRectF span(double from, double to, double top, double height) const
    {
        // A process of burst 0 still shows as a hairline.
        return QRectF(x(from), top, std::max(1.0, x(to) - x(from)), height);
    }

    void fillBackground()
    {
        const QRectF area(QPointF(0, 0), QSizeF(m_size));
        m_painter.fillRect(area, toQColor(kChartBackground));
        m_painter.setPen(toQColor(kChartFrame));
        m_painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
    }

    void drawTitle()
    {
        m_painter.setFont(chartFont(true));
        m_painter.setPen(toQColor(kInk));
        m_painter.drawText(QRectF(kMargin, kMargin, m_size.width() - 2 * kMargin, kTitleHeight),
                           Qt::AlignLeft | Qt::AlignTop, m_title);
    }

    void drawNothingScheduled()
    {
        m_painter.setFont(chartFont(false));
        m_painter.setPen(toQColor(kAxis));
        m_painter.drawText(QRectF(QPointF(0, 0), QSizeF(m_size)), Qt::AlignCenter,
                           toQString(kNothingScheduled));
    }

    void drawRowLabels()
    {
        m_painter.setFont(chartFont(false));
        m_painter.setPen(toQColor(kInk));
        m_painter.drawText(QRectF(kMargin, m_processorTop, kRowLabelWidth, kProcessorRowHeight),
                           Qt::AlignLeft | Qt::AlignVCenter, toQString(kProcessorRowLabel));
        for (int i = 0; i < 5; ++i) {
            const double top = m_laneTop + i * kLaneHeight;
            m_painter.setPen(toQColor(kLaneGuide));
            m_painter.drawLine(QPointF(m_plotLeft, top + kLaneHeight / 2.0),
                               QPointF(m_plotLeft + m_plotWidth, top + kLaneHeight / 2.0));
            m_painter.setPen(toQColor(kInk));
            m_painter.drawText(QRectF(kMargin, top, kRowLabelWidth, kLaneHeight),
                               Qt::AlignLeft | Qt::AlignVCenter, processName(i));
        }
    }

    // A running span in the process's colour, its part before the arrival hatched.
    void drawRunningSpan(const engine::TimelineBar &bar, double top, double height)
    {
        const QRectF whole = span(bar.start, bar.finish, top, height);
        m_painter.setPen(toQColor(kAxis));
        m_painter.setBrush(processColor(bar.index));
        m_painter.drawRect(whole);
        if (runsBeforeArrival(bar, *m_arrival)) {
            const double arrival = std::min(m_arrival->at(static_cast<std::size_t>(bar.index)), bar.finish);
            m_painter.setPen(Qt::NoPen);
            m_painter.setBrush(QBrush(toQColor(kHatch), Qt::BDiagPattern));
            m_painter.drawRect(span(bar.start, arrival, top, height));
        }
        m_painter.setBrush(Qt::NoBrush);
    }

    void drawProcessorRow()
    {
        const double top = m_processorTop + (kProcessorRowHeight - kProcessorBarHeight) / 2.0;
        m_painter.setFont(chartFont(false));
        for (const engine::TimelineBar &bar : m_timeline.bars) {
            drawRunningSpan(bar, top, kProcessorBarHeight);
            const QRectF box = span(bar.start, bar.finish, top, kProcessorBarHeight);
            const QString name = processName(bar.index);
            if (QFontMetricsF(m_painter.font()).horizontalAdvance(name) + kBarLabelPadding <= box.width()) {
                m_painter.setPen(toQColor(kInk));
                m_painter.drawText(box, Qt::AlignCenter, name);
            }
        }
    }

    // A triangle pointing down at the arrival time; its tip reaches into the lane's bar.
    void drawArrivalMarker(double time, double laneTop)
    {
        const double tip = laneTop + (kLaneHeight - kLaneBarHeight) / 2.0 + kArrivalMarkerReach;
        const double half = kArrivalMarkerSize / 2.0;
        drawDownTriangle(QRectF(x(time) - half, tip - kArrivalMarkerSize, kArrivalMarkerSize,
                                kArrivalMarkerSize));
    }

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
        for (int i = 0; i < 5; ++i) {
            const double laneTop = m_laneTop + i * kLaneHeight;
            const double arrival = m_arrival->at(static_cast<std::size_t>(i));
            const auto bar = std::find_if(m_timeline.bars.begin(), m_timeline.bars.end(),
                                          [i](const engine::TimelineBar &b) { return b.index == i; });
            if (bar != m_timeline.bars.end()) {
                if (arrival < bar->start) {
                    QColor waiting = processColor(i);
                    waiting.setAlpha(kWaitingAlpha);
                    m_painter.fillRect(span(arrival, bar->start,
                                            laneTop + (kLaneHeight - kWaitingSpanHeight) / 2.0,
                                            kWaitingSpanHeight),
                                       waiting);
                }
                drawRunningSpan(*bar, laneTop + (kLaneHeight - kLaneBarHeight) / 2.0, kLaneBarHeight);
            }
            drawArrivalMarker(arrival, laneTop);
        }
    }

    void drawAxis()
    {
        m_painter.setPen(toQColor(kAxis));
        m_painter.drawLine(QPointF(x(0), m_axisY), QPointF(x(m_timeline.end()), m_axisY));

        std::set<double> ticks{0};
        for (const engine::TimelineBar &bar : m_timeline.bars) {
            ticks.insert(bar.start);
            ticks.insert(bar.finish);
        }
        m_painter.setFont(chartFont(false));
        const QFontMetricsF metrics(m_painter.font());
        std::array<double, kTickLabelRows> rowEnd;
        rowEnd.fill(-1e9);
        for (double time : ticks) {
            m_painter.setPen(toQColor(kAxis));
            m_painter.drawLine(QPointF(x(time), m_axisY), QPointF(x(time), m_axisY + kTickLength));
            const QString label = timeText(time);
            const double width = metrics.horizontalAdvance(label);
            const double left = x(time) - width / 2;
            // The first row the label fits in beside its neighbour; close ticks alternate rows.
            std::size_t row = 0;
            while (row + 1 < rowEnd.size() && left < rowEnd[row] + kTickLabelGap)
                ++row;
            rowEnd[row] = left + width;
            m_painter.setPen(toQColor(kInk));
            m_painter.drawText(QRectF(left, m_axisY + kTickLength + static_cast<double>(row) * kTickLabelHeight,
                                      width, kTickLabelHeight),
                               Qt::AlignCenter, label);
        }
    }

    // One legend entry: a sample drawn by the caller in a swatch-sized box, then its text.
    template <typename DrawSample>
    double legendEntry(double left, double top, const QString &text, DrawSample drawSample)
    {
        const QRectF swatch(left, top + (kLegendLineHeight - kLegendSwatch) / 2.0, kLegendSwatch,
                            kLegendSwatch);
        drawSample(swatch);
        m_painter.setPen(toQColor(kInk));
        const double textLeft = swatch.right() + kLegendTextGap;
        const double width = QFontMetricsF(m_painter.font()).horizontalAdvance(text);
        m_painter.drawText(QRectF(textLeft, top, width + 1, kLegendLineHeight),
                           Qt::AlignLeft | Qt::AlignVCenter, text);
        return textLeft + width + kLegendSpacing;
    }

    void drawLegend()
    {
        m_painter.setFont(chartFont(false));
        double left = kMargin;
        const double top = m_legendTop;
        for (int i = 0; i < 5; ++i) {
            left = legendEntry(left, top, processName(i), [&](const QRectF &swatch) {
                m_painter.fillRect(swatch, processColor(i));
            });
        }
        left = legendEntry(left, top, toQString(kLegendRunning), [&](const QRectF &swatch) {
            m_painter.setPen(toQColor(kAxis));
            m_painter.drawRect(swatch);
        });
        left = legendEntry(left, top, toQString(kLegendWaiting), [&](const QRectF &swatch) {
            QColor waiting = toQColor(kAxis);
            waiting.setAlpha(kWaitingAlpha);
            m_painter.fillRect(QRectF(swatch.left(), swatch.center().y() - kWaitingSpanHeight / 2.0,
                                      swatch.width(), kWaitingSpanHeight),
                               waiting);
        });
        legendEntry(left, top, toQString(kLegendArrival),
                    [&](const QRectF &swatch) { drawDownTriangle(swatch); });
        if (legendLines(m_timeline, *m_arrival) > 1) {
            legendEntry(kMargin, top + kLegendLineHeight, toQString(kLegendBeforeArrival),
                        [&](const QRectF &swatch) {
                            m_painter.setPen(toQColor(kAxis));
                            m_painter.setBrush(QBrush(toQColor(kHatch), Qt::BDiagPattern));
                            m_painter.drawRect(swatch);
                            m_painter.setBrush(Qt::NoBrush);
                        });
        }
    }

    QPainter &m_painter;
    QSize m_size;
    const QString &m_title;
    const engine::Timeline &m_timeline;
    const std::array<double, 5> *m_arrival;
    double m_plotLeft = 0;
    double m_plotWidth = 1;
    double m_span = 1;
    double m_processorTop = 0;
    double m_laneTop = 0;
    double m_axisY = 0;
    double m_legendTop = 0;
};

} // namespace

GanttChart::GanttChart(QWidget *parent)
    : QWidget(parent)
{
    setFont(chartFont(false));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void GanttChart::showRun(const QString &title, const engine::Timeline &timeline,
                         const engine::ProcessSet &processes)
{
    m_title = title;
    m_timeline = timeline;
    m_arrival = std::array<double, 5>{};
    for (int i = 0; i < 5; ++i)
        m_arrival->at(static_cast<std::size_t>(i)) = processes.arrival(i + 1);
    setAccessibleDescription(QString::fromStdString(engine::describeTimeline(timeline)));
    updateGeometry();
    update();
}

void GanttChart::showNothing()
{
    m_title.clear();
    m_timeline = engine::Timeline();
    m_arrival.reset();
    setAccessibleDescription(QString());
    updateGeometry();
    update();
}

void GanttChart::paint(QPainter &painter, const QSize &size) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    ChartPainter(painter, size, m_title, m_timeline, m_arrival ? &*m_arrival : nullptr).paint();
    painter.restore();
}

QSize GanttChart::sizeHint() const
{
    // Wide enough for the title with both averages.
    const int titleWidth = QFontMetrics(chartFont(true)).horizontalAdvance(m_title) + 2 * kMargin;
    return QSize(std::max(kPreferredWidth, titleWidth), chartHeight(legendLines(m_timeline, m_arrival)));
}

QSize GanttChart::minimumSizeHint() const
{
    return QSize(kMargin + kRowLabelWidth + kMinimumPlotWidth + kMargin,
                 chartHeight(legendLines(m_timeline, m_arrival)));
}

void GanttChart::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    paint(painter, size());
}

} // namespace gantt
