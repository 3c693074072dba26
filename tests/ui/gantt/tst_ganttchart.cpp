// The one Gantt chart painter for every chart: the rectangles it computes for a chart with idle
// and switch pieces and many lanes, its title wrapping, its axis labels that never collide, its
// time scale, its marked time, its compact look and the pictures made of it. Rectangles are
// checked, not pixels.
#include "common/testsupport.h"
#include "engine/processset.h"
#include "engine/timeline.h"
#include "ui/gantt/chartlayout.h"
#include "ui/gantt/ganttchart.h"
#include "ui/gantt/ganttpicture.h"
#include "ui/gantt/timelinechart.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <set>

using namespace gantt;

namespace {

// Twelve processes A..L: runs with a switch between each, an idle gap after the sixth, and a
// run of L too short for its caption.
ChartData twelveLanes()
{
    ChartData data;
    data.title = QStringLiteral("Round Robin (q = 2)   Waiting: 110/12 = 9.17   Turnaround: 150/12 = 12.5");
    double time = 0;
    QStringList parts;
    for (int i = 0; i < 12; ++i) {
        ChartLane lane;
        lane.name = QString(QChar(u'A' + i));
        lane.arrival = i < 6 ? i : 40 + i;
        if (i == 6) {
            data.processor.push_back({time, lane.arrival, PieceKind::Idle, -1});
            parts << QStringLiteral("idle %1-%2").arg(time).arg(lane.arrival);
            time = lane.arrival;
        } else if (i > 0) {
            data.processor.push_back({time, time + 1, PieceKind::Switch, -1});
            parts << QStringLiteral("switch %1-%2").arg(time).arg(time + 1);
            time += 1;
        }
        if (time > lane.arrival)
            lane.pieces.push_back({lane.arrival, time, false});
        const double burst = i == 11 ? 0.05 : 3;
        lane.pieces.push_back({time, time + burst, true});
        data.processor.push_back({time, time + burst, PieceKind::Run, i});
        parts << QStringLiteral("%1 %2-%3").arg(lane.name).arg(time).arg(time + burst);
        time += burst;
        data.lanes.push_back(lane);
    }
    data.description = parts.join(QStringLiteral(", "));
    return data;
}

bool inside(const QRectF &inner, const QRectF &outer)
{
    return inner.left() >= outer.left() - 1e-6 && inner.right() <= outer.right() + 1e-6
        && inner.top() >= outer.top() - 1e-6 && inner.bottom() <= outer.bottom() + 1e-6;
}

// No two label rectangles share any area, and every one lies wholly inside the chart.
void checkAxisLabels(const ChartLayout &layout)
{
    const QRectF chart(QPointF(0, 0), QSizeF(layout.size()));
    const auto &labels = layout.axisLabels();
    for (std::size_t i = 0; i < labels.size(); ++i) {
        QVERIFY2(inside(labels[i].rect, chart), qPrintable(labels[i].text));
        for (std::size_t j = i + 1; j < labels.size(); ++j) {
            QVERIFY2(!labels[i].rect.intersects(labels[j].rect),
                     qPrintable(labels[i].text + QStringLiteral(" / ") + labels[j].text));
        }
    }
}

QStringList labelTexts(const ChartLayout &layout)
{
    QStringList texts;
    for (const AxisLabel &label : layout.axisLabels())
        texts << label.text;
    return texts;
}

engine::ProcessSet processes(const std::array<const char *, 5> &arrival, const std::array<const char *, 5> &burst)
{
    engine::BoxTexts boxes;
    for (std::size_t i = 0; i < 5; ++i) {
        boxes.arrival[i] = arrival[i];
        boxes.burst[i] = burst[i];
    }
    return engine::ProcessSet::read(boxes);
}

} // namespace

class GanttChartTest : public QObject {
    Q_OBJECT

private slots:
    // --- the pure placement rules ------------------------------------------------------------

