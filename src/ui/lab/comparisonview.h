#pragma once

#include "lab/schedule.h"
#include "lab/settings.h"
#include "lab/workload.h"

#include <QAbstractTableModel>
#include <QString>
#include <QWidget>

#include <array>
#include <vector>

class QLabel;
class QScrollArea;
class QTableView;
class QVBoxLayout;

namespace gantt {
class GanttChart;
}

namespace labui {

// One policy's run of the compared workload (its settings name the policy).
struct ComparisonRow {
    lab::Schedule schedule;
};

// The comparison table: one row per policy with its three averages, its utilisation, its
// throughput and its context switches. The best value of each column is marked (a star and
// bold, and "terbaik" for screen readers); every row with the best value is, when they tie. The
// exact values decide, not the rounded texts: lower is better for the times and the switches,
// higher for utilisation and throughput.
class ComparisonModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Policy, Waiting, Turnaround, Response, Utilisation, Throughput, Switches, ColumnCount };
    // Whether a cell holds its column's best value (bool).
    static constexpr int BestRole = Qt::UserRole + 1;

    explicit ComparisonModel(QObject *parent = nullptr);

    // Tells the views that every header and every text changed with the program's language.
    void retranslate();

    void setRows(std::vector<ComparisonRow> rows);
    void clear();

    const std::vector<ComparisonRow> &rows() const { return m_rows; }
    bool isBest(int row, int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString valueText(const ComparisonRow &row, int column) const;
    void markBest();

    std::vector<ComparisonRow> m_rows;
    std::vector<std::array<bool, ColumnCount>> m_best;
};

// The "Bandingkan" page of the laboratory: the same workload under all seven policies with the
// given settings, as the table above and one small Gantt chart per policy below it.
class ComparisonView : public QWidget {
    Q_OBJECT

public:
    explicit ComparisonView(QWidget *parent = nullptr);
    ~ComparisonView() override;

    void showComparison(const lab::Workload &workload, const lab::Settings &settings);
    void clear();

    QTableView *table() const { return m_table; }
    ComparisonModel *model() const { return m_model; }
    // The small charts, one per policy in the table's order (empty before a comparison).
    const std::vector<gantt::GanttChart *> &charts() const { return m_charts; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void showCharts(const lab::Workload &workload);
    void removeCharts();

    ComparisonModel *m_model = nullptr;
    QTableView *m_table = nullptr;
    QLabel *m_legend = nullptr;
    QScrollArea *m_chartArea = nullptr;
    QWidget *m_chartPage = nullptr;
    QVBoxLayout *m_chartLayout = nullptr;
    std::vector<gantt::GanttChart *> m_charts;
};

} // namespace labui
