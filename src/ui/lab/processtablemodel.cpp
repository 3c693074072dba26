#include "ui/lab/processtablemodel.h"

#include "ui/lab/windowparts.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QIcon>
#include <QSet>
#include <QStyle>

#include <algorithm>
#include <string>
#include <unordered_set>

namespace labui {

namespace {

const QColor kMarkedBackground(255, 200, 200);

lab::Field fieldOf(int column)
{
    switch (column) {
    case ProcessTableModel::ArrivalColumn: return lab::Field::Arrival;
    case ProcessTableModel::BurstColumn: return lab::Field::Burst;
    case ProcessTableModel::PriorityColumn: return lab::Field::Priority;
    default: return lab::Field::Name;
    }
}


} // namespace

int ProcessTableModel::columnOf(lab::Field field)
{
    switch (field) {
    case lab::Field::Arrival: return ArrivalColumn;
    case lab::Field::Burst: return BurstColumn;
    case lab::Field::Priority: return PriorityColumn;
    case lab::Field::Name: break;
    }
    return NameColumn;
}

ProcessTableModel::ProcessTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void ProcessTableModel::retranslate()
{
    labui::retranslateModel(*this);
}

int ProcessTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ProcessTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString ProcessTableModel::columnTitle(int column)
{
    switch (column) {
    case NameColumn: return tr("Proses");
    case ArrivalColumn: return tr("Arrival");
    case BurstColumn: return tr("Burst");
    case PriorityColumn: return tr("Prioritas");
    default: return {};
    }
}

QVariant ProcessTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount)
        return {};
    const QString &cell = m_rows[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())];
    const bool marked = m_mark && m_mark->row == index.row() && m_mark->column == index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cell;
    case Qt::BackgroundRole:
        return marked ? QVariant(QBrush(kMarkedBackground)) : QVariant();
    case Qt::DecorationRole:
        return marked ? QVariant(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning)) : QVariant();
    case Qt::ToolTipRole:
        return marked ? QVariant(m_markText) : QVariant();
    case Qt::AccessibleTextRole:
        //: A cell as a screen reader reads it: the column, then the text.
        return tr("%1: %2").arg(columnTitle(index.column()), cell);
    case Qt::AccessibleDescriptionRole:
        //: A marked cell for screen readers: what is wrong with it.
        return marked ? QVariant(tr("Salah: %1").arg(m_markText)) : QVariant();
    default:
        return {};
    }
}

QVariant ProcessTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return columnTitle(section);
    return section + 1;
}

Qt::ItemFlags ProcessTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

bool ProcessTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount)
        return false;
    QString &cell = m_rows[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())];
    const QString text = value.toString();
    if (cell == text)
        return true;
    cell = text;
    // The cell is no longer what was refused; the mark goes with the old text.
    if (m_mark && m_mark->row == index.row() && m_mark->column == index.column())
        clearMark();
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

bool ProcessTableModel::insertRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || row > rowCount() || count <= 0
        || m_rows.size() + static_cast<std::size_t>(count) > lab::kMaxProcesses)
        return false;
    clearMark();
    beginInsertRows(parent, row, row + count - 1);
    // Each new row takes a name no other row has yet.
    for (int i = 0; i < count; ++i) {
        Row fresh = newRow();
        m_rows.insert(m_rows.begin() + row + i, std::move(fresh));
    }
    endInsertRows();
    return true;
}

bool ProcessTableModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count <= 0 || row + count > rowCount())
        return false;
    clearMark();
    beginRemoveRows(parent, row, row + count - 1);
    m_rows.erase(m_rows.begin() + row, m_rows.begin() + row + count);
    endRemoveRows();
    return true;
}

QString ProcessTableModel::text(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= ColumnCount)
        return {};
    return m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void ProcessTableModel::setRows(std::vector<Row> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_mark.reset();
    m_markText.clear();
    endResetModel();
}

void ProcessTableModel::setWorkload(const lab::Workload &workload)
{
    std::vector<Row> rows;
    rows.reserve(workload.size());
    for (const lab::Process &process : workload) {
        rows.push_back({QString::fromStdString(process.name), QString::number(process.arrival),
                        QString::number(process.burst), QString::number(process.priority)});
    }
    setRows(std::move(rows));
}

QString ProcessTableModel::freeName(int number) const
{
    QSet<QString> taken;
    taken.reserve(rowCount());
    for (const Row &row : m_rows)
        taken.insert(row[NameColumn].trimmed());
    while (taken.contains(QStringLiteral("P%1").arg(number)))
        ++number;
    return QStringLiteral("P%1").arg(number);
}

