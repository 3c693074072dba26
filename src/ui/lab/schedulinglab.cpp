#include "ui/lab/schedulinglab.h"

#include "lab/csv.h"
#include "lab/random.h"
#include "platform/framecentring.h"
#include "platform/messagebox.h"
#include "ui/button/xpbuttonx.h"
#include "ui/gantt/ganttchart.h"
#include "ui/gantt/ganttpicture.h"
#include "ui/lab/comparisonview.h"
#include "ui/lab/labchartdata.h"
#include "ui/lab/resulttablemodel.h"
#include "ui/lab/ruletexts.h"
#include "ui/lab/stepsview.h"
#include "ui/report/textreport.h"
#include "ui/lab/windowparts.h"

#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QSaveFile>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <cmath>
#include <set>
#include <stdexcept>

namespace {

constexpr int kMargin = 8;
constexpr int kSpacing = 6;
constexpr double kZoomStep = 1.5;
constexpr double kLargestTimeScale = 400;   // pixels per time unit
constexpr int kSeedMaximum = INT_MAX;
// Random workloads stay of a size whose chart and steps are shown at once.
constexpr int kLargestRandomCount = 10'000;

QString askFile(QWidget *parent, SchedulingLab::FileQuestion question, const QString &suggested)
{
    const QString csv = SchedulingLab::tr("File CSV (*.csv)");
    const QString all = SchedulingLab::tr("Semua file (*)");
    switch (question) {
    case SchedulingLab::FileQuestion::ImportCsv:
        return QFileDialog::getOpenFileName(parent, SchedulingLab::tr("Impor Proses dari CSV"), suggested,
                                            csv + QStringLiteral(";;") + all);
    case SchedulingLab::FileQuestion::ExportCsv: {
        QString path = QFileDialog::getSaveFileName(parent, SchedulingLab::tr("Ekspor Proses ke CSV"), suggested,
                                                    csv + QStringLiteral(";;") + all);
        if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".csv");
        return path;
    }
    case SchedulingLab::FileQuestion::SavePicture:
        return gantt::askPictureFile(parent, suggested);
    }
    return {};
}

// A pasted first row that names the columns instead of holding a process.
bool isHeaderRow(const std::vector<std::string> &cells)
{
    if (cells.empty())
        return false;
    static const QStringList nameTitles{QStringLiteral("name"), QStringLiteral("nama"), QStringLiteral("proses"),
                                        QStringLiteral("process")};
    static const QStringList arrivalTitles{QStringLiteral("arrival"), QStringLiteral("arrival time"),
                                           QStringLiteral("datang"), QStringLiteral("kedatangan")};
    const QString first = QString::fromStdString(cells[0]).trimmed().toLower();
    if (!nameTitles.contains(first))
        return false;
    return cells.size() < 2 || arrivalTitles.contains(QString::fromStdString(cells[1]).trimmed().toLower());
}

} // namespace

using labui::ProcessTableModel;

SchedulingLab::SchedulingLab(const QColor &backColor)
    : QWidget(nullptr, Qt::Window),
      m_fileQuestion(askFile)
{
    createWindow(backColor);
    createProcessControls();
    createSettingsControls();
    createResultPages();
    layOutControls();
    applyTabOrder();
    connectInputs();
    settingsChanged();
}

SchedulingLab::~SchedulingLab() = default;

// --- construction ---------------------------------------------------------------------------

void SchedulingLab::createWindow(const QColor &backColor)
{
    setObjectName(QStringLiteral("SchedulingLab"));
    m_texts.add([this] {
        setWindowTitle(tr("Laboratorium Penjadwalan"));
        setAccessibleName(windowTitle());
    });
    labui::applyWindowLook(*this, backColor);
}

XPButtonX *SchedulingLab::createButton(const char *caption, const QString &objectName, const char *toolTip)
{
    return labui::translatedButton(*this, m_texts, caption, objectName, toolTip);
}

QLabel *SchedulingLab::translatedLabel(const char *text, QWidget *buddy)
{
    return labui::translatedLabel(*this, m_texts, text, buddy);
}

