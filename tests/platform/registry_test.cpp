#include "platform/registrylinux.h"
#include "platform/registrymemory.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>

using namespace platform;
using namespace platform::win32;

namespace {

const QString kMsinfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
constexpr std::uint32_t kAccess = 0x2003F;

QByteArray bytes(const std::uint8_t *data, std::uint32_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

} // namespace

// --- the in-memory registry -----------------------------------------------------------------

TEST(MemoryRegistry, OpensExistingKeysWithoutRegardToCaseAndRefusesOthers)
{
    MemoryRegistry registry;
    registry.setString(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Vendor\\Tool"),
                       QStringLiteral("Path"), QStringLiteral("/opt/tool"));

    Registry::Handle key = 99;
    EXPECT_EQ(registry.openKey(HKEY_LOCAL_MACHINE, QStringLiteral("software\\VENDOR\\tool"), 0,
                               kAccess, key),
              ERROR_SUCCESS);
    EXPECT_NE(key, 0u);
    EXPECT_EQ(registry.openHandleCount(), 1);
    EXPECT_EQ(registry.closeKey(key), ERROR_SUCCESS);
    EXPECT_EQ(registry.openHandleCount(), 0);
    EXPECT_EQ(registry.closeKey(key), ERROR_INVALID_HANDLE) << "a handle closes only once";

    key = 99;
    EXPECT_EQ(registry.openKey(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Vendor\\Other"), 0,
                               kAccess, key),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, 0u);
    // The same path below another root is another key.
    EXPECT_EQ(registry.openKey(0x80000001u, QStringLiteral("SOFTWARE\\Vendor\\Tool"), 0, kAccess, key),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(registry.openKey(0x1234u, QStringLiteral("SOFTWARE"), 0, kAccess, key),
              ERROR_INVALID_HANDLE);
    EXPECT_EQ(registry.openHandleCount(), 0);
}

TEST(MemoryRegistry, QueriesCopyTheDataOnlyWhenItFits)
{
    MemoryRegistry registry;
    const QString key = QStringLiteral("K");
    registry.setString(HKEY_LOCAL_MACHINE, key, QStringLiteral("text"), QStringLiteral("abcd"));
    registry.setValue(HKEY_LOCAL_MACHINE, key, QStringLiteral("empty"), REG_SZ, QByteArray());

    Registry::Handle handle = 0;
    ASSERT_EQ(registry.openKey(HKEY_LOCAL_MACHINE, key, 0, kAccess, handle), ERROR_SUCCESS);

    // Exactly fitting: the text with its terminating zero.
    std::array<std::uint8_t, 5> exact{};
    std::uint32_t type = 0;
    std::uint32_t size = exact.size();
    EXPECT_EQ(registry.queryValue(handle, QStringLiteral("TEXT"), type, exact.data(), size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(bytes(exact.data(), size), QByteArray("abcd\0", 5));

    // One byte short: nothing copied, the length needed reported.
    std::array<std::uint8_t, 4> shortBuffer{};
    size = shortBuffer.size();
    EXPECT_EQ(registry.queryValue(handle, QStringLiteral("text"), type, shortBuffer.data(), size),
              ERROR_MORE_DATA);
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(bytes(shortBuffer.data(), 4), QByteArray(4, '\0'));

    // Only asking for the length.
    size = 0;
    EXPECT_EQ(registry.queryValue(handle, QStringLiteral("text"), type, nullptr, size), ERROR_SUCCESS);
    EXPECT_EQ(size, 5u);

    size = exact.size();
    EXPECT_EQ(registry.queryValue(handle, QStringLiteral("empty"), type, exact.data(), size), ERROR_SUCCESS);
    EXPECT_EQ(size, 0u);

    size = exact.size();
    EXPECT_EQ(registry.queryValue(handle, QStringLiteral("missing"), type, exact.data(), size),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(registry.closeKey(handle), ERROR_SUCCESS);
    size = exact.size();
    EXPECT_EQ(registry.queryValue(handle, QStringLiteral("text"), type, exact.data(), size),
              ERROR_INVALID_HANDLE);
}

// --- the Linux registry ---------------------------------------------------------------------

class LinuxRegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_bin.isValid());
        m_savedPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(m_bin.path()));
    }
    void TearDown() override { qputenv("PATH", m_savedPath); }

    QString addProgram(const QString &name, bool executable = true)
    {
        const QString path = QDir(m_bin.path()).filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nexit 0\n");
        file.close();
        QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
        if (executable)
            permissions |= QFile::ExeOwner;
        file.setPermissions(permissions);
        return path;
    }

    // The PATH value of the MSINFO key, or the error of the first call that failed.
    std::int32_t readPath(LinuxRegistry &registry, QByteArray &value, std::uint32_t &type)
    {
        Registry::Handle handle = 0;
        const std::int32_t opened =
            registry.openKey(HKEY_LOCAL_MACHINE, kMsinfoKey, 0, kAccess, handle);
        if (opened != ERROR_SUCCESS)
            return opened;
        std::array<std::uint8_t, 1024> buffer{};
        std::uint32_t size = buffer.size();
        const std::int32_t queried =
            registry.queryValue(handle, QStringLiteral("PATH"), type, buffer.data(), size);
        EXPECT_EQ(registry.closeKey(handle), ERROR_SUCCESS);
        value = bytes(buffer.data(), size);
        return queried;
    }

    QTemporaryDir m_bin;
    QByteArray m_savedPath;
};

TEST_F(LinuxRegistryTest, AnswersThePathOfAnInstalledSystemInformationProgram)
{
    const QString hardinfo = addProgram(QStringLiteral("hardinfo"));
    LinuxRegistry registry;
    QByteArray value;
    std::uint32_t type = 0;
    ASSERT_EQ(readPath(registry, value, type), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(value, QFile::encodeName(hardinfo) + QByteArray(1, '\0'));
}

TEST_F(LinuxRegistryTest, PrefersTheProgramsInTheirListedOrder)
{
    const QStringList &programs = LinuxRegistry::systemInformationPrograms();
    ASSERT_GE(programs.size(), 2);
    const QString second = addProgram(programs.at(1));
    LinuxRegistry registry;
    QByteArray value;
    std::uint32_t type = 0;
    ASSERT_EQ(readPath(registry, value, type), ERROR_SUCCESS);
    EXPECT_EQ(value.chopped(1), QFile::encodeName(second));

    // Installed while the program runs: found at the next lookup, and preferred.
    const QString first = addProgram(programs.at(0));
    ASSERT_EQ(readPath(registry, value, type), ERROR_SUCCESS);
    EXPECT_EQ(value.chopped(1), QFile::encodeName(first));
}

TEST_F(LinuxRegistryTest, FindsNothingWithoutAnExecutableProgram)
{
    LinuxRegistry registry;
    QByteArray value;
    std::uint32_t type = 0;
    EXPECT_EQ(readPath(registry, value, type), ERROR_FILE_NOT_FOUND) << "empty folder on the PATH";

    addProgram(QStringLiteral("hardinfo"), false);
    EXPECT_EQ(readPath(registry, value, type), ERROR_FILE_NOT_FOUND) << "a file that cannot run";

    addProgram(QStringLiteral("hardinfo"));
    qputenv("PATH", QByteArray(""));
    EXPECT_EQ(readPath(registry, value, type), ERROR_FILE_NOT_FOUND) << "empty PATH";
}

TEST_F(LinuxRegistryTest, AnswersNoOtherKeyOrValue)
{
    addProgram(QStringLiteral("hardinfo"));
    LinuxRegistry registry;
    Registry::Handle handle = 0;
    EXPECT_EQ(registry.openKey(HKEY_LOCAL_MACHINE,
                               QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"), 0,
                               kAccess, handle),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(registry.openKey(0x80000001u, kMsinfoKey, 0, kAccess, handle), ERROR_FILE_NOT_FOUND);

    ASSERT_EQ(registry.openKey(HKEY_LOCAL_MACHINE, kMsinfoKey.toUpper(), 0, kAccess, handle),
              ERROR_SUCCESS);
    std::array<std::uint8_t, 16> buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = buffer.size();
    EXPECT_EQ(registry.queryValue(handle, QStringLiteral("MSINFO"), type, buffer.data(), size),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(registry.closeKey(handle), ERROR_SUCCESS);
}
