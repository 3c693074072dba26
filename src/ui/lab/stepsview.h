#pragma once

#include "lab/schedule.h"
#include "lab/workload.h"
#include "ui/lab/steptexts.h"

#include <QAbstractListModel>
#include <QWidget>

#include <memory>
#include <vector>

class QItemSelection;
class QListView;

namespace labui {

// The steps of one schedule, one sentence per line in time order (steptexts.h): its decisions
// and its idle pieces. The texts are made when a line is shown, so that a schedule of many
// thousands of decisions is listed at once.
class StepsModel : public QAbstractListModel {
    Q_OBJECT

public:
    // The time of a line's step (qint64): the decision's time or the idle piece's start.
    static constexpr int TimeRole = Qt::UserRole + 1;

    explicit StepsModel(QObject *parent = nullptr);

    // Tells the views that every header and every text changed with the program's language.
    void retranslate();

    // Keeps its own copy of both.
    void setSchedule(const lab::Workload &workload, const lab::Schedule &schedule);
    // Shares them instead: a schedule of millions of decisions is not copied.
    void setSchedule(std::shared_ptr<const lab::Workload> workload,
                     std::shared_ptr<const lab::Schedule> schedule);
    void clear();

    const Step &step(int row) const { return m_steps[std::size_t(row)]; }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    // The rules that decided a line, each as "description (short name)", one per line.
    QString rulesText(const Step &step) const;

    std::shared_ptr<const lab::Workload> m_workload;
    std::shared_ptr<const lab::Schedule> m_schedule;
    std::vector<Step> m_steps;
};

// The "Langkah" page of the laboratory: the list of a schedule's steps. Selecting a line, with
// the mouse or the keyboard, tells its time; clearing the selection says so too.
class StepsView : public QWidget {
    Q_OBJECT

public:
    explicit StepsView(QWidget *parent = nullptr);

    void showSteps(const lab::Workload &workload, const lab::Schedule &schedule);
    // The same without copying them (the list keeps them alive while it shows them).
    void showSteps(std::shared_ptr<const lab::Workload> workload,
                   std::shared_ptr<const lab::Schedule> schedule);
    void clear();

    QListView *list() const { return m_list; }
    StepsModel *model() const { return m_model; }

signals:
    void decisionSelected(qint64 time);
    void selectionCleared();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void selectionChanged();
    // Before the list is refilled: a selection that goes away with it is reported as cleared.
    void forgetSelection();

    StepsModel *m_model = nullptr;
    QListView *m_list = nullptr;
    bool m_hasSelection = false;
};

} // namespace labui
