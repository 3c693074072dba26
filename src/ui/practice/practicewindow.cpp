#include "ui/practice/practicewindow.h"

#include "platform/framecentring.h"
#include "platform/messagebox.h"
#include "ui/formunits.h"
#include "ui/button/xpbuttonx.h"
#include "ui/gantt/ganttchart.h"
#include "ui/lab/labchartdata.h"
#include "ui/lab/ruletexts.h"
#include "ui/practice/answertablemodel.h"
#include "ui/practice/mistaketexts.h"
#include "ui/practice/schedulegrid.h"
#include "ui/practice/worksheetdialog.h"
#include "worksheet/worksheet.h"
#include "ui/lab/windowparts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kMargin = 8;
constexpr int kSpacing = 6;
constexpr int kChipMinimumWidth = 40;

QStandardItem *readOnlyItem(const QString &text)
{
    auto *item = new QStandardItem(text);
    item->setEditable(false);
    item->setData(text, Qt::AccessibleTextRole);
    return item;
}

void fitTableHeight(QTableView *view)
{
    view->resizeColumnsToContents();
    int height = view->horizontalHeader()->height() + 2 * view->frameWidth();
    for (int row = 0; row < view->model()->rowCount(); ++row)
        height += view->rowHeight(row);
    view->setMinimumHeight(std::min(height, 360));
    view->setMaximumHeight(height);
}

} // namespace

using practiceui::AnswerTableModel;
using practiceui::ScheduleGrid;

PracticeWindow::PracticeWindow(const QColor &backColor) : QWidget(nullptr, Qt::Window)
{
    createWindow(backColor);
    createExerciseControls();
    createProblemControls();
    createAnswerControls();
    createResultControls();
    createSolutionControls();
    layOutControls();
    applyTabOrder();
    // The window opens with an exercise to work on.
    const practice::ExerciseKey key =
        practice::newKey(std::nullopt, m_processes->value(), practice::Level::Basic,
                         labui::randomChoice());
    showExercise(practice::makeExercise(key));
}

PracticeWindow::~PracticeWindow() = default;

// --- construction ---------------------------------------------------------------------------

void PracticeWindow::createWindow(const QColor &backColor)
{
    setObjectName(QStringLiteral("PracticeWindow"));
    m_texts.add([this] {
        setWindowTitle(tr("Latihan Penjadwalan"));
        setAccessibleName(windowTitle());
    });
    labui::applyWindowLook(*this, backColor);
}

XPButtonX *PracticeWindow::createButton(const char *caption, const QString &objectName, const char *toolTip)
{
    return labui::translatedButton(*this, m_texts, caption, objectName, toolTip);
}

QLabel *PracticeWindow::translatedLabel(const char *text, QWidget *buddy)
{
    return labui::translatedLabel(*this, m_texts, text, buddy);
}

void PracticeWindow::createExerciseControls()
{
    m_policy = new practiceui::PolicyChoice(this);
    m_policy->setObjectName(QStringLiteral("practicePolicy"));
    m_texts.add([=, this] { m_policy->setAccessibleName(tr("Algoritma")); });

    m_processes = new QSpinBox(this);
    m_processes->setObjectName(QStringLiteral("practiceProcesses"));
    m_texts.add([=, this] { m_processes->setAccessibleName(tr("Jumlah proses")); });
    m_processes->setRange(practice::kMinProcesses, practice::kMaxProcesses);
    m_processes->setValue(5);

    m_level = new practiceui::LevelChoice(this);
    m_level->setObjectName(QStringLiteral("practiceLevel"));
    m_texts.add([=, this] { m_level->setAccessibleName(tr("Tingkat")); });

    m_new = createButton(QT_TR_NOOP("Soal &Baru"), QStringLiteral("practiceNew"),
                         QT_TR_NOOP("Membuat soal baru dengan algoritma, jumlah proses dan tingkat terpilih"));
    connect(m_new, &XPButtonX::Click, this, &PracticeWindow::newExercise);

    m_code = new QLineEdit(this);
    m_code->setObjectName(QStringLiteral("practiceCode"));
    m_texts.add([=, this] { m_code->setAccessibleName(tr("Kode soal")); });
    m_texts.add([=, this] { m_code->setAccessibleDescription(tr("Ketik kode soal lalu Enter untuk membuka soal itu")); });
    m_code->setMaxLength(24);
    m_code->setMinimumWidth(QFontMetrics(font()).horizontalAdvance(QStringLiteral("HRRN10L-WWWWW")) + 16);
    connect(m_code, &QLineEdit::returnPressed, this, &PracticeWindow::openTypedCode);

    m_openCode = createButton(QT_TR_NOOP("Bu&ka"), QStringLiteral("practiceOpenCode"), QT_TR_NOOP("Membuka soal dari kodenya"));
    connect(m_openCode, &XPButtonX::Click, this, &PracticeWindow::openTypedCode);
}

