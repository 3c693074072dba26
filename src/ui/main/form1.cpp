#include "ui/main/form1.h"

#include "engine/numeric.h"
#include "engine/runtimeerror.h"
#include "engine/scheduletexts.h"
#include "platform/framecentring.h"
#include "platform/messagebox.h"
#include "ui/about/frmabout.h"
#include "ui/button/buttonform.h"
#include "ui/button/xpbuttonx.h"
#include "ui/gantt/frmgantt.h"
#include "ui/keycodes.h"
#include "ui/language.h"
#include "ui/lab/schedulinglab.h"
#include "ui/main/form1controls.h"
#include "ui/main/form1layout.h"
#include "ui/main/menubarkeys.h"
#include "ui/main/programexit.h"
#include "ui/practice/practicewindow.h"
#include "ui/report/form2.h"
#include "ui/report/textreport.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTimer>
#include <QUrl>

namespace {

using formunits::toQColor;
using formunits::toQString;

// The boxes of P1..P5, by their number: Text10 holds P5's arrival time, Text9 its burst time.
constexpr int kArrivalBoxes[5] = {1, 2, 3, 4, 10};
constexpr int kBurstBoxes[5] = {5, 6, 7, 8, 9};

constexpr char kAuthorsPage[] = "http://www.tamsira.example/quorvel/";
constexpr char kWindowIcon[] = ":/icons/quorvel.png";
constexpr char kButtonResource[] = ":/forms/form1.frm";

const char *const kRefusedCharacterText = QT_TRANSLATE_NOOP("Form1", " Anda tidak bisa memasukan huruf !");
const char *const kRefusedCharacterTitle = QT_TRANSLATE_NOOP("Form1", "Warning");
const char *const kClickProsesNotice = QT_TRANSLATE_NOOP("Form1", "Klik proses jika sudah selesai menginputkan ");
const char *const kResultBoxNotice = QT_TRANSLATE_NOOP("Form1", "Maaf tempat ini tidak bisa ditambahkan teks");

// The titles of the engine's refusals and failures, shown in this window's language.
[[maybe_unused]] const char *const kEngineTitles[] = {
    QT_TRANSLATE_NOOP("Form1", "FCFS Prosess Terminated"),
    QT_TRANSLATE_NOOP("Form1", "SJF Non Preemptive Prosess Terminated"),
    QT_TRANSLATE_NOOP("Form1", "Fatal Error"),
};

// The drawn buttons' captions and tool tips as stored in form1.frm, the source texts of their
// translations.
struct DrawnButtonTexts {
    const char *name;
    const char *caption;
    const char *toolTip;
};
constexpr DrawnButtonTexts kDrawnButtonTexts[] = {
    {"XPButton1", QT_TRANSLATE_NOOP("Form1", "&Proses"), QT_TRANSLATE_NOOP("Form1", "Proses CPU")},
    {"XPButton2", QT_TRANSLATE_NOOP("Form1", "&Reset"), QT_TRANSLATE_NOOP("Form1", "Reset CPU")},
    {"CMBPrint", QT_TRANSLATE_NOOP("Form1", "&Print"), QT_TRANSLATE_NOOP("Form1", "Cetak ke printer")},
    //: The trailing space is part of the stored caption.
    {"CMBSimpan", QT_TRANSLATE_NOOP("Form1", "&Simpan "), QT_TRANSLATE_NOOP("Form1", "Simpan sebagai Teks")},
    {"XPButton3", QT_TRANSLATE_NOOP("Form1", "&Close"), QT_TRANSLATE_NOOP("Form1", "Tutup CPU")},
};

// The controls of the layout table whose captions are translated: frames, option buttons, the
// check box, the push buttons and the column and field labels. The process names P1..P5 stay,
// and the detail labels hold a run's values.
bool isTranslatedCaption(const form1layout::ControlRow &row)
{
    using form1layout::Kind;
    if (row.caption.empty() || row.kind == Kind::InputBox || row.kind == Kind::ResultBox)
        return false;
    return !row.name.starts_with("AWTDetail_") && !row.name.starts_with("TurnAround_")
        && !row.name.starts_with("Label2_");
}

QString translateLayout(std::string_view source)
{
    // The table's texts are literals, so their views end in a terminating zero.
    return QCoreApplication::translate("form1layout", source.data());
}

} // namespace

