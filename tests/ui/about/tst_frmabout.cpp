#include "common/testsupport.h"
#include "engine/runtimeerror.h"
#include "platform/programlaunchersystem.h"
#include "platform/registry.h"
#include "platform/registrymemory.h"
#include "ui/about/frmabout.h"
#include "ui/button/xpbuttonx.h"
#include "ui/main/form1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace platform::win32;
using platform::MemoryRegistry;

namespace {

const QString kMsinfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kLocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

// The real launcher, with a record of what was asked of it.
class RecordingLauncher : public platform::ProgramLauncher {
public:
    bool fileExists(const QString &fullName) const override
    {
        tested.append(fullName);
        return m_system.fileExists(fullName);
    }
    bool startProgram(const QString &fullPath) override
    {
        started.append(fullPath);
        return m_system.startProgram(fullPath);
    }

    mutable QStringList tested;
    QStringList started;

private:
    platform::SystemProgramLauncher m_system;
};

bool openedKey(const MemoryRegistry &registry, const QString &key)
{
    for (const auto &call : registry.calls()) {
        if (call.kind == MemoryRegistry::CallKind::Open && call.name == key)
            return true;
    }
    return false;
}

} // namespace

class TestFrmAbout : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void readsRegistryValuesByType_data();
    void readsRegistryValuesByType();
    void failsOnAZeroByteValueAndClosesTheKey();

    void startsTheRegisteredToolWithoutTheSecondLookup();
    void startsTheToolFoundInTheRegisteredFolder();
    void reportsAnUnavailableTool_data();
    void reportsAnUnavailableTool();
    void startsTheProgramTheLinuxRegistryFinds();

    void formatsTheVersion_data();
    void formatsTheVersion();
    void loadsTitleVersionAndBackground();
    void isOneModelessBoxWithoutOwner();
    void keysClose_data();
    void keysClose();
    void drawnButtonsRunTheirCommands();

private:
    // A box with the in-memory registry and the recording launcher.
    std::unique_ptr<frmAbout> makeBox();
    QString writeScript(const QString &folder, const QString &name);
    QString markerPath() const { return QDir(m_temp->path()).filePath(QStringLiteral("started.txt")); }

    std::shared_ptr<MemoryRegistry> m_registry;
    std::shared_ptr<RecordingLauncher> m_launcher;
    std::unique_ptr<QTemporaryDir> m_temp;
};

void TestFrmAbout::init()
{
    m_registry = std::make_shared<MemoryRegistry>();
    m_launcher = std::make_shared<RecordingLauncher>();
    m_temp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_temp->isValid());
}

void TestFrmAbout::cleanup()
{
    if (frmAbout *box = frmAbout::instance())
        delete box;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<frmAbout *>(widget) || qobject_cast<Form1 *>(widget))
            delete widget;
    }
}

std::unique_ptr<frmAbout> TestFrmAbout::makeBox()
{
    auto box = std::make_unique<frmAbout>();
    box->setAttribute(Qt::WA_DeleteOnClose, false); // owned by the test
    box->setRegistry(m_registry);
    box->setProgramLauncher(m_launcher);
    box->show();
    return box;
}