void PracticeWindow::createProblemControls()
{
    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("practiceHeading"));
    m_heading->setWordWrap(true);
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);

    m_problem = new QStandardItemModel(this);
    m_problemView = new QTableView(this);
    m_problemView->setObjectName(QStringLiteral("practiceProblem"));
    m_texts.add([=, this] { m_problemView->setAccessibleName(tr("Tabel soal")); });
    m_problemView->setModel(m_problem);
    m_problemView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_problemView->verticalHeader()->hide();
    m_problemView->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_problemView->setTabKeyNavigation(false);

    m_rules = new QLabel(this);
    m_rules->setObjectName(QStringLiteral("practiceRules"));
    m_rules->setWordWrap(true);
    m_rules->setFocusPolicy(Qt::TabFocus);
    m_rules->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_texts.add([=, this] { m_rules->setAccessibleName(tr("Aturan yang berlaku")); });
}

void PracticeWindow::createAnswerControls()
{
    m_schedule = new QLineEdit(this);
    m_schedule->setObjectName(QStringLiteral("practiceSchedule"));
    m_texts.add([=, this] { m_schedule->setAccessibleName(tr("Jadwal CPU")); });
    m_texts.add([=, this] { m_schedule->setAccessibleDescription(tr("Potongan jadwal, misalnya P1 0-4, P2 4-7, idle 7-9")); });
    m_texts.add([=, this] { m_schedule->setPlaceholderText(tr("P1 0-4, P2 4-7, idle 7-9")); });
    connect(m_schedule, &QLineEdit::textEdited, this, &PracticeWindow::scheduleTyped);

    m_scheduleProblem = new QLabel(this);
    m_scheduleProblem->setObjectName(QStringLiteral("practiceScheduleProblem"));
    m_scheduleProblem->setWordWrap(true);
    m_scheduleProblem->hide();

    m_chips = new QWidget(this);
    m_chips->setObjectName(QStringLiteral("practiceChips"));
    m_chipLayout = new QHBoxLayout(m_chips);
    m_chipLayout->setContentsMargins(0, 0, 0, 0);
    m_chipLayout->setSpacing(4);

    m_undo = createButton(QT_TR_NOOP("Hapus Terakhir"), QStringLiteral("practiceUndo"),
                          QT_TR_NOOP("Menghapus potongan terakhir di grid (Backspace)"));
    connect(m_undo, &XPButtonX::Click, this, [this] {
        m_grid->undo();
        m_grid->setFocus(Qt::OtherFocusReason);
    });

    m_chipState = new QLabel(this);
    m_chipState->setObjectName(QStringLiteral("practiceChipState"));

    m_grid = new ScheduleGrid(this);
    m_grid->setObjectName(QStringLiteral("practiceGrid"));
    connect(m_grid, &ScheduleGrid::segmentsEdited, this, &PracticeWindow::gridEdited);
    connect(m_grid, &ScheduleGrid::pieceChosen, this, &PracticeWindow::updateChipState);

    m_answers = new AnswerTableModel(this);
    m_answerView = new QTableView(this);
    m_answerView->setObjectName(QStringLiteral("practiceAnswers"));
    m_texts.add([=, this] { m_answerView->setAccessibleName(tr("Tabel jawaban")); });
    m_texts.add([=, this] { m_answerView->setAccessibleDescription(
        tr("Ketik waktu selesai, turnaround, waiting dan response tiap proses, lalu rata-ratanya")); });
    m_answerView->setModel(m_answers);
    m_answerView->verticalHeader()->hide();
    m_answerView->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_answerView->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_answerView->setTabKeyNavigation(false);
    connect(m_answers, &AnswerTableModel::answersEdited, this, [this] {
        // The score is for the answers as they stood.
        m_result->setText(QString());
        m_checked.reset();
    });
}

