#include "ui/gantt/frmgantt.h"

#include "platform/framecentring.h"
#include "platform/messagebox.h"
#include "ui/button/buttonform.h"
#include "ui/button/xpbuttonx.h"
#include "ui/gantt/ganttchart.h"
#include "ui/gantt/ganttlayout.h"
#include "ui/gantt/ganttpicture.h"
#include "ui/gantt/timelinesource.h"
#include "ui/report/textreport.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QScreen>
#include <QStandardPaths>
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

// The policy, then each average as the run wrote it, once it has.
QString chartTitle(engine::Policy policy, const engine::Timeline &timeline)
{
    QString title = policyName(policy);
    if (!timeline.waitingResult.empty()) {
        title += QStringLiteral("   ") + toQString(kWaitingAverageLabel) + QStringLiteral(": ")
            + QString::fromStdString(timeline.waitingResult);
    }
    if (!timeline.turnaroundResult.empty()) {
        title += QStringLiteral("   ") + toQString(kTurnaroundAverageLabel) + QStringLiteral(": ")
            + QString::fromStdString(timeline.turnaroundResult);
    }
    return title;
}

// The picture goes where pictures go, else into the home folder.
QString pictureFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return pictures.isEmpty() ? QDir::homePath() : pictures;
}

QString askPictureFile(QWidget *parent, const QString &suggested)
{
    const QString png = toQString(kPngFilter);
    const QString svg = toQString(kSvgFilter);
    QString chosenFilter = png;
    QString path = QFileDialog::getSaveFileName(parent, toQString(kSaveDialogTitle), suggested,
                                                png + QStringLiteral(";;") + svg, &chosenFilter);
    // A name typed without its ending takes the one of the chosen type.
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += chosenFilter == svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    return path;
}

} // namespace

frmGantt::frmGantt(gantt::TimelineSource &source)
    : QWidget(nullptr, Qt::Window),
      m_source(source),
      m_pictureFileQuestion(askPictureFile)
{
    createWindow();
    createControls();
    createButtons();
    layOutControls();
    timelineChanged();
}

frmGantt::~frmGantt() = default;

// --- construction ---------------------------------------------------------------------------

void frmGantt::createWindow()
{
    setObjectName(QStringLiteral("frmGantt"));
    setWindowTitle(toQString(kWindowTitle));
    setWindowIcon(QIcon(kIconResource));
    setAttribute(Qt::WA_DeleteOnClose);
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, m_source.backColor());
    setPalette(windowPalette);
    setAutoFillBackground(true);
}

void frmGantt::createControls()
{
    m_chart = new gantt::GanttChart(this);
    m_chart->setObjectName(QStringLiteral("GanttChart"));
    m_chart->setAccessibleName(toQString(kChartName));

    m_chartOther = new gantt::GanttChart(this);
    m_chartOther->setObjectName(QStringLiteral("GanttChartOther"));
    m_chartOther->setAccessibleName(toQString(kOtherChartName));
    m_chartOther->hide();

    m_chkCompare = new QCheckBox(toQString(kCompareCaption), this);
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
    QWidget *previous = m_chkCompare;
    for (XPButtonX *button : std::as_const(m_buttonOrder)) {
        row->addWidget(button);
        setTabOrder(previous, button);
        previous = button;
    }
    window->addLayout(row);
}

void frmGantt::placeOnScreen()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    FrameCentring::centre(this, screen->availableGeometry());
}

void frmGantt::bringForward()
{
    show();
    // Centred once its frame is known; a window shown again stays where the user left it.
    if (!m_placed) {
        m_placed = true;
        placeOnScreen();
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
        return;
    }
    const engine::Timeline &timeline = m_source.lastTimeline();
    m_chart->showRun(chartTitle(inputs->policy, timeline), timeline, inputs->processes);
}

void frmGantt::showOtherPolicy()
{
    if (!m_chkCompare->isChecked())
        return;
    const std::optional<gantt::RunInputs> inputs = m_source.lastRunInputs();
    if (!inputs) {
        m_chartOther->showNothing();
        return;
    }
    // Computed apart from the run: the main window hears nothing of it.
    const engine::Policy other = engine::otherPolicy(inputs->policy);
    const engine::Timeline timeline =
        engine::computeTimeline(other, inputs->processes, inputs->decimalSeparator);
    m_chartOther->showRun(chartTitle(other, timeline), timeline, inputs->processes);
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
    const QString suggested = QDir(pictureFolder()).filePath(suggestedPictureName());
    const QString path = m_pictureFileQuestion(this, suggested);
    if (path.isEmpty())
        return;
    if (!gantt::GanttPicture(visibleCharts()).save(path, devicePixelRatioF(), nullptr)) {
        platform::showMessage(this, toQString(kSaveFailed) + QDir::toNativeSeparators(path),
                              platform::applicationTitle(), platform::MessageIcon::Critical);
    }
}

void frmGantt::CMBClose_Click()
{
    close();
}

void frmGantt::setPictureFileQuestion(PictureFileQuestion question)
{
    m_pictureFileQuestion = question ? std::move(question) : PictureFileQuestion(askPictureFile);
}

QString frmGantt::suggestedPictureName()
{
    return toQString(kPictureNamePrefix) + report::textReportStamp(QDateTime::currentDateTime())
        + QStringLiteral(".png");
}

void frmGantt::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
