#include "common/buttonlooks.h"
#include "common/testsupport.h"
#include "ui/button/xpbuttonx.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>

#include <memory>

namespace {

// The accessibility events sent while it lives, as type and object.
class EventLog {
public:
    EventLog()
    {
        s_current = this;
        QAccessible::installUpdateHandler(&EventLog::record);

    }
    ~EventLog()
    {
        QAccessible::installUpdateHandler(nullptr);
        s_current = nullptr;
    }
    EventLog(const EventLog &) = delete;
    EventLog &operator=(const EventLog &) = delete;

    // Events reach the handler only on a platform with accessibility (the X11 one with an
    // AT-SPI bus); the offscreen one has none.
    static bool deliverable() { return QAccessible::isActive(); }

    int count(QAccessible::Event type, const QObject *object) const
    {
        return static_cast<int>(std::count(m_events.cbegin(), m_events.cend(), std::pair(type, object)));
    }
    // How many state changes of the object include the disabled state.
    int disabledChanges(const QObject *object) const { return m_disabledChanges.count(object); }

private:
    static void record(QAccessibleEvent *event)
    {
        s_current->m_events.append({event->type(), event->object()});
        if (event->type() == QAccessible::StateChanged
            && static_cast<QAccessibleStateChangeEvent *>(event)->changedStates().disabled)
            s_current->m_disabledChanges.append(event->object());
    }

    static inline EventLog *s_current = nullptr;
    QList<std::pair<QAccessible::Event, const QObject *>> m_events;
    QList<const QObject *> m_disabledChanges;
};

} // namespace

class TestButtonAccessible : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> m_window;
    XPButtonX *m_button = nullptr;

    QAccessibleInterface *iface() const { return QAccessible::queryAccessibleInterface(m_button); }

private slots:
    // Under scripts/atspi-session.sh the events must be observable, or the name and state
    // checks below would pass without looking at them: the bridge to the AT-SPI bus comes up
    // a moment after the start.
    void initTestCase()
    {
        if (qEnvironmentVariableIsSet("QUORVEL_ATSPI_SESSION"))
            QTRY_VERIFY_WITH_TIMEOUT(EventLog::deliverable(), 20000);
    }

    void init()
    {
        m_window = std::make_unique<QWidget>();
        m_window->resize(200, 60);
        m_button = testsupport::addProsesButton(m_window.get(), QRect(10, 10, 89, 25), 0);
        m_button->setToolTip(QStringLiteral("Proses CPU"));
    }
    void cleanup() { m_window.reset(); }

    void roleNameAndDescription()
    {
        QAccessibleInterface *a = iface();
        QVERIFY(a);
        QCOMPARE(a->role(), QAccessible::Button);
        QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Proses"));
        QCOMPARE(a->text(QAccessible::Description), QStringLiteral("Proses CPU"));
        QCOMPARE(a->text(QAccessible::Accelerator), QStringLiteral("Alt+P"));
        QCOMPARE(a->parent(), QAccessible::queryAccessibleInterface(m_window.get()));
    }

    void nameFromCaption_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("name");
        QTest::newRow("access key") << QStringLiteral("&Reset") << QStringLiteral("Reset");
        QTest::newRow("escaped ampersand") << QStringLiteral("R&&D") << QStringLiteral("R&D");
        QTest::newRow("both") << QStringLiteral("&Save && Quit") << QStringLiteral("Save & Quit");
        QTest::newRow("trailing blank") << QStringLiteral("&Simpan ") << QStringLiteral("Simpan");
        QTest::newRow("no marker") << QStringLiteral("Sistem Info") << QStringLiteral("Sistem Info");
    }

    // A new caption is a new name, and assistive technology is told at once.
    void nameFromCaption()
    {
        QFETCH(QString, caption);
        QFETCH(QString, name);
        EventLog log;
        m_button->setCaption(caption);
        QCOMPARE(iface()->text(QAccessible::Name), name);
        if (EventLog::deliverable())
            QCOMPARE(log.count(QAccessible::NameChanged, m_button), 1);
    }

    // The press action clicks like Space: Click is raised once, after the request returns.
    void pressActionClicks()
    {
        QAccessibleActionInterface *action = iface()->actionInterface();
        QVERIFY(action);
        QCOMPARE(action->actionNames().value(0), QAccessibleActionInterface::pressAction());
        QCOMPARE(action->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
                 QStringList(QStringLiteral("Alt+P")));
        QSignalSpy clicks(m_button, &XPButtonX::Click);
        action->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks.count(), 0);
        QTRY_COMPARE(clicks.count(), 1);
        QCOMPARE(m_button->lastButton(), std::int16_t(1));
        QTest::qWait(20);
        QCOMPARE(clicks.count(), 1);
    }

    // Disabled: the state says so (and assistive technology hears of the change both ways),
    // and pressing does nothing.
    void disabledState()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QVERIFY(iface()->state().focusable);
        QVERIFY(!iface()->state().disabled);

        EventLog log;
        m_button->setEnabledProperty(0);
        QVERIFY(iface()->state().disabled);
        if (EventLog::deliverable())
            QCOMPARE(log.disabledChanges(m_button), 1);

        QSignalSpy clicks(m_button, &XPButtonX::Click);
        iface()->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTest::qWait(20);
        QCOMPARE(clicks.count(), 0);

        const int before = log.disabledChanges(m_button);
        m_button->setEnabledProperty(-1);
        QVERIFY(!iface()->state().disabled);
        if (EventLog::deliverable())
            QCOMPARE(log.disabledChanges(m_button), before + 1);
    }

    void focusedState()
    {
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_button->clearFocus();
        QVERIFY(!iface()->state().focused);
        m_button->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(iface()->state().focused);
    }

    // A button without an access key has no key binding.
    void noAccessKeyNoBinding()
    {
        m_button->setCaption(QStringLiteral("Sistem Info"));
        QCOMPARE(iface()->text(QAccessible::Accelerator), QString());
        QCOMPARE(iface()->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
                 QStringList());
    }
};

QUORVEL_TEST_MAIN(TestButtonAccessible)
#include "tst_buttonaccessible.moc"