void PracticeWindow::createResultControls()
{
    m_check = createButton(QT_TR_NOOP("&Periksa"), QStringLiteral("practiceCheck"), QT_TR_NOOP("Memeriksa jawaban"));
    m_reveal = createButton(QT_TR_NOOP("&Tunjukkan Jawaban"), QStringLiteral("practiceReveal"),
                            QT_TR_NOOP("Menampilkan penyelesaian lengkap; jawaban Anda tetap"));
    m_openLab = createButton(QT_TR_NOOP("Buka di &Laboratorium"), QStringLiteral("practiceOpenLab"),
                             QT_TR_NOOP("Membuka soal ini di jendela Laboratorium"));
    m_worksheets = createButton(QT_TR_NOOP("&Cetak Lembar Kerja"), QStringLiteral("practiceWorksheets"),
                                QT_TR_NOOP("Membuat lembar kerja dan kunci jawaban untuk satu kelas"));
    m_close = createButton(QT_TR_NOOP("T&utup"), QStringLiteral("practiceClose"), QT_TR_NOOP("Menutup jendela Latihan (Escape)"));
    connect(m_check, &XPButtonX::Click, this, &PracticeWindow::checkAnswer);
    connect(m_reveal, &XPButtonX::Click, this, &PracticeWindow::revealSolution);
    connect(m_openLab, &XPButtonX::Click, this, &PracticeWindow::openInLaboratory);
    connect(m_worksheets, &XPButtonX::Click, this, &PracticeWindow::openWorksheets);
    connect(m_close, &XPButtonX::Click, this, &QWidget::close);

    m_result = new QLabel(this);
    m_result->setObjectName(QStringLiteral("practiceResult"));
    m_result->setWordWrap(true);
    m_result->setFocusPolicy(Qt::TabFocus);
    m_result->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_texts.add([=, this] { m_result->setAccessibleName(tr("Hasil pemeriksaan")); });

    m_segmentMarks = new QStandardItemModel(this);
    m_segmentMarkView = new QListView(this);
    m_segmentMarkView->setObjectName(QStringLiteral("practiceSegmentMarks"));
    m_texts.add([=, this] { m_segmentMarkView->setAccessibleName(tr("Potongan jadwal yang diperiksa")); });
    m_segmentMarkView->setModel(m_segmentMarks);
    m_segmentMarkView->setFlow(QListView::LeftToRight);
    m_segmentMarkView->setWrapping(true);
    m_segmentMarkView->setSpacing(2);
    m_segmentMarkView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_segmentMarkView->setMaximumHeight(QFontMetrics(font()).height() * 4);
}

void PracticeWindow::createSolutionControls()
{
    m_solutionBox = new QGroupBox(this);
    m_texts.add([this] { m_solutionBox->setTitle(tr("Penyelesaian")); });
    m_solutionBox->setObjectName(QStringLiteral("practiceSolution"));
    m_solutionSegments = new QLabel(m_solutionBox);
    m_solutionSegments->setObjectName(QStringLiteral("practiceSolutionSegments"));
    m_solutionSegments->setWordWrap(true);
    m_solutionSegments->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_solutionChart = new gantt::GanttChart(m_solutionBox);
    m_solutionChart->setObjectName(QStringLiteral("practiceSolutionChart"));
    m_texts.add([=, this] { m_solutionChart->setAccessibleName(tr("Gantt Chart penyelesaian")); });
    m_solution = new QStandardItemModel(this);
    m_solutionView = new QTableView(m_solutionBox);
    m_solutionView->setObjectName(QStringLiteral("practiceSolutionTable"));
    m_texts.add([=, this] { m_solutionView->setAccessibleName(tr("Tabel penyelesaian")); });
    m_solutionView->setModel(m_solution);
    m_solutionView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_solutionView->verticalHeader()->hide();
    m_solutionView->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_solutionView->setTabKeyNavigation(false);

    auto *layout = new QVBoxLayout(m_solutionBox);
    layout->addWidget(m_solutionSegments);
    layout->addWidget(m_solutionChart);
    layout->addWidget(m_solutionView);
    m_solutionBox->hide();
}

