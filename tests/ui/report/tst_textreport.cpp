// The Save command on the real main window: the file it writes, its name and its messages.

#include "reportexample.h"

#include "common/testsupport.h"
#include "ui/main/form1.h"
#include "ui/report/textreport.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cerrno>
#include <memory>
#include <cstring>
#include <unistd.h>

namespace {

const QString savedText = QStringLiteral("File tersimpan di path ");
const QString failedText = QStringLiteral("Path adalah Read Only. Data tidak bisa disimpan.");

// 10:42:07 on 25 March: the stamp 725.
report::SaveContext contextIn(const QString &folder)
{
    report::SaveContext context;
    context.now = [] { return QDateTime(QDate(2026, 3, 25), QTime(10, 42, 7)); };
    context.folder = [folder] { return folder; };
    return context;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QByteArray startUpReport(const char *title)
{
    return QByteArray(title) + "\r\n"
           "Arrival Time : \r\nP1 = 0\r\nP2 = 0\r\nP3 = 0\r\nP4 = 0\r\nP5 = 0\r\n"
           "Burst Time : \r\nP1 = 0\r\nP2 = 0\r\nP3 = 0\r\nP4 = 0\r\nP5 = 0\r\n"
           "Detail Waiting Time : \r\n"
           "P1 = Empty\r\nP2 = Empty\r\nP3 = Empty\r\nP4 = Empty\r\nP5 = Empty\r\n"
           "Detail Turn Around : \r\n"
           "P1 = Empty\r\nP2 = Empty\r\nP3 = Empty\r\nP4 = Empty\r\nP5 = Empty\r\n"
           "Average Waiting Time : Buffer = 0\r\n"
           "Average Turn Around  : Buffer = 0\r\n"
           "Tamsira 2006\r\n";
}

} // namespace

class TestTextReport : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        // Every test saves into a folder of its own.
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        m_recorder.clear();
    }

    void startUpStateIsSavedWithItsEmptyLabels()
    {
        Form1 window;
        report::saveTextReport(&window, window, contextIn(m_folder->path()));

        const QString path = m_folder->path() + QStringLiteral("/Quorvel_725.txt");
        QCOMPARE(m_recorder.messages().size(), 1);
        QCOMPARE(m_recorder.messages()[0].text, savedText + path);
        QCOMPARE(m_recorder.messages()[0].title, QStringLiteral("Quorvel"));
        QCOMPARE(m_recorder.messages()[0].icon, platform::MessageIcon::Information);
        QCOMPARE(fileBytes(path), startUpReport("FCFS Schedule"));
    }

    void computedScheduleIsSavedByteForByte()
    {
        Form1 window;
        computeExample(window);
        QVERIFY(m_recorder.messages().isEmpty());

        report::saveTextReport(&window, window, contextIn(m_folder->path()));
        QCOMPARE(m_recorder.texts(), QStringList{savedText + m_folder->path() + QStringLiteral("/Quorvel_725.txt")});
        QCOMPARE(fileBytes(m_folder->filePath(QStringLiteral("Quorvel_725.txt"))),
                 QByteArray("FCFS Schedule\r\n"
                            "Arrival Time : \r\nP1 = 0\r\nP2 = 1\r\nP3 = 2\r\nP4 = 3\r\nP5 = 4\r\n"
                            "Burst Time : \r\nP1 = 5\r\nP2 = 3\r\nP3 = 1\r\nP4 = 2\r\nP5 = 4\r\n"
                            "Detail Waiting Time : \r\nP1 = 0\r\nP2 = 4\r\nP3 = 6\r\nP4 = 6\r\nP5 = 7\r\n"
                            "Detail Turn Around : \r\nP1 = 5\r\nP2 = 7\r\nP3 = 7\r\nP4 = 8\r\nP5 = 11\r\n"
                            "Average Waiting Time : 23/5 = 4.6 satuan waktu\r\n"
                            "Average Turn Around  : 38/5 = 7.6 satuan waktu\r\n"
                            "Tamsira 2006\r\n"));
    }

    // A decimal separator outside Latin-1 (Arabic locales) is written as the window shows it.
    void textBeyondLatin1IsWrittenAsShown()
    {
        Form1 window;
        computeExample(window);
        auto *average = window.findChild<QLineEdit *>(QStringLiteral("HasilAWT"));
        QVERIFY(average);
        average->setText(QStringLiteral("23/5 = 4\u066B6 satuan waktu"));
        report::saveTextReport(&window, window, contextIn(m_folder->path()));
        const QByteArray bytes = fileBytes(m_folder->filePath(QStringLiteral("Quorvel_725.txt")));
        QVERIFY2(bytes.contains("Average Waiting Time : 23/5 = 4\xd9\xab" "6 satuan waktu\r\n"), bytes.constData());
    }

    void resetStateIsSavedWithZeros()
    {
        Form1 window;
        window.Command3_Click();
        report::saveTextReport(&window, window, contextIn(m_folder->path()));
        QByteArray expected = startUpReport("FCFS Schedule");
        expected.replace("Empty", "0").replace("Buffer = 0", "0/5 = 0 satuan waktu");
        QCOMPARE(fileBytes(m_folder->filePath(QStringLiteral("Quorvel_725.txt"))), expected);
    }

    void emptyBoxAndSecondPolicy()
    {
        Form1 window;
        auto *option2 = window.findChild<QRadioButton *>(QStringLiteral("Option2"));
        QVERIFY(option2);
        QTest::mouseClick(option2, Qt::LeftButton, {}, QPoint(8, option2->height() / 2));
        QVERIFY(option2->isChecked());
        typeInto(window, "Text7", QString());

        report::saveTextReport(&window, window, contextIn(m_folder->path()));
        QByteArray expected = startUpReport("SJF Non Preemptive Schedule");
        expected.replace("Burst Time : \r\nP1 = 0\r\nP2 = 0\r\nP3 = 0\r\n",
                         "Burst Time : \r\nP1 = 0\r\nP2 = 0\r\nP3 = \r\n");
        QCOMPARE(fileBytes(m_folder->filePath(QStringLiteral("Quorvel_725.txt"))), expected);
    }

    void savingTwiceInOneSecondReplacesTheFile()
    {
        Form1 window;
        report::saveTextReport(&window, window, contextIn(m_folder->path()));
        typeInto(window, "Text1", QStringLiteral("7"));
        report::saveTextReport(&window, window, contextIn(m_folder->path()));

        const QString path = m_folder->path() + QStringLiteral("/Quorvel_725.txt");
        QCOMPARE(m_recorder.texts(), QStringList({savedText + path, savedText + path}));
        QByteArray expected = startUpReport("FCFS Schedule");
        expected.replace("Arrival Time : \r\nP1 = 0\r\n", "Arrival Time : \r\nP1 = 7\r\n");
        QCOMPARE(fileBytes(path), expected);
        QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList{QStringLiteral("Quorvel_725.txt")});
    }

    void programFolderAndSystemClockByDefault()
    {
        Form1 window;
        const QDateTime before = QDateTime::currentDateTime();
        report::saveTextReport(&window, window);
        const QDateTime after = QDateTime::currentDateTime();

        QCOMPARE(m_recorder.messages().size(), 1);
        const QString text = m_recorder.messages()[0].text;
        const QString prefix = savedText + QCoreApplication::applicationDirPath() + QStringLiteral("/Quorvel_");
        QVERIFY2(text.startsWith(prefix) && text.endsWith(QStringLiteral(".txt")), qPrintable(text));
        const QString stamp = text.mid(prefix.size()).chopped(4);
        QVERIFY2(stamp == report::textReportStamp(before) || stamp == report::textReportStamp(after),
                 qPrintable(stamp));
        const QString path = text.mid(savedText.size());
        QCOMPARE(fileBytes(path), startUpReport("FCFS Schedule"));
        QFile::remove(path);
    }

    void failureIsReportedWithTheSystemsDescription_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("description");

        // Folders that refuse a new file even to root.
        {
            QFile probe(QStringLiteral("/sys/Quorvel_725.txt"));
            QVERIFY(!probe.open(QIODevice::WriteOnly));
            QTest::newRow("folder that cannot be written") << QStringLiteral("/sys") << probe.errorString();
        }
        QTest::newRow("folder that does not exist")
            << m_fixtures.filePath(QStringLiteral("gone")) << QString::fromLocal8Bit(std::strerror(ENOENT));

        // The report's name taken by a folder: creating the file fails.
        const QString taken = m_fixtures.filePath(QStringLiteral("taken"));
        QVERIFY(QDir().mkpath(taken + QStringLiteral("/Quorvel_725.txt")));
        QTest::newRow("name is a folder") << taken << QString::fromLocal8Bit(std::strerror(EISDIR));

        // Creating and opening succeed, writing fails: a full medium.
        const QString full = m_fixtures.filePath(QStringLiteral("full"));
        QVERIFY(QDir().mkpath(full));
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), full + QStringLiteral("/Quorvel_725.txt")));
        QTest::newRow("medium full") << full << QString::fromLocal8Bit(std::strerror(ENOSPC));

        if (::geteuid() != 0) {
            const QString readOnly = m_fixtures.filePath(QStringLiteral("readonly"));
            QVERIFY(QDir().mkpath(readOnly));
            QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner));
            QTest::newRow("read-only folder") << readOnly << QString::fromLocal8Bit(std::strerror(EACCES));
        }
    }

    void failureIsReportedWithTheSystemsDescription()
    {
        QFETCH(QString, folder);
        QFETCH(QString, description);
        QVERIFY(!description.isEmpty());

        Form1 window;
        report::saveTextReport(&window, window, contextIn(folder));

        QCOMPARE(m_recorder.messages().size(), 1);
        QCOMPARE(m_recorder.messages()[0].text, failedText + description);
        QCOMPARE(m_recorder.messages()[0].title, QStringLiteral("Quorvel"));
        QCOMPARE(m_recorder.messages()[0].icon, platform::MessageIcon::Critical);
    }

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QTemporaryDir m_fixtures;
    testsupport::MessageRecorder m_recorder;
};

QUORVEL_TEST_MAIN(TestTextReport)
#include "tst_textreport.moc"
