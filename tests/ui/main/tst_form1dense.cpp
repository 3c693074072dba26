// The main window at QT_SCALE_FACTOR=2, as on a dense laptop screen.

#include "shownform1.h"
#include "ui/button/xpbuttonx.h"

#include <QIcon>
#include <QLabel>

class TestForm1Dense : public QObject, private ShownForm1 {
    Q_OBJECT

private slots:
    void init() { QVERIFY(openForm()); }
    void cleanup() { closeForm(); }

    // The frame of XPButton2 is whole 2 x 2 blocks of the frame colour and its caption is
    // drawn at device resolution, not as doubled pixels.
    void commandButtonAtTwo()
    {
        auto *reset = get<XPButtonX>(QStringLiteral("XPButton2"));
        QCOMPARE(reset->devicePixelRatio(), 2.0);
        const QImage &image = reset->image();
        QCOMPARE(image.size(), reset->size() * 2);
        const QRgb frame = qRgb(0, 60, 116);
        const int w = reset->width(), h = reset->height();
        for (int x = 2; x <= w - 3; ++x)
            for (int y : {0, h - 1})
                for (int d = 0; d < 4; ++d)
                    QCOMPARE(image.pixel(2 * x + d % 2, 2 * y + d / 2) | 0xff000000, frame);
        for (int y = 2; y <= h - 3; ++y)
            for (int x : {0, w - 1})
                for (int d = 0; d < 4; ++d)
                    QCOMPARE(image.pixel(2 * x + d % 2, 2 * y + d / 2) | 0xff000000, frame);

        const QRect caption = reset->lastCaptionRect();
        const QRgb text = reset->resolveColor(reset->ForeColor()).rgb() | 0xff000000;
        int mixed = 0;
        for (int y = caption.top(); y <= caption.bottom(); ++y)
            for (int x = 0; x < w; ++x) {
                int inText = 0;
                for (int d = 0; d < 4; ++d)
                    inText += (image.pixel(2 * x + d % 2, 2 * y + d / 2) | 0xff000000) == text ? 1 : 0;
                mixed += (inText != 0 && inText != 4) ? 1 : 0;
            }
        QVERIFY2(mixed > 10, qPrintable(QString::number(mixed)));
    }

    // The window's icon has a picture made for this density.
    void iconAtTwo()
    {
        const QPixmap icon = m_form->windowIcon().pixmap(QSize(128, 128));
        QCOMPARE(icon.devicePixelRatio(), 2.0);
        QCOMPARE(icon.size(), QSize(256, 256));
        QVERIFY(m_form->windowIcon().availableSizes().contains(QSize(256, 256)));
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    TestForm1Dense test;
    return testsupport::runQtTest(argc, argv, &test);
}

#include "tst_form1dense.moc"
