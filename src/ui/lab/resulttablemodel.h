#pragma once

#include "lab/schedule.h"
#include "lab/workload.h"

#include <QAbstractTableModel>
#include <QString>

#include <memory>
#include <string>

namespace labui {

// The results of one run: per process its inputs, then completion ("Selesai"), turnaround,
// waiting and response; under them a row of totals and a row of averages ("41/5 = 8.2", with
// the given decimal separator). Read only; empty until a run is shown.
class ResultTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        NameColumn,
        ArrivalColumn,
        BurstColumn,
        PriorityColumn,
        CompletionColumn,
        TurnaroundColumn,
        WaitingColumn,
        ResponseColumn,
        ColumnCount
    };

    explicit ResultTableModel(QObject *parent = nullptr);

    // Tells the views that every header and every text changed with the program's language.
    void retranslate();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Shows a run; the table shares the run with the window instead of copying it.
    void showRun(std::shared_ptr<const lab::Workload> workload, std::shared_ptr<const lab::Schedule> schedule,
                 const std::string &decimalSeparator);
    void clear();
    bool isEmpty() const { return !m_workload; }

    static QString columnTitle(int column);

private:
    QString cellText(int row, int column) const;

    std::shared_ptr<const lab::Workload> m_workload;   // none while no run is shown
    std::shared_ptr<const lab::Schedule> m_schedule;
    std::string m_decimalSeparator = ".";
};

} // namespace labui
