#pragma once

// Reading a PDF back the way a reader of the file would: its page count and size with pdfinfo,
// its text per page with pdftotext (poppler-utils).

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace pdftext {

struct Info {
    int pages = 0;
    QString pageSize;   // as pdfinfo gives it, such as "595.276 x 841.89 pts (A4)"
    QString error;
};

inline QString run(const QString &program, const QStringList &arguments, QString *error)
{
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(120000) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        *error = program + QStringLiteral(" failed: ") + QString::fromLocal8Bit(tool.readAllStandardError());
        return {};
    }
    return QString::fromUtf8(tool.readAllStandardOutput());
}

inline Info info(const QString &pdf)
{
    Info result;
    const QString text = run(QStringLiteral("pdfinfo"), {pdf}, &result.error);
    static const QRegularExpression pages(QStringLiteral(R"(^Pages:\s+(\d+)$)"), QRegularExpression::MultilineOption);
    static const QRegularExpression size(QStringLiteral(R"(^Page size:\s+(.+)$)"), QRegularExpression::MultilineOption);
    if (const auto match = pages.match(text); match.hasMatch())
        result.pages = match.captured(1).toInt();
    if (const auto match = size.match(text); match.hasMatch())
        result.pageSize = match.captured(1).trimmed();
    return result;
}

// The text of every page, in pdftotext's reading order or, with `layout`, as the page places it
// (table rows on one line each). Pages are split at the form feeds pdftotext ends them with.
inline QStringList pages(const QString &pdf, bool layout, QString *error)
{
    QStringList arguments;
    if (layout)
        arguments << QStringLiteral("-layout");
    arguments << pdf << QStringLiteral("-");
    const QString text = run(QStringLiteral("pdftotext"), arguments, error);
    QStringList result = text.split(QLatin1Char('\f'));
    // The last page's form feed leaves an empty piece behind it.
    if (!result.isEmpty() && result.last().trimmed().isEmpty())
        result.removeLast();
    return result;
}

// The lines of a page as lists of words.
inline QList<QStringList> rows(const QString &page)
{
    QList<QStringList> result;
    for (const QString &line : page.split(QLatin1Char('\n'))) {
        const QStringList words = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (!words.isEmpty())
            result.append(words);
    }
    return result;
}

} // namespace pdftext