Form1::Form1(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(toQString(form1layout::kDesignTitle));
    setAccessibleName(platform::applicationTitle());
    if (QFile::exists(QString::fromLatin1(kWindowIcon)))
        setWindowIcon(QIcon(QString::fromLatin1(kWindowIcon)));

    createControls();
    createPushButtons();
    createCommandButtons();
    createMenu();
    menubarkeys::install(menuBar());
    createTimers();
    installKeyFilters();
    applyTabOrder();
    applyWindowFrame();
    // The layout table and the stored button properties hold the Indonesian texts already.
    if (language::currentLanguage() != language::Language::Indonesian)
        retranslateUi();

    Form_Load();
    m_option1->setChecked(true);
    m_option1->setFocus(Qt::OtherFocusReason);
}

Form1::~Form1()
{
    // The print window and the chart window have no owner but read this window: they go first.
    delete Form2::instance();
    delete m_gantt.data();
    delete m_lab.data();
    delete m_latihan.data();
}

QColor Form1::backColor() const
{
    return toQColor(form1layout::kWindowBlue);
}

const char *Form1::authorsPageAddress()
{
    return kAuthorsPage;
}

template <typename T>
T *Form1::control(const char *name) const
{
    return qobject_cast<T *>(m_controls.value(QString::fromLatin1(name)));
}

// --- construction --------------------------------------------------------------------------

void Form1::createControls()
{
    setCentralWidget(form1controls::createClient(this, m_controls));

    for (int i = 1; i <= 10; ++i)
        m_text[i] = control<QLineEdit>(qPrintable(QStringLiteral("Text%1").arg(i)));
    for (int i = 0; i < 5; ++i) {
        m_awtDetail[i] = control<QLabel>(qPrintable(QStringLiteral("AWTDetail_%1").arg(i)));
        m_turnAround[i] = control<QLabel>(qPrintable(QStringLiteral("TurnAround_%1").arg(i)));
        // Read out by what they are, their value ("P1 = 0") after it.
        //: Screen reader name of a detail label; %1 is the process number 1..5.
        m_awtDetail[i]->setAccessibleName(tr("Waiting Time P%1").arg(i + 1));
        //: Screen reader name of a detail label; %1 is the process number 1..5.
        m_turnAround[i]->setAccessibleName(tr("Turn Around P%1").arg(i + 1));
        showDetail(m_awtDetail[i], m_awtDetail[i]->text());
        showDetail(m_turnAround[i], m_turnAround[i]->text());
    }
    m_hasilAWT = control<QLineEdit>("HasilAWT");
    m_hasilATT = control<QLineEdit>("HasilATT");
    m_option1 = control<QRadioButton>("Option1");
    m_option2 = control<QRadioButton>("Option2");
    m_check1 = control<QCheckBox>("Check1");
    m_frame4 = control<QGroupBox>("Frame4");
}

