#include "ui/about/frmabout.h"

#include "ui/language.h"

#include "engine/runtimeerror.h"
#include "platform/framecentring.h"
#include "platform/messagebox.h"
#include "platform/programlaunchersystem.h"
#include "platform/registry.h"
#include "platform/registrylinux.h"
#include "ui/about/frmaboutlayout.h"
#include "ui/button/buttonform.h"
#include "ui/button/xpbuttonx.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <array>

namespace {

using namespace frmaboutlayout;
using formunits::toQColor;
using formunits::toQString;

// Where the system-information tool is registered.
const QString gREGKEYSYSINFO = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString gREGVALSYSINFO = QStringLiteral("PATH");
const QString gREGKEYSYSINFOLOC = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString gREGVALSYSINFOLOC = QStringLiteral("MSINFO");
const QString kSysInfoProgram = QStringLiteral("MSINFO32.EXE");

// Read control plus query value, set value, create subkey, enumerate subkeys, notify and
// create link.
constexpr std::uint32_t kKeyAccess = platform::win32::READ_CONTROL | platform::win32::KEY_QUERY_VALUE
    | platform::win32::KEY_SET_VALUE | platform::win32::KEY_CREATE_SUB_KEY
    | platform::win32::KEY_ENUMERATE_SUB_KEYS | platform::win32::KEY_NOTIFY
    | platform::win32::KEY_CREATE_LINK;
static_assert(kKeyAccess == 0x2003F);

constexpr std::size_t kValueBufferSize = 1024;

const char *const kUnavailableText = QT_TRANSLATE_NOOP("frmAbout", "System Information Is Unavailable At This Time");
const QString kIconResource = QStringLiteral(":/icons/quorvel.png");
// What assistive technology reads for the picture.
const char *const kIconAccessibleName = QT_TRANSLATE_NOOP("frmAbout", "Quorvel icon");

// The drawn buttons' captions as stored in frmabout.frm.
struct DrawnButtonText {
    const char *name;
    const char *caption;
};
constexpr DrawnButtonText kDrawnButtonTexts[] = {
    {"XPButtonX1", QT_TRANSLATE_NOOP("frmAbout", "&OK")},
    //: Opens the system information program.
    {"XPButtonX2", QT_TRANSLATE_NOOP("frmAbout", "Sistem Info")},
};

QString translateLayout(std::string_view source)
{
    // The table's texts are literals, so their views end in a terminating zero.
    return QCoreApplication::translate("frmaboutlayout", source.data());
}

QRect toRect(Box box)
{
    return QRect(toPixels(box.left), toPixels(box.top), toPixels(box.width), toPixels(box.height));
}

// Closes an opened key on every way out of GetKeyValue, the failing ones included.
class OpenKey {
public:
    OpenKey(platform::Registry &registry, platform::Registry::Handle handle)
        : m_registry(registry), m_handle(handle) {}
    ~OpenKey() { m_registry.closeKey(m_handle); }
    OpenKey(const OpenKey &) = delete;
    OpenKey &operator=(const OpenKey &) = delete;

private:
    platform::Registry &m_registry;
    platform::Registry::Handle m_handle;
};

// The folder of the second lookup and the tool's file name, joined with the separator the
// folder itself uses (a Windows folder "\", a Linux one "/").
QString toolInFolder(const QString &folder)
{
    const bool slashes = folder.contains(QLatin1Char('/')) && !folder.contains(QLatin1Char('\\'));
    return folder + (slashes ? QLatin1Char('/') : QLatin1Char('\\')) + kSysInfoProgram;
}

} // namespace

QPointer<frmAbout> frmAbout::s_instance;

frmAbout::frmAbout(const QColor &backColor, QWidget *parent)
    : QDialog(parent),
      m_backColor(backColor),
      m_registry(std::make_shared<platform::LinuxRegistry>()),
      m_launcher(std::make_shared<platform::SystemProgramLauncher>())
{
    createWindow();
    createLabels();
    createSeparator();
    createStandardButtons();
    createDrawnButtons();
    centreOnScreen();
    Form_Load();
    // The tables and stored properties hold the Indonesian texts already.
    if (language::currentLanguage() != language::Language::Indonesian)
        retranslateUi();
}

