#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include <memory>

class QPainter;
class QPrinter;
class QTemporaryFile;

namespace platform {

// The system's default printer as a sequence of text lines, the way a report prints: set the
// font, print one line per call (the first call starts the document), end the document to send
// it. Each step reports failure by returning false; errorString() then says why.
//
// The page is rendered as PDF with the default queue's page layout and handed to CUPS as one
// job when the document ends, so that a refused job is seen as a failure and not lost silently.
// A document that is never ended is dropped without reaching the printer.
class ReportPrinter {
public:
    ReportPrinter();
    ~ReportPrinter();
    ReportPrinter(const ReportPrinter &) = delete;
    ReportPrinter &operator=(const ReportPrinter &) = delete;

    bool setFont(const QString &family, qreal pointSize);

    // One line: the items one after the other, then a line break. A line without items is an
    // empty line.
    bool printLine(const QStringList &items);

    // Sends the document to the printer. Without a document open there is nothing to send.
    bool endDoc();

    // The queue a successful endDoc sent its job to, and the job's number there.
    QString queueName() const { return m_queueName; }
    int lastJobId() const { return m_lastJobId; }

    QString errorString() const { return m_errorString; }

private:
    bool attach();
    bool beginDocument();
    bool fail(const QString &reason);

    QString m_queueName;
    QFont m_font;
    std::unique_ptr<QTemporaryFile> m_output;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    qreal m_nextTop = 0;
    int m_lastJobId = 0;
    QString m_errorString;
};

} // namespace platform