void Form1::createPushButtons()
{
    form1controls::createPushButtons(m_controls);
    m_command1 = control<QPushButton>("Command1");
    m_command3 = control<QPushButton>("Command3");
    m_command2 = control<QPushButton>("Command2");
    connect(m_command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(m_command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(m_command2, &QPushButton::clicked, this, &Form1::Command2_Click);
}

void Form1::createCommandButtons()
{
    m_commandButtons = loadFormButtons(this, QString::fromLatin1(kButtonResource));
    const struct {
        const char *name;
        void (Form1::*handler)();
    } clicks[] = {
        {"XPButton1", &Form1::Command1_Click},
        {"XPButton2", &Form1::Command3_Click},
        {"CMBPrint", &Form1::CMBPrint_Click},
        {"CMBSimpan", &Form1::CMBSimpan_Click},
        {"XPButton3", &Form1::Command2_Click},
    };
    for (const auto &click : clicks) {
        XPButtonX *button = m_commandButtons.value(QString::fromLatin1(click.name));
        if (!button)
            continue;
        connect(button, &XPButtonX::Click, this, click.handler);
        button->raise();
        m_controls.insert(button->objectName(), button);
    }
}

void Form1::createMenu()
{
    m_mnprog = menuBar()->addMenu(tr("Program"));
    m_mnprog->setObjectName(QStringLiteral("mnprog"));
    m_mnlab = m_mnprog->addAction(tr("&Laboratorium"));
    m_mnlab->setObjectName(QStringLiteral("mnlab"));
    m_mnlab->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(m_mnlab, &QAction::triggered, this, &Form1::mnlab_Click);
    m_mnlatihan = m_mnprog->addAction(tr("La&tihan"));
    m_mnlatihan->setObjectName(QStringLiteral("mnlatihan"));
    m_mnlatihan->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(m_mnlatihan, &QAction::triggered, this, &Form1::mnlatihan_Click);
    m_mngantt = m_mnprog->addAction(tr("&Gantt Chart"));
    m_mngantt->setObjectName(QStringLiteral("mngantt"));
    m_mngantt->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    connect(m_mngantt, &QAction::triggered, this, &Form1::mngantt_Click);
    m_mnabout = m_mnprog->addAction(tr("About"));
    m_mnabout->setObjectName(QStringLiteral("mnabout"));
    connect(m_mnabout, &QAction::triggered, this, &Form1::mnabout_Click);
    createLanguageMenu();
}

void Form1::createLanguageMenu()
{
    // The submenu is found by its title in either language, and each language is offered in its
    // own name: these texts are the same whatever the language in force. It follows the windows'
    // items; About stays the menu's last item.
    m_mnbahasa = new QMenu(QStringLiteral("Bahasa / Language"), m_mnprog);
    m_mnprog->insertMenu(m_mnabout, m_mnbahasa);
    m_mnbahasa->setObjectName(QStringLiteral("mnbahasa"));
    auto *group = new QActionGroup(m_mnbahasa);
    group->setExclusive(true);
    m_mnindonesia = m_mnbahasa->addAction(QStringLiteral("Indonesia"));
    m_mnindonesia->setObjectName(QStringLiteral("mnindonesia"));
    m_mnenglish = m_mnbahasa->addAction(QStringLiteral("English"));
    m_mnenglish->setObjectName(QStringLiteral("mnenglish"));
    for (QAction *action : {m_mnindonesia, m_mnenglish}) {
        action->setCheckable(true);
        group->addAction(action);
    }
    m_mnindonesia->setChecked(language::currentLanguage() == language::Language::Indonesian);
    m_mnenglish->setChecked(language::currentLanguage() == language::Language::English);
    connect(m_mnindonesia, &QAction::triggered, this,
            [] { language::setLanguage(language::Language::Indonesian); });
    connect(m_mnenglish, &QAction::triggered, this,
            [] { language::setLanguage(language::Language::English); });
}

void Form1::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QMainWindow::changeEvent(event);
}

void Form1::retranslateUi()
{
    setScrolledTitle(translateLayout(form1layout::kDesignTitle));

    for (const form1layout::ControlRow &row : form1layout::kControls) {
        if (!isTranslatedCaption(row))
            continue;
        QWidget *widget = m_controls.value(toQString(row.name));
        const QString text = translateLayout(row.caption);
        if (auto *frame = qobject_cast<QGroupBox *>(widget))
            frame->setTitle(text);
        else if (auto *label = qobject_cast<QLabel *>(widget))
            label->setText(text);
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            button->setText(text);
    }
    for (const form1layout::ControlRow &row : form1layout::kPushButtons) {
        auto *button = qobject_cast<QPushButton *>(m_controls.value(toQString(row.name)));
        if (!button)
            continue;
        button->setText(translateLayout(row.caption));
        button->setShortcut(QKeySequence());   // the drawn buttons own the access letters
    }
    for (const form1layout::AccessibleNameRow &row : form1layout::kAccessibleNames) {
        if (QWidget *widget = m_controls.value(toQString(row.control)))
            widget->setAccessibleName(translateLayout(row.name));
    }
    for (int i = 0; i < 5; ++i) {
        //: Screen reader name of a detail label; %1 is the process number 1..5.
        m_awtDetail[i]->setAccessibleName(tr("Waiting Time P%1").arg(i + 1));
        //: Screen reader name of a detail label; %1 is the process number 1..5.
        m_turnAround[i]->setAccessibleName(tr("Turn Around P%1").arg(i + 1));
    }
    for (const DrawnButtonTexts &texts : kDrawnButtonTexts) {
        if (XPButtonX *button = m_commandButtons.value(QString::fromLatin1(texts.name))) {
            button->setCaption(tr(texts.caption));
            button->setToolTip(tr(texts.toolTip));
        }
    }

    m_mnprog->setTitle(tr("Program"));
    m_mnlab->setText(tr("&Laboratorium"));
    m_mnlatihan->setText(tr("La&tihan"));
    m_mngantt->setText(tr("&Gantt Chart"));
    m_mnabout->setText(tr("About"));
    m_mnindonesia->setChecked(language::currentLanguage() == language::Language::Indonesian);
    m_mnenglish->setChecked(language::currentLanguage() == language::Language::English);
}

// The title in the language in force, scrolled as far as the shown one has scrolled.
void Form1::setScrolledTitle(const QString &title)
{
    if (title.isEmpty())
        return;
    m_titleShift %= title.size();
    m_savedCaption = title.mid(m_titleShift) + title.left(m_titleShift);
    setWindowTitle(m_savedCaption);
}

void Form1::createTimers()
{
    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(form1layout::kTimer1IntervalMs);
    connect(m_timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);

    m_timer2 = new QTimer(this);
    m_timer2->setObjectName(QStringLiteral("Timer2"));
    m_timer2->setInterval(form1layout::kTimer2IntervalMs);
    connect(m_timer2, &QTimer::timeout, this, &Form1::Timer2_Timer);
    m_timer2->start();
}

void Form1::installKeyFilters()
{
    const KeyPressHandler handlers[11] = {
        nullptr,
        &Form1::Text1_KeyPress, &Form1::Text2_KeyPress, &Form1::Text3_KeyPress,
        &Form1::Text4_KeyPress, &Form1::Text5_KeyPress, &Form1::Text6_KeyPress,
        &Form1::Text7_KeyPress, &Form1::Text8_KeyPress, &Form1::Text9_KeyPress,
        &Form1::Text10_KeyPress,
    };
    for (int i = 1; i <= 10; ++i)
        m_keyPressHandlers.insert(m_text[i], handlers[i]);
    m_keyPressHandlers.insert(m_hasilATT, &Form1::HasilATT_KeyPress);
    m_keyPressHandlers.insert(m_hasilAWT, &Form1::HasilAWT_KeyPress);
    for (auto it = m_keyPressHandlers.cbegin(); it != m_keyPressHandlers.cend(); ++it)
        it.key()->installEventFilter(this);
    // A read-only line edit still offers itself to input methods; the result boxes take no
    // composed text, so they do not ask for any.
    m_hasilAWT->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_hasilATT->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_frame4->installEventFilter(this);
}

void Form1::applyTabOrder()
{
    QWidget *previous = nullptr;
    for (std::string_view name : form1layout::kTabOrder) {
        QWidget *widget = m_controls.value(toQString(name));
        if (!widget)
            continue;   // an owner-drawn button that this window could not create
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
}

void Form1::applyWindowFrame()
{
    // Fixed single border: a minimize box but no maximize box, and no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void Form1::showEvent(QShowEvent *event)
{
    if (!m_centred) {
        m_centred = true;
        if (QScreen *screen = this->screen())
            FrameCentring::centreInside(this, screen->availableGeometry(), sizeHint().expandedTo(size()));
    }
    QMainWindow::showEvent(event);
}

// --- start-up and the Proses command --------------------------------------------------------

bool Form1::Form_Load()
{
    m_savedCaption = windowTitle();
    m_values.buffer = 0;

    engine::BoxTexts boxes;
    for (std::size_t i = 0; i < 5; ++i) {
        boxes.arrival[i] = m_text[kArrivalBoxes[i]]->text().toStdString();
        boxes.burst[i] = m_text[kBurstBoxes[i]]->text().toStdString();
    }
    try {
        m_processes = engine::ProcessSet::read(boxes);
    } catch (const engine::RuntimeError &error) {
        // Any text may reach a box through its context menu; a number that does not fit is
        // reported like every other failure of the numeric rules, never left to crash.
        showFailureMessage(error.number(), error.description());
        return false;
    }

    m_values.stepValue = 0;
    m_values.buffer = 0;
    setTextColor(m_hasilAWT, toQColor(form1layout::kBlack));
    writeBufferText();
    return true;
}

void Form1::writeBufferText()
{
    const QString text = QString::fromStdString(engine::texts::bufferText(m_values.buffer));
    m_hasilATT->setText(text);
    m_hasilAWT->setText(text);
}

void Form1::Command1_Click()
{
    // A click that waited behind the Enter closing a step message arrives inside that message's
    // event loop: the run in progress goes on as if nothing had been pressed.
    if (m_running)
        return;
    const QScopedValueRollback<bool> running(m_running, true);
    clearTimeline();
    if (!Form_Load())
        return;
    m_values.stepValue = 0;
    m_values.buffer = 0;
    if (m_option1->isChecked())
        FCFS();
    else if (m_option2->isChecked())
        SJF();
}

void Form1::FCFS()
{
    startTimeline(engine::Policy::Fcfs);
    engine::runFcfs(m_processes, m_values, *this, decimalSeparator());
}

void Form1::SJF()
{
    startTimeline(engine::Policy::Sjf);
    engine::runSjf(m_processes, m_values, *this, decimalSeparator());
}

std::string Form1::decimalSeparator() const
{
    return QLocale::system().decimalPoint().toStdString();
}

// --- Reset and Close ------------------------------------------------------------------------

void Form1::Command3_Click()
{
    if (m_running)
        return;   // Reset waits for the run in progress, whichever way it was pressed
    for (int box : {1, 2, 3, 4, 10, 5, 6, 7, 8, 9})
        m_text[box]->setText(QStringLiteral("0"));
    for (int i = 0; i < 5; ++i)
        showDetail(m_awtDetail[i], QString::fromStdString(engine::texts::detailCaption(i, 0)));
    for (int i = 0; i < 5; ++i)
        showDetail(m_turnAround[i], QString::fromStdString(engine::texts::detailCaption(i, 0)));
    m_values.stepValue = 0;
    m_values.buffer = 0;
    const QString result =
        QString::fromStdString(engine::texts::resultText(m_values.buffer, decimalSeparator()));
    m_hasilATT->setText(result);
    m_hasilAWT->setText(result);
    clearTimeline();
}

void Form1::Command2_Click()
{
    m_timer1->stop();
    m_timer2->stop();
    endProgramNow();
}

// --- other commands ---------------------------------------------------------------------------

void Form1::Frame4_DblClick()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kAuthorsPage)));
}