    void axisLabelsArePlacedByPriorityWithoutOverlap()
    {
        // Five labels 10 wide; the first and the last are wanted most, then the starts.
        const std::vector<AxisLabelCandidate> candidates{
            {0, 10, 0}, {14, 10, 1}, {2, 10, 1}, {16, 10, 2}, {200, 10, 0}};
        const auto placed = placeAxisLabels(candidates, 0, 203, 2, 3);
        QCOMPARE(placed.size(), std::size_t(3));
        QCOMPARE(placed[0].candidate, std::size_t(0));
        QCOMPARE(placed[0].left, 0.0);   // pushed inside from -5
        QCOMPARE(placed[0].row, 0);
        QCOMPARE(placed[1].candidate, std::size_t(1));
        QCOMPARE(placed[1].left, 9.0);
        QCOMPARE(placed[1].row, 1);      // too close for the first row, clear of "0"'s tick
        // x = 2 would sit right under the first label: left out, not put in the second row.
        QCOMPARE(placed[2].candidate, std::size_t(4));
        QCOMPARE(placed[2].left, 193.0); // pushed inside from 195
        // One row only: the start gives way.
        const auto oneRow = placeAxisLabels(candidates, 0, 203, 1, 3);
        QCOMPARE(oneRow.size(), std::size_t(2));
        // A label wider than the axis is left out rather than cut.
        QVERIFY(placeAxisLabels({{5, 50, 0}}, 0, 40, 2, 3).empty());
    }

    void wrappedTextKeepsEveryCharacter()
    {
        const QFont font = chartFont(true);
        const QString title = QStringLiteral("SJF Non Preemptive   Awaiting Time: 21/5 = 4.2 satuan waktu");
        const QStringList lines = wrapText(title, font, 150);
        QVERIFY(lines.size() >= 3);
        const QFontMetricsF metrics(font);
        for (const QString &line : lines)
            QVERIFY2(metrics.horizontalAdvance(line) <= 150.5, qPrintable(line));
        QCOMPARE(lines.join(QString()).remove(QLatin1Char(' ')), QString(title).remove(QLatin1Char(' ')));
        // A single word wider than the line is broken inside it, never cut.
        const QStringList word = wrapText(QStringLiteral("1234567890123456789012345678901234567890"), font, 60);
        QVERIFY(word.size() > 1);
        QCOMPARE(word.join(QString()), QStringLiteral("1234567890123456789012345678901234567890"));
    }

    void laneColoursAreDistinctAndStable()
    {
        QSet<QRgb> seen;
        for (int lane = 0; lane < 40; ++lane) {
            const QColor color = laneColor(lane);
            QVERIFY2(!seen.contains(color.rgb()), qPrintable(QString::number(lane)));
            seen.insert(color.rgb());
            QVERIFY2(color.hsvSaturation() > 100, qPrintable(QString::number(lane)));   // never grey
            QCOMPARE(laneColor(lane), color);
        }
        QCOMPARE(laneColor(0), QColor(70, 130, 180));
        QCOMPARE(laneColor(4), QColor(150, 100, 190));
    }

    // --- a whole chart -------------------------------------------------------------------------

