// The print system's library is opened on the first printer query, not when the program starts:
// the main window must come up without it, and the first query must bring it in.
#include "shownform1.h"

#include "platform/printerinfo.h"

#include <QFile>

namespace {

bool cupsLibraryMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read /proc/self/maps");
    return maps.readAll().contains("/libcups.so");
}

} // namespace

class PrinterLibraryTest : public QObject, private ShownForm1 {
    Q_OBJECT

private slots:
    void loadedOnlyByTheFirstPrinterQuery()
    {
        QVERIFY2(!cupsLibraryMapped(), "libcups is mapped before any window exists");
        QVERIFY(openForm());
        QTest::qWait(50);
        QVERIFY2(!cupsLibraryMapped(), "showing the main window loaded libcups");

        QString why;
        const QString name = platform::defaultPrinterName(&why);
        // Whether there is a default printer depends on the machine; either way the query went
        // through the library and did not fail for want of it.
        QVERIFY2(!name.isEmpty() || !why.contains(QStringLiteral("could not be loaded")), qPrintable(why));
        QVERIFY2(cupsLibraryMapped(), "the printer query did not load libcups");
        closeForm();
    }
};

QUORVEL_TEST_MAIN(PrinterLibraryTest)
#include "tst_printerlibrary.moc"
