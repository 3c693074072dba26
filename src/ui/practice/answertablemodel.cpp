#include "ui/practice/answertablemodel.h"

#include "ui/lab/windowparts.h"
#include "ui/practice/mistaketexts.h"

#include <QColor>

namespace practiceui {

namespace {

constexpr int kAnswerColumns = 4;   // completion, turnaround, waiting, response

} // namespace

std::optional<lab::Time> readWholeNumber(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    for (const QChar c : trimmed) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    bool ok = false;
    const qlonglong value = trimmed.toLongLong(&ok);
    if (!ok || value > lab::kMaxTotalTime)
        return std::nullopt;
    return lab::Time(value);
}

std::optional<double> readAverage(const QString &text)
{
    QString value = text.trimmed();
    const qsizetype equals = value.lastIndexOf(QLatin1Char('='));
    if (equals >= 0)
        value = value.mid(equals + 1).trimmed();
    value.replace(QLatin1Char(','), QLatin1Char('.'));
    if (value.isEmpty())
        return std::nullopt;
    int dots = 0;
    for (const QChar c : value) {
        if (c == QLatin1Char('.'))
            ++dots;
        else if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    if (dots > 1 || value == QLatin1String("."))
        return std::nullopt;
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return number;
}

QColor markColour(practice::Mark mark)
{
    switch (mark) {
    case practice::Mark::Right: return QColor(0xc8, 0xf0, 0xc8);
    case practice::Mark::Wrong: return QColor(0xf8, 0xc0, 0xc0);
    case practice::Mark::FollowsFromSchedule: return QColor(0xf8, 0xe4, 0xa8);
    case practice::Mark::Missing: break;
    }
    return QColor(0xe4, 0xe4, 0xe4);
}

AnswerTableModel::AnswerTableModel(QObject *parent) : QAbstractTableModel(parent) {}

void AnswerTableModel::retranslate()
{
    labui::retranslateModel(*this);
}

void AnswerTableModel::reset(const lab::Workload &workload, bool asksResponse)
{
    beginResetModel();
    m_names.clear();
    for (const lab::Process &process : workload)
        m_names.push_back(QString::fromStdString(process.name));
    m_asksResponse = asksResponse;
    const std::size_t cells = (m_names.size() + 1) * kAnswerColumns;
    m_texts.assign(cells, QString());
    m_marks.assign(cells, std::nullopt);
    endResetModel();
}

int AnswerTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || m_texts.empty() ? 0 : int(m_names.size()) + 1;
}

int AnswerTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : (m_asksResponse ? ResponseColumn + 1 : WaitingColumn + 1);
}

int AnswerTableModel::cellIndex(int row, int column) const
{
    return row * kAnswerColumns + (column - CompletionColumn);
}

bool AnswerTableModel::isAnswerCell(int row, int column) const
{
    if (row < 0 || row > averagesRow() || column < CompletionColumn || column >= columnCount())
        return false;
    return !(row == averagesRow() && column == CompletionColumn);
}

QString AnswerTableModel::text(int row, int column) const
{
    return isAnswerCell(row, column) ? m_texts[std::size_t(cellIndex(row, column))] : QString();
}

bool AnswerTableModel::hasTypedAnswers() const
{
    for (int row = 0; row <= averagesRow(); ++row) {
        for (int column = CompletionColumn; column < columnCount(); ++column) {
            if (isAnswerCell(row, column) && !text(row, column).trimmed().isEmpty())
                return true;
        }
    }
    return false;
}

std::optional<practice::Mark> AnswerTableModel::mark(int row, int column) const
{
    return isAnswerCell(row, column) ? m_marks[std::size_t(cellIndex(row, column))] : std::nullopt;
}

bool AnswerTableModel::isUnreadable(int row, int column) const
{
    const QString typed = text(row, column).trimmed();
    if (typed.isEmpty())
        return false;
    return row == averagesRow() ? !readAverage(typed) : !readWholeNumber(typed);
}

QString AnswerTableModel::columnTitle(int column)
{
    switch (column) {
    case ProcessColumn: return tr("Proses");
    case CompletionColumn: return tr("Selesai");
    case TurnaroundColumn: return tr("Turnaround");
    case WaitingColumn: return tr("Waiting");
    case ResponseColumn: return tr("Response");
    default: break;
    }
    return {};
}

