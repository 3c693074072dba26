#pragma once

#include "lab/workload.h"

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <variant>
#include <vector>

namespace labui {

// The processes of the laboratory as the user typed them: every cell keeps its text, whatever
// it holds, so that nothing typed is lost when a value is refused. The workload is read from
// the texts only when it is asked for; the first bad cell can then be marked (background,
// symbol, tool tip and accessible description) until its text changes.
class ProcessTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { NameColumn, ArrivalColumn, BurstColumn, PriorityColumn, ColumnCount };
    using Row = std::array<QString, ColumnCount>;

    // A cell that cannot be read, or a table that cannot be scheduled as a whole (row = the
    // count, column -1: no rows, too many rows, times that add up past the clock).
    struct Problem {
        int row = 0;
        int column = -1;
        lab::InputError error;
    };

    explicit ProcessTableModel(QObject *parent = nullptr);

    // Tells the views that every header and every text changed with the program's language.
    void retranslate();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    bool insertRows(int row, int count, const QModelIndex &parent = {}) override;
    bool removeRows(int row, int count, const QModelIndex &parent = {}) override;

    const std::vector<Row> &rows() const { return m_rows; }
    QString text(int row, int column) const;
    // Replaces the whole table.
    void setRows(std::vector<Row> rows);
    void setWorkload(const lab::Workload &workload);
    // A row for the end of the table: the first free name Pn, arrival 0, burst 1, priority 0.
    Row newRow() const;
    // Writes pasted rows from the given row on, replacing the rows there and adding rows past
    // the end; a row of fewer cells leaves the others empty (priority 0). Returns how many rows
    // were written (the table never grows past lab::kMaxProcesses).
    int pasteRows(int firstRow, const std::vector<Row> &rows);

    // The workload the texts describe, or the first problem in row order, then column order.
    std::variant<lab::Workload, Problem> workload() const;

    // The marked cell, if any, and the text that explains it.
    void markProblem(const Problem &problem, const QString &explanation);
    void clearMark();
    std::optional<Problem> mark() const { return m_mark; }

    static QString columnTitle(int column);
    // The column that shows a field of a process.
    static int columnOf(lab::Field field);

private:
    void setMark(std::optional<Problem> mark, const QString &explanation);
    QString freeName(int number) const;

    std::vector<Row> m_rows;
    std::optional<Problem> m_mark;
    QString m_markText;
};

} // namespace labui
