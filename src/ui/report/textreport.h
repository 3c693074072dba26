#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace report {

class ReportSource;
struct ReportTexts;

// The seven pieces of the text report, in the order they are written. Joined they are the
// 28 lines, each ended by CR LF.
QStringList textReportPieces(const ReportTexts &texts);

// Seconds of the time of day, then the day of the month, both without leading zeros:
// 10:42:07 on 25 March gives "725".
QString textReportStamp(const QDateTime &now);

// folder + "/Quorvel_" + stamp + ".txt"; a trailing separator of the folder is not doubled.
QString textReportPath(const QString &folder, const QString &stamp);

// Where and when a save happens. The defaults are the system clock and reportFolder().
struct SaveContext {
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
    std::function<QString()> folder;
};

// The Save command: writes the report of what the source shows into the program's folder (or,
// when that is not writable, the documents folder) and tells the user, with a message box over
// parent, where it went or why it could not be written.
void saveTextReport(QWidget *parent, const ReportSource &source);
void saveTextReport(QWidget *parent, const ReportSource &source, const SaveContext &context);

} // namespace report
