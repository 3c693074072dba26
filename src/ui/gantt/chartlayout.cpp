#include "ui/gantt/chartlayout.h"

#include "engine/numeric.h"
#include "ui/gantt/ganttlayout.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace gantt {

namespace {

using namespace ganttlayout;
using formunits::toQColor;
using formunits::toQString;

// Lanes beyond this many are not listed in the legend: each lane's name then carries its
// colour beside it.
constexpr std::size_t kLegendLaneLimit = 16;
// An empty chart keeps the height of the main window's five lanes, so the window does not jump.
constexpr int kEmptyChartLanes = 5;
constexpr double kEndInset = kMargin / 2.0;   // the first and last axis labels stay this far inside

// The labels placed in one row are apart and sorted by their left edges, so their right edges
// are sorted too: of the spans that start before `to`, only the last one can reach past `from`.
// This keeps placing labels quick for schedules of millions of pieces.
bool reachesInto(const std::vector<std::pair<double, double>> &spans, double from, double to)
{
    const auto after = std::lower_bound(spans.begin(), spans.end(), to,
                                        [](const auto &span, double value) { return span.first < value; });
    return after != spans.begin() && std::prev(after)->second > from;
}

// Whether a span of the row, widened by `margin` on both sides, holds x.
bool standsOver(const std::vector<std::pair<double, double>> &spans, double x, double margin)
{
    const auto after = std::upper_bound(spans.begin(), spans.end(), x + margin,
                                        [](double value, const auto &span) { return value < span.first; });
    return after != spans.begin() && x <= std::prev(after)->second + margin;
}

QString timeText(double time)
{
    return QString::fromStdString(engine::numeric::format(time));
}

double titleWidthFor(int width)
{
    return std::max(1.0, static_cast<double>(width - 2 * kMargin));
}

bool anyPiece(const ChartData &data, PieceKind kind)
{
    return std::any_of(data.processor.begin(), data.processor.end(),
                       [kind](const ProcessorPiece &piece) { return piece.kind == kind; });
}

bool runsBeforeArrival(const ChartData &data)
{
    return std::any_of(data.lanes.begin(), data.lanes.end(), [](const ChartLane &lane) {
        return std::any_of(lane.pieces.begin(), lane.pieces.end(), [&](const LanePiece &piece) {
            return piece.running && piece.start < lane.arrival;
        });
    });
}

} // namespace

QFont chartFont(bool bold)
{
    QFont font(toQString(kFontFamily));
    font.setPointSizeF(kFontPointSize);
    font.setBold(bold);
    return font;
}

QString idleCaption()
{
    return QCoreApplication::translate("gantt::GanttChart", "idle");
}

QString switchCaption()
{
    return QCoreApplication::translate("gantt::GanttChart", "switch");
}

QColor laneColor(int lane)
{
    if (lane < 0)
        return toQColor(kAxis);
    const auto index = static_cast<std::size_t>(lane);
    if (index < kProcessColors.size())
        return toQColor(kProcessColors.at(index));
    if (index - kProcessColors.size() < kMoreLaneColors.size())
        return toQColor(kMoreLaneColors.at(index - kProcessColors.size()));
    // Beyond those, walk round the colour circle by the golden angle, so that neighbours differ
    // most, in three steps of saturation and value; never grey, so never the idle or switch look.
    const int n = lane - static_cast<int>(kProcessColors.size() + kMoreLaneColors.size());
    const int hue = static_cast<int>(std::fmod(20.0 + n * 137.508, 360.0));
    const int saturation = 150 + 40 * (n % 3);
    const int value = 215 - 25 * ((n / 3) % 3);
    return QColor::fromHsv(hue, saturation, value);
}

