#pragma once

// Helpers for tests that print on the private CUPS server (scripts/cups-test-server.sh): wait
// until the server has no job left, and turn the page the file queue wrote back into lines.

#include <QFile>
#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QUrl>

#include <cups/cups.h>

#include <algorithm>
#include <cmath>
#include <map>

namespace printjobs {

inline bool serverConfigured()
{
    return !qEnvironmentVariableIsEmpty("CUPS_SERVER");
}

inline int activeJobs()
{
    cupsSetServer(nullptr);
    cups_job_t *jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ACTIVE);
    cupsFreeJobs(count, jobs);
    return count;
}

// The file a "file:" queue prints into.
inline QString outputFile(const QString &deviceUri)
{
    return QUrl(deviceUri).toLocalFile();
}

// The server has finished every job and the output file is there.
inline bool outputReady(const QString &file)
{
    return activeJobs() == 0 && QFile(file).size() > 0;
}

} // namespace printjobs

// Waits (polling, nothing is timed) for the job output of the private server.
#define QUORVEL_WAIT_FOR_PRINT(file)                                                              \
    QTRY_VERIFY2_WITH_TIMEOUT(printjobs::outputReady(file),                                       \
                              qPrintable(QStringLiteral("no finished print job in ") + (file)), 60000)

namespace printjobs {

struct PrintedLine {
    int number = 0;   // 0-based line number on the page, counted in line heights from the first
    double left = 0;  // x of the line's first word, in points
    QString text;     // the words of the line joined by single blanks
};

struct PrintedPage {
    QList<PrintedLine> lines;  // the lines that hold text, top to bottom
    double lineHeight = 0;
    int pages = 0;
    QString error;

    // The page as text lines, an empty string for each empty line.
    QStringList text() const
    {
        QStringList result;
        for (const PrintedLine &line : lines) {
            while (result.size() < line.number)
                result.append(QString());
            result.append(line.text);
        }
        return result;
    }
};

// Reads the words and their boxes with pdftotext -bbox and puts them back into lines.
inline PrintedPage readPrintedPage(const QString &pdf)
{
    PrintedPage page;
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0) {
        page.error = QStringLiteral("pdftotext failed: ") + QString::fromLocal8Bit(tool.readAllStandardError());
        return page;
    }
    const QString html = QString::fromUtf8(tool.readAllStandardOutput());
    page.pages = int(html.count(QStringLiteral("<page ")));

    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([-0-9.]+)" yMin="([-0-9.]+)" xMax="[-0-9.]+" yMax="[-0-9.]+">([^<]*)</word>)re"));
    // Words of one line share their top; tenths of a point are enough to tell lines apart.
    std::map<long, QList<std::pair<double, QString>>> rows;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        const long top = std::lround(match.captured(2).toDouble() * 10);
        // Ligatures come back as one character each ("fi"); compatibility form splits them again.
        rows[top].append({match.captured(1).toDouble(),
                          match.captured(3).normalized(QString::NormalizationForm_KC)});
    }
    if (rows.size() < 2) {
        page.error = QStringLiteral("fewer than two printed lines");
        return page;
    }

    double pitch = 1e9;
    for (auto it = std::next(rows.begin()); it != rows.end(); ++it)
        pitch = std::min(pitch, double(it->first - std::prev(it)->first) / 10);
    page.lineHeight = pitch;

    const long first = rows.begin()->first;
    for (auto &[top, words] : rows) {
        std::sort(words.begin(), words.end(),
                  [](const auto &a, const auto &b) { return a.first < b.first; });
        PrintedLine line;
        line.number = int(std::lround(double(top - first) / 10 / pitch));
        line.left = words.first().first;
        QStringList texts;
        for (const auto &[x, text] : words)
            texts.append(text);
        line.text = texts.join(QLatin1Char(' '));
        page.lines.append(line);
    }
    return page;
}

// Checks that each printed line starts where its leading blanks put it: lines with the same
// number of blanks start at the same place, and more blanks start further right. Returns what
// is wrong, nothing when all is well.
inline QString indentationProblem(const PrintedPage &page, const QStringList &expected)
{
    std::map<int, double> leftByBlanks;
    for (const PrintedLine &line : page.lines) {
        if (line.number >= expected.size())
            return QStringLiteral("line %1 is not expected").arg(line.number + 1);
        const QString &text = expected[line.number];
        int blanks = 0;
        while (blanks < text.size() && text[blanks] == QLatin1Char(' '))
            ++blanks;
        const auto [it, added] = leftByBlanks.emplace(blanks, line.left);
        if (!added && std::abs(it->second - line.left) > 0.01)
            return QStringLiteral("line %1 starts at %2, not at %3").arg(line.number + 1).arg(line.left).arg(it->second);
    }
    double previous = -1;
    for (const auto &[blanks, left] : leftByBlanks) {
        if (left <= previous)
            return QStringLiteral("lines with %1 leading blanks start too far left").arg(blanks);
        previous = left;
    }
    return QString();
}

// The expected text of a line as it comes back: the words, with blanks between them collapsed.
inline QString asPrinted(const QString &text)
{
    return text.simplified();
}

} // namespace printjobs
