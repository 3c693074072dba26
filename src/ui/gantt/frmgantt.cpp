#include "ui/gantt/frmgantt.h"

#include "ui/language.h"

#include "platform/framecentring.h"
#include "platform/messagebox.h"
#include "ui/button/buttonform.h"
#include "ui/button/xpbuttonx.h"
#include "ui/gantt/companionplacement.h"
#include "ui/gantt/ganttchart.h"
#include "ui/gantt/ganttlayout.h"
#include "ui/gantt/ganttpicture.h"
#include "ui/gantt/timelinesource.h"
#include "ui/report/textreport.h"
#include "ui/windowrole.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QScreen>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>

namespace {

using namespace ganttlayout;
using formunits::toQString;

const QString kIconResource = QStringLiteral(":/icons/quorvel.png");
const QString kButtonResource = QStringLiteral(":/forms/frmgantt.frm");

QString policyName(engine::Policy policy)
{
    return toQString(policy == engine::Policy::Fcfs ? kFcfsName : kSjfName);
}

QString translated(const char *text)
{
    return QCoreApplication::translate("frmGantt", text);
}

// The drawn buttons' captions as stored in frmgantt.frm.
struct DrawnButtonText {
    const char *name;
    const char *caption;
};
constexpr DrawnButtonText kDrawnButtonTexts[] = {
    //: Copies the chart picture to the clipboard.
    {"CMBSalin", QT_TRANSLATE_NOOP("frmGantt", "&Salin")},
    //: Saves the chart picture to a file.
    {"CMBSimpanGambar", QT_TRANSLATE_NOOP("frmGantt", "Simpan &Gambar")},
    {"CMBClose", QT_TRANSLATE_NOOP("frmGantt", "&Close")},
};

// The policy, then each average as the run wrote it, once it has; a run stopped by a failure
// says so.
QString chartTitle(engine::Policy policy, const engine::Timeline &timeline)
{
    QString title = policyName(policy);
    if (!timeline.waitingResult.empty()) {
        title += QStringLiteral("   ") + ganttlayout::text(kWaitingAverageLabel) + QStringLiteral(": ")
            + QString::fromStdString(timeline.waitingResult);
    }
    if (!timeline.turnaroundResult.empty()) {
        title += QStringLiteral("   ") + ganttlayout::text(kTurnaroundAverageLabel) + QStringLiteral(": ")
            + QString::fromStdString(timeline.turnaroundResult);
    }
    if (!timeline.stoppedBy.empty())
        //: A chart title of a stopped run: %1 the title so far, %2 the failure (such as Overflow).
        title = translated(QT_TRANSLATE_NOOP("frmGantt", "%1   dihentikan: %2")).arg(title, QString::fromStdString(timeline.stoppedBy));
    return title;
}

// What a screen reader says of a chart: which chart, its policy, its averages or its failure.
QString chartName(const QString &chart, engine::Policy policy, const engine::Timeline &timeline)
{
    //: Screen reader name of a chart: %1 which chart, %2 its policy.
    QString name = translated(QT_TRANSLATE_NOOP("frmGantt", "%1 %2")).arg(chart, policyName(policy));
    if (!timeline.waitingResult.empty())
        //: Screen reader name of a chart, continued: %1 the name so far, %2 the average waiting time.
        name = translated(QT_TRANSLATE_NOOP("frmGantt", "%1, Awaiting Time %2")).arg(name, QString::fromStdString(timeline.waitingResult));
    if (!timeline.turnaroundResult.empty())
        //: Screen reader name of a chart, continued: %1 the name so far, %2 the average turnaround.
        name = translated(QT_TRANSLATE_NOOP("frmGantt", "%1, Turn Around %2")).arg(name, QString::fromStdString(timeline.turnaroundResult));
    if (!timeline.stoppedBy.empty())
        //: Screen reader name of a stopped run: %1 the name so far, %2 the failure.
        name = translated(QT_TRANSLATE_NOOP("frmGantt", "%1, dihentikan: %2")).arg(name, QString::fromStdString(timeline.stoppedBy));
    return name;
}

// What the window leaves with its owner for the next one: kept while the owner lives.
class WindowMemory : public QObject {
public:
    explicit WindowMemory(QObject *owner) : QObject(owner) {}

    static WindowMemory *of(QObject *owner, bool create)
    {
        if (!owner)
            return nullptr;
        for (QObject *child : owner->children()) {
            if (auto *memory = dynamic_cast<WindowMemory *>(child))
                return memory;
        }
        return create ? new WindowMemory(owner) : nullptr;
    }

    QRect frame;     // the whole frame, title bar included
    QSize client;
    bool compare = false;
};

} // namespace