void Form1::mnabout_Click()
{
    frmAbout::showInstance(backColor());
}

void Form1::mnlab_Click()
{
    // Created on first use only, like the chart window; it keeps its table while the program runs.
    if (!m_lab)
        m_lab = new SchedulingLab(backColor());
    m_lab->bringForward();
}

void Form1::mnlatihan_Click()
{
    // Created on first use only; "Buka di Laboratorium" opens its exercise in the one laboratory.
    if (!m_latihan) {
        m_latihan = new PracticeWindow(backColor());
        connect(m_latihan, &PracticeWindow::laboratoryRequested, this,
                [this](const lab::Workload &workload, const lab::Settings &settings) {
                    mnlab_Click();
                    m_lab->loadProblem(workload, settings);
                });
    }
    m_latihan->bringForward();
}

void Form1::mngantt_Click()
{
    // Created on first use only, so that start-up does not pay for it.
    if (!m_gantt)
        m_gantt = new frmGantt(*this, this);   // a companion, kept above this window
    m_gantt->bringForward();
}

void Form1::CMBPrint_Click()
{
    Form2::showInstance(this);
}

void Form1::CMBSimpan_Click()
{
    report::saveTextReport(this, *this);
}

report::ReportTexts Form1::reportTexts() const
{
    report::ReportTexts texts;
    if (m_option1->isChecked())
        texts.policy = report::Policy::Fcfs;
    else if (m_option2->isChecked())
        texts.policy = report::Policy::Sjf;
    for (std::size_t i = 0; i < 5; ++i) {
        texts.arrival[i] = m_text[kArrivalBoxes[i]]->text();
        texts.burst[i] = m_text[kBurstBoxes[i]]->text();
        texts.waiting[i] = m_awtDetail[i]->text();
        texts.turnaround[i] = m_turnAround[i]->text();
    }
    texts.averageWaiting = m_hasilAWT->text();
    texts.averageTurnaround = m_hasilATT->text();
    return texts;
}

