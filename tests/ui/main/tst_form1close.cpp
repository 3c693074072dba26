// The Close command ends the program with all its windows at once. Each case runs the main
// window, the print window and the About box in a helper process and reads its report.
#include "helperprocess.h"

#include "common/testsupport.h"

class Form1CloseTest : public QObject {
    Q_OBJECT

private:
    static HelperOutcome runHelper(const QString &way)
    {
        return runHelperProgram(QStringLiteral(FORM1_CLOSE_HELPER), {way});
    }

private slots:
    void closeEndsEverythingAtOnce_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("mouse on Close") << "button";
        QTest::newRow("Alt+C") << "altc";
        QTest::newRow("while a modal box is open") << "modal";
    }

    void closeEndsEverythingAtOnce()
    {
        QFETCH(QString, way);
        const HelperOutcome outcome = runHelper(way);
        QVERIFY2(outcome.finished, "the program did not end");
        QCOMPARE(outcome.status, QProcess::NormalExit);
        QCOMPARE(outcome.exitCode, 0);
        QVERIFY2(outcome.lines.filter(QStringLiteral("close-event")).isEmpty(),
                 qPrintable(outcome.lines.join(QLatin1Char('|'))));
        QVERIFY(outcome.lines.contains(QStringLiteral("visible 0")));
        QVERIFY(outcome.lines.contains(QStringLiteral("timers 0")));
        QVERIFY(outcome.lines.contains(QStringLiteral("exit 0")));
        if (way == QLatin1String("modal"))
            QVERIFY(outcome.lines.contains(QStringLiteral("after-modal")));
    }

    // Without Close the helper keeps running until its own fallback ends it, with every window
    // still shown: the report above really depends on the Close command.
    void withoutCloseEverythingStays()
    {
        const HelperOutcome outcome = runHelper(QStringLiteral("none"));
        QVERIFY(outcome.finished);
        QCOMPARE(outcome.exitCode, 3);
        QVERIFY(outcome.lines.contains(QStringLiteral("visible 3")));
        QVERIFY(outcome.lines.contains(QStringLiteral("timers 1")));
    }
};

QUORVEL_TEST_MAIN(Form1CloseTest)
#include "tst_form1close.moc"