std::vector<PlacedAxisLabel> placeAxisLabels(const std::vector<AxisLabelCandidate> &candidates,
                                             double minX, double maxX, int rows, double gap)
{
    std::vector<std::size_t> order(candidates.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (candidates[a].priority != candidates[b].priority)
            return candidates[a].priority < candidates[b].priority;
        return candidates[a].x < candidates[b].x;
    });

    // Per row, the placed labels' spans, kept sorted by their left edge.
    std::vector<std::vector<std::pair<double, double>>> taken(static_cast<std::size_t>(std::max(rows, 0)));
    std::vector<PlacedAxisLabel> placed;
    for (std::size_t index : order) {
        const AxisLabelCandidate &candidate = candidates[index];
        double left = candidate.x - candidate.width / 2;
        left = std::min(left, maxX - candidate.width);
        left = std::max(left, minX);
        const double right = left + candidate.width;
        if (right > maxX + 1e-9)
            continue;   // wider than the whole axis
        for (std::size_t row = 0; row < taken.size(); ++row) {
            auto &spans = taken[row];
            if (reachesInto(spans, left - gap, right + gap))
                continue;
            // A lower row only for a tick that no label above stands over: a label under
            // another one's tick would read as belonging to it.
            const bool underAnother = std::any_of(taken.begin(), taken.begin() + static_cast<std::ptrdiff_t>(row),
                                                  [&](const auto &above) {
                                                      return standsOver(above, candidate.x, gap / 2);
                                                  });
            if (underAnother)
                break;
            spans.insert(std::upper_bound(spans.begin(), spans.end(), std::make_pair(left, right)),
                         std::make_pair(left, right));
            placed.push_back({index, left, static_cast<int>(row)});
            break;
        }
    }
    std::sort(placed.begin(), placed.end(),
              [](const PlacedAxisLabel &a, const PlacedAxisLabel &b) { return a.candidate < b.candidate; });
    return placed;
}

QStringList wrapText(const QString &text, const QFont &font, double width)
{
    if (text.isEmpty())
        return {QString()};
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        const QString part = text.mid(line.textStart(), line.textLength()).trimmed();
        if (!part.isEmpty() || lines.isEmpty())
            lines.append(part);
    }
    layout.endLayout();
    return lines;
}

// --- the layout ---------------------------------------------------------------------------------

ChartLayout::ChartLayout(const ChartData &data, const ChartOptions &options, const QSize &size)
    : m_size(size),
      m_compact(options.compact),
      m_nothing(data.empty()),
      m_pixelsPerUnit(options.pixelsPerUnit),
      m_markedTime(options.markedTime),
      m_lanes(data.lanes.size())
{
    layOutTitle(data);
    layOutPlot(data);
    if (m_nothing)
        return;
    layOutProcessor(data);
    layOutAxis(data);
    layOutLegend(data);
}

QSize ChartLayout::neededSize(const ChartData &data, const ChartOptions &options, int width)
{
    ChartLayout probe(data, options, QSize(std::max(width, 1), 1));
    int needed = width;
    if (options.pixelsPerUnit > 0 && !data.empty()) {
        needed = static_cast<int>(std::ceil(probe.m_plotLeft + probe.m_plotWidth + kArrivalMarkerSize + kMargin));
        if (needed != width)
            probe = ChartLayout(data, options, QSize(needed, 1));
    }
    return QSize(needed, static_cast<int>(std::ceil(probe.bottom())));
}

void ChartLayout::layOutTitle(const ChartData &data)
{
    const QFont font = chartFont(true);
    m_titleLines = wrapText(data.title, font, titleWidthFor(m_size.width()));
    m_titleLineHeight = QFontMetricsF(font).lineSpacing();
    m_processorTop = titleBottom();
}

QRectF ChartLayout::titleLineRect(int line) const
{
    return QRectF(kMargin, kMargin + line * m_titleLineHeight, titleWidthFor(m_size.width()),
                  m_titleLineHeight);
}

double ChartLayout::titleBottom() const
{
    const auto extra = static_cast<double>(std::max<qsizetype>(m_titleLines.size(), 1) - 1);
    return kMargin + kTitleHeight + extra * m_titleLineHeight;
}

