#pragma once

#include "lab/workload.h"
#include "practice/answer.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <optional>
#include <vector>

namespace practiceui {

// An empty Gantt grid on which a student builds the processor row with the mouse or the
// keyboard: a row of unit cells over the time axis, the pieces laid so far from t=0 on, and
// the piece to lay next (a process, idle time or a context switch, chosen with a chip). A click
// on a cell ends the next piece at that cell's right edge: it starts where the last piece ended.
// Keys: Left / Right / Home / End move the cell cursor, Enter or Space ends the piece there,
// Backspace removes the last piece, 1 .. 9 and 0 choose P1 .. P10, I idle and S a switch.
// After checking, every piece carries its mark (colour, symbol and words).
class ScheduleGrid : public QWidget {
    Q_OBJECT

public:
    explicit ScheduleGrid(QWidget *parent = nullptr);

    // A new, empty grid for these processes over 0 .. span.
    void reset(const lab::Workload &workload, lab::Time span);

    const std::vector<practice::AnswerSegment> &segments() const { return m_segments; }
    // Shows pieces typed elsewhere (the grid does not announce it as an edit).
    void setSegments(std::vector<practice::AnswerSegment> segments);

    // The kind of the next piece: Run with its process, Idle or Switch.
    void choosePiece(lab::SegmentKind kind, std::size_t process = lab::kNoProcess);
    lab::SegmentKind chosenKind() const { return m_kind; }
    std::size_t chosenProcess() const { return m_process; }
    // The chosen piece as the grid names it: a process's name, "idle" or "switch".
    QString chosenPieceName() const { return pieceName({m_kind, m_process, 0, 0}); }
    // The next piece's start: the end of the last piece, else 0.
    lab::Time nextStart() const;
    lab::Time span() const { return m_span; }

    // Ends the chosen piece at that time; false when nothing is chosen or the time is not after
    // the piece's start. A piece of the same process (or kind) as the last one extends it.
    bool endPieceAt(lab::Time end);
    // Removes the last piece; false when there is none.
    bool undo();

    // The marks of a check, one per piece; none clears them.
    void setMarks(std::vector<practice::Mark> marks);
    const std::vector<practice::Mark> &marks() const { return m_marks; }

    // Where the cell that ends at `end` lies, in widget coordinates.
    QRect cellRect(lab::Time end) const;
    lab::Time cursor() const { return m_cursor; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The student added or removed a piece here.
    void segmentsEdited();
    // The chosen piece changed (a digit, I or S typed on the grid).
    void pieceChosen();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    lab::Time shownSpan() const;
    double cellWidth() const;
    QRect rowRect() const;
    QString pieceName(const practice::AnswerSegment &segment) const;
    void changed();
    void describe();

    QStringList m_names;
    lab::Time m_span = 0;
    std::vector<practice::AnswerSegment> m_segments;
    std::vector<practice::Mark> m_marks;
    lab::SegmentKind m_kind = lab::SegmentKind::Run;
    std::size_t m_process = lab::kNoProcess;
    lab::Time m_cursor = 1;   // the end of the cell under the keyboard cursor
};

} // namespace practiceui