void SchedulingLab::createProcessControls()
{
    m_processes = new ProcessTableModel(this);
    m_processes->setObjectName(QStringLiteral("labProcessModel"));
    // The main window's worked example.
    const int arrivals[] = {0, 1, 2, 3, 4};
    const int bursts[] = {5, 3, 8, 6, 2};
    std::vector<ProcessTableModel::Row> rows;
    for (int i = 0; i < 5; ++i) {
        rows.push_back({QStringLiteral("P%1").arg(i + 1), QString::number(arrivals[i]), QString::number(bursts[i]),
                        QStringLiteral("0")});
    }
    m_processes->setRows(std::move(rows));

    m_processView = new QTableView(this);
    m_processView->setObjectName(QStringLiteral("labProcesses"));
    m_texts.add([=, this] { m_processView->setAccessibleName(tr("Tabel proses")); });
    m_texts.add([=, this] { m_processView->setAccessibleDescription(
        tr("Insert menambah baris, Delete menghapus baris terpilih, Ctrl+V menempel baris dari spreadsheet atau CSV")); });
    m_processView->setModel(m_processes);
    m_processView->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_processView->setTabKeyNavigation(false);
    // Rows of one height: a table of thousands of processes stays quick.
    m_processView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_processView->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    m_processView->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_processView->installEventFilter(this);

    m_add = createButton(QT_TR_NOOP("Ta&mbah"), QStringLiteral("labAdd"), QT_TR_NOOP("Menambah satu proses (Insert)"));
    m_remove = createButton(QT_TR_NOOP("Ha&pus"), QStringLiteral("labRemove"), QT_TR_NOOP("Menghapus proses terpilih (Delete)"));
    m_import = createButton(QT_TR_NOOP("&Impor CSV"), QStringLiteral("labImport"), QT_TR_NOOP("Membaca proses dari file CSV"));
    m_export = createButton(QT_TR_NOOP("&Ekspor CSV"), QStringLiteral("labExport"), QT_TR_NOOP("Menyimpan proses ke file CSV"));
    m_random = createButton(QT_TR_NOOP("&Acak"), QStringLiteral("labRandom"),
                            QT_TR_NOOP("Membuat proses acak dari seed di sebelahnya; seed yang sama memberi proses yang sama"));
    connect(m_add, &XPButtonX::Click, this, &SchedulingLab::addRow);
    connect(m_remove, &XPButtonX::Click, this, &SchedulingLab::removeRows);
    connect(m_import, &XPButtonX::Click, this, &SchedulingLab::importCsv);
    connect(m_export, &XPButtonX::Click, this, &SchedulingLab::exportCsv);
    connect(m_random, &XPButtonX::Click, this, &SchedulingLab::randomWorkload);

    m_seed = new QSpinBox(this);
    m_seed->setObjectName(QStringLiteral("labSeed"));
    m_texts.add([=, this] { m_seed->setAccessibleName(tr("Seed")); });
    m_seed->setRange(0, kSeedMaximum);
    m_seed->setValue(static_cast<int>(labui::randomChoice() % (std::uint64_t(kSeedMaximum) + 1)));

    m_randomCount = new QSpinBox(this);
    m_randomCount->setObjectName(QStringLiteral("labRandomCount"));
    m_texts.add([=, this] { m_randomCount->setAccessibleName(tr("Jumlah proses acak")); });
    m_randomCount->setRange(1, kLargestRandomCount);
    m_randomCount->setValue(5);
}

void SchedulingLab::createSettingsControls()
{
    m_policy = new QComboBox(this);
    m_policy->setObjectName(QStringLiteral("labPolicy"));
    m_texts.add([=, this] { m_policy->setAccessibleName(tr("Algoritma")); });
    for (const lab::Policy policy : lab::kAllPolicies)
        m_policy->addItem(QString::fromUtf8(lab::policyName(policy)), static_cast<int>(policy));

    m_quantum = new QSpinBox(this);
    m_quantum->setObjectName(QStringLiteral("labQuantum"));
    m_texts.add([=, this] { m_quantum->setAccessibleName(tr("Quantum")); });
    m_quantum->setRange(1, static_cast<int>(lab::kMaxTime));
    m_quantum->setValue(2);
    m_quantum->setGroupSeparatorShown(false);

    m_priorityOrder = new QComboBox(this);
    m_priorityOrder->setObjectName(QStringLiteral("labPriorityOrder"));
    m_texts.add([=, this] { m_priorityOrder->setAccessibleName(tr("Urutan prioritas")); });
    m_priorityOrder->addItem(QString(), static_cast<int>(lab::PriorityOrder::LowFirst));
    m_priorityOrder->addItem(QString(), static_cast<int>(lab::PriorityOrder::HighFirst));
    m_texts.add([this] {
        m_priorityOrder->setItemText(0, tr("Angka kecil = prioritas tinggi"));
        m_priorityOrder->setItemText(1, tr("Angka besar = prioritas tinggi"));
    });

    m_roundRobinRule = new QComboBox(this);
    m_roundRobinRule->setObjectName(QStringLiteral("labRoundRobinRule"));
    m_texts.add([=, this] { m_roundRobinRule->setAccessibleName(tr("Aturan Round Robin")); });
    m_roundRobinRule->addItem(QString(), static_cast<int>(lab::RoundRobinRule::NewcomerFirst));
    m_roundRobinRule->addItem(QString(), static_cast<int>(lab::RoundRobinRule::PreemptedFirst));
    m_texts.add([this] {
        m_roundRobinRule->setItemText(0, tr("Yang baru datang masuk antrean dulu"));
        m_roundRobinRule->setItemText(1, tr("Yang kuantumnya habis masuk antrean dulu"));
    });
    m_texts.add([=, this] { m_roundRobinRule->setToolTip(tr("Siapa masuk antrean lebih dulu bila proses baru datang tepat saat kuantum habis")); });

    m_switchCost = new QSpinBox(this);
    m_switchCost->setObjectName(QStringLiteral("labSwitchCost"));
    m_texts.add([=, this] { m_switchCost->setAccessibleName(tr("Biaya context switch")); });
    m_switchCost->setRange(0, static_cast<int>(lab::kMaxTime));
    m_switchCost->setValue(0);

    m_rules = new QLabel(this);
    m_rules->setObjectName(QStringLiteral("labRules"));
    m_rules->setWordWrap(true);
    m_rules->setTextFormat(Qt::PlainText);
    m_rules->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_rules->setFocusPolicy(Qt::StrongFocus);

    m_compute = createButton(QT_TR_NOOP("&Hitung"), QStringLiteral("labCompute"),
                             QT_TR_NOOP("Menjadwalkan proses dengan algoritma dan pengaturan ini"));
    m_compare = createButton(QT_TR_NOOP("&Bandingkan semua"), QStringLiteral("labCompare"),
                             QT_TR_NOOP("Menjadwalkan proses yang sama dengan ketujuh algoritma"));
    m_close = createButton(QT_TR_NOOP("&Tutup"), QStringLiteral("labClose"), QT_TR_NOOP("Menutup laboratorium (Escape)"));
    connect(m_compute, &XPButtonX::Click, this, &SchedulingLab::compute);
    connect(m_compare, &XPButtonX::Click, this, &SchedulingLab::compareAll);
    connect(m_close, &XPButtonX::Click, this, &QWidget::close);
}

