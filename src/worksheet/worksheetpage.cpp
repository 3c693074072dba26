// The two kinds of page: a student's worksheet and its answer key.

#include "worksheet/worksheet.h"
#include "worksheet/worksheettexts.h"

#include "lab/schedule.h"
#include "lab/settings.h"
#include "practice/answer.h"
#include "ui/formunits.h"
#include "ui/gantt/ganttchart.h"
#include "ui/lab/labchartdata.h"
#include "ui/lab/ruletexts.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace worksheet {

namespace {

// Sizes in millimetres and points.
constexpr double kTitlePoints = 16;
constexpr double kHeadingPoints = 11.5;
constexpr double kBodyPoints = 10;
constexpr double kSmallPoints = 8.5;
constexpr double kMinimumCellPoints = 6;
constexpr double kSectionGapMm = 4.5;
constexpr double kLineGapMm = 1.2;
constexpr double kRowHeightFactor = 1.75;     // a table row: this many text lines high
constexpr double kNameLineMm = 70;
constexpr double kGridLabelMm = 14;
constexpr double kGridRowMm = 11;
constexpr double kGridTickMm = 1.6;
constexpr double kAxisLabelGapMm = 1.2;
constexpr double kBulletIndentMm = 5;
const QColor kHeaderFill(225, 225, 225);
const QColor kUnaskedFill(240, 240, 240);
const QColor kGridLine(150, 150, 150);

QFont pageFont(double points, bool bold = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    // Letters as typed: no ligature glyphs, which would leave the PDF's text without them.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QString number(lab::Time value)
{
    return QString::number(value);
}

// One cell of a table: its text and whether the cell is asked at all (an unasked one is shaded).
struct Cell {
    QString text;
    bool asked = true;
};

struct Table {
    QStringList headers;
    std::vector<double> weights;   // relative column widths
    std::vector<std::vector<Cell>> rows;
    int boldRowsFromEnd = 0;       // the last rows (averages) in bold
};

// Lays out a page from top to bottom. The same steps run twice: once to measure how tall the
// page would be, once to paint it, shrunk as a whole when it would not fit.
class PageComposer {
public:
    PageComposer(QPainter &painter, double width, bool painting)
        : m_painter(painter),
          m_width(width),
          m_painting(painting),
          m_mm(painter.device()->logicalDpiY() / 25.4)
    {
    }

    double mm(double millimetres) const { return millimetres * m_mm; }
    double y() const { return m_y; }
    double width() const { return m_width; }

    void gap(double millimetres) { m_y += mm(millimetres); }

    // A paragraph wrapped to the width (or to the width left after an indent).
    void paragraph(const QString &text, const QFont &font, double indent = 0)
    {
        const QFontMetricsF metrics(font, m_painter.device());
        const QRectF bounds(indent, m_y, m_width - indent, 1e6);
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        const QRectF used = metrics.boundingRect(bounds, flags, text);
        if (m_painting) {
            m_painter.setFont(font);
            m_painter.setPen(Qt::black);
            m_painter.drawText(QRectF(indent, m_y, m_width - indent, used.height()), flags, text);
        }
        m_y += used.height() + mm(kLineGapMm);
    }

    // A label and a value on one line, the value in bold.
    void labelled(const QString &label, const QString &value, const QFont &font)
    {
        QFont bold = font;
        bold.setBold(true);
        const QFontMetricsF metrics(font, m_painter.device());
        const double labelWidth = metrics.horizontalAdvance(label + QLatin1Char(' '));
        if (m_painting) {
            m_painter.setPen(Qt::black);
            m_painter.setFont(font);
            m_painter.drawText(QPointF(0, m_y + metrics.ascent()), label);
            m_painter.setFont(bold);
            m_painter.drawText(QPointF(labelWidth, m_y + metrics.ascent()), value);
        }
        m_y += metrics.height() + mm(kLineGapMm);
    }

    // The name line: "Nama:" and a line to write on; beside it, at the right, a caption.
    void nameLine(const QString &label, const QString &caption)
    {
        const QFont font = pageFont(kBodyPoints);
        const QFontMetricsF metrics(font, m_painter.device());
        const double labelWidth = metrics.horizontalAdvance(label + QLatin1Char(' '));
        const double baseline = m_y + metrics.ascent() + mm(2);
        if (m_painting) {
            m_painter.setFont(font);
            m_painter.setPen(Qt::black);
            m_painter.drawText(QPointF(0, baseline), label);
            m_painter.setPen(QPen(Qt::black, mm(0.25)));
            m_painter.drawLine(QPointF(labelWidth, baseline + mm(0.8)),
                               QPointF(labelWidth + mm(kNameLineMm), baseline + mm(0.8)));
            if (!caption.isEmpty()) {
                const QFont small = pageFont(kSmallPoints);
                m_painter.setFont(small);
                m_painter.drawText(QRectF(labelWidth + mm(kNameLineMm), m_y, m_width - labelWidth - mm(kNameLineMm),
                                          baseline - m_y),
                                   Qt::AlignRight | Qt::AlignBottom, caption);
            }
        }
        m_y = baseline + metrics.descent() + mm(kLineGapMm);
    }

    // A bulleted list.
    void bullets(const QStringList &items, const QFont &font)
    {
        const QFontMetricsF metrics(font, m_painter.device());
        for (const QString &item : items) {
            if (m_painting) {
                // A round bullet, centred on the first line's letters.
                const double radius = mm(0.6);
                const QPointF centre(mm(2), m_y + metrics.ascent() - metrics.xHeight() / 2);
                m_painter.setPen(Qt::NoPen);
                m_painter.setBrush(Qt::black);
                m_painter.drawEllipse(centre, radius, radius);
                m_painter.setBrush(Qt::NoBrush);
            }
            paragraph(item, font, mm(kBulletIndentMm));
            m_y -= mm(kLineGapMm) * 0.5;
        }
    }

    void table(const Table &table)
    {
        const QFont headerFont = pageFont(kBodyPoints, true);
        const QFont cellFont = pageFont(kBodyPoints);
        const QFontMetricsF metrics(cellFont, m_painter.device());
        const double rowHeight = metrics.height() * kRowHeightFactor;
        double weightSum = 0;
        for (double weight : table.weights)
            weightSum += weight;
        std::vector<double> lefts{0};
        for (double weight : table.weights)
            lefts.push_back(lefts.back() + m_width * weight / weightSum);

        const auto drawRow = [&](double top, const std::vector<Cell> &cells, const QFont &font, bool header) {
            for (std::size_t column = 0; column < cells.size() && column + 1 < lefts.size(); ++column) {
                const QRectF rect(lefts[column], top, lefts[column + 1] - lefts[column], rowHeight);
                if (header)
                    m_painter.fillRect(rect, kHeaderFill);
                else if (!cells[column].asked)
                    m_painter.fillRect(rect, kUnaskedFill);
                m_painter.setPen(QPen(Qt::black, mm(0.2)));
                m_painter.drawRect(rect);
                if (cells[column].text.isEmpty())
                    continue;
                m_painter.setFont(fitted(font, cells[column].text, rect.width() - mm(1.5)));
                m_painter.drawText(rect, Qt::AlignCenter, cells[column].text);
            }
        };

        if (m_painting) {
            std::vector<Cell> header;
            for (const QString &text : table.headers)
                header.push_back({text, true});
            drawRow(m_y, header, headerFont, true);
            for (std::size_t row = 0; row < table.rows.size(); ++row) {
                const bool bold = int(table.rows.size() - row) <= table.boldRowsFromEnd;
                drawRow(m_y + rowHeight * double(row + 1), table.rows[row], bold ? headerFont : cellFont, false);
            }
        }
        m_y += rowHeight * double(table.rows.size() + 1) + mm(kLineGapMm);
    }

    // The empty Gantt grid: the processor's row of unit cells over a time axis from 0 to `end`.
    void emptyGrid(lab::Time end, const QString &rowLabel)
    {
        end = std::max<lab::Time>(end, 1);
        const QFont labelFont = pageFont(kBodyPoints, true);
        const QFont axisFont = pageFont(kSmallPoints);
        const QFontMetricsF axisMetrics(axisFont, m_painter.device());
        const double left = mm(kGridLabelMm);
        const double plotWidth = m_width - left - mm(2);
        const double cell = plotWidth / double(end);
        const double rowTop = m_y;
        const double rowHeight = mm(kGridRowMm);
        const double axisTop = rowTop + rowHeight + mm(kGridTickMm);

        // Every `step` units a label, the step the smallest of 1, 2, 5, 10, 20, 50 ... whose
        // labels keep apart; the end is always labelled.
        const double labelWidth = axisMetrics.horizontalAdvance(number(end)) + mm(kAxisLabelGapMm);
        lab::Time step = 1;
        for (lab::Time base = 1; cell * double(step) < labelWidth; base *= 10) {
            for (lab::Time factor : {1, 2, 5}) {
                step = base * factor;
                if (cell * double(step) >= labelWidth)
                    break;
            }
        }

        if (m_painting) {
            const auto x = [&](lab::Time time) { return left + cell * double(time); };
            m_painter.setFont(labelFont);
            m_painter.setPen(Qt::black);
            m_painter.drawText(QRectF(0, rowTop, left - mm(1.5), rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                               rowLabel);
            m_painter.setPen(QPen(kGridLine, mm(0.15)));
            for (lab::Time time = 1; time < end; ++time)
                m_painter.drawLine(QPointF(x(time), rowTop), QPointF(x(time), rowTop + rowHeight));
            m_painter.setPen(QPen(Qt::black, mm(0.3)));
            m_painter.drawRect(QRectF(x(0), rowTop, x(end) - x(0), rowHeight));
            m_painter.setPen(QPen(Qt::black, mm(0.2)));
            m_painter.setFont(axisFont);
            for (lab::Time time = 0; time <= end; ++time) {
                const bool labelled = time % step == 0 || time == end;
                const double tick = labelled ? mm(kGridTickMm) : mm(kGridTickMm) * 0.5;
                m_painter.drawLine(QPointF(x(time), rowTop + rowHeight), QPointF(x(time), rowTop + rowHeight + tick));
                // The label before the end gives way when it would touch the end's.
                if (!labelled || (time != end && cell * double(end - time) < labelWidth))
                    continue;
                const QString text = number(time);
                const double width = axisMetrics.horizontalAdvance(text);
                m_painter.drawText(QPointF(x(time) - width / 2, axisTop + axisMetrics.ascent()), text);
            }
        }
        m_y = axisTop + axisMetrics.height() + mm(kLineGapMm);
    }

    // The program's Gantt chart of a schedule, the width of the page.
    void chart(const gantt::GanttChart &chart)
    {
        // The chart measures in the screen's pixels, which the document's resolution matches;
        // it is scaled to the page's width.
        const int width = int(std::floor(m_width));
        const int height = chart.heightForWidth(width);
        if (m_painting) {
            m_painter.save();
            m_painter.translate(0, m_y);
            chart.paint(m_painter, QSize(width, height));
            m_painter.restore();
        }
        m_y += height + mm(kLineGapMm);
    }

private:
    // The font, made smaller as far as kMinimumCellPoints, until the text fits the width.
    QFont fitted(QFont font, const QString &text, double width) const
    {
        while (font.pointSizeF() > kMinimumCellPoints
               && QFontMetricsF(font, m_painter.device()).horizontalAdvance(text) > width) {
            font.setPointSizeF(std::max(kMinimumCellPoints, font.pointSizeF() - 0.5));
        }
        return font;
    }

    QPainter &m_painter;
    double m_width;
    bool m_painting;
    double m_mm;
    double m_y = 0;
};

QString policyLine(const lab::Settings &settings)
{
    const QString name = formunits::toQString(lab::policyName(settings.policy));
    if (lab::usesQuantum(settings.policy)) {
        //: The policy with its quantum: "Round Robin, quantum = 3".
        return WorksheetTexts::tr("%1, quantum = %2").arg(name).arg(settings.quantum);
    }
    return name;
}

QStringList ruleSentences(const lab::Settings &settings)
{
    QStringList lines;
    for (lab::Rule rule : lab::rulesInForce(settings))
        lines.append(labui::ruleDescription(rule, settings));
    return lines;
}

// The problem's own table: the processes with their arrival, burst and, when the policy uses it,
// priority.
Table processTable(const practice::Exercise &exercise)
{
    const bool priority = lab::usesPriority(exercise.settings.policy);
    Table table;
    table.headers = {WorksheetTexts::tr("Proses"), WorksheetTexts::tr("Arrival"), WorksheetTexts::tr("Burst")};
    table.weights = {1, 1, 1};
    if (priority) {
        table.headers.append(WorksheetTexts::tr("Prioritas"));
        table.weights.push_back(1);
    }
    for (const lab::Process &process : exercise.workload) {
        std::vector<Cell> row{{formunits::toQString(process.name)}, {number(process.arrival)}, {number(process.burst)}};
        if (priority)
            row.push_back({number(process.priority)});
        table.rows.push_back(std::move(row));
    }
    return table;
}

// The answer table, empty on the worksheet or filled on the key: per process its completion,
// turnaround, waiting and, where asked, response, then the averages.
Table answerTable(const practice::Exercise &exercise, bool filled)
{
    const bool response = practice::asksResponse(exercise.settings);
    const bool priority = lab::usesPriority(exercise.settings.policy);
    const lab::Schedule &solution = exercise.solution;
    Table table;
    table.headers = {WorksheetTexts::tr("Proses")};
    table.weights = {1};
    if (filled) {
        table.headers << WorksheetTexts::tr("Arrival") << WorksheetTexts::tr("Burst");
        table.weights.insert(table.weights.end(), {1, 1});
        if (priority) {
            table.headers << WorksheetTexts::tr("Prioritas");
            table.weights.push_back(1);
        }
    }
    table.headers << WorksheetTexts::tr("Selesai") << WorksheetTexts::tr("Turnaround") << WorksheetTexts::tr("Waiting");
    table.weights.insert(table.weights.end(), {1.2, 1.6, 1.6});
    if (response) {
        table.headers << WorksheetTexts::tr("Response");
        table.weights.push_back(1.6);
    }

    for (std::size_t i = 0; i < exercise.workload.size(); ++i) {
        const lab::Process &process = exercise.workload[i];
        std::vector<Cell> row{{formunits::toQString(process.name)}};
        if (filled) {
            row.push_back({number(process.arrival)});
            row.push_back({number(process.burst)});
            if (priority)
                row.push_back({number(process.priority)});
        }
        const lab::ProcessResult &result = solution.processes[i];
        const auto value = [&](lab::Time time) { return Cell{filled ? number(time) : QString()}; };
        row.push_back(value(result.completion));
        row.push_back(value(result.turnaround));
        row.push_back(value(result.waiting));
        if (response)
            row.push_back(value(result.response));
        table.rows.push_back(std::move(row));
    }

    const std::size_t count = exercise.workload.size();
    const auto average = [&](lab::Time total) {
        return Cell{filled ? formunits::toQString(lab::averageText(total, count)) : QString()};
    };
    std::vector<Cell> averages{{WorksheetTexts::tr("Rata-rata")}};
    if (filled) {
        averages.insert(averages.end(), {Cell{QString(), false}, Cell{QString(), false}});
        if (priority)
            averages.push_back({QString(), false});
    }
    averages.push_back({QString(), false});
    averages.push_back(average(solution.totals.turnaround));
    averages.push_back(average(solution.totals.waiting));
    if (response)
        averages.push_back(average(solution.totals.response));
    table.rows.push_back(std::move(averages));
    table.boldRowsFromEnd = 1;
    return table;
}

// The lines every page starts with: the title, then (worksheet) the name line, the code, the
// policy and level.
void composeHeading(PageComposer &page, const practice::Exercise &exercise, const QString &title,
                    const QString &caption, bool nameLine)
{
    page.paragraph(title, pageFont(kTitlePoints, true));
    if (nameLine) {
        page.gap(1);
        page.nameLine(WorksheetTexts::tr("Nama:"), caption);
    } else if (!caption.isEmpty()) {
        page.paragraph(caption, pageFont(kSmallPoints));
    }
    page.gap(2);
    const QFont body = pageFont(kBodyPoints);
    page.labelled(WorksheetTexts::tr("Kode soal:"), formunits::toQString(exercise.code), pageFont(kHeadingPoints));
    page.labelled(WorksheetTexts::tr("Algoritma:"), policyLine(exercise.settings), body);
    page.labelled(WorksheetTexts::tr("Tingkat:"), levelName(exercise.key.level), body);
}

void composeWorksheet(PageComposer &page, const practice::Exercise &exercise, const QString &caption)
{
    const QFont heading = pageFont(kHeadingPoints, true);
    const QFont body = pageFont(kBodyPoints);
    composeHeading(page, exercise, WorksheetTexts::tr("Lembar Kerja Penjadwalan"), caption, true);

    page.gap(kSectionGapMm * 0.5);
    page.paragraph(WorksheetTexts::tr("Aturan penjadwalan:"), heading);
    page.bullets(ruleSentences(exercise.settings), body);

    page.gap(kSectionGapMm);
    page.paragraph(WorksheetTexts::tr("Tabel proses"), heading);
    page.table(processTable(exercise));

    page.gap(kSectionGapMm);
    page.paragraph(WorksheetTexts::tr("Gantt Chart"), heading);
    page.paragraph(WorksheetTexts::tr("Gambarkan jadwal CPU pada kisi ini; satu kotak adalah satu satuan waktu. "
                                      "Tandai waktu idle dan context switch bila ada."),
                   pageFont(kSmallPoints));
    page.emptyGrid(exercise.solution.lastCompletion, WorksheetTexts::tr("CPU"));

    page.gap(kSectionGapMm);
    page.paragraph(WorksheetTexts::tr("Tabel jawaban"), heading);
    page.table(answerTable(exercise, false));
}

void composeAnswerKey(PageComposer &page, const practice::Exercise &exercise, const QString &caption,
                      const gantt::GanttChart &chart)
{
    const QFont heading = pageFont(kHeadingPoints, true);
    const QFont body = pageFont(kBodyPoints);
    composeHeading(page, exercise, WorksheetTexts::tr("Kunci Jawaban"), caption, false);

    page.gap(kSectionGapMm);
    page.paragraph(WorksheetTexts::tr("Gantt Chart"), heading);
    page.chart(chart);
    //: %1 is the processor's pieces in time order, such as "P1 0-4, P2 4-7, idle 7-9".
    page.paragraph(WorksheetTexts::tr("Urutan CPU: %1")
                       .arg(formunits::toQString(lab::describeSegments(exercise.workload, exercise.solution))),
                   body);
    if (exercise.solution.contextSwitches > 0 && exercise.settings.switchCost > 0) {
        //: %1 is how many context switches the run has, %n their cost in time units each.
        page.paragraph(WorksheetTexts::tr("Context switch: %1 kali, masing-masing %n satuan waktu", nullptr,
                                          int(exercise.settings.switchCost))
                           .arg(exercise.solution.contextSwitches),
                       body);
    }

    page.gap(kSectionGapMm);
    page.paragraph(WorksheetTexts::tr("Tabel jawaban"), heading);
    page.table(answerTable(exercise, true));
}

// Measures the page, then paints it, shrunk as a whole when it is taller than the area.
template <typename Compose>
void paintPage(QPainter &painter, const QRectF &area, Compose compose)
{
    PageComposer measure(painter, area.width(), false);
    compose(measure);
    const double scale = measure.y() > area.height() ? area.height() / measure.y() : 1.0;

    painter.save();
    painter.translate(area.topLeft());
    painter.scale(scale, scale);
    PageComposer page(painter, area.width(), true);
    compose(page);
    painter.restore();
}

} // namespace

QString levelName(practice::Level level)
{
    switch (level) {
    case practice::Level::Basic:
        return WorksheetTexts::tr("Dasar");
    case practice::Level::Intermediate:
        return WorksheetTexts::tr("Menengah");
    case practice::Level::Advanced:
        return WorksheetTexts::tr("Lanjut");
    }
    return {};
}

void paintWorksheetPage(QPainter &painter, const QRectF &page, const practice::Exercise &exercise,
                        const QString &caption)
{
    paintPage(painter, page, [&](PageComposer &composer) { composeWorksheet(composer, exercise, caption); });
}

void paintAnswerKeyPage(QPainter &painter, const QRectF &page, const practice::Exercise &exercise,
                        const QString &caption)
{
    // Made once for both passes over the page, so that the measuring pass's layout of the chart
    // is the one painted.
    gantt::GanttChart chart;
    const lab::Schedule &solution = exercise.solution;
    chart.showChart(labui::chartData(exercise.workload, solution, labui::chartTitle(solution, ".")));
    paintPage(painter, page,
              [&](PageComposer &composer) { composeAnswerKey(composer, exercise, caption, chart); });
}

} // namespace worksheet
