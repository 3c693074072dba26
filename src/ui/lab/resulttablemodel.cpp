#include "ui/lab/resulttablemodel.h"

#include "ui/lab/windowparts.h"

#include <QFont>

namespace labui {

ResultTableModel::ResultTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void ResultTableModel::retranslate()
{
    labui::retranslateModel(*this);
}

int ResultTableModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_workload)
        return 0;
    // The processes, the totals and the averages.
    return static_cast<int>(m_workload->size()) + 2;
}

int ResultTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString ResultTableModel::columnTitle(int column)
{
    switch (column) {
    case NameColumn: return tr("Proses");
    case ArrivalColumn: return tr("Arrival");
    case BurstColumn: return tr("Burst");
    case PriorityColumn: return tr("Prioritas");
    case CompletionColumn: return tr("Selesai");
    case TurnaroundColumn: return tr("Turnaround");
    case WaitingColumn: return tr("Waiting");
    case ResponseColumn: return tr("Response");
    default: return {};
    }
}

QString ResultTableModel::cellText(int row, int column) const
{
    const auto count = static_cast<int>(m_workload->size());
    if (row < count) {
        const lab::Process &process = (*m_workload)[static_cast<std::size_t>(row)];
        const lab::ProcessResult &result = m_schedule->processes[static_cast<std::size_t>(row)];
        switch (column) {
        case NameColumn: return QString::fromStdString(process.name);
        case ArrivalColumn: return QString::number(process.arrival);
        case BurstColumn: return QString::number(process.burst);
        case PriorityColumn: return QString::number(process.priority);
        case CompletionColumn: return QString::number(result.completion);
        case TurnaroundColumn: return QString::number(result.turnaround);
        case WaitingColumn: return QString::number(result.waiting);
        case ResponseColumn: return QString::number(result.response);
        default: return {};
        }
    }
    const lab::Totals &totals = m_schedule->totals;
    const lab::Time values[] = {totals.turnaround, totals.waiting, totals.response};
    if (row == count) {
        if (column == NameColumn)
            return tr("Total");
        if (column >= TurnaroundColumn)
            return QString::number(values[column - TurnaroundColumn]);
        if (column == BurstColumn)
            return QString::number(m_schedule->totalBurst);
        return {};
    }
    if (column == NameColumn)
        return tr("Rata-rata");
    if (column >= TurnaroundColumn)
        return QString::fromStdString(lab::averageText(values[column - TurnaroundColumn], m_workload->size(),
                                                       m_decimalSeparator));
    return {};
}

QVariant ResultTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount)
        return {};
    const bool summary = index.row() >= static_cast<int>(m_workload->size());
    switch (role) {
    case Qt::DisplayRole:
        return cellText(index.row(), index.column());
    case Qt::AccessibleTextRole:
        //: A result cell as a screen reader reads it: the column, then the value.
        return tr("%1: %2").arg(columnTitle(index.column()), cellText(index.row(), index.column()));
    case Qt::TextAlignmentRole:
        return index.column() == NameColumn ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                            : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
        if (summary) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

QVariant ResultTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return columnTitle(section);
    if (m_workload && section < static_cast<int>(m_workload->size()))
        return section + 1;
    return QString();
}

void ResultTableModel::showRun(std::shared_ptr<const lab::Workload> workload,
                               std::shared_ptr<const lab::Schedule> schedule, const std::string &decimalSeparator)
{
    beginResetModel();
    m_workload = std::move(workload);
    m_schedule = std::move(schedule);
    m_decimalSeparator = decimalSeparator;
    endResetModel();
}

void ResultTableModel::clear()
{
    if (!m_workload)
        return;
    beginResetModel();
    m_workload.reset();
    m_schedule.reset();
    endResetModel();
}

} // namespace labui
