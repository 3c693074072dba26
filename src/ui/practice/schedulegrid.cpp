#include "ui/practice/schedulegrid.h"

#include "ui/gantt/chartlayout.h"
#include "ui/practice/answertablemodel.h"
#include "ui/practice/mistaketexts.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace practiceui {

namespace {

constexpr int kMargin = 8;
constexpr int kRowTop = 6;
constexpr int kRowHeight = 34;
constexpr int kAxisGap = 4;
constexpr int kPreferredCellWidth = 28;
constexpr int kMinimumCellWidth = 12;

} // namespace

ScheduleGrid::ScheduleGrid(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibleName(tr("Grid jadwal"));
    describe();
}

void ScheduleGrid::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        setAccessibleName(tr("Grid jadwal"));
        describe();
        update();
    }
    QWidget::changeEvent(event);
}

void ScheduleGrid::reset(const lab::Workload &workload, lab::Time span)
{
    m_names.clear();
    for (const lab::Process &process : workload)
        m_names.append(QString::fromStdString(process.name));
    m_span = std::max<lab::Time>(1, span);
    m_segments.clear();
    m_marks.clear();
    m_kind = lab::SegmentKind::Run;
    m_process = lab::kNoProcess;
    m_cursor = 1;
    updateGeometry();
    describe();
    update();
}

void ScheduleGrid::setSegments(std::vector<practice::AnswerSegment> segments)
{
    if (segments == m_segments)
        return;
    m_segments = std::move(segments);
    m_marks.clear();
    updateGeometry();
    describe();
    update();
}

void ScheduleGrid::choosePiece(lab::SegmentKind kind, std::size_t process)
{
    if (kind == lab::SegmentKind::Run && process >= std::size_t(m_names.size()))
        return;
    m_kind = kind;
    m_process = kind == lab::SegmentKind::Run ? process : lab::kNoProcess;
    m_cursor = std::max(m_cursor, nextStart() + 1);
    describe();
    update();
    emit pieceChosen();
}

lab::Time ScheduleGrid::nextStart() const
{
    return m_segments.empty() ? 0 : m_segments.back().end;
}

bool ScheduleGrid::endPieceAt(lab::Time end)
{
    if (m_kind == lab::SegmentKind::Run && m_process == lab::kNoProcess)
        return false;
    const lab::Time start = nextStart();
    if (end <= start)
        return false;
    // A piece laid right after one like it lengthens that one, as typed pieces join; two switches
    // in a row stay two, as in a solution.
    const bool extendsLast = !m_segments.empty() && m_kind != lab::SegmentKind::Switch
        && m_segments.back().kind == m_kind && m_segments.back().process == m_process;
    if (extendsLast)
        m_segments.back().end = end;
    else
        m_segments.push_back({m_kind, m_process, start, end});
    m_cursor = end + 1;
    changed();
    return true;
}

bool ScheduleGrid::undo()
{
    if (m_segments.empty())
        return false;
    m_segments.pop_back();
    m_cursor = nextStart() + 1;
    changed();
    return true;
}

void ScheduleGrid::setMarks(std::vector<practice::Mark> marks)
{
    m_marks = std::move(marks);
    describe();
    update();
}

void ScheduleGrid::changed()
{
    m_marks.clear();
    updateGeometry();
    describe();
    update();
    emit segmentsEdited();
}

QString ScheduleGrid::pieceName(const practice::AnswerSegment &segment) const
{
    switch (segment.kind) {
    case lab::SegmentKind::Idle: return tr("idle");
    case lab::SegmentKind::Switch: return tr("switch");
    case lab::SegmentKind::Run: break;
    }
    return segment.process < std::size_t(m_names.size()) ? m_names.at(qsizetype(segment.process))
                                                          : QStringLiteral("?");
}

