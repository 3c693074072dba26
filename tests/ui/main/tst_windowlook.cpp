// How the main window looks and where it opens: its frames, and the centring of its whole frame.

#include "shownform1.h"

#include "platform/framecentring.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QScreen>

namespace {

const QRgb kWindowBlue = qRgb(218, 234, 254);
const QRgb kBorderGrey = qRgb(128, 128, 128);

// The first row, from the top, where the frame's right border line shows (its grey shadow line
// runs one pixel inside the right edge); -1 when there is none.
int borderRow(const QImage &image)
{
    const int x = image.width() - 2;
    for (int y = 0; y < image.height(); ++y) {
        if ((image.pixel(x, y) | 0xff000000) == kBorderGrey)
            return y;
    }
    return -1;
}

} // namespace

class WindowLookTest : public QObject, private ShownForm1 {
    Q_OBJECT

private slots:
    void init() { QVERIFY(openForm()); }
    void cleanup() { closeForm(); }

    void framesAreDrawnAsLaidOut_data()
    {
        QTest::addColumn<QString>("frameName");
        for (const char *name : {"Frame1", "Frame2", "Frame3", "Frame4", "Frame5"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    // The border runs at the caption's middle height, the inside is exactly the window blue,
    // and every control in the frame lies clear of the border.
    void framesAreDrawnAsLaidOut()
    {
        QFETCH(QString, frameName);
        auto *frame = get<QGroupBox>(frameName);
        const QImage image = frame->grab().toImage();
        const int captionHeight = QFontMetrics(frame->font()).height();

        const int top = borderRow(image);
        QVERIFY2(top >= 0, "no border drawn");
        QVERIFY2(qAbs(top - captionHeight / 2) <= 1, qPrintable(QString::number(top)));
        QCOMPARE(image.pixel(image.width() - 4, image.height() - 4) | 0xff000000, kWindowBlue);
        QCOMPARE(image.pixel(image.width() - 4, top + 3) | 0xff000000, kWindowBlue);

        // (A transparent label's box may reach the right edge, as "Burst Time" does; its text
        // ends long before.)
        for (QWidget *child : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!child->isVisible())
                continue;
            QVERIFY2(child->y() > top + 1 && child->geometry().bottom() < frame->height() - 2
                         && child->x() > 1,
                     qPrintable(child->objectName()));
        }
    }

    void arrivalAndBurstLabelsSitBelowTheBorder()
    {
        auto *frame = get<QGroupBox>(QStringLiteral("Frame2"));
        const int top = borderRow(frame->grab().toImage());
        for (const char *name : {"Label3", "Label4"}) {
            auto *label = get<QLabel>(QString::fromLatin1(name));
            QCOMPARE(label->y(), 16);   // 240 twips
            QVERIFY(label->y() + QFontMetrics(label->font()).ascent() / 2 > top + 2);
        }
    }

    // Whatever frame the window manager gives it, the frame is centred, not the client area.
    void theWholeFrameIsCentred()
    {
        const QRect screen = m_form->screen()->availableGeometry();
        const QMargins frame = FrameCentring::expectedFrameMargins(m_form.get());
        QTRY_COMPARE(m_form->frameGeometry().center(), screen.center());
        QCOMPARE(m_form->frameGeometry(), m_form->geometry().marginsAdded(frame));
    }
};

QUORVEL_TEST_MAIN(WindowLookTest)
#include "tst_windowlook.moc"