    void twelveLanesWithIdleAndSwitch()
    {
        GanttChart chart;
        const ChartData data = twelveLanes();
        chart.showChart(data);
        QCOMPARE(chart.accessibleDescription(), data.description);
        QVERIFY(chart.accessibleDescription().contains(QLatin1String("idle 23-46")));

        const int width = 900;
        const QSize size(width, chart.heightForWidth(width));
        const ChartLayout layout = chart.layout(size);
        const QRectF whole(QPointF(0, 0), QSizeF(size));
        QCOMPARE(layout.titleLines().size(), 1);

        // The processor row: one box per piece, in time order, inside the band.
        const auto &boxes = layout.processorBoxes();
        QCOMPARE(boxes.size(), data.processor.size());
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            QVERIFY(inside(boxes[i].rect, layout.processorBarBand().adjusted(0, 0, 1, 0)));
            if (i > 0)
                QVERIFY(boxes[i].rect.left() >= boxes[i - 1].rect.right() - 1);   // a hairline may step back
            if (boxes[i].caption.shown)
                QVERIFY2(inside(boxes[i].caption.rect, boxes[i].rect), qPrintable(boxes[i].caption.text));
        }
        int idle = 0;
        int switches = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const PieceKind kind = data.processor[i].kind;
            if (kind == PieceKind::Idle) {
                ++idle;
                QCOMPARE(boxes[i].caption.text, QStringLiteral("idle"));
                QVERIFY(boxes[i].caption.shown);
            } else if (kind == PieceKind::Switch) {
                ++switches;
                QCOMPARE(boxes[i].caption.text, QStringLiteral("switch"));
            } else {
                QCOMPARE(boxes[i].caption.text, data.lanes[static_cast<std::size_t>(data.processor[i].lane)].name);
            }
        }
        QCOMPARE(idle, 1);
        QCOMPARE(switches, 10);
        // A run too short for its name leaves it out.
        QVERIFY(boxes.back().rect.width() < 5);
        QVERIFY(!boxes.back().caption.shown);
        // Switch pieces of one unit at this scale are too narrow for "switch": left out.
        QVERIFY(!boxes[1].caption.shown);
        // ... and shown when the chart is wide enough.
        QVERIFY(chart.layout(QSize(4000, size.height())).processorBoxes()[1].caption.shown);

        // Twelve lanes, one under the other between the processor row and the axis.
        QCOMPARE(layout.laneCount(), 12);
        for (int lane = 0; lane < 12; ++lane) {
            const QRectF row = layout.laneRow(lane);
            QVERIFY(inside(row, whole));
            QVERIFY(row.top() >= layout.processorBarBand().bottom());
            QVERIFY(row.bottom() <= layout.axisY());
            if (lane > 0)
                QCOMPARE(row.top(), layout.laneRow(lane - 1).bottom());
            for (const LanePiece &piece : data.lanes[static_cast<std::size_t>(lane)].pieces)
                QVERIFY(inside(layout.laneBarRect(lane, piece), row));
            // The marker's tip reaches into the bar; the triangle stays within its lane (to the pixel).
            QVERIFY(inside(layout.arrivalMarkerRect(lane, data.lanes[static_cast<std::size_t>(lane)].arrival),
                           row.adjusted(0, -1, 0, 1)));
        }
        QCOMPARE(layout.lanesBetween(layout.laneRow(3).top() + 1, layout.laneRow(4).bottom() - 1),
                 std::make_pair(3, 6));

        // A tick at every boundary; labels that fit, apart and inside.
        std::set<double> boundaries{0};
        for (const ProcessorPiece &piece : data.processor) {
            boundaries.insert(piece.start);
            boundaries.insert(piece.end);
        }
        QCOMPARE(layout.ticks(), std::vector<double>(boundaries.begin(), boundaries.end()));
        checkAxisLabels(layout);
        QCOMPARE(layout.axisLabels().front().text, QStringLiteral("0"));
        QCOMPARE(layout.axisLabels().back().time, *boundaries.rbegin());

        // The legend: every lane, the three lane samples, idle and switch; apart and inside.
        QStringList legend;
        QList<LegendSample> samples;
        for (const LegendEntry &entry : layout.legend()) {
            legend << entry.text;
            samples << entry.sample;
            QVERIFY2(inside(entry.textRect, whole), qPrintable(entry.text));
            QVERIFY(entry.textRect.top() >= layout.axisLabels().front().rect.bottom());
        }
        QCOMPARE(legend.mid(0, 12).join(QString()), QStringLiteral("ABCDEFGHIJKL"));
        QVERIFY(samples.contains(LegendSample::Idle));
        QVERIFY(samples.contains(LegendSample::Switch));
        QVERIFY(!samples.contains(LegendSample::BeforeArrival));
        for (std::size_t i = 0; i < layout.legend().size(); ++i) {
            for (std::size_t j = i + 1; j < layout.legend().size(); ++j)
                QVERIFY(!layout.legend()[i].textRect.intersects(layout.legend()[j].swatch));
        }
        QVERIFY(layout.legend().back().textRect.bottom() <= size.height());
    }

    void theHeightGrowsWithTheLanes()
    {
        GanttChart chart;
        ChartData data;
        data.title = QStringLiteral("1200");
        for (int i = 0; i < 1200; ++i) {
            data.lanes.push_back({QStringLiteral("P%1").arg(i + 1), double(i), {{double(i), double(i + 1), true}}});
            data.processor.push_back({double(i), double(i + 1), PieceKind::Run, i});
        }
        chart.showChart(data);
        const int height = chart.heightForWidth(800);
        QVERIFY(height > 1200 * 18);
        QCOMPARE(chart.minimumSizeHint().height(), chart.heightForWidth(chart.minimumSizeHint().width()));
        const ChartLayout layout = chart.layout(QSize(800, height));
        QCOMPARE(layout.laneCount(), 1200);
        QVERIFY(layout.laneRow(1199).bottom() <= layout.axisY());
        // So many lanes carry their colour beside their name instead of in the legend.
        QVERIFY(layout.laneSwatches());
        QVERIFY(std::none_of(layout.legend().begin(), layout.legend().end(),
                             [](const LegendEntry &e) { return e.sample == LegendSample::Lane; }));
        QVERIFY(layout.laneLabelRect(0).width() > QFontMetricsF(chartFont(false)).horizontalAdvance(QStringLiteral("P1200")));
        checkAxisLabels(layout);
        // Only the lanes in view are painted.
        const auto [first, last] = layout.lanesBetween(5000, 5400);
        QVERIFY(last - first <= 25);
        QImage image(800, 600, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.translate(0, -5000);
            chart.paint(painter, QSize(800, height), QRectF(0, 5000, 800, 600));
        }
        // The lanes in view were painted: each one's row holds its bar and name (the first and
        // last may be cut by the edges, so their neighbours are looked at).
        QVERIFY(last - first >= 4);
        for (const int lane : {first + 1, last - 2}) {
            const int y = static_cast<int>(layout.laneRow(lane).center().y()) - 5000;
            QVERIFY(y >= 0 && y < image.height());
            int painted = 0;
            for (int x = 0; x < image.width(); ++x)
                painted += image.pixelColor(x, y) != QColor(Qt::white) ? 1 : 0;
            QVERIFY2(painted > 100, qPrintable(QStringLiteral("lane %1: %2 pixels").arg(lane).arg(painted)));
        }
    }

    void titlesWrapAndPicturesHoldThem()
    {
        GanttChart chart;
        ChartData data = twelveLanes();
        chart.showChart(data);
        const int wide = chart.heightForWidth(2000);
        const int narrow = chart.heightForWidth(420);
        const ChartLayout layout = chart.layout(QSize(420, narrow));
        QVERIFY(layout.titleLines().size() >= 2);
        QVERIFY(narrow > wide);
        const QFontMetricsF bold(chartFont(true));
        for (int i = 0; i < layout.titleLines().size(); ++i) {
            QVERIFY(bold.horizontalAdvance(layout.titleLines().at(i)) <= layout.titleLineRect(i).width() + 0.5);
            QVERIFY(layout.titleLineRect(i).bottom() <= layout.processorBarBand().top());
        }
        // The narrowest chart needs the most height; the minimum size holds that.
        QVERIFY(chart.minimumSizeHint().height() >= narrow);

        // A picture made while the chart is smaller than it needs grows to hold it all.
        chart.resize(300, 100);
        const QSize picture = chart.pictureSize();
        QVERIFY(picture.width() >= chart.minimumSizeHint().width());
        QCOMPARE(picture.height(), chart.heightForWidth(picture.width()));
        const GanttPicture pictures({&chart});
        QCOMPARE(pictures.size(), picture);
        QCOMPARE(pictures.toImage(2).size(), picture * 2);
        QTemporaryDir folder;
        QVERIFY(pictures.save(folder.filePath(QStringLiteral("c.svg")), 1, nullptr));
        QFile svg(folder.filePath(QStringLiteral("c.svg")));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray text = svg.readAll();
        QVERIFY(text.contains(">idle<"));
        QVERIFY(text.contains(">A<"));
    }

    void tinyAndHugeBarsKeepTheirLabelsApart()
    {
        // Bursts 1, 1, 1, 1, 9999 in the main window's FCFS model.
        const engine::ProcessSet set = processes({"0", "0", "0", "0", "0"}, {"1", "1", "1", "1", "9999"});
        const engine::Timeline timeline = engine::computeTimeline(engine::Policy::Fcfs, set, ".");
        QCOMPARE(QString::fromStdString(engine::describeTimeline(timeline)),
                 QStringLiteral("P1 0-1, P2 1-2, P3 2-3, P4 3-4, P5 4-10003"));
        GanttChart chart;
        chart.showRun(QStringLiteral("FCFS"), timeline, set);
        for (int width : {416, 640, 1000}) {
            const ChartLayout layout = chart.layout(QSize(width, chart.heightForWidth(width)));
            QCOMPARE(layout.ticks(), (std::vector<double>{0, 1, 2, 3, 4, 10003}));
            checkAxisLabels(layout);
            const QStringList texts = labelTexts(layout);
            QVERIFY(texts.contains(QStringLiteral("0")));
            QVERIFY(texts.contains(QStringLiteral("10003")));
            QVERIFY(texts.size() < 6);   // the close ones gave way
            // The end label stays wholly inside, though its tick is near the right edge.
            QVERIFY(layout.axisLabels().back().rect.right() <= width - 1);
            // Only the wide bar is named.
            const auto &boxes = layout.processorBoxes();
            QVERIFY(!boxes[0].caption.shown);
            QVERIFY(boxes[4].caption.shown);
        }
        QCOMPARE(chart.accessibleDescription(), QStringLiteral("P1 0-1, P2 1-2, P3 2-3, P4 3-4, P5 4-10003"));
    }

    void captionsSitOnASolidBackgroundOverTheHatching()
    {
        // SJF with P5 arriving at 20: P5 runs from 5 to 7, before it has arrived.
        const engine::ProcessSet set = processes({"0", "1", "2", "3", "20"}, {"5", "3", "8", "6", "2"});
        const ChartData data = chartFromTimeline(QStringLiteral("SJF"),
                                                 engine::computeTimeline(engine::Policy::Sjf, set, "."), set);
        QCOMPARE(data.lanes.size(), std::size_t(5));
        QCOMPARE(data.lanes[4].arrival, 20.0);
        QCOMPARE(data.lanes[1].pieces.size(), std::size_t(2));   // P2 waits 1-7, runs 7-10
        QVERIFY(!data.lanes[1].pieces[0].running);
        GanttChart chart;
        chart.showChart(data);
        const ChartLayout layout = chart.layout(QSize(640, chart.heightForWidth(640)));
        const ProcessorBox &p5 = layout.processorBoxes()[1];
        QCOMPARE(p5.caption.text, QStringLiteral("P5"));
        QVERIFY(p5.caption.shown);
        // Paint it and read the caption's background: the lane colour, no hatching line in it.
        QImage image(layout.size(), QImage::Format_RGB32);
        QPainter painter(&image);
        chart.paint(painter, layout.size());
        painter.end();
        const QRect box = p5.caption.rect.toAlignedRect().adjusted(1, 1, -1, -1);
        int hatch = 0;
        for (int x = box.left(); x <= box.right(); ++x) {
            for (int y : {box.top(), box.bottom()})
                hatch += qGray(image.pixel(x, y)) < 40 ? 1 : 0;
        }
        QCOMPARE(hatch, 0);
        QVERIFY(std::any_of(layout.legend().begin(), layout.legend().end(),
                            [](const LegendEntry &e) { return e.sample == LegendSample::BeforeArrival; }));
    }

    // --- how it is drawn -----------------------------------------------------------------------

    void timeScaleGrowsTheChartForScrolling()
    {
        GanttChart chart;
        const ChartData data = twelveLanes();
        chart.showChart(data);
        const int fitted = chart.sizeHint().width();
        chart.setTimeScale(20);
        const double end = data.processor.back().end;
        QVERIFY(chart.sizeHint().width() >= end * 20);
        QCOMPARE(chart.minimumSizeHint().width(), chart.sizeHint().width());
        QVERIFY(chart.sizeHint().width() > fitted);
        const ChartLayout layout = chart.layout(chart.sizeHint());
        QCOMPARE(layout.x(10) - layout.x(0), 200.0);
        QVERIFY(layout.plotRight() <= chart.sizeHint().width());
        checkAxisLabels(layout);

        // In a scroll area the chart takes its whole width and scrolls.
        QScrollArea area;
        area.setWidgetResizable(true);
        auto *scrolled = new GanttChart;
        scrolled->showChart(data);
        scrolled->setTimeScale(20);
        area.setWidget(scrolled);
        area.resize(400, 300);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        QVERIFY(scrolled->width() >= end * 20);
        QVERIFY(area.horizontalScrollBar()->maximum() > 0);
        QCOMPARE(GanttPicture({scrolled}).size().width(), scrolled->width());

        chart.setTimeScale(0);
        QCOMPARE(chart.sizeHint().width(), fitted);
    }

    void markedTimeCrossesEveryRow()
    {
        GanttChart chart;
        chart.showChart(twelveLanes());
        QVERIFY(!chart.layout(QSize(800, 600)).markerLine());
        chart.setMarkedTime(7.0);
        QCOMPARE(chart.markedTime(), std::optional<double>(7.0));
        const ChartLayout layout = chart.layout(QSize(800, chart.heightForWidth(800)));
        const QLineF line = *layout.markerLine();
        QCOMPARE(line.x1(), layout.x(7));
        QCOMPARE(line.x2(), layout.x(7));
        QVERIFY(line.y1() <= layout.processorBarBand().top());
        QVERIFY(line.y2() >= layout.laneRow(11).bottom());
        chart.setMarkedTime(std::nullopt);
        QVERIFY(!chart.layout(QSize(800, 600)).markerLine());
    }

    void sizesAndLayoutsFollowEveryChange()
    {
        // Asked at the same size before and after each change, the chart answers anew.
        GanttChart chart;
        const QSize size(600, 400);
        chart.showChart(twelveLanes());
        const int twelve = chart.heightForWidth(600);
        QCOMPARE(chart.layout(size).laneCount(), 12);
        QVERIFY(!chart.layout(size).markerLine());
        chart.setMarkedTime(3.0);
        QVERIFY(chart.layout(size).markerLine());
        chart.setMarkedTime(std::nullopt);
        QVERIFY(!chart.layout(size).markerLine());

        const int wide = chart.sizeHint().width();
        chart.setTimeScale(40);
        QVERIFY(chart.sizeHint().width() > wide);
        QCOMPARE(chart.layout(size).x(1) - chart.layout(size).x(0), 40.0);
        chart.setTimeScale(0);
        QCOMPARE(chart.sizeHint().width(), wide);

        chart.setCompact(true);
        QCOMPARE(chart.layout(size).laneCount(), 0);
        QVERIFY(chart.heightForWidth(600) < twelve);
        chart.setCompact(false);

        ChartData fewer = twelveLanes();
        fewer.lanes.resize(3);
        for (auto &piece : fewer.processor)
            piece.lane = std::min(piece.lane, 2);
        chart.showChart(fewer);
        QCOMPARE(chart.layout(size).laneCount(), 3);
        QVERIFY(chart.heightForWidth(600) < twelve);
        chart.showChart(twelveLanes());
        QCOMPARE(chart.heightForWidth(600), twelve);

        // A new title alone (another language) is laid out anew; the pieces stay.
        const QString longTitle = QStringLiteral("Gantt Chart") + QStringLiteral(" waiting").repeated(40);
        chart.setTitle(longTitle);
        QCOMPARE(chart.chart().title, longTitle);
        QCOMPARE(chart.chart().processor.size(), twelveLanes().processor.size());
        QCOMPARE(chart.layout(size).titleLines().join(QLatin1Char(' ')).simplified(), longTitle.simplified());
        QVERIFY(chart.heightForWidth(600) > twelve);
    }

    void compactShowsTitleProcessorAndAxisOnly()
    {
        GanttChart chart;
        chart.showChart(twelveLanes());
        const int full = chart.heightForWidth(500);
        chart.setCompact(true);
        QVERIFY(chart.isCompact());
        const int small = chart.heightForWidth(500);
        QVERIFY(small < 130);
        QVERIFY(small < full / 3);
        const ChartLayout layout = chart.layout(QSize(500, small));
        QCOMPARE(layout.laneCount(), 0);
        QVERIFY(layout.legend().empty());
        QCOMPARE(layout.processorBoxes().size(), twelveLanes().processor.size());
        QVERIFY(!layout.axisLabels().empty());
        checkAxisLabels(layout);
        QVERIFY(layout.axisLabels().back().rect.bottom() <= small);
        QVERIFY(chart.minimumSizeHint().height() < 160);
    }

    void nothingScheduledKeepsItsHeight()
    {
        GanttChart chart;
        const engine::ProcessSet set = processes({"0", "1", "2", "3", "4"}, {"5", "3", "8", "6", "2"});
        chart.showRun(QStringLiteral("FCFS"), engine::computeTimeline(engine::Policy::Fcfs, set, "."), set);
        const int run = chart.heightForWidth(640);
        chart.showNothing();
        QVERIFY(chart.layout(QSize(640, 300)).nothingScheduled());
        QCOMPARE(chart.accessibleDescription(), QString());
        QCOMPARE(chart.heightForWidth(640), run);
    }
};

QUORVEL_TEST_MAIN(GanttChartTest)
#include "tst_ganttchart.moc"