frmGantt::frmGantt(gantt::TimelineSource &source, QWidget *owner)
    : QWidget(owner, Qt::Window),
      m_source(source),
      m_pictureFileQuestion(gantt::askPictureFile)
{
    createWindow();
    createControls();
    createButtons();
    layOutControls();
    if (const WindowMemory *memory = WindowMemory::of(owner, false))
        m_chkCompare->setChecked(memory->compare);
    // The stored properties hold the Indonesian captions already.
    if (language::currentLanguage() != language::Language::Indonesian)
        retranslateUi();
    timelineChanged();
}

void frmGantt::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi();
        // The charts' titles, names and legends are laid out again in the new language.
        timelineChanged();
    }
    QWidget::changeEvent(event);
}

void frmGantt::retranslateUi()
{
    setWindowTitle(ganttlayout::text(kWindowTitle));
    m_chkCompare->setText(ganttlayout::text(kCompareCaption));
    for (const DrawnButtonText &text : kDrawnButtonTexts) {
        for (XPButtonX *button : std::as_const(m_buttonOrder)) {
            if (button->objectName() == QLatin1String(text.name))
                button->setCaption(translated(text.caption));
        }
    }
}

frmGantt::~frmGantt() = default;

// --- construction ---------------------------------------------------------------------------

void frmGantt::createWindow()
{
    setObjectName(QStringLiteral("frmGantt"));
    setWindowTitle(ganttlayout::text(kWindowTitle));
    setWindowIcon(QIcon(kIconResource));
    windowrole::announceAs(this, QAccessible::Window);
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, m_source.backColor());
    setPalette(windowPalette);
    setAutoFillBackground(true);
}

void frmGantt::createControls()
{
    m_chart = new gantt::GanttChart(this);
    m_chart->setObjectName(QStringLiteral("GanttChart"));
    m_chart->setAccessibleName(ganttlayout::text(kChartName));
    m_chart->setFocusPolicy(Qt::StrongFocus);

    m_chartOther = new gantt::GanttChart(this);
    m_chartOther->setObjectName(QStringLiteral("GanttChartOther"));
    m_chartOther->setAccessibleName(ganttlayout::text(kOtherChartName));
    m_chartOther->setFocusPolicy(Qt::StrongFocus);
    m_chartOther->hide();

    m_chkCompare = new QCheckBox(ganttlayout::text(kCompareCaption), this);
    m_chkCompare->setObjectName(QStringLiteral("chkCompare"));
    QFont font(toQString(kFontFamily));
    font.setPointSizeF(kFontPointSize);
    m_chkCompare->setFont(font);
    connect(m_chkCompare, &QCheckBox::toggled, this, &frmGantt::chkCompare_Click);
}

void frmGantt::createButtons()
{
    const QHash<QString, XPButtonX *> buttons = loadFormButtons(this, kButtonResource);
    const struct {
        const char *name;
        void (frmGantt::*handler)();
    } clicks[] = {
        {"CMBSalin", &frmGantt::CMBSalin_Click},
        {"CMBSimpanGambar", &frmGantt::CMBSimpanGambar_Click},
        {"CMBClose", &frmGantt::CMBClose_Click},
    };
    for (const auto &click : clicks) {
        XPButtonX *button = buttons.value(QString::fromLatin1(click.name));
        if (!button)
            continue;
        // The stored size stays; the layout places the buttons as the window is resized.
        button->setFixedSize(button->size());
        connect(button, &XPButtonX::Click, this, click.handler);
        m_buttonOrder.append(button);
    }
}

// The charts fill the window; the check box and the buttons form the row under them.
void frmGantt::layOutControls()
{
    auto *window = new QVBoxLayout(this);
    window->setContentsMargins(kWindowMargin, kWindowMargin, kWindowMargin, kWindowMargin);
    window->setSpacing(kWindowSpacing);
    window->addWidget(m_chart, 1);
    window->addWidget(m_chartOther, 1);

    auto *row = new QHBoxLayout;
    row->setSpacing(kWindowSpacing);
    row->addWidget(m_chkCompare);
    row->addStretch(1);
    // The charts first: a screen reader reaches each by Tab and reads its name.
    setTabOrder(m_chart, m_chartOther);
    setTabOrder(m_chartOther, m_chkCompare);
    QWidget *previous = m_chkCompare;
    for (XPButtonX *button : std::as_const(m_buttonOrder)) {
        row->addWidget(button);
        setTabOrder(previous, button);
        previous = button;
    }
    window->addLayout(row);
}

