// The button on dense screens: five offscreen screens side by side with device pixel ratios
// 1, 1.25, 1.5, 2 and 3.

#include "common/buttonlooks.h"
#include "common/densescreens.h"
#include "common/testsupport.h"
#include "ui/button/buttoncanvas.h"
#include "ui/button/xpbuttonx.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QFontDatabase>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>

namespace {

using testsupport::Look;

const QList<double> kRatios{1, 1.25, 1.5, 2, 3};
constexpr QRgb kFrame = 0xff003c74;

QScreen *screenWithRatio(double ratio)
{
    return QGuiApplication::screens().value(static_cast<int>(kRatios.indexOf(ratio)));
}

// A shown window on the screen with the given ratio and an 89 x 25 button in it, and the
// button's image as it was right after it was brought into the look (later the hover timer
// or another window taking the focus may paint it again).
struct ButtonOnScreen {
    QWidget window;
    XPButtonX *button = nullptr;
    bool ready = false;
    QImage image;

    ButtonOnScreen(double ratio, const QString &caption, Look look = Look::Normal)
    {
        QScreen *screen = screenWithRatio(ratio);
        window.setScreen(screen);
        window.setGeometry(QRect(screen->geometry().topLeft() + QPoint(40, 40), QSize(200, 80)));
        button = testsupport::addProsesButton(&window, QRect(20, 20, 89, 25), 0);
        button->setCaption(caption);
        window.show();
        ready = QTest::qWaitForWindowExposed(&window) && button->devicePixelRatio() == ratio;
        QCoreApplication::processEvents();
        // The shown window may have given the button the focus.
        button->clearFocus();
        testsupport::bringIntoLook(button, look);
        button->PaintButton(look == Look::Pressed ? 1 : 0);
        image = button->image().copy();
    }
};

// Where device pixels of `image` differ from the logical pixel of `reference` they belong to.
QString firstBlockMismatch(const QImage &image, const QImage &reference, qreal ratio)
{
    for (int y = 0; y < reference.height(); ++y) {
        for (int x = 0; x < reference.width(); ++x) {
            const QRgb want = reference.pixel(x, y) | 0xff000000;
            for (int dy = ButtonCanvas::deviceEdge(y, ratio); dy < ButtonCanvas::deviceEdge(y + 1, ratio); ++dy)
                for (int dx = ButtonCanvas::deviceEdge(x, ratio); dx < ButtonCanvas::deviceEdge(x + 1, ratio); ++dx)
                    if ((image.pixel(dx, dy) | 0xff000000) != want)
                        return QStringLiteral("logical (%1, %2): device (%3, %4) is %5, not %6")
                            .arg(x).arg(y).arg(dx).arg(dy).arg(QColor(image.pixel(dx, dy)).name(), QColor(want).name());
        }
    }
    return {};
}

} // namespace

class TestButtonDense : public QObject {
    Q_OBJECT

private slots:
    void init() { QCursor::setPos(-1000, -1000); }

