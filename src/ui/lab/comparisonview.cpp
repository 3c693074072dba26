#include "ui/lab/comparisonview.h"

#include "ui/formunits.h"
#include "ui/gantt/ganttchart.h"
#include "ui/lab/labchartdata.h"
#include "ui/lab/windowparts.h"

#include <QEvent>
#include <QFont>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLocale>
#include <QScrollArea>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <exception>
#include <string>

namespace labui {

namespace {

// Values compared exactly, as fractions of whole numbers: an average is total / count, the
// utilisation the bursts / span, the throughput the count / span.
__extension__ using Wide = __int128;

struct Fraction {
    Wide numerator = 0;
    Wide denominator = 1;   // above 0
};

// a < b
bool less(const Fraction &a, const Fraction &b)
{
    return a.numerator * b.denominator < b.numerator * a.denominator;
}

bool higherIsBetter(int column)
{
    return column == ComparisonModel::Utilisation || column == ComparisonModel::Throughput;
}

Fraction valueOf(const lab::Schedule &schedule, int column)
{
    const Wide count = Wide(schedule.count());
    const Wide span = Wide(schedule.span());
    switch (column) {
    case ComparisonModel::Waiting:
        return {schedule.totals.waiting, count};
    case ComparisonModel::Turnaround:
        return {schedule.totals.turnaround, count};
    case ComparisonModel::Response:
        return {schedule.totals.response, count};
    case ComparisonModel::Utilisation:
        return {schedule.totalBurst, span};
    case ComparisonModel::Throughput:
        return {count, span};
    case ComparisonModel::Switches:
        return {Wide(schedule.contextSwitches), 1};
    default:
        return {};
    }
}

} // namespace

// --- the table's model --------------------------------------------------------------------------

ComparisonModel::ComparisonModel(QObject *parent) : QAbstractTableModel(parent) {}

void ComparisonModel::retranslate()
{
    labui::retranslateModel(*this);
}

void ComparisonModel::setRows(std::vector<ComparisonRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    markBest();
    endResetModel();
}

void ComparisonModel::clear()
{
    beginResetModel();
    m_rows.clear();
    m_best.clear();
    endResetModel();
}

void ComparisonModel::markBest()
{
    m_best.assign(m_rows.size(), {});
    for (int column = Waiting; column < ColumnCount; ++column) {
        // Rows without a span (or without processes) have no value to compare.
        std::vector<std::size_t> valued;
        for (std::size_t row = 0; row < m_rows.size(); ++row) {
            if (valueOf(m_rows[row].schedule, column).denominator > 0)
                valued.push_back(row);
        }
        if (valued.empty())
            continue;
        Fraction best = valueOf(m_rows[valued.front()].schedule, column);
        for (std::size_t row : valued) {
            const Fraction value = valueOf(m_rows[row].schedule, column);
            if (higherIsBetter(column) ? less(best, value) : less(value, best))
                best = value;
        }
        for (std::size_t row : valued) {
            const Fraction value = valueOf(m_rows[row].schedule, column);
            if (!less(value, best) && !less(best, value))
                m_best[row][std::size_t(column)] = true;
        }
    }
}

bool ComparisonModel::isBest(int row, int column) const
{
    if (row < 0 || std::size_t(row) >= m_best.size() || column < 0 || column >= ColumnCount)
        return false;
    return m_best[std::size_t(row)][std::size_t(column)];
}

int ComparisonModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ComparisonModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString ComparisonModel::valueText(const ComparisonRow &row, int column) const
{
    const lab::Schedule &schedule = row.schedule;
    const std::string separator = decimalSeparator();
    switch (column) {
    case Policy:
        return policyTitle(schedule.settings);
    case Waiting:
        return QString::fromStdString(lab::averageText(schedule.totals.waiting, schedule.count(), separator));
    case Turnaround:
        return QString::fromStdString(lab::averageText(schedule.totals.turnaround, schedule.count(), separator));
    case Response:
        return QString::fromStdString(lab::averageText(schedule.totals.response, schedule.count(), separator));
    case Utilisation:
        //: Utilisation as a fraction and a percentage: %1 the bursts, %2 the span, %3 the
        //: percentage, such as "24/26 = 92.31%".
        return tr("%1/%2 = %3%")
            .arg(QString::number(schedule.totalBurst), QString::number(schedule.span()),
                 QString::fromStdString(lab::roundedText(schedule.utilisation() * 100.0, separator)));
    case Throughput:
        return QString::fromStdString(
            lab::averageText(lab::Time(schedule.count()), std::size_t(schedule.span()), separator));
    case Switches:
        return QString::number(qulonglong(schedule.contextSwitches));
    default:
        return {};
    }
}

QVariant ComparisonModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount)
        return {};
    const ComparisonRow &row = m_rows[std::size_t(index.row())];
    const int column = index.column();
    const bool best = isBest(index.row(), column);
    switch (role) {
    case Qt::DisplayRole:
        //: A column's best value in the comparison: %1 the value, followed by a star.
        return best ? tr("%1 ★").arg(valueText(row, column)) : valueText(row, column);
    case Qt::AccessibleTextRole:
        //: A column's best value as a screen reader reads it: %1 the value.
        return best ? tr("%1 (terbaik)").arg(valueText(row, column)) : valueText(row, column);
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        //: Said of a column's best value in the comparison.
        return best ? tr("terbaik") : QVariant();
    case Qt::FontRole:
        if (best) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return {};
    case Qt::TextAlignmentRole:
        return column == Policy ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case BestRole:
        return best;
    default:
        return {};
    }
}