// --- timers -----------------------------------------------------------------------------------

void Form1::Timer1_Timer()
{
    const QColor current = m_hasilAWT->palette().color(QPalette::Text);
    const QColor black = toQColor(form1layout::kBlack);
    const QColor red = toQColor(form1layout::kRed);
    if (current == black)
        setTextColor(m_hasilAWT, red);
    else if (current == red)
        setTextColor(m_hasilAWT, black);
}

void Form1::Timer2_Timer()
{
    if (m_savedCaption.isEmpty())
        return;
    m_savedCaption = m_savedCaption.mid(1) + m_savedCaption.at(0);
    m_titleShift = (m_titleShift + 1) % m_savedCaption.size();
    setWindowTitle(m_savedCaption);
}

// A detail label's text; a screen reader, which reads a label by its name, hears it as the
// label's description.
void Form1::showDetail(QLabel *label, const QString &text)
{
    label->setText(text);
    label->setAccessibleDescription(text);
}

void Form1::setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

void Form1::setBaseColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, color);
    widget->setPalette(palette);
}

// --- key filters ------------------------------------------------------------------------------

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_frame4) {
        if (event->type() == QEvent::MouseButtonDblClick) {
            // A double click that a button let through arrives here too; only the frame's
            // own surface opens the page.
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (!m_frame4->childAt(mouse->position().toPoint()))
                Frame4_DblClick();
        }
        return QMainWindow::eventFilter(watched, event);
    }
    auto *box = qobject_cast<QLineEdit *>(watched);
    if (box && m_keyPressHandlers.contains(box)) {
        if (event->type() == QEvent::KeyPress)
            return handleBoxKey(box, static_cast<QKeyEvent *>(event));
        if (event->type() == QEvent::InputMethod)
            return handleComposedText(box, static_cast<QInputMethodEvent *>(event));
    }
    return QMainWindow::eventFilter(watched, event);
}