void SchedulingLab::createResultPages()
{
    m_results = new labui::ResultTableModel(this);
    m_resultView = new QTableView(this);
    m_resultView->setObjectName(QStringLiteral("labResults"));
    m_texts.add([=, this] { m_resultView->setAccessibleName(tr("Hasil per proses")); });
    m_resultView->setModel(m_results);
    m_resultView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_resultView->setTabKeyNavigation(false);
    m_resultView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_resultView->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    m_resultView->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    m_figures = new QLabel(this);
    m_figures->setObjectName(QStringLiteral("labFigures"));
    m_figures->setWordWrap(true);
    m_figures->setTextFormat(Qt::PlainText);
    m_figures->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_figures->setFocusPolicy(Qt::StrongFocus);
    m_texts.add([=, this] { m_figures->setAccessibleName(tr("Angka hasil")); });

    m_chart = new gantt::GanttChart;
    m_chart->setObjectName(QStringLiteral("labChart"));
    m_texts.add([=, this] { m_chart->setAccessibleName(tr("Gantt Chart")); });
    m_chartArea = new QScrollArea(this);
    m_chartArea->setObjectName(QStringLiteral("labChartArea"));
    m_texts.add([=, this] { m_chartArea->setAccessibleName(tr("Gantt Chart")); });
    m_chartArea->setWidgetResizable(true);
    m_chartArea->setWidget(m_chart);
    m_chartArea->setBackgroundRole(QPalette::Base);

    m_zoomIn = createButton(QT_TR_NOOP("Perbesar"), QStringLiteral("labZoomIn"), QT_TR_NOOP("Memperbesar skala waktu (Ctrl++)"));
    m_zoomOut = createButton(QT_TR_NOOP("Perkecil"), QStringLiteral("labZoomOut"), QT_TR_NOOP("Memperkecil skala waktu (Ctrl+-)"));
    m_zoomFit = createButton(QT_TR_NOOP("Pas lebar"), QStringLiteral("labZoomFit"), QT_TR_NOOP("Seluruh jadwal selebar jendela (Ctrl+0)"));
    m_copy = createButton(QT_TR_NOOP("&Salin"), QStringLiteral("labCopy"), QT_TR_NOOP("Menyalin gambar chart ke clipboard"));
    m_save = createButton(QT_TR_NOOP("Simpan &Gambar"), QStringLiteral("labSavePicture"),
                          QT_TR_NOOP("Menyimpan gambar chart sebagai PNG atau SVG"));
    m_comparison = new labui::ComparisonView(this);
    m_comparison->setObjectName(QStringLiteral("labComparisonView"));
    m_steps = new labui::StepsView(this);
    m_steps->setObjectName(QStringLiteral("labStepsView"));
    // A chosen step marks its time on the chart.
    connect(m_steps, &labui::StepsView::decisionSelected, this,
            [this](qint64 time) { m_chart->setMarkedTime(static_cast<double>(time)); });
    connect(m_steps, &labui::StepsView::selectionCleared, this, [this] { m_chart->setMarkedTime(std::nullopt); });

    connect(m_zoomIn, &XPButtonX::Click, this, &SchedulingLab::zoomIn);
    connect(m_zoomOut, &XPButtonX::Click, this, &SchedulingLab::zoomOut);
    connect(m_zoomFit, &XPButtonX::Click, this, &SchedulingLab::zoomToFit);
    connect(m_copy, &XPButtonX::Click, this, &SchedulingLab::copyPicture);
    connect(m_save, &XPButtonX::Click, this, &SchedulingLab::savePicture);
    const struct {
        QKeySequence keys;
        void (SchedulingLab::*command)();
    } zoomKeys[] = {
        {QKeySequence::ZoomIn, &SchedulingLab::zoomIn},
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), &SchedulingLab::zoomIn},
        {QKeySequence::ZoomOut, &SchedulingLab::zoomOut},
        {QKeySequence(Qt::CTRL | Qt::Key_0), &SchedulingLab::zoomToFit},
    };
    for (const auto &zoomKey : zoomKeys) {
        auto *shortcut = new QShortcut(zoomKey.keys, this);
        connect(shortcut, &QShortcut::activated, this, zoomKey.command);
    }
}

