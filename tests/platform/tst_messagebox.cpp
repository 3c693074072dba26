// Real message boxes: where they open and how wide they are.

#include "common/testsupport.h"
#include "platform/framecentring.h"
#include "platform/messagebox.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace {

const QString kRefusal =
    QStringLiteral("Schedule tidak dapat diproses karena proses pertama di mulai dari ( 5 ) !");

struct SeenBox {
    QRect frame;
    QRect label;
    int lineSpacing = 0;
    int textWidth = 0;
    bool shown = false;
};

// Shows a real box and looks at it while it is open, then closes it.
SeenBox showAndLook(QWidget *parent, const QString &text)
{
    SeenBox seen;
    QTimer look;
    look.setInterval(10);
    QObject::connect(&look, &QTimer::timeout, [&seen, &look] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        look.stop();
        const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        seen.shown = true;
        seen.frame = box->frameGeometry();
        seen.label = label ? label->geometry() : QRect();
        seen.lineSpacing = label ? label->fontMetrics().lineSpacing() : 0;
        seen.textWidth = label ? label->fontMetrics().horizontalAdvance(box->text()) : 0;
        box->accept();
    });
    look.start();
    platform::showMessage(parent, text, platform::applicationTitle(), platform::MessageIcon::Exclamation);
    return seen;
}

bool centredOn(const QRect &inner, const QRect &outer)
{
    const QPoint offset = inner.center() - outer.center();
    return qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1;
}

} // namespace

class TestMessageBox : public QObject {
    Q_OBJECT

private slots:
    // The frame, title bar included, is what is centred.
    void framePositionCentresTheWholeFrame()
    {
        const QMargins titleBar(1, 20, 1, 1);
        QCOMPARE(FrameCentring::framePosition(QSize(537, 601), titleBar, QRect(0, 0, 1280, 1024)),
                 QPoint(370, 201));
        QCOMPARE(FrameCentring::framePosition(QSize(376, 84), titleBar, QRect(370, 201, 539, 622)),
                 QPoint(451, 459));
        QCOMPARE(FrameCentring::framePosition(QSize(100, 50), QMargins(), QRect(0, 0, 300, 150)),
                 QPoint(100, 50));
    }

    // A window larger than the screen's available area (the fixed main window at scale 2 on a
    // 1280 x 1024 screen) is centred, but its title bar stays on the screen.
    void framePositionInsideKeepsTheTitleBarOnScreen()
    {
        const QMargins titleBar(1, 20, 1, 1);
        const QRect available(0, 28, 1280, 996);   // a panel along the top
        QCOMPARE(FrameCentring::framePosition(QSize(1074, 1140), titleBar, available), QPoint(102, -55));
        QCOMPARE(FrameCentring::framePositionInside(QSize(1074, 1140), titleBar, available), QPoint(102, 28));
        QCOMPARE(FrameCentring::framePositionInside(QSize(1400, 500), titleBar, available), QPoint(0, 265));
        // A window that fits is centred exactly as before.
        QCOMPARE(FrameCentring::framePositionInside(QSize(537, 601), titleBar, QRect(0, 0, 1280, 1024)),
                 QPoint(370, 201));
    }

    void aOneSentenceMessageIsOneLine()
    {
        QWidget owner;
        owner.setGeometry(120, 90, 540, 600);
        owner.show();
        QVERIFY(QTest::qWaitForWindowActive(&owner));

        const SeenBox seen = showAndLook(&owner, kRefusal);
        QVERIFY(seen.shown);
        QVERIFY2(seen.label.height() < 2 * seen.lineSpacing, qPrintable(QString::number(seen.label.height())));
        QVERIFY(seen.label.width() >= seen.textWidth);
        QVERIFY(centredOn(seen.frame, owner.frameGeometry()));
    }

    void aLongMessageStillWraps()
    {
        QWidget owner;
        owner.resize(300, 200);
        owner.show();
        QVERIFY(QTest::qWaitForWindowActive(&owner));
        const QString text = QStringList(60, kRefusal).join(QLatin1Char(' '));
        const SeenBox seen = showAndLook(&owner, text);
        QVERIFY(seen.shown);
        QVERIFY(seen.label.height() >= 2 * seen.lineSpacing);
        QVERIFY(seen.frame.width() <= owner.screen()->availableGeometry().width() * 3 / 4 + 1);
    }

    // A window that shows its message while loading, before it is shown itself: the box opens
    // over the window the user is working in.
    void aBoxOfAHiddenWindowOpensOverTheActiveOne()
    {
        QWidget active;
        active.setGeometry(400, 300, 500, 400);
        active.show();
        QVERIFY(QTest::qWaitForWindowActive(&active));
        QWidget loading;   // never shown, at the screen's corner

        const SeenBox seen = showAndLook(&loading, QStringLiteral("Tidak ditemukan printer terpasang di Sistem Anda"));
        QVERIFY(seen.shown);
        QVERIFY2(centredOn(seen.frame, active.frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 vs %3,%4").arg(seen.frame.center().x()).arg(seen.frame.center().y())
                                .arg(active.frameGeometry().center().x()).arg(active.frameGeometry().center().y())));
    }

    // A window placed before it is shown ends up centred once it is.
    void aWindowIsCentredWhenShown()
    {
        QWidget window;
        window.resize(320, 240);
        const QRect screen = window.screen()->availableGeometry();
        FrameCentring::centre(&window, screen);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(centredOn(window.frameGeometry(), screen));
    }
};

QUORVEL_TEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