bool Form1::handleBoxKey(QLineEdit *box, QKeyEvent *event)
{
    if (box == m_text[1]) {
        std::int16_t keyCode = keycodes::keyCode(*event);
        std::int16_t shift = keycodes::shiftState(event->modifiers());
        Text1_KeyDown(keyCode, shift);
    }

    const std::optional<std::int16_t> code = keycodes::characterCode(*event);
    if (!code) {
        if (box->isReadOnly())
            return false;
        // No character reaches an input box except through its key filter: an Alt
        // combination that the box would type, or a paste from the keyboard, is dropped.
        const bool altText = (event->modifiers() & Qt::AltModifier) && !event->text().isEmpty();
        return altText || event->matches(QKeySequence::Paste);
    }

    std::int16_t keyAscii = *code;
    (this->*m_keyPressHandlers.value(box))(keyAscii);
    return keyAscii == 0;
}

// Text from a dead key or an input method arrives committed, without key presses: each of its
// characters goes through the box's key handler as if typed. The first refused character ends
// the commit (its Warning has been shown); the characters before it are inserted.
bool Form1::handleComposedText(QLineEdit *box, QInputMethodEvent *event)
{
    const QString committed = event->commitString();
    if (box->isReadOnly()) {
        if (!committed.isEmpty()) {
            std::int16_t keyAscii = static_cast<std::int16_t>(committed.at(0).unicode());
            (this->*m_keyPressHandlers.value(box))(keyAscii);
        }
        return true;   // not even a composition shows in a result box
    }
    if (committed.isEmpty())
        return false;

    QString accepted;
    for (const QChar character : committed) {
        // Control characters come with no key of their own; they are dropped as typed ones are.
        if (character.unicode() < 32)
            continue;
        std::int16_t keyAscii = static_cast<std::int16_t>(character.unicode());
        (this->*m_keyPressHandlers.value(box))(keyAscii);
        if (keyAscii == 0)
            break;
        accepted += character;
    }
    if (accepted == committed)
        return false;
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(accepted, event->replacementStart(), event->replacementLength());
    QCoreApplication::sendEvent(box, &filtered);
    return true;
}