void PracticeWindow::layOutControls()
{
    auto *content = new QWidget;
    content->setObjectName(QStringLiteral("practiceContent"));
    auto *column = new QVBoxLayout(content);
    column->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    column->setSpacing(kSpacing);

    auto *exerciseRow = new QHBoxLayout;
    exerciseRow->setSpacing(kSpacing);
    const auto addLabelled = [this, exerciseRow](const char *caption, QWidget *field) {
        exerciseRow->addWidget(translatedLabel(caption, field));
        exerciseRow->addWidget(field);
    };
    addLabelled(QT_TR_NOOP("&Algoritma:"), m_policy);
    addLabelled(QT_TR_NOOP("Jumlah p&roses:"), m_processes);
    addLabelled(QT_TR_NOOP("T&ingkat:"), m_level);
    exerciseRow->addWidget(m_new);
    exerciseRow->addSpacing(2 * kSpacing);
    addLabelled(QT_TR_NOOP("K&ode soal:"), m_code);
    exerciseRow->addWidget(m_openCode);
    exerciseRow->addStretch(1);
    column->addLayout(exerciseRow);

    auto *middle = new QHBoxLayout;
    middle->setSpacing(2 * kSpacing);
    auto *problemBox = new QGroupBox(this);
    m_texts.add([problemBox] { problemBox->setTitle(tr("Soal")); });
    auto *problemColumn = new QVBoxLayout(problemBox);
    problemColumn->addWidget(m_heading);
    problemColumn->addWidget(m_problemView);
    problemColumn->addWidget(m_rules);
    problemColumn->addStretch(1);
    middle->addWidget(problemBox, 2);

    auto *answerBox = new QGroupBox(this);
    m_texts.add([answerBox] { answerBox->setTitle(tr("Jawaban Anda")); });
    auto *answerColumn = new QVBoxLayout(answerBox);
    auto *scheduleLabel = translatedLabel(QT_TR_NOOP("&Jadwal CPU (misalnya P1 0-4, P2 4-7, idle 7-9):"), m_schedule);
    answerColumn->addWidget(scheduleLabel);
    answerColumn->addWidget(m_schedule);
    answerColumn->addWidget(m_scheduleProblem);
    auto *gridLabel = translatedLabel(QT_TR_NOOP("Atau pilih proses, lalu klik sel tempat potongannya berakhir:"));
    gridLabel->setWordWrap(true);
    answerColumn->addWidget(gridLabel);
    auto *chipRow = new QHBoxLayout;
    chipRow->addWidget(m_chips);
    chipRow->addWidget(m_undo);
    chipRow->addStretch(1);
    answerColumn->addLayout(chipRow);
    answerColumn->addWidget(m_chipState);
    auto *gridArea = new QScrollArea(this);
    gridArea->setObjectName(QStringLiteral("practiceGridArea"));
    gridArea->setWidget(m_grid);
    gridArea->setWidgetResizable(true);
    gridArea->setFrameShape(QFrame::NoFrame);
    gridArea->setFocusPolicy(Qt::NoFocus);
    gridArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    gridArea->setMinimumHeight(m_grid->sizeHint().height() + 18);
    answerColumn->addWidget(gridArea);
    auto *answersLabel = translatedLabel(QT_TR_NOOP("&Waktu tiap proses dan rata-ratanya:"), m_answerView);
    answerColumn->addWidget(answersLabel);
    answerColumn->addWidget(m_answerView);
    answerColumn->addStretch(1);
    middle->addWidget(answerBox, 3);
    column->addLayout(middle);

    auto *buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(kSpacing);
    for (XPButtonX *button : {m_check, m_reveal, m_openLab, m_worksheets})
        buttonRow->addWidget(button);
    buttonRow->addStretch(1);
    buttonRow->addWidget(m_close);
    column->addLayout(buttonRow);

    column->addWidget(m_result);
    column->addWidget(m_segmentMarkView);
    column->addWidget(m_solutionBox);
    column->addStretch(1);

    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("practiceScroll"));
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    auto *window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->addWidget(scroll);
    resize(1080, 760);
}

void PracticeWindow::applyTabOrder()
{
    // The chips go between the schedule line and "Hapus Terakhir" (rebuildChips).
    const QList<QWidget *> order{m_policy,      m_processes,  m_level,      m_new,     m_code,
                                 m_openCode,    m_problemView, m_rules,     m_schedule, m_undo,
                                 m_grid,        m_answerView, m_check,      m_reveal,  m_openLab,
                                 m_worksheets,  m_close,      m_result,     m_segmentMarkView,
                                 m_solutionView};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void PracticeWindow::placeOnScreen()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    resize(std::min(width(), available.width() - 40), std::min(height(), available.height() - 60));
    FrameCentring::centre(this, available);
}

void PracticeWindow::bringForward()
{
    show();
    if (!m_placed) {
        m_placed = true;
        placeOnScreen();
    }
    raise();
    activateWindow();
}

void PracticeWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

// --- the exercise ---------------------------------------------------------------------------

bool PracticeWindow::hasTypedAnswers() const
{
    return !m_schedule->text().trimmed().isEmpty() || m_answers->hasTypedAnswers();
}

