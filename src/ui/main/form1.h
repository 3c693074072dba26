#pragma once

#include "engine/processset.h"
#include "engine/scheduler.h"
#include "engine/schedulesink.h"
#include "engine/timeline.h"
#include "ui/gantt/timelinesource.h"
#include "ui/report/reportsource.h"

#include <QColor>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <optional>

class QAction;
class QCheckBox;
class QGroupBox;
class QInputMethodEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTimer;
class XPButtonX;
class frmGantt;
class SchedulingLab;
class PracticeWindow;

// The main window: the policy choice, the ten input boxes of the five processes, the detail
// labels and result boxes, the step-message switch and the command buttons.
//
// The schedule itself is computed by the engine; this window is the only owner of its controls
// and receives every write, message and timer request of a run as its ScheduleSink. The print
// window and the Save command read the controls through its ReportSource side; it keeps the last
// run's timeline for the Gantt chart window, which reads it as its TimelineSource.
class Form1 : public QMainWindow,
              public report::ReportSource,
              private engine::ScheduleSink,
              private gantt::TimelineSource {
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // report::ReportSource: the controls' texts as they stand, and the background colour
    // that the other windows take over.
    report::ReportTexts reportTexts() const override;
    QColor backColor() const override;

    // Window-level working values and the rotating copy of the title.
    double Buffer() const { return m_values.buffer; }
    std::int16_t stepValue() const { return m_values.stepValue; }
    const QString &savedCaption() const { return m_savedCaption; }

    // --- handlers -----------------------------------------------------------------------
    // Reads the boxes into the process set and resets the result boxes. Returns false when a
    // box holds a number that does not fit (the "Fatal Error" message has then been shown).
    bool Form_Load();
    void Command1_Click();   // Proses
    void Command3_Click();   // Reset
    void Command2_Click();   // Close
    void FCFS();
    void SJF();
    void Frame4_DblClick();
    void mnabout_Click();
    void mnlab_Click();
    void mnlatihan_Click();
    void mngantt_Click();
    void CMBPrint_Click();
    void CMBSimpan_Click();
    void Timer1_Timer();
    void Timer2_Timer();

    void Text1_KeyPress(std::int16_t &KeyAscii);
    void Text2_KeyPress(std::int16_t &KeyAscii);
    void Text3_KeyPress(std::int16_t &KeyAscii);
    void Text4_KeyPress(std::int16_t &KeyAscii);
    void Text5_KeyPress(std::int16_t &KeyAscii);
    void Text6_KeyPress(std::int16_t &KeyAscii);
    void Text7_KeyPress(std::int16_t &KeyAscii);
    void Text8_KeyPress(std::int16_t &KeyAscii);
    void Text9_KeyPress(std::int16_t &KeyAscii);
    void Text10_KeyPress(std::int16_t &KeyAscii);
    void Text1_KeyDown(std::int16_t &KeyCode, std::int16_t &Shift);
    void HasilATT_KeyPress(std::int16_t &KeyAscii);
    void HasilAWT_KeyPress(std::int16_t &KeyAscii);

    // The authors' web page that a double click on the "Command" frame opens.
    static const char *authorsPageAddress();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // A change of language sets every text of the window again (retranslateUi).
    void changeEvent(QEvent *event) override;

private:
    using KeyPressHandler = void (Form1::*)(std::int16_t &);

    // Construction steps.
    void createControls();
    void createPushButtons();
    void createCommandButtons();
    void createMenu();
    void createTimers();
    void installKeyFilters();
    void applyTabOrder();
    void applyWindowFrame();
    void createLanguageMenu();

    // Every text of the window in the language in force: captions, accessible names, the drawn
    // buttons' captions and tool tips, the menu, and the scrolling title at the point it has
    // scrolled to. The detail labels and result boxes keep their texts: they are the values of
    // a run, which the reports take over as they stand.
    void retranslateUi();
    void setScrolledTitle(const QString &title);

    // The shared filter of the ten input boxes; next is the box that Enter moves to
    // (nullptr for Text9, which walks to the Proses button instead).
    void filterInputKey(std::int16_t &KeyAscii, QLineEdit *next);
    void showResultBoxNotice();
    bool handleBoxKey(QLineEdit *box, QKeyEvent *event);
    bool handleComposedText(QLineEdit *box, QInputMethodEvent *event);
    void setTextColor(QWidget *widget, const QColor &color);
    void setBaseColor(QWidget *widget, const QColor &color);
    void writeBufferText();
    // The "Fatal Error" box of a failure, in the window's language.
    void showFailureMessage(int number, const std::string &description);
    void showDetail(QLabel *label, const QString &text);
    std::string decimalSeparator() const;

    // engine::ScheduleSink
    void setWaitingCaption(int index, const std::string &caption) override;
    void setTurnaroundCaption(int index, const std::string &caption) override;
    void setWaitingResult(const std::string &text) override;
    void setTurnaroundResult(const std::string &text) override;
    bool stepMessagesWanted() override;
    void showStepMessage(const std::string &text) override;
    void refuseSchedule(const std::string &title, const std::string &text) override;
    void showFatalError(int number, const std::string &description) override;
    void enableBlinkTimer() override;
    void processScheduled(int index, double start, double finish) override;

    // gantt::TimelineSource, and keeping it: a run starts an empty timeline with its inputs,
    // Reset and a refusal clear both, and the open chart window hears of every change.
    const engine::Timeline &lastTimeline() const override;
    std::optional<gantt::RunInputs> lastRunInputs() const override;
    void startTimeline(engine::Policy policy);
    void clearTimeline();
    void timelineChanged();

    template <typename T>
    T *control(const char *name) const;

    engine::ProcessSet m_processes;
    engine::WorkingValues m_values;
    QString m_savedCaption;
    bool m_centred = false;
    // True while Proses runs: its step messages' event loops must not start another run, nor a
    // Reset, on the working values it shares with them.
    bool m_running = false;

    QHash<QString, QWidget *> m_controls;
    QHash<QLineEdit *, KeyPressHandler> m_keyPressHandlers;
    QHash<QString, XPButtonX *> m_commandButtons;
    QLineEdit *m_text[11] = {};   // Text1..Text10 at their own number; [0] unused
    QLineEdit *m_hasilAWT = nullptr;
    QLineEdit *m_hasilATT = nullptr;
    QLabel *m_awtDetail[5] = {};
    QLabel *m_turnAround[5] = {};
    QRadioButton *m_option1 = nullptr;
    QRadioButton *m_option2 = nullptr;
    QCheckBox *m_check1 = nullptr;
    QGroupBox *m_frame4 = nullptr;
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
    QPushButton *m_command3 = nullptr;
    QMenu *m_mnprog = nullptr;
    QAction *m_mnabout = nullptr;
    QAction *m_mnlab = nullptr;
    QAction *m_mnlatihan = nullptr;
    QAction *m_mngantt = nullptr;
    QMenu *m_mnbahasa = nullptr;
    QAction *m_mnindonesia = nullptr;
    QAction *m_mnenglish = nullptr;
    // How far the title has scrolled: the number of characters moved from its front to its end.
    int m_titleShift = 0;
    engine::Timeline m_timeline;
    std::optional<gantt::RunInputs> m_lastRun;
    QPointer<frmGantt> m_gantt;
    QPointer<SchedulingLab> m_lab;
    QPointer<PracticeWindow> m_latihan;
    QTimer *m_timer1 = nullptr;
    QTimer *m_timer2 = nullptr;
};