void Form1::filterInputKey(std::int16_t &KeyAscii, QLineEdit *next)
{
    const bool digit = KeyAscii >= keycodes::kDigitZero && KeyAscii <= keycodes::kDigitNine;
    if (!digit && KeyAscii != keycodes::kBackspace && KeyAscii != keycodes::kEnter) {
        platform::showMessage(this, tr(kRefusedCharacterText), tr(kRefusedCharacterTitle),
                              platform::MessageIcon::Critical);
        KeyAscii = 0;
    }
    if (KeyAscii != keycodes::kEnter)
        return;
    if (next) {
        // As Tab does: what the user types next replaces the box's text.
        next->setFocus(Qt::OtherFocusReason);
        next->selectAll();
        return;
    }
    m_command1->setFocus(Qt::OtherFocusReason);
    if (XPButtonX *proses = m_commandButtons.value(QStringLiteral("XPButton1")))
        proses->setFocus(Qt::OtherFocusReason);
    platform::showMessage(this, tr(kClickProsesNotice), platform::applicationTitle(),
                          platform::MessageIcon::Critical);
}

void Form1::Text1_KeyPress(std::int16_t &KeyAscii) { filterInputKey(KeyAscii, m_text[2]); }
void Form1::Text2_KeyPress(std::int16_t &KeyAscii) { filterInputKey(KeyAscii, m_text[3]); }
void Form1::Text3_KeyPress(std::int16_t &KeyAscii) { filterInputKey(KeyAscii, m_text[4]); }
void Form1::Text4_KeyPress(std::int16_t &KeyAscii) { filterInputKey(KeyAscii, m_text[10]); }
void Form1::Text10_KeyPress(std::int16_t &KeyAscii) { filterInputKey(KeyAscii, m_text[5]); }
void Form1::Text5_KeyPress(std::int16_t &KeyAscii) { filterInputKey(KeyAscii, m_text[6]); }
void Form1::Text6_KeyPress(std::int16_t &KeyAscii) { filterInputKey(KeyAscii, m_text[7]); }
void Form1::Text7_KeyPress(std::int16_t &KeyAscii) { filterInputKey(KeyAscii, m_text[8]); }
void Form1::Text8_KeyPress(std::int16_t &KeyAscii) { filterInputKey(KeyAscii, m_text[9]); }
void Form1::Text9_KeyPress(std::int16_t &KeyAscii) { filterInputKey(KeyAscii, nullptr); }

void Form1::Text1_KeyDown(std::int16_t &KeyCode, std::int16_t &Shift)
{
    Q_UNUSED(KeyCode);
    Q_UNUSED(Shift);
    setBaseColor(m_text[1], toQColor(form1layout::kWhite));
}

void Form1::showResultBoxNotice()
{
    platform::showMessage(this, tr(kResultBoxNotice), platform::applicationTitle(),
                          platform::MessageIcon::None);
}

