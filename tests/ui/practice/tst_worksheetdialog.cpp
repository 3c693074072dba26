// The worksheet dialog as a lecturer uses it: the class typed in, the drawn buttons clicked or
// the keyboard alone, the files it writes read back, the printer it prints on.

#include "common/testsupport.h"
#include "platform/printerinfo.h"
#include "platform/printjobs.h"
#include "ui/button/xpbuttonx.h"
#include "ui/main/form1layout.h"
#include "ui/practice/worksheetdialog.h"
#include "worksheet/pdftext.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>

#include <memory>

class TestWorksheetDialog : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WorksheetDialog> m_dialog;
    std::unique_ptr<testsupport::MessageRecorder> m_messages;
    std::unique_ptr<QTemporaryDir> m_folder;
    QStringList m_folderQuestions;   // the folder suggested at each question
    QString m_folderAnswer;

    template <typename T = QWidget>
    T *control(const char *name) const { return testsupport::control<T>(m_dialog.get(), name); }
    void click(const char *name) { testsupport::click(m_dialog.get(), name); }

    // Types into a box as the user does: focus, select all, the text.
    void typeInto(QWidget *box, const QString &text)
    {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, text);
    }

    void fill(const QString &classCode, int variants, int policyIndex, int processes, int level, int destination)
    {
        typeInto(control<QLineEdit>("worksheetClass"), classCode);
        control<QSpinBox>("worksheetVariants")->setValue(variants);
        control<QComboBox>("worksheetPolicy")->setCurrentIndex(policyIndex);
        control<QSpinBox>("worksheetProcesses")->setValue(processes);
        control<QComboBox>("worksheetLevel")->setCurrentIndex(level);
        control<QComboBox>("worksheetDestination")->setCurrentIndex(destination);
    }

    QString folderPath(const QString &name) const { return m_folder->filePath(name); }

