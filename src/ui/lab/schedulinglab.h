#pragma once

#include "lab/schedule.h"
#include "lab/settings.h"
#include "lab/workload.h"
#include "ui/lab/processtablemodel.h"
#include "ui/lab/retranslation.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QScrollArea;
class QSpinBox;
class QTabWidget;
class QTableView;
class XPButtonX;

namespace gantt {
class GanttChart;
}

namespace labui {
class ComparisonView;
class ResultTableModel;
class StepsView;
} // namespace labui

// The scheduling laboratory: any number of processes typed, pasted, imported or drawn at
// random, scheduled by one of seven policies under the settings the user picks, with the
// results per process, the run's figures, the Gantt chart, the comparison of all policies and
// the scheduler's decisions in words. Everything it computes comes from the lab engine; this
// window only presents it. Modeless and without an owner; the main window keeps the one
// instance and creates it when it is first asked for.
class SchedulingLab : public QWidget {
    Q_OBJECT

public:
    explicit SchedulingLab(const QColor &backColor);
    ~SchedulingLab() override;

    // Shows the window, centred the first time, and brings it to the front.
    void bringForward();

    // The files the window asks for; the default is a file dialog, tests answer themselves.
    enum class FileQuestion { ImportCsv, ExportCsv, SavePicture };
    using FileAsker = std::function<QString(QWidget *parent, FileQuestion question, const QString &suggested)>;
    void setFileQuestion(FileAsker asker);

    // The schedule on show, if results are shown.
    const lab::Schedule *schedule() const { return m_schedule.get(); }
    // The settings as the controls stand.
    lab::Settings settings() const;
    // Puts a problem made elsewhere (a practice exercise) into the table and the settings and
    // computes it.
    void loadProblem(const lab::Workload &workload, const lab::Settings &settings);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Construction steps.
    void createWindow(const QColor &backColor);
    void createProcessControls();
    void createSettingsControls();
    void createResultPages();
    void layOutControls();
    void applyTabOrder();
    void connectInputs();
    // The caption and the tool tip are source texts (QT_TR_NOOP), shown in the current language.
    XPButtonX *createButton(const char *caption, const QString &objectName, const char *toolTip);
    QLabel *translatedLabel(const char *text, QWidget *buddy = nullptr);
    void retranslate();
    void placeOnScreen();

    // Commands.
    void addRow();
    void removeRows();
    void pasteClipboard();
    void importCsv();
    void exportCsv();
    void randomWorkload();
    void compute();
    void compareAll();
    void zoomIn();
    void zoomOut();
    void zoomToFit();
    void copyPicture();
    void savePicture();

    // Reading the table: the workload, or the first bad cell marked and named in one message.
    std::optional<lab::Workload> readWorkload();
    void reportProblem(const labui::ProcessTableModel::Problem &problem);
    QString problemExplanation(const labui::ProcessTableModel::Problem &problem) const;

    void showSchedule(std::shared_ptr<const lab::Workload> workload, std::shared_ptr<const lab::Schedule> schedule);
    void clearResults();
    void settingsChanged();
    void showRules();
    void showFigures(const lab::Schedule &schedule);
    void applyTimeScale();
    double fitTimeScale() const;
    void showMessage(const QString &text);

    labui::ProcessTableModel *m_processes = nullptr;
    labui::ResultTableModel *m_results = nullptr;
    QTableView *m_processView = nullptr;
    QTableView *m_resultView = nullptr;
    QSpinBox *m_seed = nullptr;
    QSpinBox *m_randomCount = nullptr;
    QComboBox *m_policy = nullptr;
    QSpinBox *m_quantum = nullptr;
    QComboBox *m_priorityOrder = nullptr;
    QComboBox *m_roundRobinRule = nullptr;
    QSpinBox *m_switchCost = nullptr;
    QLabel *m_rules = nullptr;
    QLabel *m_figures = nullptr;
    QTabWidget *m_tabs = nullptr;
    QScrollArea *m_chartArea = nullptr;
    gantt::GanttChart *m_chart = nullptr;
    labui::ComparisonView *m_comparison = nullptr;
    labui::StepsView *m_steps = nullptr;
    QWidget *m_resultPage = nullptr;
    QWidget *m_chartPage = nullptr;

    XPButtonX *m_add = nullptr;
    XPButtonX *m_remove = nullptr;
    XPButtonX *m_import = nullptr;
    XPButtonX *m_export = nullptr;
    XPButtonX *m_random = nullptr;
    XPButtonX *m_compute = nullptr;
    XPButtonX *m_compare = nullptr;
    XPButtonX *m_close = nullptr;
    XPButtonX *m_zoomIn = nullptr;
    XPButtonX *m_zoomOut = nullptr;
    XPButtonX *m_zoomFit = nullptr;
    XPButtonX *m_copy = nullptr;
    XPButtonX *m_save = nullptr;

    FileAsker m_fileQuestion;
    labui::Retranslation m_texts;
    // The run on show, shared with the result table and the steps (none while no run is shown).
    std::shared_ptr<const lab::Workload> m_shownWorkload;
    std::shared_ptr<const lab::Schedule> m_schedule;
    lab::Time m_chartSpan = 0;
    double m_timeScale = 0;   // pixels per time unit; 0 fits the chart to the width
    bool m_compared = false;   // the comparison page shows the inputs as they stand
    bool m_placed = false;
};
