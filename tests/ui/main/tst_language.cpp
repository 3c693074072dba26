// The language switch: Program > Bahasa / Language chooses Indonesian (the source texts) or
// English for every open window at once, windows opened later follow it, the reports stay as
// they are, and --lang chooses it on the command line.
#include "common/testsupport.h"
#include "ui/about/frmabout.h"
#include "ui/button/xpbuttonx.h"
#include "ui/gantt/frmgantt.h"
#include "ui/lab/schedulinglab.h"
#include "ui/lab/windowparts.h"
#include "ui/lab/windowtexts.h"
#include "ui/language.h"
#include "ui/main/commandline.h"
#include "ui/main/form1.h"
#include "ui/practice/practicewindow.h"
#include "ui/practice/worksheetdialog.h"
#include "ui/report/form2.h"
#include "ui/report/printedreport.h"
#include "ui/report/textreport.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QFile>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <memory>

namespace {

using language::Language;

// Words the Indonesian windows use that no English text may keep: the windows' own, and the
// language menu's.
const QStringList kIndonesianWords = windowtexts::indonesianNames() + QStringList{QStringLiteral("Bahasa")};

// The language submenu keeps its title and the languages their own names in either language.
const QStringList kFixedTexts{QStringLiteral("Bahasa / Language"), QStringLiteral("Indonesia")};

QString widgetPath(const QObject *object)
{
    QStringList names;
    for (const QObject *o = object; o; o = o->parent())
        names.prepend(o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className())
                                                : o->objectName());
    return names.join(QLatin1Char('/'));
}

// Every text a user can see or hear of one window and its children, each as "path kind: text",
// in a fixed order. Input boxes' and table cells' contents are the user's data and left out.
class TextCollector {
public:
    void add(const QObject *owner, const char *kind, const QString &text)
    {
        if (!text.isEmpty())
            m_texts.append(widgetPath(owner) + QLatin1Char(' ') + QLatin1String(kind) + QStringLiteral(": ") + text);
    }

    void addModelHeaders(const QObject *owner, const QAbstractItemModel *model)
    {
        if (!model)
            return;
        for (int section = 0; section < model->columnCount(); ++section) {
            add(owner, "column", model->headerData(section, Qt::Horizontal).toString());
            add(owner, "column tip", model->headerData(section, Qt::Horizontal, Qt::ToolTipRole).toString());
        }
    }

    void addMenu(const QMenu *menu)
    {
        add(menu, "menu", menu->title());
        for (const QAction *action : menu->actions()) {
            if (action->menu())
                addMenu(action->menu());
            else if (!action->isSeparator())
                add(action, "action", action->text());
        }
    }

    void addWidget(QWidget *widget)
    {
        if (widget->isWindow())
            add(widget, "title", widget->windowTitle());
        add(widget, "accessible name", widget->accessibleName());
        add(widget, "accessible description", widget->accessibleDescription());
        add(widget, "tool tip", widget->toolTip());
        add(widget, "whats this", widget->whatsThis());
        if (QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget)) {
            add(widget, "read name", accessible->text(QAccessible::Name));
            add(widget, "read description", accessible->text(QAccessible::Description));
        }
        if (auto *button = qobject_cast<XPButtonX *>(widget))
            add(widget, "caption", button->Caption());
        if (auto *label = qobject_cast<QLabel *>(widget))
            add(widget, "label", label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            add(widget, "button", button->text());
        if (auto *box = qobject_cast<QGroupBox *>(widget))
            add(widget, "group", box->title());
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            add(widget, "placeholder", edit->placeholderText());
        if (auto *text = qobject_cast<QTextEdit *>(widget); text && text->isReadOnly())
            add(widget, "text", text->toPlainText());
        if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            for (int i = 0; i < combo->count(); ++i) {
                add(widget, "item", combo->itemText(i));
                add(widget, "item tip", combo->itemData(i, Qt::ToolTipRole).toString());
            }
        }
        if (auto *tabs = qobject_cast<QTabWidget *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                add(widget, "tab", tabs->tabText(i));
                add(widget, "tab tip", tabs->tabToolTip(i));
            }
        }
        if (auto *view = qobject_cast<QAbstractItemView *>(widget))
            addModelHeaders(widget, view->model());
        if (auto *bar = qobject_cast<QMenuBar *>(widget)) {
            for (const QAction *action : bar->actions()) {
                if (action->menu())
                    addMenu(action->menu());
            }
        }
        for (const QAction *action : widget->actions()) {
            if (!action->menu())
                add(action, "action", action->text());
        }
    }

    void addWindow(QWidget *window)
    {
        addWidget(window);
        const QList<QWidget *> children = window->findChildren<QWidget *>();
        for (QWidget *child : children) {
            // Menus are read through their menu bar, in menu order.
            if (!qobject_cast<QMenu *>(child))
                addWidget(child);
        }
    }

    const QStringList &texts() const { return m_texts; }