ProcessTableModel::Row ProcessTableModel::newRow() const
{
    return {freeName(rowCount() + 1), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("0")};
}

int ProcessTableModel::pasteRows(int firstRow, const std::vector<Row> &rows)
{
    firstRow = std::clamp(firstRow, 0, rowCount());
    const std::size_t room = lab::kMaxProcesses - static_cast<std::size_t>(firstRow);
    const std::size_t count = std::min(rows.size(), room);
    if (count == 0)
        return 0;
    clearMark();
    const std::size_t start = static_cast<std::size_t>(firstRow);
    const std::size_t replaced = std::min(count, m_rows.size() - start);
    for (std::size_t i = 0; i < replaced; ++i)
        m_rows[start + i] = rows[i];
    if (replaced > 0) {
        emit dataChanged(index(firstRow, 0), index(firstRow + static_cast<int>(replaced) - 1, ColumnCount - 1),
                         {Qt::DisplayRole, Qt::EditRole});
    }
    if (count > replaced) {
        beginInsertRows({}, rowCount(), rowCount() + static_cast<int>(count - replaced) - 1);
        m_rows.insert(m_rows.end(), rows.begin() + static_cast<std::ptrdiff_t>(replaced),
                      rows.begin() + static_cast<std::ptrdiff_t>(count));
        endInsertRows();
    }
    return static_cast<int>(count);
}

std::variant<lab::Workload, ProcessTableModel::Problem> ProcessTableModel::workload() const
{
    const auto problemAt = [](std::size_t row, lab::Field field, lab::Problem problem) {
        return Problem{static_cast<int>(row), columnOf(field), lab::InputError{row, field, problem}};
    };
    const auto tableProblem = [this](lab::Problem problem) {
        return Problem{rowCount(), -1, lab::InputError{m_rows.size(), lab::Field::Name, problem}};
    };
    if (m_rows.empty())
        return tableProblem(lab::Problem::NoProcesses);
    if (m_rows.size() > lab::kMaxProcesses)
        return tableProblem(lab::Problem::TooManyProcesses);

    lab::Workload workload;
    workload.reserve(m_rows.size());
    std::unordered_set<std::string> names;
    names.reserve(m_rows.size());
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        const Row &row = m_rows[r];
        lab::Process process;
        process.name = lab::trimmed(row[NameColumn].toStdString());
        if (process.name.empty())
            return problemAt(r, lab::Field::Name, lab::Problem::Empty);
        if (!names.insert(process.name).second)
            return problemAt(r, lab::Field::Name, lab::Problem::DuplicateName);
        lab::Time *values[] = {&process.arrival, &process.burst, &process.priority};
        for (int column = ArrivalColumn; column <= PriorityColumn; ++column) {
            const lab::Field field = fieldOf(column);
            const lab::ParsedTime parsed =
                lab::parseTime(row[static_cast<std::size_t>(column)].toStdString(), field);
            if (!parsed.value)
                return problemAt(r, field, parsed.problem);
            *values[column - ArrivalColumn] = *parsed.value;
        }
        workload.push_back(std::move(process));
    }
    // Whatever the cells cannot show, such as a total past the clock, the engine's check finds.
    if (const std::optional<lab::InputError> error = lab::validate(workload)) {
        if (error->problem == lab::Problem::NoProcesses || error->problem == lab::Problem::TooManyProcesses
            || error->problem == lab::Problem::TotalTooLarge)
            return tableProblem(error->problem);
        return problemAt(error->row, error->field, error->problem);
    }
    return workload;
}

void ProcessTableModel::markProblem(const Problem &problem, const QString &explanation)
{
    if (problem.column < 0 || problem.row < 0 || problem.row >= rowCount())
        setMark(std::nullopt, {});
    else
        setMark(problem, explanation);
}

void ProcessTableModel::clearMark()
{
    setMark(std::nullopt, {});
}

void ProcessTableModel::setMark(std::optional<Problem> mark, const QString &explanation)
{
    const std::optional<Problem> old = m_mark;
    m_mark = mark;
    m_markText = explanation;
    const QList<int> roles{Qt::BackgroundRole, Qt::DecorationRole, Qt::ToolTipRole, Qt::AccessibleDescriptionRole};
    if (old && old->row < rowCount())
        emit dataChanged(index(old->row, old->column), index(old->row, old->column), roles);
    if (m_mark)
        emit dataChanged(index(m_mark->row, m_mark->column), index(m_mark->row, m_mark->column), roles);
}

} // namespace labui
