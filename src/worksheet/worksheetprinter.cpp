#include "worksheet/worksheetprinter.h"
#include "worksheet/worksheettexts.h"

#include "platform/cupslibrary.h"
#include "platform/printerinfo.h"

#include <QFile>
#include <QTemporaryFile>

namespace worksheet {

namespace {

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

} // namespace

bool printWorksheets(const std::vector<Sheet> &sheets, PrintJob *job, QString *error)
{
    QString why;
    const QString queue = platform::defaultPrinterName(&why);
    if (queue.isEmpty())
        return fail(error, WorksheetTexts::tr("Tidak ada printer default: %1").arg(why));

    QTemporaryFile document;
    document.setFileTemplate(document.fileTemplate() + QStringLiteral(".pdf"));
    if (!document.open()) {
        return fail(error, WorksheetTexts::tr("Tidak ada tempat untuk file cetak: %1").arg(document.errorString()));
    }
    document.close();
    if (!writeWorksheets(document.fileName(), sheets, error))
        return false;

    const platform::CupsLibrary *cups = platform::cupsLibrary();
    if (!cups) {
        return fail(error, WorksheetTexts::tr("Printer menolak pekerjaan cetak: %1")
                               .arg(QString::fromUtf8(platform::cupsLibraryError())));
    }
    const QByteArray title = WorksheetTexts::tr("Lembar Kerja Penjadwalan").toUtf8();
    cups_option_t *options = nullptr;
    int optionCount = cups->addOption("PageSize", "A4", 0, &options);
    const int number = cups->printFile2(CUPS_HTTP_DEFAULT, queue.toUtf8().constData(),
                                        QFile::encodeName(document.fileName()).constData(), title.constData(),
                                        optionCount, options);
    cups->freeOptions(optionCount, options);
    if (number <= 0) {
        return fail(error, WorksheetTexts::tr("Printer menolak pekerjaan cetak: %1")
                               .arg(QString::fromUtf8(cups->lastErrorString())));
    }
    if (job)
        *job = PrintJob{queue, number};
    return true;
}

} // namespace worksheet
