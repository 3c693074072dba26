#pragma once

#include "ui/gantt/chartdata.h"
#include "ui/gantt/chartlayout.h"

#include <QString>
#include <QWidget>

#include <map>
#include <optional>

class QPainter;

namespace engine {
class ProcessSet;
struct Timeline;
} // namespace engine

namespace gantt {

// A schedule as a Gantt chart: a title (wrapped onto further lines when it does not fit), the
// processor row with one piece per run, idle time or context switch, one lane per process with
// its arrival, its waiting pieces and its running pieces, the time axis with a tick at every
// boundary, and a legend. A process the model runs before it has arrived is drawn as
// computed, the part before its arrival hatched. The accessible description is the chart's own
// (its pieces in time order).
class GanttChart : public QWidget {
    Q_OBJECT

public:
    explicit GanttChart(QWidget *parent = nullptr);

    // Shows a chart.
    void showChart(const ChartData &data);
    // Only the title changes (a new language): the pieces stay as they are.
    void setTitle(const QString &title);
    // Shows a run of the main window: its title, what it has scheduled so far and its
    // processes' arrival times.
    void showRun(const QString &title, const engine::Timeline &timeline,
                 const engine::ProcessSet &processes);
    // Shows that nothing is scheduled.
    void showNothing();
    const ChartData &chart() const { return m_data; }

    // 0 (the default): the time axis fills the widget's width. Above 0: that many logical
    // pixels per time unit, and the size hints grow with the schedule (for a scroll area).
    void setTimeScale(double pixelsPerUnit);
    double timeScale() const { return m_options.pixelsPerUnit; }

    // A vertical line across all rows at that time; none removes it.
    void setMarkedTime(std::optional<double> time);
    std::optional<double> markedTime() const { return m_options.markedTime; }

    // The small look: title, processor row and time axis only.
    void setCompact(bool compact);
    bool isCompact() const { return m_options.compact; }

    // Where everything goes at that size; what paint draws.
    ChartLayout layout(const QSize &size) const;

    // Paints the chart into an area of this size at the painter's origin; the widget and every
    // picture made of it are painted by this one function. Only what meets `exposed` is drawn
    // when it is given.
    void paint(QPainter &painter, const QSize &size, const QRectF &exposed = QRectF()) const;

    // The size of a picture of this chart: its current size, grown where the chart needs more
    // (a whole wrapped title, the whole schedule at a fixed time scale).
    QSize pictureSize() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The height the chart needs at that width.
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void changed();
    int preferredWidth() const;
    const ChartLayout &cachedLayout(const QSize &size) const;
    QSize neededSize(int width) const;

    ChartData m_data;
    ChartOptions m_options;
    // A long chart takes a while to lay out, and the layouts ask for its sizes again and again:
    // the last answers are kept until the chart or its options change.
    mutable std::optional<ChartLayout> m_layout;
    mutable std::map<int, QSize> m_neededSizes;
    mutable std::optional<int> m_minimumWidth;
};

} // namespace gantt
