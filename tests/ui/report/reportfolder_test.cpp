// Where Save writes the report, checked against real file modes. Root may write anywhere, so
// every choice is made in a child process that first becomes an unprivileged user when the
// suite runs as root; a folder of mode 0555 then really refuses it, as it refuses a student.

#include "ui/report/reportfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The user and group "nobody" on Debian.
constexpr uid_t kUnprivilegedId = 65534;

void becomeUnprivileged()
{
    if (::geteuid() != 0)
        return;
    if (::setgroups(0, nullptr) != 0 || ::setgid(kUnprivilegedId) != 0 || ::setuid(kUnprivilegedId) != 0
        || ::geteuid() == 0) {
        std::fputs("could not drop root's rights\n", stderr);
        std::_Exit(2);
    }
}

class ReportFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_base.isValid());
        // The unprivileged child must be able to reach the folders below.
        ASSERT_EQ(::chmod(QFile::encodeName(m_base.path()).constData(), 0755), 0);
    }

    void TearDown() override
    {
        // Give the owner the folders back so that QTemporaryDir can remove them without root.
        for (const QString &folder : m_made)
            ::chmod(QFile::encodeName(folder).constData(), 0755);
    }

    // A folder below the scratch folder with exactly these mode bits.
    QString folder(const QString &name, mode_t mode)
    {
        const QString path = m_base.filePath(name);
        EXPECT_TRUE(QDir().mkpath(path));
        EXPECT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
        m_made.prepend(path);
        return path;
    }

    QString path(const QString &name) const { return m_base.filePath(name); }

    // The choice, made as the unprivileged user in a child process: it prints what it chose and
    // succeeds only when that is the expected folder.
    static void expectChoice(const QString &program, const QString &documents, const QString &expected)
    {
        EXPECT_EXIT(
            {
                becomeUnprivileged();
                const QString chosen = report::reportFolder(program, documents);
                std::fprintf(stderr, "chose %s\n", qPrintable(chosen));
                std::_Exit(chosen == expected ? 0 : 1);
            },
            ::testing::ExitedWithCode(0), "chose ");
    }

private:
    QTemporaryDir m_base;
    QStringList m_made;
};

TEST_F(ReportFolder, WritableProgramFolderIsKept)
{
    const QString program = folder("program", 0777);
    const QString home = folder("home", 0777);
    const QString documents = home + "/Documents";

    expectChoice(program, documents, program);
    // Nothing is created where nothing is saved.
    EXPECT_FALSE(QFile::exists(documents));
}

TEST_F(ReportFolder, UnwritableProgramFolderGivesTheDocumentsFolder)
{
    const QString program = folder("program", 0555);

    // Created when missing, with any missing parents.
    const QString home = folder("home", 0777);
    const QString missing = home + "/Documents/Laporan";
    expectChoice(program, missing, missing);
    EXPECT_TRUE(QFileInfo(missing).isDir());

    // Taken as it is when it exists.
    const QString existing = folder("existing", 0777);
    expectChoice(program, existing, existing);
}

TEST_F(ReportFolder, NeitherWritableKeepsTheProgramFolder)
{
    const QString program = folder("program", 0555);

    // A documents folder that exists but refuses the user.
    expectChoice(program, folder("closed", 0555), program);

    // One that is missing and cannot be created.
    const QString home = folder("home", 0555);
    expectChoice(program, home + "/Documents", program);
    EXPECT_FALSE(QFile::exists(home + "/Documents"));

    // No documents folder known at all.
    expectChoice(program, QString(), program);
}

TEST_F(ReportFolder, MissingProgramFolderCountsAsUnwritable)
{
    const QString documents = folder("documents", 0777);
    expectChoice(path("gone"), documents, documents);
}

} // namespace