void frmAbout::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void frmAbout::retranslateUi()
{
    //: The About box's title; %1 is the program's name.
    setWindowTitle(tr("About %1").arg(platform::applicationTitle()));
    m_picIcon->setAccessibleName(tr(kIconAccessibleName));
    for (const LabelRow &row : kLabels) {
        QLabel *label = m_labels.value(toQString(row.name));
        if (label && row.name == "lblDescription")
            label->setText(translateLayout(row.text));
    }
    if (QLabel *version = m_labels.value(QStringLiteral("lblVersion")))
        version->setText(versionText(QUORVEL_VERSION_MAJOR, QUORVEL_VERSION_MINOR, QUORVEL_VERSION_PATCH));
    m_cmdOK->setText(translateLayout(kCmdOK.caption));
    m_cmdSysInfo->setText(translateLayout(kCmdSysInfo.caption));
    for (const DrawnButtonText &text : kDrawnButtonTexts) {
        if (XPButtonX *button = m_drawnButtons.value(QString::fromLatin1(text.name)))
            button->setCaption(tr(text.caption));
    }
}

frmAbout::~frmAbout() = default;

frmAbout *frmAbout::showInstance(const QColor &backColor)
{
    if (!s_instance)
        s_instance = new frmAbout(backColor);
    s_instance->show();
    s_instance->raise();
    s_instance->activateWindow();
    return s_instance;
}

frmAbout *frmAbout::instance()
{
    return s_instance;
}

QString frmAbout::versionText(int major, int minor, int revision)
{
    //: The About box's version line: major, minor and revision numbers.
    return tr("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

void frmAbout::setRegistry(std::shared_ptr<platform::Registry> registry)
{
    m_registry = std::move(registry);
}

void frmAbout::setProgramLauncher(std::shared_ptr<platform::ProgramLauncher> launcher)
{
    m_launcher = std::move(launcher);
}

// --- construction ---------------------------------------------------------------------------

void frmAbout::createWindow()
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A fixed dialog border: title and close box only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(toPixels(kClientWidthTwips), toPixels(kClientHeightTwips));
    setWindowIcon(QIcon(kIconResource));

    m_picIcon = new QLabel(this);
    m_picIcon->setObjectName(QStringLiteral("picIcon"));
    m_picIcon->setAccessibleName(tr(kIconAccessibleName));
    m_picIcon->setGeometry(toRect(kPicIcon));
    m_picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_picIcon->setPixmap(windowIcon().pixmap(m_picIcon->size()));
}

void frmAbout::createLabels()
{
    for (const LabelRow &row : kLabels) {
        auto *label = new QLabel(toQString(row.text), this);
        const QString name = toQString(row.name);
        label->setObjectName(name);
        label->setGeometry(toRect(row.box));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        QFont font(toQString(kLabelFont));
        font.setPointSizeF(row.pointSize);
        font.setWeight(QFont::Normal);
        label->setFont(font);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, toQColor(row.color));
        label->setPalette(palette);
        label->setAutoFillBackground(false); // transparent: the window's colour shows through
        m_labels.insert(name, label);
    }
}

void frmAbout::createSeparator()
{
    for (const LineRow &row : kLines) {
        auto *line = new QWidget(this);
        line->setObjectName(toQString(row.name));
        const int left = toPixels(row.x1);
        line->setGeometry(left, toPixels(row.y), toPixels(row.x2) - left, row.widthPixels);
        QPalette palette = line->palette();
        palette.setColor(QPalette::Window, toQColor(row.color));
        line->setPalette(palette);
        line->setAutoFillBackground(true);
        line->raise();
    }
}