    void everyStepCoversWholeDevicePixels_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<Look>("look");
        const std::pair<const char *, Look> looks[] = {
            {"normal", Look::Normal}, {"focused", Look::Focused},
            {"pressed", Look::Pressed}, {"disabled", Look::Disabled}};
        for (double ratio : kRatios)
            for (const auto &[name, look] : looks)
                QTest::addRow("%s at %g", name, ratio) << ratio << look;
    }

    // Without a caption every device pixel has the colour of its logical pixel at ratio 1:
    // no line or fill is blended with its neighbours, none is a pixel short or over.
    void everyStepCoversWholeDevicePixels()
    {
        QFETCH(double, ratio);
        QFETCH(Look, look);
        ButtonOnScreen reference(1, QString(), look);
        ButtonOnScreen dense(ratio, QString(), look);
        QVERIFY(reference.ready && dense.ready);

        const QImage &image = dense.image;
        QCOMPARE(image.devicePixelRatio(), ratio);
        QCOMPARE(image.size(), QSize(ButtonCanvas::deviceEdge(89, ratio), ButtonCanvas::deviceEdge(25, ratio)));
        QCOMPARE(reference.image.size(), QSize(89, 25));
        const QString mismatch = firstBlockMismatch(image, reference.image, ratio);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }

    // At 2 the frame is whole 2 x 2 blocks of the frame colour, and the window shape still
    // cuts exactly the four logical corner pixels.
    void frameAndShapeAtTwo()
    {
        ButtonOnScreen dense(2, QStringLiteral("&Proses"));
        QVERIFY(dense.ready);
        const QImage &image = dense.image;
        for (int x = 2 * 2; x < 2 * 87; ++x)
            for (int y : {0, 1, 48, 49})
                QCOMPARE(image.pixel(x, y) | 0xff000000, kFrame);
        for (int y = 2 * 2; y < 2 * 23; ++y)
            for (int x : {0, 1, 176, 177})
                QCOMPARE(image.pixel(x, y) | 0xff000000, kFrame);

        const QRegion shape = dense.button->mask();
        for (QPoint cut : {QPoint(0, 0), QPoint(88, 0), QPoint(0, 24), QPoint(88, 24)})
            QVERIFY(!shape.contains(cut));
        int area = 0;
        for (const QRect &r : shape)
            area += r.width() * r.height();
        QCOMPARE(area, 89 * 25 - 4);
    }

    // The caption is rendered at device resolution: not the 1x glyphs with every pixel doubled,
    // so some aligned 2 x 2 blocks of it hold more than one colour. Still one colour per pixel
    // (no antialiasing) and vertically centred as at 1x.
    void captionAtDeviceResolution()
    {
        ButtonOnScreen plain(1, QStringLiteral("&Proses"));
        ButtonOnScreen dense(2, QStringLiteral("&Proses"));
        QVERIFY(plain.ready && dense.ready);
        QCOMPARE(dense.button->lastCaptionRect(), plain.button->lastCaptionRect());

        const QImage &image = dense.image;
        const QRgb black = qRgb(0, 0, 0);
        int captionPixels = 0;
        int mixedBlocks = 0;
        for (int y = 0; y + 1 < image.height(); y += 2)
            for (int x = 0; x + 1 < image.width(); x += 2) {
                int inBlock = 0;
                for (QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
                    inBlock += (image.pixel(x + d.x(), y + d.y()) | 0xff000000) == black ? 1 : 0;
                captionPixels += inBlock;
                mixedBlocks += (inBlock != 0 && inBlock != 4) ? 1 : 0;
            }
        QVERIFY(captionPixels > 4 * 20);
        QVERIFY2(mixedBlocks > 10, qPrintable(QString::number(mixedBlocks)));

        // Every caption pixel is the caption colour or a face colour of the 1x look.
        QSet<QRgb> colours;
        for (int y = 0; y < plain.image.height(); ++y)
            for (int x = 0; x < plain.image.width(); ++x)
                colours.insert(plain.image.pixel(x, y) | 0xff000000);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QVERIFY(colours.contains(image.pixel(x, y) | 0xff000000));
    }

    // A face of bitmap strikes only (the "MS Sans Serif" look-alike) has no glyphs of the
    // device size: at 2 the caption must still be twice as high, not the small strike spread
    // over the doubled advances.
    void bitmapFaceCaptionAtTwo()
    {
        const QString file = QStringLiteral("/usr/share/wine/fonts/ms_sans_serif.ttf");
        const int id = QFile::exists(file) ? QFontDatabase::addApplicationFont(file) : -1;
        if (id < 0)
            QSKIP("the fonts-wine look-alike is not installed");
        QFont font(QFontDatabase::applicationFontFamilies(id).value(0));
        font.setPointSizeF(8.25);

        auto inkHeight = [](const QImage &image) {
            int first = -1, last = -1;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if ((image.pixel(x, y) | 0xff000000) == qRgb(0, 0, 0)) {
                        first = first < 0 ? y : first;
                        last = y;
                    }
            return first < 0 ? 0 : last - first + 1;
        };
        ButtonOnScreen plain(1, QString());
        ButtonOnScreen dense(2, QString());
        QVERIFY(plain.ready && dense.ready);
        for (ButtonOnScreen *on : {&plain, &dense}) {
            on->button->setFontProperty(font);
            on->button->setCaption(QStringLiteral("&Print"));
        }
        const int plainHeight = inkHeight(plain.button->image());
        QVERIFY(plainHeight >= 6);
        QVERIFY2(inkHeight(dense.button->image()) >= 2 * plainHeight - 3,
                 qPrintable(QStringLiteral("%1 against %2").arg(inkHeight(dense.button->image())).arg(plainHeight)));
    }

    // Moved to a screen of another ratio, the window repaints and the button draws its look
    // again at the new ratio.
    void repaintsAtTheNewScreensRatio()
    {
        ButtonOnScreen moving(1, QStringLiteral("&Proses"), Look::Focused);
        QVERIFY(moving.ready);
        ButtonOnScreen reference(3, QStringLiteral("&Proses"), Look::Focused);
        QVERIFY(reference.ready);

        moving.window.windowHandle()->setScreen(screenWithRatio(3));
        QTRY_COMPARE(moving.button->image().devicePixelRatio(), 3.0);
        QCOMPARE(moving.button->image(), reference.image);

        moving.window.windowHandle()->setScreen(screenWithRatio(1.5));
        QTRY_COMPARE(moving.button->image().devicePixelRatio(), 1.5);
        QCOMPARE(moving.button->image().size(), QSize(134, 38));
    }
};

int main(int argc, char **argv)
{
    QTemporaryDir folder;
    testsupport::useOffscreenScreens(kRatios, folder.path());
    TestButtonDense test;
    return testsupport::runQtTest(argc, argv, &test);
}

#include "tst_buttondense.moc"