bool PracticeWindow::mayDiscardAnswers()
{
    if (!hasTypedAnswers())
        return true;
    return platform::askQuestion(this, tr("Jawaban yang sudah Anda ketik akan dibuang. Lanjutkan?"),
                                 windowTitle());
}

void PracticeWindow::newExercise()
{
    const std::optional<lab::Policy> policy = m_policy->policy();
    const practice::Level level = m_level->level();
    if (!mayDiscardAnswers())
        return;
    const practice::ExerciseKey key =
        practice::newKey(policy, m_processes->value(), level, labui::randomChoice());
    showExercise(practice::makeExercise(key));
}

void PracticeWindow::openTypedCode()
{
    openCode(m_code->text());
}

bool PracticeWindow::openCode(const QString &code)
{
    const std::optional<practice::ExerciseKey> key = practice::parseExerciseCode(code.toStdString());
    if (!key) {
        platform::showMessage(this, tr("\"%1\" bukan kode soal. Contoh kode: RR4-7M-K3PX9.").arg(code.trimmed()),
                              windowTitle(), platform::MessageIcon::Exclamation);
        return false;
    }
    if (m_exercise && m_exercise->key == *key) {
        // The same exercise: nothing to make again, nothing lost.
        m_code->setText(QString::fromStdString(m_exercise->code));
        return true;
    }
    if (!mayDiscardAnswers()) {
        m_code->setText(m_exercise ? QString::fromStdString(m_exercise->code) : QString());
        return false;
    }
    // The settings show what the code names, for the next new exercise too.
    m_policy->setPolicy(key->policy);
    m_processes->setValue(key->processes);
    m_level->setLevel(key->level);
    showExercise(practice::makeExercise(*key));
    return true;
}

void PracticeWindow::showExercise(practice::Exercise exercise)
{
    m_exercise = std::move(exercise);
    m_code->setText(QString::fromStdString(m_exercise->code));
    showProblem();
    m_answers->reset(m_exercise->workload, practice::asksResponse(m_exercise->settings));
    fitTableHeight(m_answerView);
    m_schedule->clear();
    m_scheduleProblem->clear();   // no stale words behind a hidden label
    m_scheduleProblem->hide();
    m_grid->reset(m_exercise->workload, m_exercise->solution.lastCompletion);
    rebuildChips();
    m_result->clear();
    m_checked.reset();
    m_segmentMarks->clear();
    m_solutionBox->hide();
    m_solution->clear();
    m_solutionChart->showNothing();
}

QString PracticeWindow::settingsText() const
{
    const lab::Settings &settings = m_exercise->settings;
    QStringList parts;
    parts.append(formunits::toQString(lab::policyName(settings.policy)));
    if (lab::usesQuantum(settings.policy)) {
        //: %1 the round robin quantum.
        parts.append(tr("quantum %1").arg(settings.quantum));
    }
    if (lab::usesPriority(settings.policy)) {
        parts.append(settings.priorityOrder == lab::PriorityOrder::HighFirst ? tr("angka prioritas besar didahulukan")
                                                                             : tr("angka prioritas kecil didahulukan"));
    }
    //: %1 the context switch cost in time units.
    parts.append(tr("context switch %1").arg(settings.switchCost));
    return parts.join(QStringLiteral(", "));
}

void PracticeWindow::showProblem()
{
    const practice::Exercise &exercise = *m_exercise;
    //: The exercise's heading: %1 its code, %2 its level, %3 the policy and its settings.
    m_heading->setText(tr("Soal %1 (tingkat %2): %3")
                           .arg(QString::fromStdString(exercise.code), worksheet::levelName(exercise.key.level),
                                settingsText()));
    m_heading->setAccessibleName(m_heading->text());

    const bool priority = lab::usesPriority(exercise.settings.policy);
    m_problem->clear();
    QStringList headers{tr("Proses"), tr("Arrival"), tr("Burst")};
    if (priority)
        headers.append(tr("Prioritas"));
    m_problem->setHorizontalHeaderLabels(headers);
    for (const lab::Process &process : exercise.workload) {
        QList<QStandardItem *> row{readOnlyItem(QString::fromStdString(process.name)),
                                   readOnlyItem(QString::number(process.arrival)),
                                   readOnlyItem(QString::number(process.burst))};
        if (priority)
            row.append(readOnlyItem(QString::number(process.priority)));
        m_problem->appendRow(row);
    }
    fitTableHeight(m_problemView);

    const QStringList rules = labui::rulesInForceLines(exercise.settings);
    QString text = tr("Aturan yang berlaku:");
    for (const QString &rule : rules)
        text += QStringLiteral("\n\u2022 ") + rule;
    m_rules->setText(text);
    m_rules->setAccessibleDescription(text);
}