void SchedulingLab::layOutControls()
{
    // The processes, with their commands under them.
    auto *processBox = new QGroupBox(this);
    m_texts.add([processBox] { processBox->setTitle(tr("Proses")); });
    processBox->setObjectName(QStringLiteral("labProcessBox"));
    auto *processLayout = new QVBoxLayout(processBox);
    processLayout->addWidget(m_processView, 1);
    auto *tableButtons = new QHBoxLayout;
    tableButtons->setSpacing(kSpacing);
    for (XPButtonX *button : {m_add, m_remove, m_import, m_export})
        tableButtons->addWidget(button);
    tableButtons->addStretch(1);
    processLayout->addLayout(tableButtons);
    auto *randomRow = new QHBoxLayout;
    randomRow->setSpacing(kSpacing);
    randomRow->addWidget(m_random);
    auto *seedLabel = translatedLabel(QT_TR_NOOP("See&d:"), m_seed);
    randomRow->addWidget(seedLabel);
    randomRow->addWidget(m_seed);
    auto *countLabel = translatedLabel(QT_TR_NOOP("&Jumlah:"), m_randomCount);
    randomRow->addWidget(countLabel);
    randomRow->addWidget(m_randomCount);
    randomRow->addStretch(1);
    processLayout->addLayout(randomRow);

    // The settings, the rules they put in force and the commands.
    auto *settingsBox = new QGroupBox(this);
    m_texts.add([settingsBox] { settingsBox->setTitle(tr("Pengaturan")); });
    settingsBox->setObjectName(QStringLiteral("labSettingsBox"));
    auto *form = new QFormLayout;
    form->addRow(translatedLabel(QT_TR_NOOP("A&lgoritma:"), m_policy), m_policy);
    form->addRow(translatedLabel(QT_TR_NOOP("&Quantum:"), m_quantum), m_quantum);
    form->addRow(translatedLabel(QT_TR_NOOP("&Urutan prioritas:"), m_priorityOrder), m_priorityOrder);
    form->addRow(translatedLabel(QT_TR_NOOP("Aturan &Round Robin:"), m_roundRobinRule), m_roundRobinRule);
    form->addRow(translatedLabel(QT_TR_NOOP("Biaya &context switch:"), m_switchCost), m_switchCost);
    auto *settingsLayout = new QVBoxLayout(settingsBox);
    settingsLayout->addLayout(form);
    auto *rulesTitle = translatedLabel(QT_TR_NOOP("Aturan yang berlaku:"));
    settingsLayout->addWidget(rulesTitle);
    m_texts.add([=, this] { m_rules->setAccessibleName(tr("Aturan yang berlaku")); });
    // The rules scroll when the window is too low for all of them (longer in some languages),
    // rather than squeezing the settings or being cut off.
    auto *rulesArea = new QScrollArea(this);
    rulesArea->setObjectName(QStringLiteral("labRulesArea"));
    rulesArea->setWidget(m_rules);
    rulesArea->setWidgetResizable(true);
    rulesArea->setFrameShape(QFrame::NoFrame);
    rulesArea->setFocusPolicy(Qt::NoFocus);
    rulesArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_rules->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    settingsLayout->addWidget(rulesArea, 1);
    auto *commands = new QHBoxLayout;
    commands->setSpacing(kSpacing);
    commands->addWidget(m_compute);
    commands->addWidget(m_compare);
    commands->addStretch(1);
    commands->addWidget(m_close);
    settingsLayout->addLayout(commands);

    auto *inputs = new QWidget(this);
    auto *inputsLayout = new QHBoxLayout(inputs);
    inputsLayout->setContentsMargins(0, 0, 0, 0);
    inputsLayout->setSpacing(kSpacing);
    inputsLayout->addWidget(processBox, 1);
    inputsLayout->addWidget(settingsBox, 1);

    // The pages of what a run shows.
    m_resultPage = new QWidget(this);
    auto *resultLayout = new QVBoxLayout(m_resultPage);
    resultLayout->addWidget(m_resultView, 1);
    resultLayout->addWidget(m_figures);

    m_chartPage = new QWidget(this);
    auto *chartLayout = new QVBoxLayout(m_chartPage);
    chartLayout->addWidget(m_chartArea, 1);
    auto *chartButtons = new QHBoxLayout;
    chartButtons->setSpacing(kSpacing);
    for (XPButtonX *button : {m_zoomIn, m_zoomOut, m_zoomFit})
        chartButtons->addWidget(button);
    chartButtons->addStretch(1);
    chartButtons->addWidget(m_copy);
    chartButtons->addWidget(m_save);
    chartLayout->addLayout(chartButtons);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("labTabs"));
    m_texts.add([=, this] { m_tabs->setAccessibleName(tr("Hasil perhitungan")); });
    m_tabs->addTab(m_resultPage, QString());
    m_tabs->addTab(m_chartPage, QString());
    m_tabs->addTab(m_comparison, QString());
    m_tabs->addTab(m_steps, QString());
    m_texts.add([this] {
        m_tabs->setTabText(m_tabs->indexOf(m_resultPage), tr("Hasil"));
        m_tabs->setTabText(m_tabs->indexOf(m_chartPage), tr("Gantt Chart"));
        m_tabs->setTabText(m_tabs->indexOf(m_comparison), tr("Bandingkan"));
        m_tabs->setTabText(m_tabs->indexOf(m_steps), tr("Langkah"));
    });

    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("labSplitter"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(inputs);
    splitter->addWidget(m_tabs);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);

    auto *window = new QVBoxLayout(this);
    window->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    window->addWidget(splitter);
    resize(1000, 720);
}

