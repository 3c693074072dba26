#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>

class QCheckBox;
class XPButtonX;

namespace gantt {
class GanttChart;
class TimelineSource;
} // namespace gantt

// The Gantt chart window: the last run's schedule as a chart that grows with the run, and on
// request the other policy's schedule for the same inputs under it. It reads everything from
// the TimelineSource it was created with and changes nothing there. Modeless and resizable; a
// companion of its owner (the window manager keeps it above the owner), which keeps the one
// instance and tells it when the timeline changed. Closed, it goes away once the event loop
// runs again, unless it was shown again before that; its place, size and comparison tick are
// kept with the owner for the next one.
class frmGantt : public QWidget {
    Q_OBJECT

public:
    explicit frmGantt(gantt::TimelineSource &source, QWidget *owner = nullptr);
    ~frmGantt() override;

    // Shows the window and brings it to the front: the first time beside its owner (centred
    // without one), later where the user left it.
    void bringForward();

    // Reads the last run again from the source and redraws both charts.
    void timelineChanged();

    // --- handlers -----------------------------------------------------------------------
    void chkCompare_Click();
    void CMBSalin_Click();
    void CMBSimpanGambar_Click();
    void CMBClose_Click();

    // Asks where the picture goes, starting from the suggested path; an empty answer cancels.
    // The default is a file dialog; tests answer it themselves.
    using PictureFileQuestion = std::function<QString(QWidget *parent, const QString &suggested)>;
    void setPictureFileQuestion(PictureFileQuestion question);

    // The default name offered for the picture: "Quorvel_Gantt_" followed by the stamp the text
    // report uses, with ".png".
    static QString suggestedPictureName();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // A change of language sets the window's texts and the charts' texts again.
    void changeEvent(QEvent *event) override;

private:
    void createWindow();
    void retranslateUi();
    void createControls();
    void createButtons();
    void layOutControls();
    void placeOnScreen();
    void restorePlace(const QRect &frame);
    QRect availableArea() const;
    void showLastRun();
    void showOtherPolicy();
    QList<const gantt::GanttChart *> visibleCharts() const;

    gantt::TimelineSource &m_source;
    gantt::GanttChart *m_chart = nullptr;
    gantt::GanttChart *m_chartOther = nullptr;
    QCheckBox *m_chkCompare = nullptr;
    QList<XPButtonX *> m_buttonOrder;   // left to right, as the tab key walks them
    PictureFileQuestion m_pictureFileQuestion;
    bool m_placed = false;
};