// One chip per process, then idle and switch: the piece the next click on the grid lays.
void PracticeWindow::rebuildChips()
{
    for (XPButtonX *chip : std::as_const(m_chipButtons))
        delete chip;
    m_chipButtons.clear();
    const auto addChip = [this](const QString &name, lab::SegmentKind kind, std::size_t process) {
        auto *chip = new XPButtonX(m_chips);
        chip->setObjectName(name);
        chip->setFontProperty(font());
        connect(chip, &XPButtonX::Click, this, [this, kind, process] {
            m_grid->choosePiece(kind, process);
            m_grid->setFocus(Qt::OtherFocusReason);
        });
        m_chipLayout->addWidget(chip);
        m_chipButtons.append(chip);
        chip->show();
    };
    const lab::Workload &workload = m_exercise->workload;
    for (std::size_t i = 0; i < workload.size(); ++i)
        addChip(QStringLiteral("practiceChip") + QString::fromStdString(workload[i].name), lab::SegmentKind::Run, i);
    addChip(QStringLiteral("practiceChipIdle"), lab::SegmentKind::Idle, lab::kNoProcess);
    addChip(QStringLiteral("practiceChipSwitch"), lab::SegmentKind::Switch, lab::kNoProcess);
    // Captions, tips and sizes, as after a change of language.
    retranslateChips();
    QWidget *previous = m_schedule;
    for (XPButtonX *chip : std::as_const(m_chipButtons)) {
        setTabOrder(previous, chip);
        previous = chip;
    }
    setTabOrder(previous, m_undo);
    setTabOrder(m_undo, m_grid);
    updateChipState();
}

void PracticeWindow::updateChipState()
{
    QString text;
    if (m_grid->chosenKind() == lab::SegmentKind::Run && m_grid->chosenProcess() == lab::kNoProcess) {
        text = tr("Pilih proses, idle atau switch untuk potongan berikutnya.");
    } else {
        //: %1 the chosen piece, %2 where it starts.
        text = tr("Potongan berikutnya: %1 mulai t=%2; klik sel tempat potongan itu berakhir.")
                   .arg(m_grid->chosenPieceName())
                   .arg(m_grid->nextStart());
    }
    m_chipState->setText(text);
}

// --- the answer -------------------------------------------------------------------------------

void PracticeWindow::scheduleTyped()
{
    if (m_syncing || !m_exercise)
        return;
    const practice::ParsedSegments parsed = practice::parseSegments(m_schedule->text().toStdString(), m_exercise->workload);
    m_syncing = true;
    m_grid->setSegments(parsed.segments);
    m_syncing = false;
    clearMarks();
    showScheduleProblem(parsed);
    updateChipState();
}

void PracticeWindow::showScheduleProblem(const practice::ParsedSegments &parsed)
{
    if (parsed.error) {
        static const char *const problems[] = {
            QT_TR_NOOP("potongan kosong"), QT_TR_NOOP("nama proses tidak dikenal"),
            QT_TR_NOOP("waktu tidak terbaca (tulis awal-akhir, misalnya 0-4)"),
            QT_TR_NOOP("akhir harus sesudah awal")};
        //: A typed schedule that cannot be read: %1 the piece's number, %2 the piece, %3 what is wrong.
        m_scheduleProblem->setText(tr("Potongan %1 (\"%2\"): %3")
                                       .arg(parsed.error->piece + 1)
                                       .arg(QString::fromStdString(parsed.error->text),
                                            tr(problems[int(parsed.error->kind)])));
        m_scheduleProblem->show();
    } else {
        m_scheduleProblem->clear();   // no stale words behind a hidden label
        m_scheduleProblem->hide();
    }
}

void PracticeWindow::gridEdited()
{
    if (m_syncing || !m_exercise)
        return;
    m_syncing = true;
    m_schedule->setText(QString::fromStdString(practice::segmentsText(m_grid->segments(), m_exercise->workload)));
    m_syncing = false;
    m_scheduleProblem->clear();   // no stale words behind a hidden label
    m_scheduleProblem->hide();
    clearMarks();
    updateChipState();
}

void PracticeWindow::clearMarks()
{
    m_segmentMarks->clear();
    m_grid->setMarks({});
    m_result->clear();
    m_checked.reset();
}