// What a screen reader says of the grid: its pieces with their marks and the piece to lay next.
void ScheduleGrid::describe()
{
    QStringList pieces;
    for (std::size_t i = 0; i < m_segments.size(); ++i) {
        const practice::AnswerSegment &segment = m_segments[i];
        //: A piece of the grid: %1 its name, %2 its start, %3 its end.
        QString piece = tr("%1 %2-%3").arg(pieceName(segment)).arg(segment.start).arg(segment.end);
        if (i < m_marks.size()) {
            //: A checked piece: %1 the piece, %2 its mark in words.
            piece = tr("%1 (%2)").arg(piece, markName(m_marks[i]));
        }
        pieces.append(piece);
    }
    const QString laid = pieces.isEmpty() ? tr("belum ada potongan") : pieces.join(QStringLiteral(", "));
    QString next;
    if (m_kind == lab::SegmentKind::Run && m_process == lab::kNoProcess) {
        next = tr("pilih proses, idle atau switch untuk potongan berikutnya");
    } else {
        //: %1 the chosen piece's name, %2 where it will start.
        next = tr("potongan berikutnya: %1 mulai t=%2")
                   .arg(pieceName({m_kind, m_process, 0, 0}))
                   .arg(nextStart());
    }
    //: The grid for screen readers: %1 the pieces laid, %2 the next piece.
    setAccessibleDescription(tr("%1; %2").arg(laid, next));
}

lab::Time ScheduleGrid::shownSpan() const
{
    lab::Time span = std::max<lab::Time>(1, m_span);
    if (!m_segments.empty())
        span = std::max(span, m_segments.back().end);
    return span;
}

double ScheduleGrid::cellWidth() const
{
    const double available = double(width() - 2 * kMargin) / double(shownSpan());
    return std::max<double>(kMinimumCellWidth, available);
}

QRect ScheduleGrid::rowRect() const
{
    return QRect(kMargin, kRowTop, int(std::lround(cellWidth() * double(shownSpan()))), kRowHeight);
}

QRect ScheduleGrid::cellRect(lab::Time end) const
{
    const double cell = cellWidth();
    const int left = kMargin + int(std::lround(cell * double(end - 1)));
    const int right = kMargin + int(std::lround(cell * double(end)));
    return QRect(left, kRowTop, right - left, kRowHeight);
}

QSize ScheduleGrid::sizeHint() const
{
    const int height = kRowTop + kRowHeight + kAxisGap + fontMetrics().height() + 6;
    return QSize(2 * kMargin + int(shownSpan()) * kPreferredCellWidth, height);
}

QSize ScheduleGrid::minimumSizeHint() const
{
    const QSize hint = sizeHint();
    return QSize(2 * kMargin + int(shownSpan()) * kMinimumCellWidth, hint.height());
}