// An executable script that leaves a file behind, so that a test sees it was started.
QString TestFrmAbout::writeScript(const QString &folder, const QString &name)
{
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write("#!/bin/sh\necho started > '" + QFile::encodeName(markerPath()) + "'\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

// --- GetKeyValue ----------------------------------------------------------------------------

void TestFrmAbout::readsRegistryValuesByType_data()
{
    QTest::addColumn<bool>("keyExists");
    QTest::addColumn<QString>("valueName");
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("expectedResult");
    QTest::addColumn<QString>("expectedValue");

    const QString tool = QStringLiteral("C:\\Program Files\\Common Files\\msinfo32.exe");
    QTest::newRow("string loses its terminating zero")
        << true << "Probe" << uint(REG_SZ) << tool.toLatin1().append('\0') << true << tool;
    QTest::newRow("string without terminating zero")
        << true << "Probe" << uint(REG_SZ) << QByteArray("abc") << true << "abc";
    QTest::newRow("string of exactly 1024 bytes")
        << true << "Probe" << uint(REG_SZ) << QByteArray(1023, 'x').append('\0') << true
        << QString(1023, QLatin1Char('x'));
    QTest::newRow("string longer than 1024 bytes counts as missing")
        << true << "Probe" << uint(REG_SZ) << QByteArray(1024, 'x').append('\0') << false << "";
    QTest::newRow("number 256") << true << "Probe" << uint(REG_DWORD)
                                << QByteArray("\x00\x01\x00\x00", 4) << true << "256";
    QTest::newRow("number with all bits set")
        << true << "Probe" << uint(REG_DWORD) << QByteArray("\xFF\xFF\xFF\xFF", 4) << true << "-1";
    QTest::newRow("number with the top bit only")
        << true << "Probe" << uint(REG_DWORD) << QByteArray("\x00\x00\x00\x80", 4) << true
        << "-2147483648";
    QTest::newRow("expandable string leaves the value as passed")
        << true << "Probe" << uint(REG_EXPAND_SZ) << QByteArray("%SystemRoot%\\x\0", 15) << true
        << "as passed";
    QTest::newRow("binary leaves the value as passed")
        << true << "Probe" << uint(REG_BINARY) << QByteArray("\x01\x02", 2) << true << "as passed";
    QTest::newRow("missing value") << true << "Other" << uint(REG_SZ) << QByteArray("a\0", 2)
                                   << false << "";
    QTest::newRow("missing key") << false << "Probe" << uint(REG_SZ) << QByteArray("a\0", 2)
                                 << false << "";
}

void TestFrmAbout::readsRegistryValuesByType()
{
    QFETCH(bool, keyExists);
    QFETCH(QString, valueName);
    QFETCH(uint, type);
    QFETCH(QByteArray, data);
    QFETCH(bool, expectedResult);
    QFETCH(QString, expectedValue);

    const QString key = QStringLiteral("SOFTWARE\\Quorvel\\Probe");
    if (keyExists)
        m_registry->setValue(HKEY_LOCAL_MACHINE, key, QStringLiteral("Probe"), type, data);
    auto box = makeBox();

    QString value = QStringLiteral("as passed");
    QCOMPARE(box->GetKeyValue(HKEY_LOCAL_MACHINE, key, valueName, value), expectedResult);
    QCOMPARE(value, expectedValue);

    // Opened with options 0 and the full access mask, and never left open.
    QVERIFY(!m_registry->calls().isEmpty());
    const auto &open = m_registry->calls().first();
    QCOMPARE(open.kind, MemoryRegistry::CallKind::Open);
    QCOMPARE(open.handle, HKEY_LOCAL_MACHINE);
    QCOMPARE(open.options, 0u);
    QCOMPARE(open.access, 0x2003Fu);
    QCOMPARE(m_registry->openHandleCount(), 0);
}

void TestFrmAbout::failsOnAZeroByteValueAndClosesTheKey()
{
    const QString key = QStringLiteral("SOFTWARE\\Quorvel\\Probe");
    m_registry->setValue(HKEY_LOCAL_MACHINE, key, QStringLiteral("Empty"), REG_SZ, QByteArray());
    auto box = makeBox();

    QString value = QStringLiteral("as passed");
    QVERIFY_THROWS_EXCEPTION(engine::RuntimeError,
                             box->GetKeyValue(HKEY_LOCAL_MACHINE, key, QStringLiteral("Empty"), value));
    QCOMPARE(value, QStringLiteral("as passed"));
    QCOMPARE(m_registry->openHandleCount(), 0);
}

// --- StartSysInfo ---------------------------------------------------------------------------

void TestFrmAbout::startsTheRegisteredToolWithoutTheSecondLookup()
{
    const QString tool = writeScript(m_temp->path(), QStringLiteral("sysinfo-tool"));
    m_registry->setString(HKEY_LOCAL_MACHINE, kMsinfoKey, QStringLiteral("PATH"), tool);
    m_registry->setString(HKEY_LOCAL_MACHINE, kLocationKey, QStringLiteral("MSINFO"), m_temp->path());
    testsupport::MessageRecorder messages;
    auto box = makeBox();

    box->StartSysInfo();

    QTRY_VERIFY(QFile::exists(markerPath()));
    QCOMPARE(m_launcher->started, QStringList{tool});
    QVERIFY(messages.messages().isEmpty());
    QVERIFY(!openedKey(*m_registry, kLocationKey));
    QVERIFY(box->isVisible());
    QCOMPARE(m_registry->openHandleCount(), 0);
}

void TestFrmAbout::startsTheToolFoundInTheRegisteredFolder()
{
    const QString tool = writeScript(m_temp->path(), QStringLiteral("MSINFO32.EXE"));
    m_registry->setString(HKEY_LOCAL_MACHINE, kLocationKey, QStringLiteral("MSINFO"), m_temp->path());
    testsupport::MessageRecorder messages;
    auto box = makeBox();

    box->StartSysInfo();

    QTRY_VERIFY(QFile::exists(markerPath()));
    QVERIFY(openedKey(*m_registry, kMsinfoKey));
    QCOMPARE(m_launcher->tested, QStringList{tool});
    QCOMPARE(m_launcher->started, QStringList{tool});
    QVERIFY(messages.messages().isEmpty());
    QVERIFY(box->isVisible());
}

void TestFrmAbout::reportsAnUnavailableTool_data()
{
    QTest::addColumn<int>("firstType");        // -1: no first value
    QTest::addColumn<QByteArray>("firstData"); // "<tool>" stands for the script's path
    QTest::addColumn<QString>("folder");       // empty: no second value; "<temp>" the temp folder
    QTest::addColumn<bool>("secondLookup");
    QTest::addColumn<QStringList>("tested");
    QTest::addColumn<QStringList>("started");

    QTest::newRow("no value at all") << -1 << QByteArray() << "" << true << QStringList{}
                                     << QStringList{};
    QTest::newRow("folder without MSINFO32.EXE")
        << -1 << QByteArray() << "<temp>" << true << QStringList{"<temp>/MSINFO32.EXE"} << QStringList{};
    QTest::newRow("Windows folder joined with a backslash")
        << -1 << QByteArray() << "C:\\Windows\\System32" << true
        << QStringList{"C:\\Windows\\System32\\MSINFO32.EXE"} << QStringList{};
    QTest::newRow("expandable string names nothing to start")
        << int(REG_EXPAND_SZ) << QByteArray("<tool>") << "<temp>" << false << QStringList{}
        << QStringList{""};
    QTest::newRow("zero-byte first value ends the lookups")
        << int(REG_SZ) << QByteArray() << "<temp>" << false << QStringList{} << QStringList{};
    QTest::newRow("registered tool that cannot start")
        << int(REG_SZ) << QByteArray("<temp>") << "" << false << QStringList{} << QStringList{"<temp>"};
}

void TestFrmAbout::reportsAnUnavailableTool()
{
    QFETCH(int, firstType);
    QFETCH(QByteArray, firstData);
    QFETCH(QString, folder);
    QFETCH(bool, secondLookup);
    QFETCH(QStringList, tested);
    QFETCH(QStringList, started);

    const QString tool = writeScript(m_temp->path(), QStringLiteral("tool"));
    const QByteArray temp = QFile::encodeName(m_temp->path());
    firstData.replace("<tool>", QFile::encodeName(tool)).replace("<temp>", temp);
    if (!firstData.isEmpty())
        firstData.append('\0');
    if (firstType >= 0)
        m_registry->setValue(HKEY_LOCAL_MACHINE, kMsinfoKey, QStringLiteral("PATH"),
                             static_cast<std::uint32_t>(firstType), firstData);
    folder.replace(QStringLiteral("<temp>"), m_temp->path());
    if (!folder.isEmpty())
        m_registry->setString(HKEY_LOCAL_MACHINE, kLocationKey, QStringLiteral("MSINFO"), folder);
    tested.replaceInStrings(QStringLiteral("<temp>"), m_temp->path());
    started.replaceInStrings(QStringLiteral("<temp>"), m_temp->path());

    testsupport::MessageRecorder messages;
    bool openWhileShown = false;
    auto box = makeBox();
    messages.onMessage([&](const platform::MessageRequest &) { openWhileShown = box->isVisible(); });

    box->StartSysInfo();

    QCOMPARE(messages.messages().size(), 1);
    const auto &message = messages.messages().first();
    QCOMPARE(message.text, kUnavailable);
    QCOMPARE(message.title, QStringLiteral("Quorvel"));
    QCOMPARE(message.icon, platform::MessageIcon::None);
    QVERIFY(openWhileShown);
    QVERIFY(box->isVisible());

    QCOMPARE(openedKey(*m_registry, kLocationKey), secondLookup);
    QCOMPARE(m_launcher->tested, tested);
    QCOMPARE(m_launcher->started, started);
    QCOMPARE(m_registry->openHandleCount(), 0);
    QTest::qWait(50); // a wrongly started script would have written its file by now
    QVERIFY(!QFile::exists(markerPath()));
}

void TestFrmAbout::startsTheProgramTheLinuxRegistryFinds()
{
    // The box as the program builds it: the Linux registry and the system's launcher.
    const QByteArray savedPath = qgetenv("PATH");
    const auto restorePath = qScopeGuard([&] { qputenv("PATH", savedPath); });
    testsupport::MessageRecorder messages;
    frmAbout box;
    box.setAttribute(Qt::WA_DeleteOnClose, false);

    qputenv("PATH", QByteArray());
    box.StartSysInfo();
    QCOMPARE(messages.texts(), QStringList{kUnavailable});

    writeScript(m_temp->path(), QStringLiteral("hardinfo"));
    qputenv("PATH", QFile::encodeName(m_temp->path()));
    messages.clear();
    box.StartSysInfo();
    QTRY_VERIFY(QFile::exists(markerPath()));
    QVERIFY(messages.messages().isEmpty());
}

// --- the window -----------------------------------------------------------------------------

void TestFrmAbout::formatsTheVersion_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("expected");
    QTest::newRow("1.0.0") << 1 << 0 << 0 << "Version 1.0.0";
    QTest::newRow("2.0.15") << 2 << 0 << 15 << "Version 2.0.15";
    QTest::newRow("no leading zeros") << 10 << 7 << 105 << "Version 10.7.105";
}

void TestFrmAbout::formatsTheVersion()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QFETCH(QString, expected);
    QCOMPARE(frmAbout::versionText(major, minor, revision), expected);
}