QVariant ComparisonModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return QAbstractTableModel::headerData(section, orientation, role);
    const bool tip = role == Qt::ToolTipRole;
    switch (section) {
    case Policy:
        //: Column headers of the comparison; their tool tips say which way is better.
        return tr("Algoritma");
    case Waiting:
        return tip ? tr("Rata-rata waiting time; terkecil terbaik") : tr("Rata-rata Waiting");
    case Turnaround:
        return tip ? tr("Rata-rata turnaround time; terkecil terbaik") : tr("Rata-rata Turnaround");
    case Response:
        return tip ? tr("Rata-rata response time; terkecil terbaik") : tr("Rata-rata Response");
    case Utilisation:
        return tip ? tr("Jumlah burst / rentang waktu; terbesar terbaik") : tr("Utilisasi CPU");
    case Throughput:
        return tip ? tr("Proses per satuan waktu; terbesar terbaik") : tr("Throughput");
    case Switches:
        return tip ? tr("Banyaknya context switch; terkecil terbaik") : tr("Context Switch");
    default:
        return {};
    }
}

// --- the page -----------------------------------------------------------------------------------

ComparisonView::ComparisonView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("comparisonView"));
    m_model = new ComparisonModel(this);

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("labComparison"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    // As high as its seven rows: the charts below take the rest.
    m_table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_table->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Maximum);

    m_legend = new QLabel(this);
    m_legend->setObjectName(QStringLiteral("labComparisonLegend"));
    m_legend->setWordWrap(true);

    m_chartPage = new QWidget;
    m_chartPage->setObjectName(QStringLiteral("labComparisonCharts"));
    m_chartLayout = new QVBoxLayout(m_chartPage);
    m_chartLayout->addStretch(1);
    m_chartArea = new QScrollArea(this);
    m_chartArea->setObjectName(QStringLiteral("labComparisonChartArea"));
    m_chartArea->setWidgetResizable(true);
    m_chartArea->setWidget(m_chartPage);

    auto *top = new QWidget(this);
    auto *topLayout = new QVBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(m_table);
    topLayout->addWidget(m_legend);
    topLayout->addStretch(1);

    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(top);
    splitter->addWidget(m_chartArea);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    setFocusProxy(m_table);
    retranslate();

    // Choosing a policy in the table brings its chart into view.
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid() && std::size_t(current.row()) < m_charts.size())
                    m_chartArea->ensureWidgetVisible(m_charts[std::size_t(current.row())]);
            });
}

ComparisonView::~ComparisonView() = default;

void ComparisonView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        m_model->retranslate();
        // The charts' titles are written again from the stored runs.
        const std::string separator = decimalSeparator();
        const std::vector<ComparisonRow> &rows = m_model->rows();
        for (std::size_t i = 0; i < m_charts.size() && i < rows.size(); ++i)
            m_charts[i]->setTitle(chartTitle(rows[i].schedule, separator));
    }
    QWidget::changeEvent(event);
}

void ComparisonView::retranslate()
{
    //: The table comparing the seven policies.
    m_table->setAccessibleName(tr("Perbandingan algoritma"));
    //: Under the comparison: what the star means.
    m_legend->setText(tr("★ = terbaik: waktu rata-rata dan context switch terkecil, utilisasi "
                         "dan throughput terbesar. Nilai yang sama semuanya ditandai."));
    //: The scrolling area with one small Gantt chart per policy.
    m_chartArea->setAccessibleName(tr("Gantt Chart setiap algoritma"));
}

void ComparisonView::showComparison(const lab::Workload &workload, const lab::Settings &settings)
{
    std::vector<ComparisonRow> rows;
    rows.reserve(lab::kAllPolicies.size());
    lab::Options options;
    options.recordDecisions = false;   // the table and the charts need none
    try {
        for (lab::Policy policy : lab::kAllPolicies) {
            lab::Settings policySettings = settings;
            policySettings.policy = policy;
            rows.push_back({lab::solve(workload, policySettings, options)});
        }
    } catch (const std::exception &) {
        // The window checks the workload first; what cannot be scheduled shows nothing.
        clear();
        return;
    }
    m_model->setRows(std::move(rows));
    showCharts(workload);
}

void ComparisonView::clear()
{
    m_model->clear();
    removeCharts();
}

void ComparisonView::removeCharts()
{
    for (gantt::GanttChart *chart : m_charts)
        delete chart;
    m_charts.clear();
}

void ComparisonView::showCharts(const lab::Workload &workload)
{
    removeCharts();
    const std::string separator = decimalSeparator();
    int place = 0;
    for (const ComparisonRow &row : m_model->rows()) {
        auto *chart = new gantt::GanttChart(m_chartPage);
        const lab::Policy policy = row.schedule.settings.policy;
        chart->setObjectName(QStringLiteral("labComparisonChart_") + formunits::toQString(lab::policyId(policy)));
        chart->setAccessibleName(formunits::toQString(lab::policyName(policy)));
        chart->setCompact(true);
        // As high as it needs; the page's closing stretch takes what is left.
        chart->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        chart->showChart(chartData(workload, row.schedule, chartTitle(row.schedule, separator)));
        m_chartLayout->insertWidget(place++, chart);   // above the closing stretch
        chart->show();   // at once, so that the page's size counts it before the next paint
        m_charts.push_back(chart);
    }
}

} // namespace labui