void ScheduleGrid::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const QRect row = rowRect();
    painter.fillRect(row, Qt::white);

    // The pieces laid so far, with their marks after a check.
    const double cell = cellWidth();
    const auto xAt = [&](lab::Time t) { return kMargin + int(std::lround(cell * double(t))); };
    for (std::size_t i = 0; i < m_segments.size(); ++i) {
        const practice::AnswerSegment &segment = m_segments[i];
        const QRect piece(xAt(segment.start), row.top(), xAt(segment.end) - xAt(segment.start), row.height());
        // A run has its process's hue from the charts, lightened so that the text and the marks'
        // green and red borders stand out on it.
        QColor fill = Qt::lightGray;
        if (segment.kind == lab::SegmentKind::Run)
            fill = gantt::laneColor(static_cast<int>(segment.process)).lighter(165);
        else if (segment.kind == lab::SegmentKind::Switch)
            fill = QColor(0x70, 0x70, 0x70);
        painter.fillRect(piece, fill);
        if (segment.kind == lab::SegmentKind::Idle) {
            painter.save();
            painter.setBrush(QBrush(Qt::darkGray, Qt::BDiagPattern));
            painter.setPen(Qt::NoPen);
            painter.drawRect(piece);
            painter.restore();
        }
        QString label = pieceName(segment);
        if (i < m_marks.size()) {
            const practice::Mark mark = m_marks[i];
            label = markSymbol(mark) + QLatin1Char(' ') + label;
            painter.save();
            const QColor border = mark == practice::Mark::Right ? QColor(0x10, 0x80, 0x10)
                                                                : QColor(0xc0, 0x10, 0x10);
            painter.setPen(QPen(border, 3));
            painter.drawRect(piece.adjusted(1, 1, -2, -2));
            painter.restore();
        }
        painter.setPen(segment.kind == lab::SegmentKind::Switch ? Qt::white : Qt::black);
        const QString shown = painter.fontMetrics().elidedText(label, Qt::ElideRight, piece.width() - 4);
        painter.drawText(piece, Qt::AlignCenter, shown);
    }

    // The unit cells and the time axis.
    painter.setPen(QColor(0xa0, 0xa0, 0xa0));
    const lab::Time span = shownSpan();
    for (lab::Time t = 0; t <= span; ++t)
        painter.drawLine(xAt(t), row.top(), xAt(t), row.bottom());
    painter.setPen(Qt::black);
    painter.drawRect(row.adjusted(0, 0, -1, -1));
    const int labelEvery = std::max(1, int(std::ceil(double(fontMetrics().horizontalAdvance(QStringLiteral("000")) + 4) / cell)));
    const int axisTop = row.bottom() + kAxisGap;
    for (lab::Time t = 0; t <= span; ++t) {
        if (t % labelEvery != 0 && t != span)
            continue;
        const QString text = QString::number(t);
        const int textWidth = fontMetrics().horizontalAdvance(text);
        painter.drawText(QRect(xAt(t) - textWidth, axisTop, 2 * textWidth, fontMetrics().height()),
                         Qt::AlignHCenter | Qt::AlignTop, text);
    }

    // The keyboard cursor: the cell whose right edge the next Enter ends a piece at.
    if (hasFocus() && m_cursor >= 1 && m_cursor <= span) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cellRect(m_cursor).adjusted(1, 1, -1, -1));
    }
}

void ScheduleGrid::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const QRect row = rowRect();
    const double x = event->position().x() - kMargin;
    if (x < 0 || event->position().y() < row.top() || event->position().y() > row.bottom() + kAxisGap
        || x >= cellWidth() * double(shownSpan())) {
        return;
    }
    const lab::Time end = lab::Time(std::floor(x / cellWidth())) + 1;
    m_cursor = end;
    if (!endPieceAt(end))
        update();
}

void ScheduleGrid::keyPressEvent(QKeyEvent *event)
{
    const lab::Time span = shownSpan();
    switch (event->key()) {
    case Qt::Key_Left:
        m_cursor = std::max<lab::Time>(1, m_cursor - 1);
        update();
        return;
    case Qt::Key_Right:
        m_cursor = std::min<lab::Time>(span, m_cursor + 1);
        update();
        return;
    case Qt::Key_Home:
        m_cursor = std::min<lab::Time>(span, nextStart() + 1);
        update();
        return;
    case Qt::Key_End:
        m_cursor = span;
        update();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!endPieceAt(std::min(m_cursor, span)))
            update();
        return;
    case Qt::Key_Backspace:
        undo();
        return;
    case Qt::Key_I:
        choosePiece(lab::SegmentKind::Idle);
        return;
    case Qt::Key_S:
        choosePiece(lab::SegmentKind::Switch);
        return;
    default:
        break;
    }
    const bool plainKey = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (event->key() >= Qt::Key_0 && event->key() <= Qt::Key_9 && plainKey) {
        const int digit = event->key() - Qt::Key_0;
        choosePiece(lab::SegmentKind::Run, std::size_t(digit == 0 ? 9 : digit - 1));
        return;
    }
    QWidget::keyPressEvent(event);
}

void ScheduleGrid::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void ScheduleGrid::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

} // namespace practiceui