void TestFrmAbout::loadsTitleVersionAndBackground()
{
    // Opened as the main window's "About" item opens it: in that window's colour.
    Form1 mainWindow;
    const QColor back = mainWindow.backColor();
    QVERIFY(back.isValid());
    mainWindow.mnabout_Click();
    QPointer<frmAbout> box = frmAbout::instance();
    QVERIFY(box);
    QVERIFY(QTest::qWaitForWindowExposed(box.data()));

    QCOMPARE(box->windowTitle(), QStringLiteral("About Quorvel"));
    QCOMPARE(box->findChild<QLabel *>(QStringLiteral("lblTitle"))->text(), QStringLiteral("Quorvel"));
    QCOMPARE(box->findChild<QLabel *>(QStringLiteral("lblVersion"))->text(),
             frmAbout::versionText(QUORVEL_VERSION_MAJOR, QUORVEL_VERSION_MINOR, QUORVEL_VERSION_PATCH));
    QCOMPARE(box->findChild<QLabel *>(QStringLiteral("lblDescription"))->text(),
             QStringLiteral("Tugas Sistem Operasi"));

    // The main window's colour shows in the box, also behind its transparent labels.
    const QImage image = box->grab().toImage();
    QCOMPARE(image.pixelColor(box->width() - 3, 3), back);
    const QLabel *description = box->findChild<QLabel *>(QStringLiteral("lblDescription"));
    QCOMPARE(image.pixelColor(description->geometry().bottomRight() - QPoint(1, 1)), back);
    QVERIFY(!box->windowIcon().isNull());
    QVERIFY(!box->findChild<QLabel *>(QStringLiteral("picIcon"))->pixmap().isNull());
}