QVariant AnswerTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() > averagesRow() || index.column() >= columnCount())
        return {};
    const int row = index.row();
    const int column = index.column();
    if (column == ProcessColumn) {
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return row == averagesRow() ? tr("Rata-rata") : m_names[std::size_t(row)];
        return {};
    }
    if (!isAnswerCell(row, column))
        return {};
    const QString typed = text(row, column);
    const std::optional<practice::Mark> cellMark = mark(row, column);
    const QString rowName = row == averagesRow() ? tr("Rata-rata") : m_names[std::size_t(row)];
    switch (role) {
    case Qt::EditRole:
        return typed;
    case Qt::DisplayRole:
        if (cellMark && *cellMark != practice::Mark::Missing) {
            //: A checked cell: %1 the number as typed, %2 its mark's symbol.
            return tr("%1 %2").arg(typed, markSymbol(*cellMark));
        }
        return typed;
    case Qt::BackgroundRole:
        if (cellMark)
            return markColour(*cellMark);
        return {};
    case Qt::ToolTipRole:
        if (cellMark) {
            if (*cellMark == practice::Mark::Wrong && isUnreadable(row, column))
                return tr("salah: bukan angka");
            return markName(*cellMark);
        }
        return {};
    case Qt::AccessibleTextRole: {
        const QString shown = typed.trimmed().isEmpty() ? tr("kosong") : typed;
        if (cellMark) {
            //: A checked cell for screen readers: %1 the process, %2 the column, %3 the typed
            //: number, %4 its mark in words.
            return tr("%1 %2: %3, %4").arg(rowName, columnTitle(column), shown, markName(*cellMark));
        }
        //: A cell for screen readers: %1 the process, %2 the column, %3 the typed number.
        return tr("%1 %2: %3").arg(rowName, columnTitle(column), shown);
    }
    default:
        break;
    }
    return {};
}

QVariant AnswerTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && (role == Qt::DisplayRole || role == Qt::AccessibleTextRole))
        return columnTitle(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags AnswerTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (isAnswerCell(index.row(), index.column()))
        result |= Qt::ItemIsEditable;
    return result;
}

bool AnswerTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || !isAnswerCell(index.row(), index.column()))
        return false;
    const std::size_t cell = std::size_t(cellIndex(index.row(), index.column()));
    const QString typed = value.toString().trimmed();
    if (typed == m_texts[cell])
        return true;
    m_texts[cell] = typed;
    // The mark was for the old text.
    m_marks[cell].reset();
    emit dataChanged(index, index);
    emit answersEdited();
    return true;
}

void AnswerTableModel::fillAnswer(practice::Answer &answer) const
{
    answer.processes.assign(m_names.size(), practice::AnswerNumbers{});
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        const int row = int(i);
        practice::AnswerNumbers &numbers = answer.processes[i];
        numbers.completion = readWholeNumber(text(row, CompletionColumn));
        numbers.turnaround = readWholeNumber(text(row, TurnaroundColumn));
        numbers.waiting = readWholeNumber(text(row, WaitingColumn));
        if (m_asksResponse)
            numbers.response = readWholeNumber(text(row, ResponseColumn));
    }
    answer.averageTurnaround = readAverage(text(averagesRow(), TurnaroundColumn));
    answer.averageWaiting = readAverage(text(averagesRow(), WaitingColumn));
    answer.averageResponse = m_asksResponse ? readAverage(text(averagesRow(), ResponseColumn)) : std::nullopt;
}

void AnswerTableModel::showMarks(const practice::CheckResult &result)
{
    const auto unreadableIsWrong = [this](int row, int column, practice::Mark given) {
        return given == practice::Mark::Missing && isUnreadable(row, column) ? practice::Mark::Wrong : given;
    };
    for (int row = 0; row < averagesRow(); ++row) {
        const std::vector<practice::Mark> *cells =
            std::size_t(row) < result.cells.size() ? &result.cells[std::size_t(row)] : nullptr;
        for (int column = CompletionColumn; column < columnCount(); ++column) {
            const std::size_t at = std::size_t(column - CompletionColumn);
            const practice::Mark given = cells && at < cells->size() ? (*cells)[at] : practice::Mark::Missing;
            m_marks[std::size_t(cellIndex(row, column))] = unreadableIsWrong(row, column, given);
        }
    }
    const int averages = averagesRow();
    m_marks[std::size_t(cellIndex(averages, TurnaroundColumn))] =
        unreadableIsWrong(averages, TurnaroundColumn, result.averageTurnaround);
    m_marks[std::size_t(cellIndex(averages, WaitingColumn))] =
        unreadableIsWrong(averages, WaitingColumn, result.averageWaiting);
    if (m_asksResponse) {
        m_marks[std::size_t(cellIndex(averages, ResponseColumn))] =
            unreadableIsWrong(averages, ResponseColumn, result.averageResponse);
    }
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void AnswerTableModel::clearMarks()
{
    for (auto &cellMark : m_marks)
        cellMark.reset();
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

} // namespace practiceui