void ChartLayout::layOutPlot(const ChartData &data)
{
    const QFontMetricsF metrics(chartFont(false));
    m_laneSwatches = m_lanes > kLegendLaneLimit;
    m_labelWidth = std::max(static_cast<double>(kRowLabelWidth),
                            metrics.horizontalAdvance(toQString(kProcessorRowLabel)) + kBarLabelPadding);
    if (!m_compact) {
        const double swatch = m_laneSwatches ? kLaneSwatch + kLegendTextGap : 0;
        for (const ChartLane &lane : data.lanes)
            m_labelWidth = std::max(m_labelWidth, swatch + metrics.horizontalAdvance(lane.name) + kLegendTextGap);
    }
    m_plotLeft = kMargin + m_labelWidth;

    double first = 0;
    double last = 0;
    for (const ProcessorPiece &piece : data.processor) {
        first = std::min(first, piece.start);
        last = std::max(last, piece.end);
    }
    for (const ChartLane &lane : data.lanes) {
        first = std::min(first, lane.arrival);
        last = std::max(last, lane.arrival);
        for (const LanePiece &piece : lane.pieces) {
            first = std::min(first, piece.start);
            last = std::max(last, piece.end);
        }
    }
    m_origin = first;
    m_span = std::max(1.0, last - first);
    if (m_pixelsPerUnit > 0)
        m_plotWidth = std::max(1.0, m_span * m_pixelsPerUnit);
    else
        m_plotWidth = std::max(1.0, m_size.width() - m_plotLeft - kMargin - kArrivalMarkerSize);

    m_laneTop = m_processorTop + kProcessorRowHeight + kRowGap;
    int lanesHigh = m_compact ? 0 : static_cast<int>(m_lanes);
    if (m_nothing && !m_compact)
        lanesHigh = kEmptyChartLanes;
    m_axisY = m_compact ? m_processorTop + kProcessorRowHeight + kRowGap / 2.0
                        : m_laneTop + lanesHigh * kLaneHeight + kRowGap;
    m_legendTop = m_axisY + kTickLength + kTickLabelRows * kTickLabelHeight + kRowGap;
    m_legendHeight = m_compact ? 0 : kLegendLineHeight;
}

double ChartLayout::x(double time) const
{
    return m_plotLeft + (time - m_origin) / m_span * m_plotWidth;
}

QRectF ChartLayout::processorLabelRect() const
{
    return QRectF(kMargin, m_processorTop, m_labelWidth, kProcessorRowHeight);
}

QRectF ChartLayout::processorBarBand() const
{
    return QRectF(m_plotLeft, m_processorTop + (kProcessorRowHeight - kProcessorBarHeight) / 2.0,
                  m_plotWidth, kProcessorBarHeight);
}

void ChartLayout::layOutProcessor(const ChartData &data)
{
    const QFontMetricsF metrics(chartFont(false));
    const QRectF band = processorBarBand();
    const double captionHeight = std::min(band.height() - 2, metrics.height());
    m_processor.reserve(data.processor.size());
    for (const ProcessorPiece &piece : data.processor) {
        ProcessorBox box;
        box.rect = spanRect(piece.start, piece.end, band.top(), band.height());
        switch (piece.kind) {
        case PieceKind::Run:
            if (piece.lane >= 0 && static_cast<std::size_t>(piece.lane) < data.lanes.size())
                box.caption.text = data.lanes[static_cast<std::size_t>(piece.lane)].name;
            break;
        case PieceKind::Idle:
            box.caption.text = idleCaption();
            break;
        case PieceKind::Switch:
            box.caption.text = switchCaption();
            break;
        }
        // A box narrower than the padding holds no caption: it is not measured (a long schedule
        // has millions of such boxes).
        const double width = box.rect.width() > kBarLabelPadding
            ? metrics.horizontalAdvance(box.caption.text) + kBarLabelPadding
            : box.rect.width() + kBarLabelPadding;
        box.caption.shown = !box.caption.text.isEmpty() && width <= box.rect.width();
        box.caption.rect = QRectF(box.rect.center().x() - width / 2,
                                  box.rect.center().y() - captionHeight / 2, width, captionHeight);
        m_processor.push_back(box);
    }
}

