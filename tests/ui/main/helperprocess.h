#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

// Runs one of the main-window helper programs offscreen and collects the lines it reports.
struct HelperOutcome {
    bool finished = false;
    int exitCode = -1;
    QProcess::ExitStatus status = QProcess::CrashExit;
    QStringList lines;
};

// extraEnvironment is laid over this process's own environment.
inline HelperOutcome runHelperProgram(const QString &program, const QStringList &arguments,
                                      const QProcessEnvironment &extraEnvironment = {})
{
    QProcess helper;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(extraEnvironment);
    helper.setProcessEnvironment(env);
    helper.start(program, arguments);
    HelperOutcome outcome;
    if (!helper.waitForStarted(30000))
        return outcome;
    outcome.finished = helper.waitForFinished(60000);
    if (!outcome.finished)
        helper.kill();
    outcome.exitCode = helper.exitCode();
    outcome.status = helper.exitStatus();
    outcome.lines = QString::fromUtf8(helper.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return outcome;
}
