// The windows as assistive technology sees them through Qt's accessibility interfaces: the
// same checks as the AT-SPI walk (tests/ui/main/atspi_walk.py), without the bus.

#include "shownform1.h"
#include "ui/about/frmabout.h"
#include "ui/gantt/frmgantt.h"
#include "ui/report/form2.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>

namespace {

QAccessibleInterface *accessibleOf(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// Every control of the window a user can reach (by keyboard or by reading) that is shown has
// a name. Returns the first that has none, described.
QString firstUnnamed(QAccessibleInterface *node)
{
    static const QList<QAccessible::Role> reachable{
        QAccessible::Button,     QAccessible::EditableText, QAccessible::RadioButton,
        QAccessible::CheckBox,   QAccessible::List,         QAccessible::MenuItem,
        QAccessible::StaticText, QAccessible::Graphic,      QAccessible::Grouping};
    if (!node->state().invisible && reachable.contains(node->role())
        && node->text(QAccessible::Name).isEmpty())
        return QStringLiteral("%1 (role %2)").arg(node->object() ? node->object()->objectName() : QString())
            .arg(static_cast<int>(node->role()));
    for (int i = 0; i < node->childCount(); ++i) {
        const QString found = firstUnnamed(node->child(i));
        if (!found.isEmpty())
            return found;
    }
    return {};
}

} // namespace

class TestForm1Accessible : public QObject, private ShownForm1 {
    Q_OBJECT

private slots:
    void init() { QVERIFY(openForm()); }
    void cleanup()
    {
        if (frmAbout *about = frmAbout::instance())
            delete about;
        if (Form2 *print = Form2::instance())
            delete print;
        closeForm();
    }

    void boxNames_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        const char *rows[][2] = {
            {"Text1", "P1 Arrival Time"}, {"Text2", "P2 Arrival Time"}, {"Text3", "P3 Arrival Time"},
            {"Text4", "P4 Arrival Time"}, {"Text10", "P5 Arrival Time"}, {"Text5", "P1 Burst Time"},
            {"Text6", "P2 Burst Time"},   {"Text7", "P3 Burst Time"},   {"Text8", "P4 Burst Time"},
            {"Text9", "P5 Burst Time"},   {"HasilAWT", "Awaiting Time"}, {"HasilATT", "Turn Around"}};
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
    }

