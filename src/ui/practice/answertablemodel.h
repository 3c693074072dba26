#pragma once

#include "lab/workload.h"
#include "practice/answer.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QString>

#include <optional>
#include <vector>

namespace practiceui {

// The numbers a student gives for an exercise: per process its completion, turnaround, waiting
// and (when asked) response time, and a last row with the averages. Every cell keeps the text as
// typed, so nothing is lost when it is checked or when the solution is shown; after checking a
// cell carries its mark (colour, symbol and words) until its text changes.
class AnswerTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { ProcessColumn, CompletionColumn, TurnaroundColumn, WaitingColumn, ResponseColumn };

    explicit AnswerTableModel(QObject *parent = nullptr);

    // Tells the views that every header and every text changed with the program's language.
    void retranslate();

    // A new, empty table for these processes.
    void reset(const lab::Workload &workload, bool asksResponse);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // The averages' row comes after the processes.
    int averagesRow() const { return int(m_names.size()); }
    bool asksResponse() const { return m_asksResponse; }
    // Whether the cell takes an answer (the averages' row has no completion).
    bool isAnswerCell(int row, int column) const;

    QString text(int row, int column) const;
    // True when any cell holds something.
    bool hasTypedAnswers() const;

    // The numbers as typed; a cell that is empty or not a number is left unanswered.
    void fillAnswer(practice::Answer &answer) const;
    // Whether a typed cell holds no number that can be read.
    bool isUnreadable(int row, int column) const;

    // Marks every cell from a check; a typed cell that holds no number is marked wrong.
    void showMarks(const practice::CheckResult &result);
    void clearMarks();
    std::optional<practice::Mark> mark(int row, int column) const;

    static QString columnTitle(int column);

signals:
    // The student changed a cell.
    void answersEdited();

private:
    int cellIndex(int row, int column) const;

    std::vector<QString> m_names;
    bool m_asksResponse = false;
    std::vector<QString> m_texts;   // row by row, four answer columns each
    std::vector<std::optional<practice::Mark>> m_marks;
};

// Reads a typed whole number (blanks around it allowed).
std::optional<lab::Time> readWholeNumber(const QString &text);
// Reads a typed average: "8.2", "8,2", or the form the laboratory writes, "41/5 = 8.2".
std::optional<double> readAverage(const QString &text);

// The colour that goes with a mark (always beside its symbol and words, never alone).
QColor markColour(practice::Mark mark);

} // namespace practiceui
