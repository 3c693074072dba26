// The averages follow the decimal separator of the user's locale. The system locale is read
// once per process, so each case runs the main window in a helper started with the locale
// variables set.
#include "helperprocess.h"

#include "common/testsupport.h"

class Form1LocaleTest : public QObject {
    Q_OBJECT

private slots:
    void averagesUseTheLocalesSeparator_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("policy");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("awt");
        QTest::addColumn<QString>("att");
        QTest::newRow("German, FCFS") << "de_DE.UTF-8" << "fcfs" << ","
                                      << "41/5 = 8,2 satuan waktu" << "65/5 = 13 satuan waktu";
        QTest::newRow("German, SJF") << "de_DE.UTF-8" << "sjf" << ","
                                     << "28/5 = 5,6 satuan waktu" << "52/5 = 10,4 satuan waktu";
        QTest::newRow("Indonesian, FCFS") << "id_ID.UTF-8" << "fcfs" << ","
                                          << "41/5 = 8,2 satuan waktu" << "65/5 = 13 satuan waktu";
        QTest::newRow("C, FCFS") << "C" << "fcfs" << "."
                                 << "41/5 = 8.2 satuan waktu" << "65/5 = 13 satuan waktu";
        QTest::newRow("US English, SJF") << "en_US.UTF-8" << "sjf" << "."
                                         << "28/5 = 5.6 satuan waktu" << "52/5 = 10.4 satuan waktu";
    }

    void averagesUseTheLocalesSeparator()
    {
        QFETCH(QString, locale);
        QFETCH(QString, policy);
        QFETCH(QString, separator);
        QFETCH(QString, awt);
        QFETCH(QString, att);

        QProcessEnvironment env;
        for (const char *name : {"LC_ALL", "LC_NUMERIC", "LANG"})
            env.insert(QString::fromLatin1(name), locale);
        const HelperOutcome outcome =
            runHelperProgram(QStringLiteral(FORM1_LOCALE_HELPER), {policy}, env);
        const QString report = outcome.lines.join(QLatin1Char('|'));
        QVERIFY2(outcome.finished, "the helper did not end");
        QCOMPARE(outcome.exitCode, 0);
        QVERIFY2(outcome.lines.contains(QStringLiteral("decimal ") + separator), qPrintable(report));
        QVERIFY2(outcome.lines.filter(QStringLiteral("message ")).isEmpty(), qPrintable(report));
        QVERIFY2(outcome.lines.contains(QStringLiteral("HasilAWT ") + awt), qPrintable(report));
        QVERIFY2(outcome.lines.contains(QStringLiteral("HasilATT ") + att), qPrintable(report));
    }
};

QUORVEL_TEST_MAIN(Form1LocaleTest)
#include "tst_form1locale.moc"
