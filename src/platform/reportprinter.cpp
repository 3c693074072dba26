#include "platform/reportprinter.h"

#include "platform/cupslibrary.h"
#include "platform/printerinfo.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>

namespace platform {

namespace {

const QString documentTitle = QStringLiteral("Quorvel");

} // namespace

ReportPrinter::ReportPrinter() = default;

ReportPrinter::~ReportPrinter()
{
    // An unfinished document is abandoned: nothing reaches the printer.
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

bool ReportPrinter::fail(const QString &reason)
{
    m_errorString = reason;
    return false;
}

// Every step needs the default printer; it is looked up once, at the first step.
bool ReportPrinter::attach()
{
    if (!m_queueName.isEmpty())
        return true;
    QString why;
    const QString name = defaultPrinterName(&why);
    if (name.isEmpty())
        return fail(QStringLiteral("no default printer: %1").arg(why));

    QPrinter probe;
    probe.setPrinterName(name);
    if (!probe.isValid() || probe.printerName() != name)
        return fail(QStringLiteral("the printer %1 cannot be used").arg(name));

    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setPageLayout(probe.pageLayout());
    m_printer->setDocName(documentTitle);
    m_printer->setCreator(documentTitle);
    m_queueName = name;
    m_font = QFont(QStringLiteral("Verdana"));
    return true;
}

bool ReportPrinter::setFont(const QString &family, qreal pointSize)
{
    if (!attach())
        return false;
    if (pointSize <= 0)
        return fail(QStringLiteral("invalid font size %1").arg(pointSize));
    m_font = QFont(family);
    // The page holds the letters the window shows: no "ff" or "fi" ligature glyphs, which
    // would also leave the PDF's text without the word "Buffer".
    m_font.setStyleStrategy(QFont::PreferNoShaping);
    m_font.setPointSizeF(pointSize);
    m_font.setWeight(QFont::Normal);
    m_font.setItalic(false);
    if (m_painter)
        m_painter->setFont(m_font);
    return true;
}

bool ReportPrinter::beginDocument()
{
    m_output = std::make_unique<QTemporaryFile>();
    if (!m_output->open())
        return fail(QStringLiteral("no room for the print file: %1").arg(m_output->errorString()));
    m_output->close();
    m_printer->setOutputFileName(m_output->fileName());

    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_printer.get()))
        return fail(QStringLiteral("the document could not be started"));
    m_painter->setFont(m_font);
    m_painter->setPen(Qt::black);
    m_nextTop = 0;
    return true;
}

bool ReportPrinter::printLine(const QStringList &items)
{
    if (!attach())
        return false;
    if (!m_painter && !beginDocument())
        return false;
    if (m_printer->printerState() == QPrinter::Error)
        return fail(QStringLiteral("the printer reports an error"));

    const QFontMetricsF metrics(m_painter->font(), m_printer.get());
    const qreal pageHeight = m_printer->pageLayout().paintRectPixels(m_printer->resolution()).height();
    if (m_nextTop > 0 && m_nextTop + metrics.height() > pageHeight) {
        if (!m_printer->newPage())
            return fail(QStringLiteral("a new page could not be started"));
        m_nextTop = 0;
    }

    qreal left = 0;
    const qreal baseline = m_nextTop + metrics.ascent();
    for (const QString &item : items) {
        m_painter->drawText(QPointF(left, baseline), item);
        left += metrics.horizontalAdvance(item);
    }
    m_nextTop += metrics.lineSpacing();
    return true;
}

bool ReportPrinter::endDoc()
{
    if (!attach())
        return false;
    if (!m_painter)
        return true;

    const bool finished = m_painter->end();
    m_painter.reset();
    const bool printerFailed = m_printer->printerState() == QPrinter::Error;
    if (!finished || printerFailed)
        return fail(QStringLiteral("the document could not be finished"));
    if (QFileInfo(m_output->fileName()).size() <= 0)
        return fail(QStringLiteral("the document is empty"));

    // The queue is told the page size the document was laid out for, so that it neither
    // scales nor crops the page to its own default paper.
    const CupsLibrary *cups = cupsLibrary();
    if (!cups) {
        m_output.reset();
        return fail(QStringLiteral("the printer refused the job: %1").arg(QString::fromUtf8(cupsLibraryError())));
    }
    cups_option_t *options = nullptr;
    int optionCount = 0;
    const QByteArray pageSize = m_printer->pageLayout().pageSize().key().toUtf8();
    if (!pageSize.isEmpty())
        optionCount = cups->addOption("PageSize", pageSize.constData(), optionCount, &options);
    const int job = cups->printFile2(CUPS_HTTP_DEFAULT, m_queueName.toUtf8().constData(),
                                     QFile::encodeName(m_output->fileName()).constData(),
                                     documentTitle.toUtf8().constData(), optionCount, options);
    cups->freeOptions(optionCount, options);
    m_output.reset();
    if (job <= 0)
        return fail(QStringLiteral("the printer refused the job: %1")
                        .arg(QString::fromUtf8(cups->lastErrorString())));
    m_lastJobId = job;
    return true;
}

} // namespace platform