void SchedulingLab::applyTabOrder()
{
    const QList<QWidget *> order{m_processView, m_add,      m_remove,         m_import,         m_export,
                                 m_random,      m_seed,     m_randomCount,    m_policy,         m_quantum,
                                 m_priorityOrder, m_roundRobinRule, m_switchCost, m_rules,     m_compute,
                                 m_compare,     m_close,    m_tabs,           m_resultView,     m_figures,
                                 m_chartArea,   m_zoomIn,   m_zoomOut,        m_zoomFit,        m_copy,
                                 m_save};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void SchedulingLab::connectInputs()
{
    // Any edit of the inputs makes the results on show stale.
    connect(m_processes, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &, const QModelIndex &, const QList<int> &roles) {
                if (roles.isEmpty() || roles.contains(Qt::EditRole))
                    clearResults();
            });
    connect(m_processes, &QAbstractItemModel::rowsInserted, this, &SchedulingLab::clearResults);
    connect(m_processes, &QAbstractItemModel::rowsRemoved, this, &SchedulingLab::clearResults);
    connect(m_processes, &QAbstractItemModel::modelReset, this, &SchedulingLab::clearResults);
    connect(m_policy, &QComboBox::currentIndexChanged, this, &SchedulingLab::settingsChanged);
    connect(m_priorityOrder, &QComboBox::currentIndexChanged, this, &SchedulingLab::settingsChanged);
    connect(m_roundRobinRule, &QComboBox::currentIndexChanged, this, &SchedulingLab::settingsChanged);
    connect(m_quantum, &QSpinBox::valueChanged, this, &SchedulingLab::settingsChanged);
    connect(m_switchCost, &QSpinBox::valueChanged, this, &SchedulingLab::settingsChanged);
}

void SchedulingLab::placeOnScreen()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // Never larger than the screen it opens on.
    resize(size().boundedTo(area.size() - QSize(2 * kMargin, 4 * kMargin)));
    FrameCentring::centre(this, area);
}

void SchedulingLab::bringForward()
{
    if (!m_placed) {
        m_placed = true;
        placeOnScreen();
        // The keyboard starts in the table, on its first cell.
        m_processView->setCurrentIndex(m_processes->index(0, 0));
        m_processView->setFocus(Qt::OtherFocusReason);
    }
    show();
    raise();
    activateWindow();
}

void SchedulingLab::setFileQuestion(FileAsker asker)
{
    m_fileQuestion = asker ? std::move(asker) : FileAsker(askFile);
}

// --- settings -------------------------------------------------------------------------------

lab::Settings SchedulingLab::settings() const
{
    lab::Settings settings;
    settings.policy = static_cast<lab::Policy>(m_policy->currentData().toInt());
    settings.quantum = m_quantum->value();
    settings.priorityOrder = static_cast<lab::PriorityOrder>(m_priorityOrder->currentData().toInt());
    settings.roundRobinRule = static_cast<lab::RoundRobinRule>(m_roundRobinRule->currentData().toInt());
    settings.switchCost = m_switchCost->value();
    return settings;
}

void SchedulingLab::loadProblem(const lab::Workload &workload, const lab::Settings &problemSettings)
{
    m_processes->setWorkload(workload);
    m_policy->setCurrentIndex(m_policy->findData(static_cast<int>(problemSettings.policy)));
    m_quantum->setValue(static_cast<int>(std::clamp<lab::Time>(problemSettings.quantum, 1, lab::kMaxTime)));
    m_priorityOrder->setCurrentIndex(m_priorityOrder->findData(static_cast<int>(problemSettings.priorityOrder)));
    m_roundRobinRule->setCurrentIndex(m_roundRobinRule->findData(static_cast<int>(problemSettings.roundRobinRule)));
    m_switchCost->setValue(static_cast<int>(std::clamp<lab::Time>(problemSettings.switchCost, 0, lab::kMaxTime)));
    m_processView->setCurrentIndex(m_processes->index(0, 0));
    compute();
}

void SchedulingLab::settingsChanged()
{
    const lab::Settings current = settings();
    // Settings the policy does not use cannot be changed for it.
    m_quantum->setEnabled(lab::usesQuantum(current.policy));
    m_roundRobinRule->setEnabled(lab::usesQuantum(current.policy));
    m_priorityOrder->setEnabled(lab::usesPriority(current.policy));
    showRules();
    clearResults();
}

void SchedulingLab::showRules()
{
    const QStringList lines = labui::rulesInForceLines(settings());
    QStringList bulleted;
    for (const QString &line : lines)
        bulleted << QStringLiteral("• ") + line;
    m_rules->setText(bulleted.join(QLatin1Char('\n')));
    m_rules->setAccessibleDescription(lines.join(QStringLiteral("; ")));
}

// --- the process table ----------------------------------------------------------------------

