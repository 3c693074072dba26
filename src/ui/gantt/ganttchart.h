#pragma once

#include "engine/timeline.h"

#include <QString>
#include <QWidget>

#include <array>
#include <optional>

class QPainter;

namespace engine {
class ProcessSet;
}

namespace gantt {

// The schedule of one run as a Gantt chart: a title, the processor row with one bar per
// scheduled process in the order the run scheduled it, one lane per process with its arrival,
// its waiting span and its running span, the time axis with a tick at every start and finish,
// and a legend. A process the model runs before it has arrived is drawn as computed, the part
// before its arrival hatched. The accessible description lists the bars in time order.
class GanttChart : public QWidget {
    Q_OBJECT

public:
    explicit GanttChart(QWidget *parent = nullptr);

    // Shows a run: its title, what it has scheduled so far and its processes' arrival times.
    void showRun(const QString &title, const engine::Timeline &timeline,
                 const engine::ProcessSet &processes);
    // Shows that nothing is scheduled.
    void showNothing();

    // Paints the chart into an area of this size at the painter's origin; the widget and every
    // picture made of it are painted by this one function.
    void paint(QPainter &painter, const QSize &size) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_title;
    engine::Timeline m_timeline;
    std::optional<std::array<double, 5>> m_arrival;
};

} // namespace gantt
