#include "ui/report/printedreport.h"

#include "ui/report/reporttexts.h"

#include <QDate>
#include <QLocale>

namespace report {

namespace {

void addProcessLines(QList<QStringList> &lines, const std::array<QString, 5> &texts)
{
    for (std::size_t i = 0; i < texts.size(); ++i)
        lines.append({QStringLiteral("  P%1 = ").arg(i + 1) + texts[i]});
}

// The detail captions carry their own "P1 = " prefixes.
void addCaptionLines(QList<QStringList> &lines, const std::array<QString, 5> &captions)
{
    for (const QString &caption : captions)
        lines.append({QStringLiteral("  ") + caption});
}

} // namespace

QList<QStringList> printedReportLines(const ReportTexts &texts, const QString &date)
{
    const QStringList empty;
    QList<QStringList> lines;
    if (texts.policy == Policy::Fcfs)
        lines.append({QStringLiteral("   FCFS Schedule")});
    else if (texts.policy == Policy::Sjf)
        lines.append({QStringLiteral("   SJF Non Preemptive Schedule")});

    lines.append({QStringLiteral("   ") + QString(39, QLatin1Char('-'))});
    lines.append(empty);
    lines.append({QStringLiteral("  Arrival Time")});
    addProcessLines(lines, texts.arrival);
    lines.append(empty);
    lines.append({QStringLiteral("  Burst Time")});
    addProcessLines(lines, texts.burst);
    lines.append({QStringLiteral(" Detail Prosess Wating Time Value")});
    addCaptionLines(lines, texts.waiting);
    lines.append(empty);
    lines.append({QStringLiteral("  Hasil Average Waiting Time : "), texts.averageWaiting});
    lines.append(empty);
    lines.append(empty);
    lines.append({QStringLiteral(" Detail Prosess Turn Around Value")});
    addCaptionLines(lines, texts.turnaround);
    lines.append(empty);
    lines.append({QStringLiteral("  Hasil Average Turnarround : "), texts.averageTurnaround});
    lines.append(empty);
    lines.append({QStringLiteral("  ") + QString(25, QLatin1Char('='))});
    lines.append(empty);
    lines.append({QStringLiteral("  Tanggal Cetak ") + date});
    lines.append({QStringLiteral("  TAMSIRA 2006")});
    return lines;
}

QString printedReportDate()
{
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

} // namespace report