void TestFrmAbout::isOneModelessBoxWithoutOwner()
{
    QVERIFY(!frmAbout::instance());
    QPointer<frmAbout> first = frmAbout::showInstance();
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QVERIFY(!first->isModal());
    QVERIFY(!first->parentWidget());
    QVERIFY(!(first->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(first->minimumSize(), first->maximumSize());

    QCOMPARE(frmAbout::showInstance(), first.data());
    int boxes = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        boxes += qobject_cast<frmAbout *>(widget) != nullptr;
    QCOMPARE(boxes, 1);

    // The hidden standard buttons carry their captions; cmdOK is the default button.
    const auto *cmdOK = first->findChild<QPushButton *>(QStringLiteral("cmdOK"));
    const auto *cmdSysInfo = first->findChild<QPushButton *>(QStringLiteral("cmdSysInfo"));
    QVERIFY(cmdOK && cmdSysInfo);
    QCOMPARE(cmdOK->text(), QStringLiteral("OK"));
    QCOMPARE(cmdSysInfo->text(), QStringLiteral("&System Info..."));
    QVERIFY(cmdOK->isDefault());
    QVERIFY(!cmdOK->isVisible() && !cmdSysInfo->isVisible());

    // Closing unloads it; the next request loads a new one.
    first->cmdOK_Click();
    QVERIFY(!frmAbout::instance());
    QTRY_VERIFY(!first);
    QPointer<frmAbout> second = frmAbout::showInstance();
    QVERIFY(second);
    QCOMPARE(second->windowTitle(), QStringLiteral("About Quorvel"));
}

void TestFrmAbout::keysClose_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void TestFrmAbout::keysClose()
{
    QFETCH(int, key);
    QPointer<frmAbout> box = frmAbout::showInstance();
    QVERIFY(QTest::qWaitForWindowExposed(box.data()));
    QTest::keyClick(box.data(), static_cast<Qt::Key>(key));
    QTRY_VERIFY(!box);
    QVERIFY(!frmAbout::instance());
}

void TestFrmAbout::drawnButtonsRunTheirCommands()
{
    testsupport::MessageRecorder messages;
    QPointer<frmAbout> box = frmAbout::showInstance();
    box->setRegistry(m_registry); // empty: nothing to start
    box->setProgramLauncher(m_launcher);
    QVERIFY(QTest::qWaitForWindowExposed(box.data()));

    auto *info = box->findChild<XPButtonX *>(QStringLiteral("XPButtonX2"));
    auto *ok = box->findChild<XPButtonX *>(QStringLiteral("XPButtonX1"));
    QVERIFY(info && ok);
    QCOMPARE(info->Caption(), QStringLiteral("Sistem Info"));
    QCOMPARE(ok->Caption(), QStringLiteral("&OK"));
    QCOMPARE(ok->ForeColor(), 0x80000012u);
    QCOMPARE(ok->ForeHover(), 0u);
    QCOMPARE(ok->Font().family(), QStringLiteral("MS Sans Serif"));

    QTest::mouseClick(info, Qt::LeftButton, {}, info->rect().center());
    QCOMPARE(messages.texts(), QStringList{kUnavailable});
    QVERIFY(box);
    QVERIFY(box->isVisible());

    QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
    QTRY_VERIFY(!box);
}

QUORVEL_TEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