void frmAbout::createStandardButtons()
{
    // Hidden behind the drawn buttons; cmdOK still answers Enter and Escape (keyPressEvent).
    const auto makeButton = [this](const ButtonRow &row) {
        auto *button = new QPushButton(toQString(row.caption), this);
        button->setObjectName(toQString(row.name));
        button->setGeometry(toRect(row.box));
        button->setVisible(false);
        return button;
    };
    m_cmdOK = makeButton(kCmdOK);
    m_cmdOK->setDefault(true);
    m_cmdSysInfo = makeButton(kCmdSysInfo);
    connect(m_cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(m_cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::createDrawnButtons()
{
    m_drawnButtons = loadFormButtons(this, toQString(kButtonResource));
    XPButtonX *okButton = m_drawnButtons.value(QStringLiteral("XPButtonX1"));
    XPButtonX *infoButton = m_drawnButtons.value(QStringLiteral("XPButtonX2"));
    if (okButton)
        connect(okButton, &XPButtonX::Click, this, &frmAbout::XPButtonX1_Click);
    if (infoButton)
        connect(infoButton, &XPButtonX::Click, this, &frmAbout::XPButtonX2_Click);
    if (okButton && infoButton)
        setTabOrder(okButton, infoButton);
    if (okButton)
        okButton->setFocus();
}

void frmAbout::centreOnScreen()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        FrameCentring::centre(this, screen->availableGeometry());
}

// --- handlers -------------------------------------------------------------------------------

void frmAbout::Form_Load()
{
    if (m_backColor.isValid()) {
        QPalette windowPalette = palette();
        windowPalette.setColor(QPalette::Window, m_backColor);
        setPalette(windowPalette);
    }
    //: The About box's title; %1 is the program's name.
    setWindowTitle(tr("About %1").arg(platform::applicationTitle()));
    m_labels.value(QStringLiteral("lblVersion"))
        ->setText(versionText(QUORVEL_VERSION_MAJOR, QUORVEL_VERSION_MINOR, QUORVEL_VERSION_PATCH));
    m_labels.value(QStringLiteral("lblTitle"))->setText(platform::applicationTitle());
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::XPButtonX1_Click()
{
    cmdOK_Click();
}

void frmAbout::XPButtonX2_Click()
{
    cmdSysInfo_Click();
}

void frmAbout::StartSysInfo()
{
    // Every failure on the way, a registry read that breaks off included, ends in the one
    // message; the box stays open either way.
    try {
        QString SysInfoPath;
        if (!GetKeyValue(platform::win32::HKEY_LOCAL_MACHINE, gREGKEYSYSINFO, gREGVALSYSINFO,
                         SysInfoPath)) {
            if (!GetKeyValue(platform::win32::HKEY_LOCAL_MACHINE, gREGKEYSYSINFOLOC,
                             gREGVALSYSINFOLOC, SysInfoPath)) {
                showUnavailable();
                return;
            }
            const QString candidate = toolInFolder(SysInfoPath);
            if (!m_launcher->fileExists(candidate)) {
                showUnavailable();
                return;
            }
            SysInfoPath = candidate;
        }
        if (!m_launcher->startProgram(SysInfoPath))
            showUnavailable();
    } catch (const std::exception &) {
        showUnavailable();
    }
}

bool frmAbout::GetKeyValue(const std::uint32_t &KeyRoot, const QString &KeyName,
                           const QString &SubKeyRef, QString &KeyVal)
{
    using namespace platform::win32;

    platform::Registry::Handle hKey = 0;
    if (m_registry->openKey(KeyRoot, KeyName, 0, kKeyAccess, hKey) != ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }
    const OpenKey openKey(*m_registry, hKey);

    std::array<std::uint8_t, kValueBufferSize> tmpVal{};
    std::uint32_t KeyValSize = kValueBufferSize;
    std::uint32_t KeyValType = REG_NONE;
    if (m_registry->queryValue(hKey, SubKeyRef, KeyValType, tmpVal.data(), KeyValSize)
        != ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }

    // The value's text: its bytes without a terminating zero.
    const auto length = std::min<std::size_t>(KeyValSize, tmpVal.size());
    QByteArray text(reinterpret_cast<const char *>(tmpVal.data()), static_cast<qsizetype>(length));
    if (text.isEmpty())
        throw engine::RuntimeError(5, "Invalid procedure call or argument");
    if (text.back() == '\0')
        text.chop(1);

    switch (KeyValType) {
    case REG_SZ:
        KeyVal = QString::fromLocal8Bit(text);
        break;
    case REG_DWORD: {
        std::uint32_t bits = 0;
        for (std::size_t i = 0; i < 4; ++i)
            bits |= static_cast<std::uint32_t>(tmpVal[i]) << (8 * i);
        KeyVal = QString::number(static_cast<std::int32_t>(bits));
        break;
    }
    default:
        break; // other types are not read; KeyVal keeps what the caller passed
    }
    return true;
}

// --- events ---------------------------------------------------------------------------------

void frmAbout::keyPressEvent(QKeyEvent *event)
{
    // cmdOK is the window's default and cancel button: Enter and Escape press it although it
    // stays hidden behind the drawn "&OK".
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const int key = event->key();
    if (plain && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)) {
        m_cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmAbout::closeEvent(QCloseEvent *event)
{
    QDialog::closeEvent(event);
    // Closed means unloaded: the next showInstance loads a new box, even before this one is
    // deleted.
    if (event->isAccepted() && s_instance == this)
        s_instance = nullptr;
}

void frmAbout::showUnavailable()
{
    platform::showMessage(this, tr(kUnavailableText), platform::applicationTitle(),
                          platform::MessageIcon::None);
}