QRect frmGantt::availableArea() const
{
    const QWidget *owner = parentWidget();
    const QScreen *screen = owner && owner->screen() ? owner->screen() : this->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// Beside the owner, where the run can be watched while the owner's buttons are used; centred
// without an owner on screen.
void frmGantt::placeOnScreen()
{
    const QRect area = availableArea();
    if (area.isEmpty())
        return;
    const QWidget *owner = parentWidget();
    if (!owner || !owner->isVisible()) {
        FrameCentring::centre(this, area);
        return;
    }
    const QMargins margins = FrameCentring::expectedFrameMargins(this);
    const QSize frame = size().grownBy(margins);
    const QRect target = companion::placeBeside(owner->frameGeometry(), frame, area,
                                                minimumSizeHint().grownBy(margins));
    // A window larger than the area is made to fit it.
    if (target.size() != frame)
        resize(target.size().shrunkBy(margins).expandedTo(minimumSizeHint()));
    restorePlace(target);
}

// Puts the whole frame at that place, inside the available area.
void frmGantt::restorePlace(const QRect &frame)
{
    const QRect inside = companion::keepInside(frame, availableArea());
    FrameCentring::centre(this, inside, size());
}

void frmGantt::bringForward()
{
    if (!m_placed) {
        m_placed = true;
        const WindowMemory *memory = WindowMemory::of(parentWidget(), false);
        if (memory && memory->client.isValid()) {
            // Where the user left the previous one, as large as it was.
            resize(memory->client);
            show();
            restorePlace(memory->frame);
        } else {
            show();
            placeOnScreen();
        }
    } else {
        show();
    }
    raise();
    activateWindow();
}

// --- what the charts show ---------------------------------------------------------------------

void frmGantt::timelineChanged()
{
    showLastRun();
    showOtherPolicy();
}

void frmGantt::showLastRun()
{
    const std::optional<gantt::RunInputs> inputs = m_source.lastRunInputs();
    if (!inputs) {
        m_chart->showNothing();
        m_chart->setAccessibleName(ganttlayout::text(kChartName));
        return;
    }
    const engine::Timeline &timeline = m_source.lastTimeline();
    m_chart->showRun(chartTitle(inputs->policy, timeline), timeline, inputs->processes);
    m_chart->setAccessibleName(chartName(ganttlayout::text(kChartName), inputs->policy, timeline));
}

void frmGantt::showOtherPolicy()
{
    if (!m_chkCompare->isChecked())
        return;
    const std::optional<gantt::RunInputs> inputs = m_source.lastRunInputs();
    if (!inputs) {
        m_chartOther->showNothing();
        m_chartOther->setAccessibleName(ganttlayout::text(kOtherChartName));
        return;
    }
    // Computed apart from the run: the main window hears nothing of it.
    const engine::Policy other = engine::otherPolicy(inputs->policy);
    const engine::Timeline timeline =
        engine::computeTimeline(other, inputs->processes, inputs->decimalSeparator);
    m_chartOther->showRun(chartTitle(other, timeline), timeline, inputs->processes);
    m_chartOther->setAccessibleName(chartName(ganttlayout::text(kOtherChartName), other, timeline));
}

QList<const gantt::GanttChart *> frmGantt::visibleCharts() const
{
    QList<const gantt::GanttChart *> charts{m_chart};
    if (m_chkCompare->isChecked())
        charts.append(m_chartOther);
    return charts;
}

// --- handlers ---------------------------------------------------------------------------------

void frmGantt::chkCompare_Click()
{
    const bool compare = m_chkCompare->isChecked();
    if (compare)
        showOtherPolicy();
    else
        m_chartOther->showNothing();
    m_chartOther->setVisible(compare);
}

void frmGantt::CMBSalin_Click()
{
    const gantt::GanttPicture picture(visibleCharts());
    QGuiApplication::clipboard()->setImage(picture.toImage(devicePixelRatioF()));
}

void frmGantt::CMBSimpanGambar_Click()
{
    const QString suggested = QDir(gantt::picturesFolder()).filePath(suggestedPictureName());
    const QString path = m_pictureFileQuestion(this, suggested);
    if (path.isEmpty())
        return;
    if (!gantt::GanttPicture(visibleCharts()).save(path, devicePixelRatioF(), nullptr)) {
        platform::showMessage(this, ganttlayout::text(kSaveFailed) + QDir::toNativeSeparators(path),
                              platform::applicationTitle(), platform::MessageIcon::Critical);
    }
}

void frmGantt::CMBClose_Click()
{
    close();
}

void frmGantt::setPictureFileQuestion(PictureFileQuestion question)
{
    m_pictureFileQuestion = question ? std::move(question) : PictureFileQuestion(gantt::askPictureFile);
}

QString frmGantt::suggestedPictureName()
{
    return toQString(kPictureNamePrefix) + report::textReportStamp(QDateTime::currentDateTime())
        + QStringLiteral(".png");
}

void frmGantt::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (!event->isAccepted())
        return;
    if (WindowMemory *memory = WindowMemory::of(parentWidget(), true)) {
        memory->frame = frameGeometry();
        memory->client = size();
        memory->compare = m_chkCompare->isChecked();
    }
    // Gone once the event loop runs again, unless it was opened again before: a close followed
    // at once by the menu item leaves this window shown.
    const QPointer<frmGantt> window(this);
    QTimer::singleShot(0, qApp, [window] {
        if (window && !window->isVisible())
            delete window.data();
    });
}

void frmGantt::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
