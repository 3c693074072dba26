#include "ui/report/form2.h"

#include "ui/language.h"

#include "platform/framecentring.h"
#include "platform/messagebox.h"
#include "platform/printerinfo.h"
#include "platform/reportprinter.h"
#include "ui/button/buttonform.h"
#include "ui/button/xpbuttonx.h"
#include "ui/formunits.h"
#include "ui/report/printedreport.h"
#include "ui/report/reportsource.h"
#include "ui/windowrole.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QIcon>
#include <QListWidget>
#include <QScreen>

namespace {

using formunits::toPixels;

// Positions and sizes in twips, as the window was laid out.
struct Layout {
    static constexpr int clientWidth = 4860;
    static constexpr int clientHeight = 3885;
    static constexpr int listLeft = 120;
    static constexpr int listTop = 480;
    static constexpr int listWidth = 4575;
    static constexpr int listHeight = 2400;
};

const QColor listTextColor(0, 0, 192);
const QString listFontFamily = QStringLiteral("Verdana");
constexpr qreal listFontPoints = 8.25;
const QString reportFontFamily = QStringLiteral("Verdana");
constexpr qreal reportFontPoints = 9;

// What assistive technology reads for the list, which has no caption of its own.
const char *const listAccessibleName = QT_TRANSLATE_NOOP("Form2", "Default Printer");

const char *const noPrinterText = QT_TRANSLATE_NOOP("Form2", "Tidak ditemukan printer terpasang di Sistem Anda");
const char *const printFailedText = QT_TRANSLATE_NOOP("Form2", "Ada masalah dengan printer Anda pencetakan dibatalkan");

// The printer's details in the list, each a label followed by what the printer says.
//: Followed by the default printer's name.
const char *const printerNameLabel = QT_TRANSLATE_NOOP("Form2", "Nama Printer Default : ");
//: Followed by the port or address of the printer.
const char *const printerPortLabel = QT_TRANSLATE_NOOP("Form2", "Di Port : ");
//: Followed by the printer's driver (make and model).
const char *const printerDriverLabel = QT_TRANSLATE_NOOP("Form2", "Driver : ");
//: Followed by the printer's colour mode as a number.
const char *const printerColorLabel = QT_TRANSLATE_NOOP("Form2", "Color Mode ");

// The drawn buttons' captions as stored in form2.frm.
struct DrawnButtonText {
    const char *name;
    const char *caption;
};
constexpr DrawnButtonText drawnButtonTexts[] = {
    {"XPButtonX1", QT_TRANSLATE_NOOP("Form2", "&Print Now")},
    {"XPButtonX2", QT_TRANSLATE_NOOP("Form2", "&Cancel")},
};

} // namespace

QPointer<Form2> Form2::s_instance;

Form2::Form2(const report::ReportSource *source)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_source(source)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Print"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/quorvel.png")));
    setAttribute(Qt::WA_DeleteOnClose);
    windowrole::announceAs(this, QAccessible::Dialog);
    setFixedSize(toPixels(Layout::clientWidth), toPixels(Layout::clientHeight));
    createControls();
}

Form2::~Form2() = default;

void Form2::createControls()
{
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(tr(listAccessibleName));
    List1->setGeometry(toPixels(Layout::listLeft), toPixels(Layout::listTop),
                       toPixels(Layout::listWidth), toPixels(Layout::listHeight));
    QFont listFont(listFontFamily);
    listFont.setPointSizeF(listFontPoints);
    List1->setFont(listFont);
    QPalette listPalette = List1->palette();
    listPalette.setColor(QPalette::Text, listTextColor);
    List1->setPalette(listPalette);

    const auto buttons = loadFormButtons(this, QStringLiteral(":/forms/form2.frm"));
    XPButtonX1 = buttons.value(QStringLiteral("XPButtonX1"));
    XPButtonX2 = buttons.value(QStringLiteral("XPButtonX2"));
    Q_ASSERT(XPButtonX1 && XPButtonX2);
    connect(XPButtonX1, &XPButtonX::Click, this, &Form2::XPButtonX1_Click);
    connect(XPButtonX2, &XPButtonX::Click, this, &Form2::XPButtonX2_Click);

    setTabOrder(List1, XPButtonX1);
    setTabOrder(XPButtonX1, XPButtonX2);
    // The stored properties hold the Indonesian texts already.
    if (language::currentLanguage() != language::Language::Indonesian)
        retranslateUi();
}