QRectF ChartLayout::laneRow(int lane) const
{
    return QRectF(kMargin, m_laneTop + lane * kLaneHeight, m_plotLeft + m_plotWidth - kMargin, kLaneHeight);
}

QRectF ChartLayout::laneLabelRect(int lane) const
{
    return QRectF(kMargin, m_laneTop + lane * kLaneHeight, m_labelWidth, kLaneHeight);
}

QRectF ChartLayout::laneBarRect(int lane, const LanePiece &piece) const
{
    const double height = piece.running ? kLaneBarHeight : kWaitingSpanHeight;
    const double top = m_laneTop + lane * kLaneHeight + (kLaneHeight - height) / 2.0;
    return spanRect(piece.start, piece.end, top, height);
}

QRectF ChartLayout::spanRect(double from, double to, double top, double height) const
{
    // A piece of length 0 still shows as a hairline, within the plot.
    const double width = std::max(1.0, x(to) - x(from));
    const double left = std::max(m_plotLeft, std::min(x(from), plotRight() - width));
    return QRectF(left, top, width, height);
}

QRectF ChartLayout::arrivalMarkerRect(int lane, double arrival) const
{
    const double tip = m_laneTop + lane * kLaneHeight + (kLaneHeight - kLaneBarHeight) / 2.0
        + kArrivalMarkerReach;
    const double half = kArrivalMarkerSize / 2.0;
    return QRectF(x(arrival) - half, tip - kArrivalMarkerSize, kArrivalMarkerSize, kArrivalMarkerSize);
}

std::pair<int, int> ChartLayout::lanesBetween(double top, double bottom) const
{
    const int count = laneCount();
    if (count == 0)
        return {0, 0};
    const int first = static_cast<int>(std::floor((top - m_laneTop) / kLaneHeight));
    const int last = static_cast<int>(std::ceil((bottom - m_laneTop) / kLaneHeight));
    return {std::clamp(first, 0, count), std::clamp(last + 1, 0, count)};
}

void ChartLayout::layOutAxis(const ChartData &data)
{
    m_ticks.clear();
    m_ticks.reserve(2 * data.processor.size() + 1);
    m_ticks.push_back(m_origin);
    std::vector<double> starts;
    starts.reserve(data.processor.size());
    for (const ProcessorPiece &piece : data.processor) {
        m_ticks.push_back(piece.start);
        m_ticks.push_back(piece.end);
        starts.push_back(piece.start);
    }
    std::sort(m_ticks.begin(), m_ticks.end());
    m_ticks.erase(std::unique(m_ticks.begin(), m_ticks.end()), m_ticks.end());
    std::sort(starts.begin(), starts.end());

    // The first and the last always; then each piece's start; then the other ends.
    const QFontMetricsF metrics(chartFont(false));
    std::vector<AxisLabelCandidate> candidates;
    std::vector<QString> texts;
    std::vector<std::size_t> tickOf;
    // Of the ticks within one pixel only one can carry a label: the best by the order above.
    // A long schedule then costs one label candidate per pixel, not one per tick.
    std::vector<std::pair<int, std::size_t>> kept;   // (priority, tick) per pixel column
    double column = -1;
    for (std::size_t i = 0; i < m_ticks.size(); ++i) {
        const double time = m_ticks[i];
        int priority = 2;
        if (i == 0 || i + 1 == m_ticks.size())
            priority = 0;
        else if (std::binary_search(starts.begin(), starts.end(), time))
            priority = 1;
        const double here = std::floor(x(time));
        if (!kept.empty() && here == column && priority != 0) {
            if (priority < kept.back().first)
                kept.back() = {priority, i};
            continue;
        }
        column = here;
        kept.emplace_back(priority, i);
    }
    for (const auto &[priority, i] : kept) {
        texts.push_back(timeText(m_ticks[i]));
        tickOf.push_back(i);
        candidates.push_back({x(m_ticks[i]), std::ceil(metrics.horizontalAdvance(texts.back())), priority});
    }
    const double right = std::max(static_cast<double>(m_size.width()), plotRight() + kArrivalMarkerSize + kMargin);
    for (const PlacedAxisLabel &label : placeAxisLabels(candidates, kEndInset, right - kEndInset,
                                                         kTickLabelRows, kTickLabelGap)) {
        const AxisLabelCandidate &candidate = candidates[label.candidate];
        m_axisLabels.push_back({m_ticks[tickOf[label.candidate]], texts[label.candidate],
                                QRectF(label.left, m_axisY + kTickLength + label.row * kTickLabelHeight,
                                       candidate.width, kTickLabelHeight)});
    }
}