practice::Answer PracticeWindow::answer() const
{
    practice::Answer result;
    if (!m_exercise)
        return result;
    result.segments = practice::parseSegments(m_schedule->text().toStdString(), m_exercise->workload).segments;
    m_answers->fillAnswer(result);
    return result;
}

// --- checking and the solution --------------------------------------------------------------------

void PracticeWindow::checkAnswer()
{
    if (!m_exercise)
        return;
    const practice::Exercise &exercise = *m_exercise;
    const practice::ParsedSegments parsed = practice::parseSegments(m_schedule->text().toStdString(), exercise.workload);
    practice::Answer given;
    given.segments = parsed.segments;
    m_answers->fillAnswer(given);
    const practice::CheckResult result = practice::check(exercise.workload, exercise.solution, given);

    m_answers->showMarks(result);
    if (m_grid->segments() == given.segments)
        m_grid->setMarks(result.segments);
    m_checked = Checked{given.segments, result,
                        parsed.error ? std::optional<std::size_t>(parsed.error->piece) : std::nullopt};
    showCheck();
}

void PracticeWindow::showCheck()
{
    const practice::Exercise &exercise = *m_exercise;
    const practice::CheckResult &result = m_checked->result;
    const std::optional<std::size_t> &unreadPiece = m_checked->unreadPiece;
    showSegmentMarks(m_checked->segments, result);
    QStringList lines{practiceui::scoreText(result.right, result.total)};
    if (unreadPiece) {
        //: %1 the number of the first piece of the typed schedule that cannot be read.
        lines.append(tr("Jadwal hanya terbaca sampai sebelum potongan %1.").arg(*unreadPiece + 1));
    }
    if (m_checked->segments.empty() && !unreadPiece) {
        lines.append(tr("Jadwal CPU belum diisi: ketik potongannya atau susun di grid."));
    } else if (result.firstMistake) {
        lines.append(practiceui::mistakeText(exercise.workload, exercise.solution, *result.firstMistake));
    } else {
        lines.append(tr("Jadwal benar."));
    }
    bool follows = false;
    bool wrongNumber = false;
    for (const auto &cells : result.cells) {
        for (const practice::Mark mark : cells) {
            follows = follows || mark == practice::Mark::FollowsFromSchedule;
            wrongNumber = wrongNumber || mark == practice::Mark::Wrong;
        }
    }
    for (const practice::Mark mark : {result.averageTurnaround, result.averageWaiting, result.averageResponse}) {
        follows = follows || mark == practice::Mark::FollowsFromSchedule;
        wrongNumber = wrongNumber || mark == practice::Mark::Wrong;
    }
    if (follows) {
        lines.append(tr("Angka bertanda %1 (salah karena jadwal) sesuai dengan jadwal Anda sendiri: "
                        "perbaiki jadwalnya dulu.")
                         .arg(practiceui::markSymbol(practice::Mark::FollowsFromSchedule)));
    }
    if (wrongNumber) {
        lines.append(tr("Angka bertanda %1 salah, juga menurut jadwal Anda sendiri.")
                         .arg(practiceui::markSymbol(practice::Mark::Wrong)));
    }
    m_result->setText(lines.join(QLatin1Char('\n')));
    m_result->setAccessibleDescription(m_result->text());
}

void PracticeWindow::showSegmentMarks(const std::vector<practice::AnswerSegment> &segments,
                                      const practice::CheckResult &result)
{
    m_segmentMarks->clear();
    const lab::Workload &workload = m_exercise->workload;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const practice::Mark mark = i < result.segments.size() ? result.segments[i] : practice::Mark::Missing;
        const QString piece = QString::fromStdString(practice::segmentsText({segments[i]}, workload));
        //: A checked piece of the schedule: %1 its mark's symbol, %2 the piece.
        auto *item = new QStandardItem(tr("%1 %2").arg(practiceui::markSymbol(mark), piece));
        item->setEditable(false);
        item->setBackground(practiceui::markColour(mark));
        //: A checked piece for screen readers: %1 the piece, %2 its mark in words.
        const QString spoken = tr("%1: %2").arg(piece, practiceui::markName(mark));
        item->setData(spoken, Qt::AccessibleTextRole);
        item->setToolTip(practiceui::markName(mark));
        m_segmentMarks->appendRow(item);
    }
}

void PracticeWindow::revealSolution()
{
    if (!m_exercise)
        return;
    showSolution();
    m_solutionBox->show();
}