bool SchedulingLab::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_processView && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Paste)) {
            pasteClipboard();
            return true;
        }
        if (key->modifiers() == Qt::NoModifier && key->key() == Qt::Key_Insert) {
            addRow();
            return true;
        }
        if (key->modifiers() == Qt::NoModifier && key->key() == Qt::Key_Delete) {
            removeRows();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SchedulingLab::addRow()
{
    const QModelIndex current = m_processView->currentIndex();
    const int row = current.isValid() ? current.row() + 1 : m_processes->rowCount();
    if (!m_processes->insertRows(row, 1)) {
        showMessage(tr("Tabel sudah berisi %1 proses, jumlah terbanyak.").arg(QLocale().toString(qulonglong(lab::kMaxProcesses))));
        return;
    }
    const QModelIndex added = m_processes->index(row, ProcessTableModel::NameColumn);
    m_processView->setCurrentIndex(added);
    m_processView->scrollTo(added);
    m_processView->setFocus(Qt::OtherFocusReason);
}

void SchedulingLab::removeRows()
{
    std::set<int> rows;
    for (const QModelIndex &index : m_processView->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    if (rows.empty() && m_processView->currentIndex().isValid())
        rows.insert(m_processView->currentIndex().row());
    if (rows.empty())
        return;
    const int column = std::max(0, m_processView->currentIndex().column());
    // From the bottom up, in runs of neighbouring rows.
    for (auto it = rows.rbegin(); it != rows.rend();) {
        const int last = *it;
        int first = last;
        while (++it != rows.rend() && *it == first - 1)
            first = *it;
        m_processes->removeRows(first, last - first + 1);
    }
    const int count = m_processes->rowCount();
    if (count > 0) {
        const QModelIndex next = m_processes->index(std::min(*rows.begin(), count - 1), column);
        m_processView->setCurrentIndex(next);
    }
}

void SchedulingLab::pasteClipboard()
{
    const QString text = QGuiApplication::clipboard()->text();
    std::vector<std::vector<std::string>> cells = lab::csv::splitRows(text.toStdString());
    if (cells.empty())
        return;
    const QModelIndex current = m_processView->currentIndex();
    // One value goes into the current cell.
    if (cells.size() == 1 && cells.front().size() == 1) {
        if (current.isValid())
            m_processes->setData(current, QString::fromStdString(cells.front().front()));
        return;
    }
    if (isHeaderRow(cells.front()))
        cells.erase(cells.begin());
    std::vector<ProcessTableModel::Row> rows;
    rows.reserve(cells.size());
    for (const std::vector<std::string> &line : cells) {
        ProcessTableModel::Row row;
        for (std::size_t column = 0; column < row.size() && column < line.size(); ++column)
            row[column] = QString::fromStdString(line[column]).trimmed();
        if (line.size() <= ProcessTableModel::PriorityColumn)
            row[ProcessTableModel::PriorityColumn] = QStringLiteral("0");
        rows.push_back(std::move(row));
    }
    const int first = current.isValid() ? current.row() : 0;
    const int written = m_processes->pasteRows(first, rows);
    if (written < static_cast<int>(rows.size()))
        //: %n rows were pasted, %1 is the most processes a table holds.
        showMessage(tr("Hanya %n baris yang ditempel: tabel paling banyak berisi %1 proses.", nullptr, written)
                        .arg(QLocale().toString(qulonglong(lab::kMaxProcesses))));
    if (written > 0) {
        const QItemSelection pasted(m_processes->index(first, 0),
                                    m_processes->index(first + written - 1, ProcessTableModel::ColumnCount - 1));
        m_processView->selectionModel()->select(pasted, QItemSelectionModel::ClearAndSelect);
    }
}

void SchedulingLab::importCsv()
{
    const QString path = m_fileQuestion(this, FileQuestion::ImportCsv, labui::documentsFolder());
    if (path.isEmpty())
        return;
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        showMessage(tr("File %1 tidak dapat dibuka: %2").arg(shown, file.errorString()));
        return;
    }
    const QByteArray bytes = file.readAll();
    const auto parsed = lab::csv::read(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (const auto *error = std::get_if<lab::csv::Error>(&parsed)) {
        QString reason;
        switch (error->kind) {
        case lab::csv::Error::Kind::BadHeader:
            reason = tr("baris judul harus name,arrival,burst atau name,arrival,burst,priority");
            break;
        case lab::csv::Error::Kind::FieldCount:
            reason = tr("jumlah kolomnya tidak sama dengan baris judul");
            break;
        case lab::csv::Error::Kind::BadQuotes:
            reason = tr("tanda kutipnya tidak tertutup dengan benar");
            break;
        case lab::csv::Error::Kind::BadValue: {
            const int column = ProcessTableModel::columnOf(error->field);
            // A name used twice is the file's, not the table's: it is named from the file.
            //: A name a CSV file gives to two processes.
            const QString explanation = error->problem == lab::Problem::DuplicateName
                ? tr("nama \"%1\" sudah dipakai di baris sebelumnya").arg(QString::fromStdString(error->name))
                : problemExplanation(ProcessTableModel::Problem{0, column, lab::InputError{0, error->field, error->problem}});
            //: A bad value in a CSV line: the column, then what is wrong.
            reason = tr("kolom %1: %2").arg(ProcessTableModel::columnTitle(column), explanation);
            break;
        }
        case lab::csv::Error::Kind::NoProcesses:
            reason = tr("tidak ada proses di bawah baris judul");
            break;
        case lab::csv::Error::Kind::TooManyProcesses:
            reason = tr("lebih dari %1 proses").arg(QLocale().toString(qulonglong(lab::kMaxProcesses)));
            break;
        }
        //: A refused import: the file, the line (counted from 1, the header is line 1) and why.
        showMessage(tr("File %1 ditolak, baris %2: %3. Tabel tidak diubah.").arg(shown).arg(error->line).arg(reason));
        return;
    }
    m_processes->setWorkload(std::get<lab::csv::Parsed>(parsed).workload);
    m_processView->setCurrentIndex(m_processes->index(0, 0));
}

void SchedulingLab::exportCsv()
{
    const std::optional<lab::Workload> workload = readWorkload();
    if (!workload)
        return;
    const QString suggested = QDir(labui::documentsFolder()).filePath(QStringLiteral("proses.csv"));
    const QString path = m_fileQuestion(this, FileQuestion::ExportCsv, suggested);
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    const std::string text = lab::csv::write(*workload);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())
        || !file.commit()) {
        showMessage(tr("File %1 tidak dapat disimpan: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    }
}

void SchedulingLab::randomWorkload()
{
    // The seed as typed, even if the box has not been left yet.
    m_seed->interpretText();
    m_randomCount->interpretText();
    lab::RandomShape shape;
    shape.count = static_cast<std::size_t>(m_randomCount->value());
    // Arrivals spread with the count, so that large workloads still have gaps and queues.
    shape.maxArrival = std::max<lab::Time>(10, static_cast<lab::Time>(shape.count) * 3);
    const auto seed = static_cast<std::uint64_t>(m_seed->value());
    m_processes->setWorkload(lab::randomWorkload(seed, shape));
    m_processView->setCurrentIndex(m_processes->index(0, 0));
    // The next press draws another workload; the seed of this one stays in the table's history.
    m_seed->setValue(static_cast<int>(labui::randomChoice() % (std::uint64_t(kSeedMaximum) + 1)));
}

// --- reading and checking -------------------------------------------------------------------

QString SchedulingLab::problemExplanation(const ProcessTableModel::Problem &problem) const
{
    const QString maximum = QLocale().toString(qlonglong(lab::kMaxTime));
    switch (problem.error.problem) {
    case lab::Problem::Empty: return tr("isinya kosong");
    case lab::Problem::Negative: return tr("tidak boleh negatif");
    case lab::Problem::NotWhole: return tr("harus bilangan bulat");
    case lab::Problem::TooLarge: return tr("terlalu besar, paling besar %1").arg(maximum);
    case lab::Problem::ZeroBurst: return tr("burst paling sedikit 1");
    case lab::Problem::DuplicateName: {
        const QString name = m_processes->text(problem.row, ProcessTableModel::NameColumn).trimmed();
        int earlier = 0;
        while (earlier < problem.row && m_processes->text(earlier, ProcessTableModel::NameColumn).trimmed() != name)
            ++earlier;
        //: A name used twice: the name and the row that has it first.
        return tr("nama \"%1\" sudah dipakai di baris %2").arg(name).arg(earlier + 1);
    }
    case lab::Problem::NoProcesses: return tr("Tabel proses kosong: tambahkan paling sedikit satu proses.");
    case lab::Problem::TooManyProcesses:
        return tr("Terlalu banyak proses: paling banyak %1.").arg(QLocale().toString(qulonglong(lab::kMaxProcesses)));
    case lab::Problem::TotalTooLarge: return tr("Jumlah semua burst terlalu besar untuk dijadwalkan.");
    }
    return {};
}

void SchedulingLab::reportProblem(const ProcessTableModel::Problem &problem)
{
    const QString explanation = problemExplanation(problem);
    if (problem.column < 0) {
        m_processes->clearMark();
        showMessage(explanation);
        return;
    }
    m_processes->markProblem(problem, explanation);
    const QModelIndex cell = m_processes->index(problem.row, problem.column);
    m_processView->setCurrentIndex(cell);
    m_processView->scrollTo(cell);
    m_processView->setFocus(Qt::OtherFocusReason);
    //: The one message of a bad cell: its row (from 1), its column and what is wrong.
    showMessage(tr("Baris %1, kolom %2: %3.")
                    .arg(problem.row + 1)
                    .arg(ProcessTableModel::columnTitle(problem.column), explanation));
}

std::optional<lab::Workload> SchedulingLab::readWorkload()
{
    auto read = m_processes->workload();
    if (const auto *problem = std::get_if<ProcessTableModel::Problem>(&read)) {
        reportProblem(*problem);
        return std::nullopt;
    }
    m_processes->clearMark();
    return std::get<lab::Workload>(std::move(read));
}

void SchedulingLab::showMessage(const QString &text)
{
    platform::showMessage(this, text, platform::applicationTitle(), platform::MessageIcon::Exclamation);
}

// --- computing and showing ------------------------------------------------------------------

void SchedulingLab::compute()
{
    std::optional<lab::Workload> workload = readWorkload();
    if (!workload)
        return;
    const lab::Settings current = settings();
    std::shared_ptr<const lab::Schedule> schedule;
    try {
        schedule = std::make_shared<const lab::Schedule>(lab::solve(*workload, current));
    } catch (const std::overflow_error &) {
        showMessage(tr("Jadwal ini terlalu panjang untuk jam penjadwal: tidak dihitung."));
        return;
    } catch (const std::invalid_argument &error) {
        showMessage(tr("Proses ini tidak dapat dijadwalkan: %1").arg(QString::fromUtf8(error.what())));
        return;
    }
    showSchedule(std::make_shared<const lab::Workload>(std::move(*workload)), std::move(schedule));
}

void SchedulingLab::showSchedule(std::shared_ptr<const lab::Workload> workload,
                                 std::shared_ptr<const lab::Schedule> schedule)
{
    const std::string separator = labui::decimalSeparator();
    m_results->showRun(workload, schedule, separator);
    showFigures(*schedule);

    m_chart->showChart(labui::chartData(*workload, *schedule, labui::chartTitle(*schedule, separator)));
    m_chart->setMarkedTime(std::nullopt);
    m_chartArea->setAccessibleDescription(m_chart->accessibleDescription());
    m_steps->showSteps(workload, schedule);
    m_chartSpan = std::max<lab::Time>(1, schedule->lastCompletion);
    applyTimeScale();

    m_shownWorkload = std::move(workload);
    m_schedule = std::move(schedule);
}

void SchedulingLab::showFigures(const lab::Schedule &schedule)
{
    const std::string separator = labui::decimalSeparator();
    const QString utilisation = QString::fromStdString(lab::roundedText(schedule.utilisation() * 100, separator));
    const QString throughput = QString::fromStdString(lab::roundedText(schedule.throughput(), separator));
    //: The figures of a run: utilisation in percent, throughput, context switches, last completion.
    m_figures->setText(tr("Utilisasi CPU: %1%   Throughput: %2 proses per satuan waktu   "
                          "Context switch: %3   Selesai terakhir: %4")
                           .arg(utilisation, throughput)
                           .arg(schedule.contextSwitches)
                           .arg(schedule.lastCompletion));
    m_figures->setAccessibleDescription(m_figures->text());
}

void SchedulingLab::clearResults()
{
    if (!m_schedule && m_results->isEmpty() && !m_compared)
        return;
    m_schedule.reset();
    m_shownWorkload.reset();
    m_compared = false;
    m_comparison->clear();
    m_steps->clear();
    m_results->clear();
    m_figures->clear();
    m_figures->setAccessibleDescription({});
    m_chart->showNothing();
    m_chart->setMarkedTime(std::nullopt);
    m_chartArea->setAccessibleDescription({});
}

void SchedulingLab::compareAll()
{
    const std::optional<lab::Workload> workload = readWorkload();
    if (!workload)
        return;
    m_comparison->showComparison(*workload, settings());
    m_compared = true;
    m_tabs->setCurrentWidget(m_comparison);
}

// --- the chart ------------------------------------------------------------------------------

double SchedulingLab::fitTimeScale() const
{
    const int width = m_chartArea->viewport()->width();
    return std::max(0.01, static_cast<double>(width) / static_cast<double>(std::max<lab::Time>(1, m_chartSpan)));
}

void SchedulingLab::applyTimeScale()
{
    m_chart->setTimeScale(m_timeScale);
    m_zoomOut->setEnabledProperty(m_timeScale > 0 ? -1 : 0);
    m_zoomFit->setEnabledProperty(m_timeScale > 0 ? -1 : 0);
}

void SchedulingLab::zoomIn()
{
    const double from = m_timeScale > 0 ? m_timeScale : fitTimeScale();
    m_timeScale = std::min(kLargestTimeScale, from * kZoomStep);
    applyTimeScale();
}

void SchedulingLab::zoomOut()
{
    if (m_timeScale <= 0)
        return;
    const double scale = m_timeScale / kZoomStep;
    // Smaller than the width needs: the whole schedule fits.
    m_timeScale = scale <= fitTimeScale() ? 0 : scale;
    applyTimeScale();
}

void SchedulingLab::zoomToFit()
{
    m_timeScale = 0;
    applyTimeScale();
}

void SchedulingLab::copyPicture()
{
    const gantt::GanttPicture picture({m_chart});
    QGuiApplication::clipboard()->setImage(picture.toImage(devicePixelRatioF()));
}

void SchedulingLab::savePicture()
{
    const QString name = QStringLiteral("Quorvel_Lab_") + report::textReportStamp(QDateTime::currentDateTime())
        + QStringLiteral(".png");
    const QString path = m_fileQuestion(this, FileQuestion::SavePicture, QDir(gantt::picturesFolder()).filePath(name));
    if (path.isEmpty())
        return;
    QString reason;
    if (!gantt::GanttPicture({m_chart}).save(path, devicePixelRatioF(), &reason))
        showMessage(tr("Gambar tidak dapat disimpan di %1: %2").arg(QDir::toNativeSeparators(path), reason));
}

// --- language -------------------------------------------------------------------------------

void SchedulingLab::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void SchedulingLab::retranslate()
{
    m_texts.apply();
    showRules();
    m_processes->retranslate();
    // A marked cell keeps its mark, explained in the new language.
    if (const std::optional<ProcessTableModel::Problem> mark = m_processes->mark())
        m_processes->markProblem(*mark, problemExplanation(*mark));
    // What a run shows is written again from the stored run; nothing is computed again, and the
    // chart keeps its pieces (and the description a screen reader reads of them).
    m_results->retranslate();
    if (m_schedule) {
        showFigures(*m_schedule);
        m_chart->setTitle(labui::chartTitle(*m_schedule, labui::decimalSeparator()));
    }
}

// --- keys -----------------------------------------------------------------------------------

void SchedulingLab::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