void Form2::placeOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    FrameCentring::centre(this, screen->geometry());
}

Form2 *Form2::instance()
{
    return s_instance.data();
}

Form2 *Form2::showInstance(const report::ReportSource *source)
{
    const bool created = !s_instance;
    if (created) {
        s_instance = new Form2(source);
        s_instance->Form_Load();
        // Closed while its no-printer message was open (assistive technology reaches a window
        // before it is shown): it stays closed.
        if (!s_instance)
            return nullptr;
    }
    s_instance->show();
    // Centred once its frame is known; a window shown again stays where the user left it.
    if (created)
        s_instance->placeOnScreen();
    s_instance->raise();
    s_instance->activateWindow();
    return s_instance.data();
}

void Form2::reportLoadFailure()
{
    platform::showMessage(this, tr(noPrinterText), platform::applicationTitle(),
                          platform::MessageIcon::Critical);
}

void Form2::reportPrintFailure()
{
    platform::showMessage(this, tr(printFailedText), platform::applicationTitle(),
                          platform::MessageIcon::Critical);
}

void Form2::Form_Load()
{
    if (m_source) {
        QPalette windowPalette = palette();
        windowPalette.setColor(QPalette::Window, m_source->backColor());
        setPalette(windowPalette);
        setAutoFillBackground(true);
    }

    // Each detail is listed as far as the printer gives them; the first one missing ends it.
    const platform::PrinterDetails printer = platform::defaultPrinterDetails();
    if (!printer.deviceName)
        return reportLoadFailure();
    addPrinterDetail(printerNameLabel, *printer.deviceName);
    if (!printer.port)
        return reportLoadFailure();
    addPrinterDetail(printerPortLabel, *printer.port);
    if (!printer.driverName)
        return reportLoadFailure();
    addPrinterDetail(printerDriverLabel, *printer.driverName);
    if (!printer.colorMode)
        return reportLoadFailure();
    addPrinterDetail(printerColorLabel, QString::number(*printer.colorMode));
}

void Form2::addPrinterDetail(const char *label, const QString &value)
{
    m_printerDetails.append({label, value});
    List1->addItem(tr(label) + value);
}

void Form2::retranslateUi()
{
    setWindowTitle(tr("Print"));
    List1->setAccessibleName(tr(listAccessibleName));
    for (qsizetype i = 0; i < m_printerDetails.size() && i < List1->count(); ++i)
        List1->item(int(i))->setText(tr(m_printerDetails[i].label) + m_printerDetails[i].value);
    for (const DrawnButtonText &text : drawnButtonTexts) {
        XPButtonX *button = text.name == QLatin1String("XPButtonX1") ? XPButtonX1 : XPButtonX2;
        if (button)
            button->setCaption(tr(text.caption));
    }
}

void Form2::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void Form2::XPButtonX1_Click()
{
    platform::ReportPrinter printer;
    if (!printer.setFont(reportFontFamily, reportFontPoints))
        return reportPrintFailure();

    // The report shows the main window as it is now, not as it was when this window opened.
    if (!m_source)
        return reportPrintFailure();
    const report::ReportTexts texts = m_source->reportTexts();
    for (const QStringList &line : report::printedReportLines(texts, report::printedReportDate())) {
        if (!printer.printLine(line))
            return reportPrintFailure();
    }
    if (!printer.endDoc())
        return reportPrintFailure();
    close();
}

void Form2::XPButtonX2_Click()
{
    close();
}

void Form2::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        XPButtonX2_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form2::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted() && s_instance == this)
        s_instance = nullptr;
}