private slots:
    void init()
    {
        m_messages = std::make_unique<testsupport::MessageRecorder>();
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        m_folderQuestions.clear();
        m_folderAnswer = m_folder->path();
        m_dialog = std::make_unique<WorksheetDialog>();
        m_dialog->setFolderQuestion([this](QWidget *, const QString &suggested) {
            m_folderQuestions << suggested;
            return m_folderAnswer;
        });
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
        m_dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    }

    void cleanup()
    {
        m_dialog.reset();
        m_messages.reset();
        m_folder.reset();
    }

    void controlsAndTheirChoices()
    {
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Cetak Lembar Kerja"));
        QCOMPARE(m_dialog->palette().color(QPalette::Window), formunits::toQColor(form1layout::kWindowBlue));
        QVERIFY(m_dialog->autoFillBackground());

        auto *variants = control<QSpinBox>("worksheetVariants");
        QCOMPARE(variants->minimum(), 1);
        QCOMPARE(variants->maximum(), 60);
        auto *processes = control<QSpinBox>("worksheetProcesses");
        QCOMPARE(processes->minimum(), 3);
        QCOMPARE(processes->maximum(), 10);
        QCOMPARE(processes->value(), 5);

        auto *policy = control<QComboBox>("worksheetPolicy");
        QStringList policies;
        for (int i = 0; i < policy->count(); ++i)
            policies << policy->itemText(i);
        QStringList expected;
        for (const lab::Policy p : lab::kAllPolicies)
            expected << QString::fromUtf8(lab::policyName(p));
        expected << QStringLiteral("Acak");
        QCOMPARE(policies, expected);
        QCOMPARE(policy->currentText(), QStringLiteral("Acak"));

        auto *level = control<QComboBox>("worksheetLevel");
        QCOMPARE(level->count(), 3);
        QCOMPARE(level->itemText(0), QStringLiteral("Dasar"));
        QCOMPARE(level->itemText(1), QStringLiteral("Menengah"));
        QCOMPARE(level->itemText(2), QStringLiteral("Lanjut"));
        auto *destination = control<QComboBox>("worksheetDestination");
        QCOMPARE(destination->itemText(0), QStringLiteral("PDF"));
        QCOMPARE(destination->itemText(1), QStringLiteral("Printer"));

        // Only drawn buttons.
        QCOMPARE(m_dialog->findChildren<QAbstractButton *>().size(), 0);
        QCOMPARE(control<XPButtonX>("worksheetOk")->Caption(), QStringLiteral("&Buat"));
        QCOMPARE(control<XPButtonX>("worksheetCancel")->Caption(), QStringLiteral("Ba&tal"));
    }

    void theClassTakesLettersAndDigitsOnly()
    {
        auto *box = control<QLineEdit>("worksheetClass");
        typeInto(box, QStringLiteral("TI-2A b!"));
        QCOMPARE(box->text(), QStringLiteral("TI2Ab"));
        typeInto(box, QStringLiteral("ABCDEFGHIJ1234567890"));
        QCOMPARE(box->text(), QStringLiteral("ABCDEFGHIJ123456"));
    }

    void choicesOfThePracticeWindowAreTaken()
    {
        m_dialog->setChoices(lab::Policy::Hrrn, 8, practice::Level::Advanced);
        QCOMPARE(control<QComboBox>("worksheetPolicy")->currentText(), QStringLiteral("HRRN"));
        QCOMPARE(control<QSpinBox>("worksheetProcesses")->value(), 8);
        QCOMPARE(control<QComboBox>("worksheetLevel")->currentText(), QStringLiteral("Lanjut"));
        m_dialog->setChoices(std::nullopt, 4, practice::Level::Basic);
        QCOMPARE(control<QComboBox>("worksheetPolicy")->currentText(), QStringLiteral("Acak"));
        const worksheet::ClassRequest request = m_dialog->classRequest();
        QVERIFY(!request.policy);
        QCOMPARE(request.processes, 4);
        QCOMPARE(request.level, practice::Level::Basic);
    }

    void okWritesBothFilesOfTheClass()
    {
        // Round Robin (the fourth policy), 6 processes, "Menengah", into PDF files.
        fill(QStringLiteral("TI2A"), 3, 3, 6, 1, 0);
        click("worksheetOk");

        QCOMPARE(m_folderQuestions.size(), 1);
        const QString sheets = folderPath(QStringLiteral("TI2A-lembar-kerja.pdf"));
        const QString key = folderPath(QStringLiteral("TI2A-kunci-jawaban.pdf"));
        QCOMPARE(m_dialog->writtenFiles().worksheets, sheets);
        QCOMPARE(m_dialog->writtenFiles().answerKey, key);
        QCOMPARE(m_messages->messages().size(), 1);
        const QString message = m_messages->messages().first().text;
        QVERIFY2(message.contains(sheets) && message.contains(key), qPrintable(message));
        QCOMPARE(m_messages->messages().first().icon, platform::MessageIcon::Information);
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QVERIFY(!m_dialog->isVisible());

        // The pages are the class's variants, in order.
        worksheet::ClassRequest request;
        request.classCode = "TI2A";
        request.variants = 3;
        request.policy = lab::Policy::RoundRobin;
        request.processes = 6;
        request.level = practice::Level::Intermediate;
        const std::vector<practice::Exercise> exercises = worksheet::variants(request);
        QString error;
        for (const QString &pdf : {sheets, key}) {
            QCOMPARE(pdftext::info(pdf).pages, 3);
            const QStringList pages = pdftext::pages(pdf, false, &error);
            QCOMPARE(pages.size(), 3);
            for (int i = 0; i < 3; ++i) {
                QVERIFY(pages[i].simplified().contains(QStringLiteral("Kode soal: ")
                                                       + QString::fromStdString(exercises[std::size_t(i)].code)));
                QVERIFY(pages[i].contains(QStringLiteral("Round Robin")));
            }
        }
    }

    void theKeyboardAloneMakesTheWorksheets()
    {
        // Focus starts in the class box; Tab walks the fields in order; Enter makes the files.
        QTest::keyClicks(m_dialog->focusWidget(), QStringLiteral("K2"));
        QCOMPARE(control<QLineEdit>("worksheetClass")->text(), QStringLiteral("K2"));
        QTest::keyClick(m_dialog->focusWidget(), Qt::Key_Tab);
        QCOMPARE(m_dialog->focusWidget(), control<QSpinBox>("worksheetVariants"));
        QTest::keyClick(m_dialog->focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(m_dialog->focusWidget(), QStringLiteral("2"));
        QTest::keyClick(m_dialog->focusWidget(), Qt::Key_Tab);
        QCOMPARE(m_dialog->focusWidget(), control<QComboBox>("worksheetPolicy"));
        QTest::keyClick(m_dialog->focusWidget(), Qt::Key_Home);   // FCFS
        QTest::keyClick(m_dialog->focusWidget(), Qt::Key_Tab);
        QCOMPARE(m_dialog->focusWidget(), control<QSpinBox>("worksheetProcesses"));
        QTest::keyClick(m_dialog->focusWidget(), Qt::Key_Up);     // 6
        QTest::keyClick(m_dialog->focusWidget(), Qt::Key_Tab);
        QCOMPARE(m_dialog->focusWidget(), control<QComboBox>("worksheetLevel"));
        QTest::keyClick(m_dialog->focusWidget(), Qt::Key_Tab);
        QCOMPARE(m_dialog->focusWidget(), control<QComboBox>("worksheetDestination"));
        QTest::keyClick(m_dialog->focusWidget(), Qt::Key_Tab);
        QCOMPARE(m_dialog->focusWidget(), control<XPButtonX>("worksheetOk"));
        QTest::keyClick(m_dialog->focusWidget(), Qt::Key_Return);

        const worksheet::ClassRequest request = m_dialog->classRequest();
        QCOMPARE(request.classCode, std::string("K2"));
        QCOMPARE(request.variants, 2);
        QCOMPARE(request.policy, std::optional(lab::Policy::Fcfs));
        QCOMPARE(request.processes, 6);
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(m_folderQuestions.size(), 1);
        QCOMPARE(m_messages->messages().size(), 1);
        QCOMPARE(pdftext::info(folderPath(QStringLiteral("K2-lembar-kerja.pdf"))).pages, 2);
        QCOMPARE(pdftext::info(folderPath(QStringLiteral("K2-kunci-jawaban.pdf"))).pages, 2);
    }

    void escapeCancels()
    {
        typeInto(control<QLineEdit>("worksheetClass"), QStringLiteral("X1"));
        QTest::keyClick(m_dialog->focusWidget(), Qt::Key_Escape);
        QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
        QVERIFY(m_folderQuestions.isEmpty());
        QVERIFY(QDir(m_folder->path()).isEmpty());
    }

    void cancelWritesNothing()
    {
        fill(QStringLiteral("X2"), 2, 0, 5, 0, 0);
        click("worksheetCancel");
        QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
        QVERIFY(m_folderQuestions.isEmpty());
        QVERIFY(m_messages->messages().isEmpty());
        QVERIFY(QDir(m_folder->path()).isEmpty());
    }

    void aMissingClassCodeIsRefusedBeforeAnythingIsAsked()
    {
        fill(QString(), 2, 0, 5, 0, 0);
        click("worksheetOk");
        QCOMPARE(m_messages->messages().size(), 1);
        QVERIFY(m_messages->messages().first().text.contains(QStringLiteral("Kode kelas")));
        QCOMPARE(m_messages->messages().first().icon, platform::MessageIcon::Exclamation);
        QVERIFY(m_folderQuestions.isEmpty());
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(m_dialog->focusWidget(), control<QLineEdit>("worksheetClass"));
    }

    void noFolderChosenLeavesTheDialogOpen()
    {
        m_folderAnswer.clear();
        fill(QStringLiteral("X3"), 2, 0, 5, 0, 0);
        click("worksheetOk");
        QCOMPARE(m_folderQuestions.size(), 1);
        QVERIFY(m_messages->messages().isEmpty());
        QVERIFY(m_dialog->isVisible());
        QVERIFY(QDir(m_folder->path()).isEmpty());
    }

    void aFolderThatCannotBeWrittenIsReported()
    {
        m_folderAnswer = folderPath(QStringLiteral("gone"));
        fill(QStringLiteral("X4"), 2, 0, 5, 0, 0);
        click("worksheetOk");
        QCOMPARE(m_messages->messages().size(), 1);
        QVERIFY2(m_messages->messages().first().text.contains(QStringLiteral("tidak dapat disimpan")),
                 qPrintable(m_messages->messages().first().text));
        QVERIFY(m_dialog->isVisible());
        // The next question suggests the folder chosen last.
        m_folderAnswer = m_folder->path();
        click("worksheetOk");
        QCOMPARE(m_folderQuestions.size(), 2);
        QCOMPARE(m_folderQuestions.last(), folderPath(QStringLiteral("gone")));
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    }

    void printerDestinationPrintsTheWorksheets()
    {
        if (!printjobs::serverConfigured())
            QSKIP("CUPS_SERVER is not set: start scripts/cups-test-server.sh and eval its env output");
        const platform::PrinterDetails details = platform::defaultPrinterDetails();
        QVERIFY2(details.port, qPrintable(details.errorString));
        const QString output = printjobs::outputFile(*details.port);
        QFile::remove(output);

        fill(QStringLiteral("CETAK3"), 2, 7, 4, 0, 1);
        click("worksheetOk");
        QVERIFY(m_folderQuestions.isEmpty());
        QCOMPARE(m_messages->messages().size(), 1);
        const QString message = m_messages->messages().first().text;
        QVERIFY(m_dialog->printJob().job > 0);
        QVERIFY2(message.contains(*details.deviceName) && message.contains(QString::number(m_dialog->printJob().job)),
                 qPrintable(message));
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));

        QUORVEL_WAIT_FOR_PRINT(output);
        QCOMPARE(pdftext::info(output).pages, 2);
        QString error;
        const QStringList pages = pdftext::pages(output, false, &error);
        QCOMPARE(pages.size(), 2);
        QVERIFY(pages[1].simplified().contains(QStringLiteral("Kelas CETAK3, varian 2 dari 2")));
    }
};

QUORVEL_TEST_MAIN(TestWorksheetDialog)
#include "tst_worksheetdialog.moc"