void PracticeWindow::showSolution()
{
    const practice::Exercise &exercise = *m_exercise;
    const lab::Schedule &solution = exercise.solution;
    const std::string separator = labui::decimalSeparator();
    //: The solution's processor row: %1 its pieces.
    m_solutionSegments->setText(
        tr("Jadwal: %1").arg(QString::fromStdString(lab::describeSegments(exercise.workload, solution))));
    m_solutionChart->showChart(
        labui::chartData(exercise.workload, solution, labui::chartTitle(solution, separator)));

    const bool response = practice::asksResponse(exercise.settings);
    m_solution->clear();
    QStringList headers{tr("Proses"), tr("Arrival"), tr("Burst"), tr("Selesai"), tr("Turnaround"), tr("Waiting")};
    if (response)
        headers.append(tr("Response"));
    m_solution->setHorizontalHeaderLabels(headers);
    for (std::size_t i = 0; i < exercise.workload.size(); ++i) {
        const lab::Process &process = exercise.workload[i];
        const lab::ProcessResult &numbers = solution.processes[i];
        QList<QStandardItem *> row{readOnlyItem(QString::fromStdString(process.name)),
                                   readOnlyItem(QString::number(process.arrival)),
                                   readOnlyItem(QString::number(process.burst)),
                                   readOnlyItem(QString::number(numbers.completion)),
                                   readOnlyItem(QString::number(numbers.turnaround)),
                                   readOnlyItem(QString::number(numbers.waiting))};
        if (response)
            row.append(readOnlyItem(QString::number(numbers.response)));
        m_solution->appendRow(row);
    }
    const std::size_t count = exercise.workload.size();
    QList<QStandardItem *> averages{readOnlyItem(tr("Rata-rata")), readOnlyItem(QString()), readOnlyItem(QString()),
                                    readOnlyItem(QString()),
                                    readOnlyItem(QString::fromStdString(lab::averageText(solution.totals.turnaround, count, separator))),
                                    readOnlyItem(QString::fromStdString(lab::averageText(solution.totals.waiting, count, separator)))};
    if (response)
        averages.append(readOnlyItem(QString::fromStdString(lab::averageText(solution.totals.response, count, separator))));
    m_solution->appendRow(averages);
    fitTableHeight(m_solutionView);
}

// --- language -------------------------------------------------------------------------------

void PracticeWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

// Every text again in the new language, written from the exercise, the typed answer and the
// stored check; nothing typed and no mark is lost.
void PracticeWindow::retranslate()
{
    m_texts.apply();
    m_answers->retranslate();
    if (!m_exercise)
        return;
    showProblem();
    retranslateChips();
    updateChipState();
    if (!m_scheduleProblem->isHidden())
        showScheduleProblem(practice::parseSegments(m_schedule->text().toStdString(), m_exercise->workload));
    if (m_checked && !m_result->text().isEmpty())
        showCheck();
    if (m_solution->rowCount() > 0)
        showSolution();
}

void PracticeWindow::retranslateChips()
{
    const lab::Workload &workload = m_exercise->workload;
    const QFontMetrics metrics(font());
    for (qsizetype i = 0; i < m_chipButtons.size(); ++i) {
        XPButtonX *chip = m_chipButtons[i];
        const std::size_t index = std::size_t(i);
        QString caption;
        QString toolTip;
        if (index < workload.size()) {
            caption = QString::fromStdString(workload[index].name);
            //: %1 a process: its chip chooses it for the next piece on the grid.
            toolTip = tr("Potongan berikutnya: %1").arg(caption);
        } else if (index == workload.size()) {
            caption = tr("idle");
            toolTip = tr("Potongan berikutnya: CPU idle");
        } else {
            caption = tr("switch");
            toolTip = tr("Potongan berikutnya: context switch");
        }
        chip->setCaption(caption);
        chip->setToolTip(toolTip);
        chip->setAccessibleName(caption);
        chip->setFixedSize(std::max(kChipMinimumWidth, metrics.horizontalAdvance(caption) + 16),
                           std::max(labui::kButtonMinimumHeight, metrics.height() + 10));
    }
}

void PracticeWindow::openInLaboratory()
{
    if (m_exercise)
        emit laboratoryRequested(m_exercise->workload, m_exercise->settings);
}

void PracticeWindow::openWorksheets()
{
    // The dialog starts from this window's choices; the exercise on show is left as it is.
    WorksheetDialog dialog(this);
    dialog.setChoices(m_policy->policy(), m_processes->value(), m_level->level());
    dialog.exec();
}