    void boxNames()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QAccessibleInterface *a = accessibleOf(box(control));
        QCOMPARE(a->role(), QAccessible::EditableText);
        QCOMPARE(a->text(QAccessible::Name), name);
    }

    // The window's name is the program, not the scrolling text of its title bar.
    void windowName()
    {
        QCOMPARE(accessibleOf(m_form.get())->text(QAccessible::Name), QStringLiteral("Quorvel"));
        QCOMPARE(firstUnnamed(accessibleOf(m_form.get())), QString());
    }

    // The press action of XPButton1 runs Proses: the results appear in the boxes.
    void pressProses()
    {
        const char *arrival[] = {"Text1", "Text2", "Text3", "Text4", "Text10"};
        const char *burst[] = {"Text5", "Text6", "Text7", "Text8", "Text9"};
        const int bursts[] = {5, 3, 8, 6, 2};
        for (int i = 0; i < 5; ++i) {
            box(QString::fromLatin1(arrival[i]))->setText(QString::number(i));
            box(QString::fromLatin1(burst[i]))->setText(QString::number(bursts[i]));
        }
        QAccessibleInterface *proses = accessibleOf(get(QStringLiteral("XPButton1")));
        QCOMPARE(proses->role(), QAccessible::Button);
        QCOMPARE(proses->text(QAccessible::Name), QStringLiteral("Proses"));
        QCOMPARE(proses->text(QAccessible::Description), QStringLiteral("Proses CPU"));
        proses->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(box(QStringLiteral("HasilATT"))->text().startsWith(QStringLiteral("65/5 = 13")));
        QVERIFY(box(QStringLiteral("HasilAWT"))->text().startsWith(QStringLiteral("41/5 = 8")));
        QVERIFY(m_messages->messages().isEmpty());
    }

    void aboutBoxNamed()
    {
        m_form->mnabout_Click();
        frmAbout *about = frmAbout::instance();
        QVERIFY(about);
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QCOMPARE(firstUnnamed(accessibleOf(about)), QString());
        QCOMPARE(accessibleOf(about->findChild<QWidget *>(QStringLiteral("picIcon")))->text(QAccessible::Name),
                 QStringLiteral("Quorvel icon"));
        QCOMPARE(accessibleOf(about->findChild<QWidget *>(QStringLiteral("XPButtonX2")))->text(QAccessible::Name),
                 QStringLiteral("Sistem Info"));
    }

    void printWindowNamed()
    {
        m_form->CMBPrint_Click();
        Form2 *print = Form2::instance();
        QVERIFY(print);
        QVERIFY(QTest::qWaitForWindowExposed(print));
        QCOMPARE(firstUnnamed(accessibleOf(print)), QString());
        QCOMPARE(accessibleOf(print->findChild<QWidget *>(QStringLiteral("List1")))->text(QAccessible::Name),
                 QStringLiteral("Default Printer"));
        QCOMPARE(accessibleOf(print->findChild<QWidget *>(QStringLiteral("XPButtonX1")))->text(QAccessible::Name),
                 QStringLiteral("Print Now"));
        // Announced as a window of its own, by its title.
        QCOMPARE(accessibleOf(print)->role(), QAccessible::Dialog);
        QCOMPARE(accessibleOf(print)->text(QAccessible::Name), QStringLiteral("Print"));
    }

    // Each detail label is named by its column and process; its text is the value.
    void detailLabelsNamedByTheirColumn()
    {
        const int bursts[] = {5, 3, 8, 6, 2};
        const char *arrival[] = {"Text1", "Text2", "Text3", "Text4", "Text10"};
        const char *burst[] = {"Text5", "Text6", "Text7", "Text8", "Text9"};
        for (int i = 0; i < 5; ++i) {
            box(QString::fromLatin1(arrival[i]))->setText(QString::number(i));
            box(QString::fromLatin1(burst[i]))->setText(QString::number(bursts[i]));
        }
        m_form->Command1_Click();
        for (int i = 0; i < 5; ++i) {
            auto *waitingLabel = get<QLabel>(QStringLiteral("AWTDetail_%1").arg(i));
            auto *turnaroundLabel = get<QLabel>(QStringLiteral("TurnAround_%1").arg(i));
            QCOMPARE(accessibleOf(waitingLabel)->text(QAccessible::Name), QStringLiteral("Waiting Time P%1").arg(i + 1));
            QCOMPARE(accessibleOf(turnaroundLabel)->text(QAccessible::Name), QStringLiteral("Turn Around P%1").arg(i + 1));
            QCOMPARE(accessibleOf(waitingLabel)->role(), QAccessible::StaticText);
            QVERIFY(waitingLabel->text().startsWith(QStringLiteral("P%1 = ").arg(i + 1)));
            // A label is read by its name: the value follows as its description.
            QCOMPARE(accessibleOf(waitingLabel)->text(QAccessible::Description), waitingLabel->text());
            QCOMPARE(accessibleOf(turnaroundLabel)->text(QAccessible::Description), turnaroundLabel->text());
        }
        QCOMPARE(get<QLabel>(QStringLiteral("AWTDetail_1"))->text(), QStringLiteral("P2 = 4"));
        QCOMPARE(get<QLabel>(QStringLiteral("TurnAround_1"))->text(), QStringLiteral("P2 = 7"));
        // Reset writes zeros, and so does the description.
        m_form->Command3_Click();
        QCOMPARE(accessibleOf(get<QLabel>(QStringLiteral("AWTDetail_3")))->text(QAccessible::Description),
                 QStringLiteral("P4 = 0"));
    }

    void ganttWindowNamed()
    {
        m_form->mngantt_Click();
        frmGantt *gantt = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *window = qobject_cast<frmGantt *>(widget))
                gantt = window;
        }
        QVERIFY(gantt);
        QVERIFY(QTest::qWaitForWindowExposed(gantt));
        QCOMPARE(firstUnnamed(accessibleOf(gantt)), QString());
        QCOMPARE(accessibleOf(gantt->findChild<QWidget *>(QStringLiteral("CMBSimpanGambar")))->text(QAccessible::Name),
                 QStringLiteral("Simpan Gambar"));
        QCOMPARE(accessibleOf(gantt)->role(), QAccessible::Window);
        QCOMPARE(accessibleOf(gantt)->text(QAccessible::Name), QStringLiteral("Gantt Chart"));
    }
};

QUORVEL_TEST_MAIN(TestForm1Accessible)
#include "tst_form1accessible.moc"
