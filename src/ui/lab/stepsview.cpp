#include "ui/lab/stepsview.h"

#include "ui/lab/ruletexts.h"
#include "ui/lab/windowparts.h"

#include <QEvent>
#include <QItemSelectionModel>
#include <QListView>
#include <QStringList>
#include <QVBoxLayout>

namespace labui {

// --- the model ----------------------------------------------------------------------------------

StepsModel::StepsModel(QObject *parent) : QAbstractListModel(parent) {}

void StepsModel::retranslate()
{
    retranslateModel(*this);
}

void StepsModel::setSchedule(const lab::Workload &workload, const lab::Schedule &schedule)
{
    setSchedule(std::make_shared<const lab::Workload>(workload),
                std::make_shared<const lab::Schedule>(schedule));
}

void StepsModel::setSchedule(std::shared_ptr<const lab::Workload> workload,
                             std::shared_ptr<const lab::Schedule> schedule)
{
    beginResetModel();
    m_workload = std::move(workload);
    m_schedule = std::move(schedule);
    m_steps = m_workload && m_schedule ? stepsOf(*m_schedule) : std::vector<Step>{};
    endResetModel();
}

void StepsModel::clear()
{
    beginResetModel();
    m_workload.reset();
    m_schedule.reset();
    m_steps.clear();
    endResetModel();
}

int StepsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_steps.size());
}

QString StepsModel::rulesText(const Step &step) const
{
    QStringList lines;
    for (lab::Rule rule : stepRules(*m_workload, *m_schedule, step))
        lines.append(ruleLine(rule, m_schedule->settings));
    if (lines.isEmpty())
        return {};
    //: Above the rules that settled a step of the schedule, one per line.
    return tr("Aturan:\n%1").arg(lines.join(QLatin1Char('\n')));
}

QVariant StepsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= rowCount())
        return {};
    const Step &step = m_steps[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return stepText(*m_workload, *m_schedule, step);
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return rulesText(step);
    case TimeRole:
        return qint64(step.time);
    default:
        return {};
    }
}

// --- the view -----------------------------------------------------------------------------------

StepsView::StepsView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("stepsView"));
    m_model = new StepsModel(this);

    m_list = new QListView(this);
    m_list->setObjectName(QStringLiteral("labSteps"));
    retranslate();
    m_list->setModel(m_model);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setUniformItemSizes(true);   // many thousands of lines stay quick
    m_list->setAlternatingRowColors(true);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &StepsView::selectionChanged);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
    setFocusProxy(m_list);
}

void StepsView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        // The sentences are made when shown: the list asks for them again.
        m_model->retranslate();
    }
    QWidget::changeEvent(event);
}

void StepsView::retranslate()
{
    //: The list of the schedule's decisions as sentences.
    m_list->setAccessibleName(tr("Langkah"));
    //: What the steps list holds, for screen readers.
    m_list->setAccessibleDescription(tr("Keputusan penjadwal menurut waktu; pilih satu untuk "
                                        "menandai waktunya di Gantt Chart"));
}

void StepsView::showSteps(const lab::Workload &workload, const lab::Schedule &schedule)
{
    forgetSelection();
    m_model->setSchedule(workload, schedule);
}

void StepsView::showSteps(std::shared_ptr<const lab::Workload> workload,
                          std::shared_ptr<const lab::Schedule> schedule)
{
    forgetSelection();
    m_model->setSchedule(std::move(workload), std::move(schedule));
}

void StepsView::clear()
{
    forgetSelection();
    m_model->clear();
}

void StepsView::forgetSelection()
{
    if (!m_hasSelection)
        return;
    const QSignalBlocker blocker(m_list->selectionModel());
    m_list->selectionModel()->clear();
    m_hasSelection = false;
    emit selectionCleared();
}

void StepsView::selectionChanged()
{
    const QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        if (m_hasSelection) {
            m_hasSelection = false;
            emit selectionCleared();
        }
        return;
    }
    m_hasSelection = true;
    emit decisionSelected(selected.first().data(StepsModel::TimeRole).toLongLong());
}

} // namespace labui