void ChartLayout::layOutLegend(const ChartData &data)
{
    if (m_compact)
        return;
    const QFontMetricsF metrics(chartFont(false));
    const double right = std::max(static_cast<double>(m_size.width()), plotRight() + kMargin) - kMargin;
    double left = kMargin;
    double top = m_legendTop;
    auto add = [&](LegendSample sample, int lane, const QString &text, bool ownLine) {
        const double width = metrics.horizontalAdvance(text) + 1;
        const double entryWidth = kLegendSwatch + kLegendTextGap + width;
        if (left > kMargin && (ownLine || left + entryWidth > right)) {
            left = kMargin;
            top += kLegendLineHeight;
        }
        LegendEntry entry;
        entry.sample = sample;
        entry.lane = lane;
        entry.text = text;
        entry.swatch = QRectF(left, top + (kLegendLineHeight - kLegendSwatch) / 2.0, kLegendSwatch, kLegendSwatch);
        entry.textRect = QRectF(entry.swatch.right() + kLegendTextGap, top, width, kLegendLineHeight);
        m_legend.push_back(entry);
        left = entry.textRect.right() + kLegendSpacing;
    };
    if (!m_laneSwatches) {
        for (std::size_t i = 0; i < data.lanes.size(); ++i)
            add(LegendSample::Lane, static_cast<int>(i), data.lanes[i].name, false);
    }
    if (!data.lanes.empty()) {
        add(LegendSample::Running, -1, ganttlayout::text(kLegendRunning), false);
        add(LegendSample::Waiting, -1, ganttlayout::text(kLegendWaiting), false);
        add(LegendSample::Arrival, -1, ganttlayout::text(kLegendArrival), false);
    }
    if (anyPiece(data, PieceKind::Idle))
        add(LegendSample::Idle, -1, idleCaption(), false);
    if (anyPiece(data, PieceKind::Switch))
        add(LegendSample::Switch, -1, switchCaption(), false);
    if (runsBeforeArrival(data))
        add(LegendSample::BeforeArrival, -1, ganttlayout::text(kLegendBeforeArrival), true);
    m_legendHeight = m_legend.empty() ? 0 : top + kLegendLineHeight - m_legendTop;
}

double ChartLayout::bottom() const
{
    if (m_compact || m_nothing)
        return m_compact ? m_axisY + kTickLength + kTickLabelRows * kTickLabelHeight + kMargin
                         : m_legendTop + kLegendLineHeight + kMargin;
    return m_legendTop + m_legendHeight + kMargin;
}

std::optional<QLineF> ChartLayout::markerLine() const
{
    if (!m_markedTime || m_nothing)
        return std::nullopt;
    const double at = x(*m_markedTime);
    return QLineF(at, m_processorTop, at, m_axisY + kTickLength);
}

} // namespace gantt