private:
    QStringList m_texts;
};

QString rotated(const QString &text, int shift)
{
    shift %= text.size();
    return text.mid(shift) + text.left(shift);
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testsupport::MessageRecorder> m_messages;
    std::unique_ptr<Form1> m_form;
    QPointer<WorksheetDialog> m_worksheets;

    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->objectName() == name) {
                if (auto *typed = qobject_cast<T *>(window))
                    return typed;
            }
            if (T *found = window->findChild<T *>(name))
                return found;
        }
        return nullptr;
    }

    QAction *action(const char *name) const
    {
        auto *found = m_form->findChild<QAction *>(QString::fromLatin1(name));
        if (!found)
            qFatal("action %s not found", name);
        return found;
    }

    void choose(Language chosen)
    {
        action(chosen == Language::English ? "mnenglish" : "mnindonesia")->trigger();
    }

    // Every window of the program opened the way the user opens them: the Program menu's items,
    // the Print button, and the worksheet dialog of the practice window.
    void openAllWindows()
    {
        action("mnlab")->trigger();
        action("mnlatihan")->trigger();
        action("mngantt")->trigger();
        action("mnabout")->trigger();
        m_form->findChild<XPButtonX *>(QStringLiteral("CMBPrint"))->Click();
        if (!m_worksheets) {
            QWidget *parent = m_form.get();
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (window->inherits("PracticeWindow"))
                    parent = window;
            }
            m_worksheets = new WorksheetDialog(parent);
            m_worksheets->show();
        }
        // The main window, the chart, laboratory, practice, worksheet, About and print windows.
        QCOMPARE(allWindows().size(), 7);
    }

    QList<QWidget *> allWindows() const
    {
        QList<QWidget *> windows{m_form.get()};
        for (const char *type : {"frmGantt", "SchedulingLab", "PracticeWindow", "WorksheetDialog",
                                 "frmAbout", "Form2"}) {
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (window->inherits(type) && window->isVisible())
                    windows.append(window);
            }
        }
        if (m_worksheets && !windows.contains(m_worksheets.data()))
            windows.append(m_worksheets.data());
        return windows;
    }

    QStringList allTexts() const
    {
        TextCollector collector;
        for (QWidget *window : allWindows())
            collector.addWindow(window);
        return collector.texts();
    }

    void verifyNoIndonesian(const QStringList &texts) const
    {
        QStringList left;
        for (const QString &entry : texts) {
            const QString text = entry.mid(entry.indexOf(QStringLiteral(": ")) + 2);
            if (kFixedTexts.contains(text))
                continue;
            for (const QString &word : kIndonesianWords) {
                if (text.contains(word, Qt::CaseInsensitive))
                    left.append(entry);
            }
        }
        if (!left.isEmpty())
            qWarning().noquote() << "Indonesian left in English:\n  " + left.join(QStringLiteral("\n  "));
        QVERIFY2(left.isEmpty(), qPrintable(QStringLiteral("%1 texts left in Indonesian").arg(left.size())));
    }

    void typeInto(const char *box, const QString &text)
    {
        auto *edit = m_form->findChild<QLineEdit *>(QString::fromLatin1(box));
        QVERIFY(edit);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

    // The worked FCFS example, computed by a click on the drawn Proses button.
    void computeExample()
    {
        const char *arrival[] = {"Text1", "Text2", "Text3", "Text4", "Text10"};
        const char *burst[] = {"Text5", "Text6", "Text7", "Text8", "Text9"};
        const char *arrivals[] = {"0", "1", "2", "3", "4"};
        const char *bursts[] = {"5", "3", "8", "6", "2"};
        for (int i = 0; i < 5; ++i) {
            typeInto(arrival[i], QString::fromLatin1(arrivals[i]));
            typeInto(burst[i], QString::fromLatin1(bursts[i]));
        }
        auto *proses = m_form->findChild<XPButtonX *>(QStringLiteral("XPButton1"));
        QVERIFY(proses);
        QTest::mouseClick(proses, Qt::LeftButton, {}, proses->rect().center());
    }

private slots:
    void init()
    {
        // The windows' random choices (the number beside Acak, a new exercise) are the same every run.
        labui::repeatRandomChoices(20261207);
        language::setLanguage(Language::Indonesian);
        m_messages = std::make_unique<testsupport::MessageRecorder>();
        m_form = std::make_unique<Form1>();
        // The title scrolls on its own; the tests move it themselves.
        m_form->findChild<QTimer *>(QStringLiteral("Timer2"))->stop();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }

    void cleanup()
    {
        delete frmAbout::instance();
        m_form.reset();   // closes the print, chart, laboratory and practice windows with it
        language::setLanguage(Language::Indonesian);
        m_messages.reset();
    }

    void startsInIndonesianWithTheLanguageMenuBeforeAbout()
    {
        QCOMPARE(language::currentLanguage(), Language::Indonesian);
        auto *program = m_form->findChild<QMenu *>(QStringLiteral("mnprog"));
        QVERIFY(program);
        QStringList names;
        for (const QAction *item : program->actions())
            names.append(item->menu() ? item->menu()->objectName() : item->objectName());
        QCOMPARE(names, (QStringList{"mnlab", "mnlatihan", "mngantt", "mnbahasa", "mnabout"}));
        auto *bahasa = m_form->findChild<QMenu *>(QStringLiteral("mnbahasa"));
        QCOMPARE(bahasa->title(), QStringLiteral("Bahasa / Language"));
        QAction *indonesia = action("mnindonesia");
        QAction *english = action("mnenglish");
        QCOMPARE(indonesia->text(), QStringLiteral("Indonesia"));
        QCOMPARE(english->text(), QStringLiteral("English"));
        QVERIFY(indonesia->isCheckable() && english->isCheckable());
        QVERIFY(indonesia->isChecked());
        QVERIFY(!english->isChecked());
        QVERIFY(indonesia->actionGroup() && indonesia->actionGroup() == english->actionGroup());
        QVERIFY(indonesia->actionGroup()->isExclusive());
    }

    void englishReachesEveryOpenWindow()
    {
        openAllWindows();
        const QStringList indonesian = allTexts();
        choose(Language::English);
        QCOMPARE(language::currentLanguage(), Language::English);
        QVERIFY(action("mnenglish")->isChecked());
        QVERIFY(!action("mnindonesia")->isChecked());

        const QStringList english = allTexts();
        QCOMPARE(english.size(), indonesian.size());
        QVERIFY(english != indonesian);
        verifyNoIndonesian(english);

        // A few texts of each window by name, as an English reader sees them.
        QCOMPARE(m_form->findChild<QGroupBox *>(QStringLiteral("Frame2"))->title(), QStringLiteral("Processes"));
        QCOMPARE(m_form->findChild<QGroupBox *>(QStringLiteral("Frame1"))->title(), QStringLiteral("Scheduling Type"));
        QCOMPARE(m_form->findChild<XPButtonX *>(QStringLiteral("XPButton1"))->Caption(), QStringLiteral("&Process"));
        QCOMPARE(m_form->findChild<XPButtonX *>(QStringLiteral("CMBSimpan"))->Caption(), QStringLiteral("&Save "));
        QCOMPARE(m_form->findChild<XPButtonX *>(QStringLiteral("CMBSimpan"))->toolTip(), QStringLiteral("Save as text"));
        QCOMPARE(action("mnlab")->text(), QStringLiteral("&Laboratory"));
        QCOMPARE(action("mnlatihan")->text(), QStringLiteral("Prac&tice"));
        QCOMPARE(m_form->findChild<QMenu *>(QStringLiteral("mnbahasa"))->title(), QStringLiteral("Bahasa / Language"));
        QCOMPARE(action("mnindonesia")->text(), QStringLiteral("Indonesia"));
        QCOMPARE(find<QWidget>(QStringLiteral("Form2"))->windowTitle(), QStringLiteral("Print"));
        QCOMPARE(find<XPButtonX>(QStringLiteral("CMBSimpanGambar"))->Caption(), QStringLiteral("Save &Image"));
        QCOMPARE(find<QAbstractButton>(QStringLiteral("chkCompare"))->text(), QStringLiteral("Compare FCFS and SJF"));
        QCOMPARE(frmAbout::instance()->windowTitle(), QStringLiteral("About Quorvel"));
        QCOMPARE(frmAbout::instance()->findChild<XPButtonX *>(QStringLiteral("XPButtonX2"))->Caption(),
                 QStringLiteral("System Info"));
    }

    void windowsOpenedInEnglishStartInEnglish()
    {
        choose(Language::English);
        openAllWindows();
        verifyNoIndonesian(allTexts());
        // The same texts as windows opened in Indonesian and switched.
        const QStringList openedInEnglish = allTexts();
        choose(Language::Indonesian);
        choose(Language::English);
        QCOMPARE(allTexts(), openedInEnglish);
    }

    void switchingBackGivesEveryTextAsBefore()
    {
        openAllWindows();
        const QStringList indonesian = allTexts();
        QVERIFY(indonesian.size() > 100);
        choose(Language::English);
        const QStringList english = allTexts();
        choose(Language::Indonesian);
        QCOMPARE(allTexts(), indonesian);
        choose(Language::English);
        QCOMPARE(allTexts(), english);
        choose(Language::Indonesian);
        QCOMPARE(allTexts(), indonesian);
        QVERIFY(action("mnindonesia")->isChecked());
    }

    void scrollingTitleKeepsItsPlaceAcrossLanguages()
    {
        const QString indonesian = m_form->windowTitle();
        QCOMPARE(indonesian, QStringLiteral(".......     Quorvel Versi Beta Tamsira 2006     ......."));
        for (int tick = 0; tick < 7; ++tick)
            m_form->Timer2_Timer();
        QCOMPARE(m_form->windowTitle(), rotated(indonesian, 7));

        choose(Language::English);
        const QString english = QStringLiteral(".......     Quorvel Beta Version Tamsira 2006     .......");
        QCOMPARE(m_form->windowTitle(), rotated(english, 7));
        QCOMPARE(m_form->savedCaption(), m_form->windowTitle());
        m_form->Timer2_Timer();
        QCOMPARE(m_form->windowTitle(), rotated(english, 8));

        // A full turn of the English title and a few more places.
        for (int tick = 0; tick < english.size() + 2; ++tick)
            m_form->Timer2_Timer();
        QCOMPARE(m_form->windowTitle(), rotated(english, 10));

        choose(Language::Indonesian);
        QCOMPARE(m_form->windowTitle(), rotated(indonesian, 10));
        m_form->Timer2_Timer();
        QCOMPARE(m_form->windowTitle(), rotated(indonesian, 11));
    }

    void reportsAndResultsStayAsComputed()
    {
        computeExample();
        const report::ReportTexts indonesian = m_form->reportTexts();
        QCOMPARE(indonesian.averageWaiting.endsWith(QStringLiteral(" satuan waktu")), true);
        const QStringList pieces = report::textReportPieces(indonesian);
        const auto printed = report::printedReportLines(indonesian, QStringLiteral("7 Desember 2026"));

        choose(Language::English);
        const report::ReportTexts english = m_form->reportTexts();
        QCOMPARE(english.averageWaiting, indonesian.averageWaiting);
        QCOMPARE(english.averageTurnaround, indonesian.averageTurnaround);
        QCOMPARE(english.waiting, indonesian.waiting);
        QCOMPARE(english.turnaround, indonesian.turnaround);
        QCOMPARE(report::textReportPieces(english), pieces);
        QCOMPARE(report::printedReportLines(english, QStringLiteral("7 Desember 2026")), printed);

        // A run in English writes the same values and report.
        computeExample();
        QCOMPARE(report::textReportPieces(m_form->reportTexts()), pieces);
    }

    void savedReportIsTheSameInEnglish()
    {
        computeExample();
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QDateTime moment(QDate(2026, 12, 7), QTime(10, 42, 7));
        report::SaveContext context;
        context.now = [&] { return moment; };
        const QString path = folder.filePath(QStringLiteral("Quorvel_77.txt"));

        context.folder = [&] { return folder.path(); };
        m_messages->clear();
        report::saveTextReport(m_form.get(), *m_form, context);
        QCOMPARE(m_messages->texts(), QStringList(QStringLiteral("File tersimpan di path ") + path));
        QFile indonesianFile(path);
        QVERIFY(indonesianFile.open(QIODevice::ReadOnly));
        const QByteArray indonesian = indonesianFile.readAll();
        indonesianFile.close();
        QVERIFY(QFile::remove(path));

        choose(Language::English);
        m_messages->clear();
        report::saveTextReport(m_form.get(), *m_form, context);
        // The same file name and the same bytes; only the message is English.
        QCOMPARE(m_messages->texts(), QStringList(QStringLiteral("File saved at path ") + path));
        QFile englishFile(path);
        QVERIFY(englishFile.open(QIODevice::ReadOnly));
        QCOMPARE(englishFile.readAll(), indonesian);
        QVERIFY(indonesian.contains("satuan waktu"));
    }

    void messagesFollowTheLanguage()
    {
        choose(Language::English);
        typeInto("Text1", QStringLiteral("5"));
        m_messages->clear();
        auto *proses = m_form->findChild<XPButtonX *>(QStringLiteral("XPButton1"));
        QTest::mouseClick(proses, Qt::LeftButton, {}, proses->rect().center());
        QCOMPARE(m_messages->messages().size(), 1);
        QCOMPARE(m_messages->messages().first().title, QStringLiteral("FCFS Process Terminated"));
        QCOMPARE(m_messages->messages().first().text,
                 QStringLiteral("Schedule cannot be processed because the first process starts at ( 5 ) !"));

        // A letter typed into a box.
        m_messages->clear();
        auto *box = m_form->findChild<QLineEdit *>(QStringLiteral("Text2"));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A);
        QCOMPARE(m_messages->messages().size(), 1);
        QCOMPARE(m_messages->messages().first().text, QStringLiteral(" You cannot enter letters !"));

        // The same in Indonesian, word for word as before.
        choose(Language::Indonesian);
        m_messages->clear();
        QTest::mouseClick(proses, Qt::LeftButton, {}, proses->rect().center());
        QCOMPARE(m_messages->messages().size(), 1);
        QCOMPARE(m_messages->messages().first().title, QStringLiteral("FCFS Prosess Terminated"));
        QCOMPARE(m_messages->messages().first().text,
                 QStringLiteral("Schedule tidak dapat diproses karena proses pertama di mulai dari ( 5 ) !"));
    }

    void commandLineChoosesTheLanguage()
    {
        QCOMPARE(language::fromId(u"en"), std::optional<Language>(Language::English));
        QCOMPARE(language::fromId(u"EN"), std::optional<Language>(Language::English));
        QCOMPARE(language::fromId(u"id"), std::optional<Language>(Language::Indonesian));
        QCOMPARE(language::fromId(u"ind"), std::nullopt);
        QCOMPARE(language::fromId(u""), std::nullopt);
        QCOMPARE(language::id(Language::English), QStringView(u"en"));

        QCOMPARE(commandline::apply({QStringLiteral("quorvel"), QStringLiteral("--lang"), QStringLiteral("en")}),
                 std::nullopt);
        QCOMPARE(language::currentLanguage(), Language::English);
        QCOMPARE(commandline::apply({QStringLiteral("quorvel"), QStringLiteral("--lang=id")}), std::nullopt);
        QCOMPARE(language::currentLanguage(), Language::Indonesian);
        QCOMPARE(commandline::apply({QStringLiteral("quorvel"), QStringLiteral("--lang"), QStringLiteral("xx")}),
                 std::optional<int>(2));
        QCOMPARE(commandline::apply({QStringLiteral("quorvel"), QStringLiteral("--lang")}), std::optional<int>(2));
        QCOMPARE(commandline::apply({QStringLiteral("quorvel"), QStringLiteral("--colour")}), std::optional<int>(2));
        QCOMPARE(language::currentLanguage(), Language::Indonesian);
    }

    void programStartsInTheLanguageAsked()
    {
        QProcess helper;
        helper.setProgram(QStringLiteral(LANGUAGE_HELPER));
        helper.setArguments({QStringLiteral("--lang"), QStringLiteral("en")});
        helper.start();
        QVERIFY(helper.waitForFinished(60000));
        QCOMPARE(helper.exitCode(), 0);
        const QString english = QString::fromUtf8(helper.readAllStandardOutput());
        QVERIFY2(english.contains(QStringLiteral("Frame2 Processes\n")), qPrintable(english));
        QVERIFY2(english.contains(QStringLiteral("mnenglish checked\n")), qPrintable(english));

        helper.setArguments({});
        helper.start();
        QVERIFY(helper.waitForFinished(60000));
        QCOMPARE(helper.exitCode(), 0);
        const QString indonesian = QString::fromUtf8(helper.readAllStandardOutput());
        QVERIFY2(indonesian.contains(QStringLiteral("Frame2 Proses\n")), qPrintable(indonesian));
        QVERIFY2(indonesian.contains(QStringLiteral("mnindonesia checked\n")), qPrintable(indonesian));
    }

    void programRefusesAnUnknownLanguage()
    {
        QProcess program;
        program.setProgram(QStringLiteral(QUORVEL_PROGRAM));
        program.setArguments({QStringLiteral("--lang"), QStringLiteral("xx")});
        program.start();
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 2);
        const QString error = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(error.contains(QStringLiteral("unknown language 'xx'")), qPrintable(error));

        program.setArguments({QStringLiteral("--help")});
        program.start();
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(QString::fromLocal8Bit(program.readAllStandardOutput()).contains(QStringLiteral("--lang <id|en>")));
    }
};

QUORVEL_TEST_MAIN(LanguageTest)
#include "tst_language.moc"