void Form1::HasilATT_KeyPress(std::int16_t &KeyAscii)
{
    Q_UNUSED(KeyAscii);
    showResultBoxNotice();
}

void Form1::HasilAWT_KeyPress(std::int16_t &KeyAscii)
{
    Q_UNUSED(KeyAscii);
    showResultBoxNotice();
}

// --- engine::ScheduleSink ---------------------------------------------------------------------

void Form1::setWaitingCaption(int index, const std::string &caption)
{
    if (index >= 0 && index < 5)
        showDetail(m_awtDetail[index], QString::fromStdString(caption));
}

void Form1::setTurnaroundCaption(int index, const std::string &caption)
{
    if (index >= 0 && index < 5)
        showDetail(m_turnAround[index], QString::fromStdString(caption));
}

void Form1::setWaitingResult(const std::string &text)
{
    m_hasilAWT->setText(QString::fromStdString(text));
    m_timeline.waitingResult = text;
    timelineChanged();
}

void Form1::setTurnaroundResult(const std::string &text)
{
    m_hasilATT->setText(QString::fromStdString(text));
    m_timeline.turnaroundResult = text;
    timelineChanged();
}

bool Form1::stepMessagesWanted()
{
    // The greyed state counts as not ticked.
    return m_check1->checkState() == Qt::Checked;
}

void Form1::showStepMessage(const std::string &text)
{
    platform::showMessage(this, QString::fromStdString(text), platform::applicationTitle(),
                          platform::MessageIcon::None);
}

void Form1::refuseSchedule(const std::string &title, const std::string & /* the engine's wording */)
{
    clearTimeline();
    // The refusal of a first process that arrives after 0, in the window's language with the
    // arrival as the engine words it.
    const std::string arrival = engine::numeric::format(m_processes.arrival(1), decimalSeparator());
    //: A refused schedule; %1 is the first process's arrival time.
    const QString shown = tr("Schedule tidak dapat diproses karena proses pertama di mulai dari ( %1 ) !")
                              .arg(QString::fromStdString(arrival));
    platform::showMessage(this, shown, tr(title.c_str()), platform::MessageIcon::Exclamation);
    m_text[1]->setFocus(Qt::OtherFocusReason);
    m_text[1]->selectAll();
    setBaseColor(m_text[1], toQColor(form1layout::kRed));
}

void Form1::showFatalError(int number, const std::string &description)
{
    // The chart shows the run as far as it went, titled with why it stopped, behind the message.
    m_timeline.stoppedBy = description;
    timelineChanged();
    showFailureMessage(number, description);
}

void Form1::showFailureMessage(int number, const std::string &description)
{
    //: A failure of the computation; %1 is the error number, %2 its description.
    const QString shown = tr("Program error !!. Error Number : %1\r\nDekripsi Error : %2")
                              .arg(number)
                              .arg(QString::fromStdString(description));
    platform::showMessage(this, shown, tr(engine::texts::kFatalErrorTitle.data()),
                          platform::MessageIcon::Critical);
}

void Form1::enableBlinkTimer()
{
    // Enabling a running timer changes nothing; a restart would shift the blink's rhythm.
    if (!m_timer1->isActive())
        m_timer1->start();
}


void Form1::processScheduled(int index, double start, double finish)
{
    m_timeline.bars.push_back(engine::TimelineBar{index, start, finish});
    timelineChanged();
}

// --- gantt::TimelineSource ----------------------------------------------------------------------

const engine::Timeline &Form1::lastTimeline() const
{
    return m_timeline;
}

std::optional<gantt::RunInputs> Form1::lastRunInputs() const
{
    return m_lastRun;
}

void Form1::startTimeline(engine::Policy policy)
{
    m_timeline = engine::Timeline();
    m_lastRun = gantt::RunInputs{m_processes, policy, decimalSeparator()};
    timelineChanged();
}

void Form1::clearTimeline()
{
    m_timeline = engine::Timeline();
    m_lastRun.reset();
    timelineChanged();
}

void Form1::timelineChanged()
{
    if (m_gantt)
        m_gantt->timelineChanged();
}
