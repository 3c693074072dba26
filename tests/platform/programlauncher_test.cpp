#include "platform/programlaunchersystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using platform::SystemProgramLauncher;

TEST(SystemProgramLauncher, FileTestAcceptsFilesOnly)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = QDir(dir.path()).filePath(QStringLiteral("MSINFO32.EXE"));
    QFile(file).open(QIODevice::WriteOnly);

    const SystemProgramLauncher launcher;
    EXPECT_TRUE(launcher.fileExists(file));
    EXPECT_FALSE(launcher.fileExists(dir.path())) << "a folder is not a program";
    EXPECT_FALSE(launcher.fileExists(QDir(dir.path()).filePath(QStringLiteral("missing"))));
    EXPECT_FALSE(launcher.fileExists(QString()));
}

TEST(SystemProgramLauncher, ReportsProgramsThatCannotStart)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString notExecutable = QDir(dir.path()).filePath(QStringLiteral("tool"));
    QFile file(notExecutable);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\nexit 0\n");
    file.close();

    SystemProgramLauncher launcher;
    EXPECT_FALSE(launcher.startProgram(QString()));
    EXPECT_FALSE(launcher.startProgram(QDir(dir.path()).filePath(QStringLiteral("missing"))));
    EXPECT_FALSE(launcher.startProgram(notExecutable));
    EXPECT_FALSE(launcher.startProgram(dir.path()));
}
