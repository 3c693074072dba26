#include "common/testsupport.h"
#include "ui/button/buttoncanvas.h"
#include "ui/button/xpbuttonx.h"

#include <QApplication>
#include <QCursor>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QPainter>

namespace {

QRgb rgb(int r, int g, int b) { return qRgb(r, g, b); }

// Every pixel of columns x1..x2 of row y has the colour; otherwise says which one does not.
QString rowMismatch(const QImage &image, int y, int x1, int x2, QRgb colour)
{
    for (int x = x1; x <= x2; ++x) {
        const QRgb actual = image.pixel(x, y) | 0xff000000;
        if (actual != (colour | 0xff000000))
            return QStringLiteral("(%1, %2) is (%3, %4, %5), expected (%6, %7, %8)")
                .arg(x).arg(y).arg(qRed(actual)).arg(qGreen(actual)).arg(qBlue(actual))
                .arg(qRed(colour)).arg(qGreen(colour)).arg(qBlue(colour));
    }
    return {};
}

#define ROW_IS(image, y, x1, x2, colour)                                        \
    do {                                                                        \
        const QString mismatch = rowMismatch(image, y, x1, x2, colour);         \
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));                     \
    } while (false)

int countColour(const QImage &image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) | 0xff000000) == (colour | 0xff000000) ? 1 : 0;
    return n;
}

void giveFocus(XPButtonX &button)
{
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&button, &in);
}

// Moves the real pointer onto the button and lets it see the move.
void hoverOver(XPButtonX &button)
{
    const QPoint at(button.width() / 2, button.height() / 2);
    QCursor::setPos(button.mapToGlobal(at));
    QTest::mouseMove(&button, at);
    QTRY_COMPARE(button.hovering(), std::int16_t(-1));
}

// A shown, focused 100 x 30 button without caption inside a window.
struct FocusedButton {
    QWidget window;
    XPButtonX *button = new XPButtonX(&window);
    bool ready = false;

    FocusedButton()
    {
        window.resize(200, 80);
        button->setGeometry(20, 20, 100, 30);
        button->setCaption(QString());
        window.show();
        ready = QTest::qWaitForWindowExposed(&window);
        window.activateWindow();
        button->setFocus(Qt::TabFocusReason);
    }
};

constexpr QRgb kFrame = 0xff003c74;
constexpr QRgb kBeside = 0xff7a95a8;
constexpr QRgb kDiagonal = 0xff255783;
constexpr QRgb kWhite = 0xffffffff;

} // namespace

class TestButtonPaint : public QObject {
    Q_OBJECT

private slots:
    void init() { QCursor::setPos(-1000, -1000); } // no test starts hovering by chance

    void normalFaceRows_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("row 0 frame") << 0 << kFrame;
        QTest::newRow("row 1 white") << 1 << kWhite;
        QTest::newRow("row 2 white") << 2 << kWhite;
        for (int k = 0; k <= 22; ++k)
            QTest::addRow("gradient row %d", 3 + k) << 3 + k << rgb(255 - k, 255 - k, 253 - k);
        QTest::newRow("row 26") << 26 << rgb(236, 235, 230);
        QTest::newRow("row 27") << 27 << rgb(226, 223, 214);
        QTest::newRow("row 28") << 28 << rgb(214, 208, 197);
        QTest::newRow("row 29 frame") << 29 << kFrame;
    }

    // A 100 x 30 button, enabled, unfocused, no pointer over it, no caption.
    void normalFaceRows()
    {
        QFETCH(int, row);
        QFETCH(QRgb, colour);
        XPButtonX button;
        button.resize(100, 30);
        button.setCaption(QString());
        QCOMPARE(button.image().size(), QSize(100, 30));
        ROW_IS(button.image(), row, 2, 97, colour);
    }

    void normalFaceFrameAndShape()
    {
        XPButtonX button;
        button.resize(100, 30);
        button.setCaption(QString());
        const QImage &img = button.image();
        for (int y = 2; y <= 27; ++y) {
            ROW_IS(img, y, 0, 0, kFrame);
            ROW_IS(img, y, 99, 99, kFrame);
        }
        const struct { int x, y; QRgb colour; } corners[] = {
            {0, 1, kBeside},  {1, 1, kDiagonal},  {1, 0, kBeside},  {98, 0, kBeside},
            {98, 1, kDiagonal}, {99, 1, kBeside}, {0, 28, kBeside}, {1, 28, kDiagonal},
            {1, 29, kBeside}, {99, 28, kBeside},  {98, 28, kDiagonal}, {98, 29, kBeside},
        };
        for (const auto &c : corners)
            ROW_IS(img, c.y, c.x, c.x, c.colour);

        // The window shape: everything but the four extreme corners.
        const QRegion shape = button.mask();
        for (QPoint cut : {QPoint(0, 0), QPoint(99, 0), QPoint(0, 29), QPoint(99, 29)})
            QVERIFY(!shape.contains(cut));
        int area = 0;
        for (const QRect &r : shape)
            area += r.width() * r.height();
        QCOMPARE(area, 100 * 30 - 4);
    }

    // Qt reports a shown window's new size at once: a new image and new corners cut.
    void resizeRepaintsAndReshapes()
    {
        QWidget window;
        auto *button = new XPButtonX(&window);
        button->setGeometry(10, 10, 100, 30);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        button->resize(60, 20);
        QCOMPARE(button->image().size(), QSize(60, 20));
        QVERIFY(!button->mask().contains(QPoint(59, 19)));
        QVERIFY(button->mask().contains(QPoint(58, 19)));
        QVERIFY(button->mask().contains(QPoint(59, 18)));
        ROW_IS(button->image(), 19, 2, 57, kFrame);
        ROW_IS(button->image(), 18, 58, 58, kDiagonal);
    }

    void pressedFaceBands_data()
    {
        QTest::addColumn<int>("height");
        for (int h : {23, 24, 25, 26, 30, 41})
            QTest::addRow("height %d", h) << h;
    }

    // The 4-row bands leave no gap whatever the height; only the first has its own colour.
    void pressedFaceBands()
    {
        QFETCH(int, height);
        XPButtonX button;
        button.resize(80, height);
        button.setCaption(QString());
        giveFocus(button); // focus sets lastButton to 1, so a pressed paint shows the pressed look
        button.PaintButton(1);
        const QImage &img = button.image();
        const int B = height;
        ROW_IS(img, 1, 2, 77, rgb(209, 204, 192));
        ROW_IS(img, 2, 1, 78, rgb(220, 216, 207));
        ROW_IS(img, 3, 1, 78, rgb(226, 225, 218));
        ROW_IS(img, 4, 1, 78, rgb(226, 225, 218));
        for (int y = 5; y <= B - 4; ++y)
            ROW_IS(img, y, 1, 78, rgb(225, 224, 217));
        ROW_IS(img, B - 3, 1, 78, rgb(234, 233, 227));
        ROW_IS(img, B - 2, 2, 77, rgb(242, 241, 238));
        ROW_IS(img, B - 1, 2, 77, kFrame);
        QCOMPARE(countColour(img, rgb(188, 212, 246)), 0); // no rim when pressed
    }

    void disabledFace()
    {
        XPButtonX button;
        button.resize(100, 30);
        button.setCaption(QStringLiteral("Cetak"));
        button.setEnabledProperty(0);
        const QImage &img = button.image();
        const QRgb outline = rgb(201, 199, 186), outer = rgb(216, 213, 199), inner = rgb(234, 233, 222);
        ROW_IS(img, 0, 2, 97, outline);
        ROW_IS(img, 29, 2, 97, outline);
        ROW_IS(img, 15, 0, 0, outline);
        ROW_IS(img, 15, 99, 99, outline);
        ROW_IS(img, 2, 2, 97, rgb(245, 244, 234));
        const int R = 99, B = 30;
        const struct { int x, y; QRgb colour; } pixels[] = {
            {0, 1, outer},      {1, 1, outer},      {1, 0, outer},      {1, 2, inner},
            {2, 1, inner},      {R - 1, 0, outer},  {R - 1, 1, outer},  {R, 1, outer},
            {R - 2, 1, inner},  {R - 1, 2, inner},  {0, B - 2, outer},  {1, B - 2, outer},
            {1, B - 1, outer},  {1, B - 3, inner},  {2, B - 2, inner},  {R, B - 2, outer},
            {R - 1, B - 2, outer}, {R - 1, B - 1, outer}, {R - 1, B - 3, inner}, {R - 2, B - 2, inner},
        };
        for (const auto &p : pixels)
            ROW_IS(img, p.y, p.x, p.x, p.colour);
        QCOMPARE(countColour(img, kFrame), 0);
        QVERIFY(countColour(img, rgb(161, 161, 146)) > 10);
        QVERIFY(!button.mask().contains(QPoint(99, 29)));

        // Neither focus nor a pressed paint changes the disabled look.
        const QImage before = img.copy();
        giveFocus(button);
        button.PaintButton(1);
        QCOMPARE(button.image(), before);
    }

    void focusRim()
    {
        FocusedButton f;
        QVERIFY(f.ready);
        QTRY_COMPARE(f.button->focusedState(), std::int16_t(-1));
        const QImage &img = f.button->image();
        const int B = 30;
        ROW_IS(img, 1, 2, 97, rgb(206, 231, 251));
        ROW_IS(img, 2, 1, 98, rgb(188, 212, 246));
        // Sides two pixels wide in columns 1-2 and 97-98, darkening for 19 rows.
        for (int y = 3; y <= B - 4; ++y) {
            const int k = std::min(y - 3, 19);
            const QRgb side = rgb(186 - 4 * k, 211 - 3 * k, 246 - k);
            ROW_IS(img, y, 1, 2, side);
            ROW_IS(img, y, 97, 98, side);
            QVERIFY(!rowMismatch(img, y, 3, 3, side).isEmpty());
            QVERIFY(!rowMismatch(img, y, 96, 96, side).isEmpty());
        }
        ROW_IS(img, B - 3, 1, 97, rgb(110, 154, 227));
        ROW_IS(img, B - 2, 2, 2, rgb(77, 125, 193));
        ROW_IS(img, B - 2, 3, 96, rgb(97, 125, 229));
        ROW_IS(img, B - 2, 97, 97, rgb(77, 125, 193));
        ROW_IS(img, 1, 1, 1, kDiagonal); // the frame lies over the rim

        f.button->clearFocus();
        QTRY_COMPARE(f.button->focusedState(), std::int16_t(0));
        ROW_IS(f.button->image(), 2, 1, 98, kWhite);
    }

    // Lower than 7 pixels: no side rows, and the bottom line keeps the start colour.
    void focusRimOfLowButton()
    {
        XPButtonX button;
        button.resize(40, 6);
        button.setCaption(QString());
        giveFocus(button);
        const QImage &img = button.image();
        ROW_IS(img, 2, 1, 38, rgb(188, 212, 246));
        ROW_IS(img, 3, 1, 37, rgb(186, 211, 246));
        ROW_IS(img, 4, 3, 36, rgb(97, 125, 229));
        QCOMPARE(countColour(img, rgb(186, 211, 246)), 37);
    }

    // The pointer over a focused button replaces the blue rim by the orange one.
    void hoverRim()
    {
        FocusedButton f;
        QVERIFY(f.ready);
        QTRY_COMPARE(f.button->focusedState(), std::int16_t(-1));
        hoverOver(*f.button);
        const QImage &img = f.button->image();
        const int B = 30;
        ROW_IS(img, 1, 2, 97, rgb(255, 240, 207));
        ROW_IS(img, 2, 2, 97, rgb(253, 216, 137));
        // Outer sides in columns 1 and 98 from row 2, inner sides in 2 and 97 from row 3.
        for (int y = 3; y <= B - 3; ++y) {
            const int k1 = std::min(y - 2, 16), k2 = std::min(y - 3, 9);
            const QRgb outerSide = rgb(254 - k1, 223 - 3 * k1, 154 - 7 * k1);
            const QRgb innerSide = rgb(252 - k2, 210 - 4 * k2, 121 - 8 * k2);
            ROW_IS(img, y, 1, 1, outerSide);
            ROW_IS(img, y, 2, 2, innerSide);
            if (y < B - 3) {
                ROW_IS(img, y, 97, 97, innerSide);
                ROW_IS(img, y, 98, 98, outerSide);
            }
        }
        ROW_IS(img, B - 3, 3, 98, rgb(243, 174, 49));
        ROW_IS(img, B - 2, 2, 97, rgb(229, 151, 0));
        QCOMPARE(countColour(img, rgb(188, 212, 246)), 0);
        ROW_IS(img, 1, 1, 1, kDiagonal);

        // The timer sees the pointer leave and the blue rim returns.
        QCursor::setPos(f.window.mapToGlobal(QPoint(190, 75)));
        QTRY_COMPARE(f.button->hovering(), std::int16_t(0));
        ROW_IS(f.button->image(), 2, 1, 98, rgb(188, 212, 246));
    }

    void captionColourInEachState()
    {
        FocusedButton f;
        QVERIFY(f.ready);
        XPButtonX &button = *f.button;
        button.setCaption(QStringLiteral("Proses"));
        button.setForeColor(0x000000ff);  // red
        button.setForeHover(0x0000ff00);  // green
        const QRgb red = rgb(255, 0, 0), green = rgb(0, 255, 0), blue = rgb(0, 0, 255);

        QVERIFY(countColour(button.image(), red) > 20);
        QCOMPARE(countColour(button.image(), green), 0);
        button.PaintButton(1); // pressed without the pointer over it: still the fore colour
        QVERIFY(countColour(button.image(), red) > 20);

        hoverOver(button);
        QVERIFY(countColour(button.image(), green) > 20);
        QCOMPARE(countColour(button.image(), red), 0);
        button.PaintButton(1); // pressed while hovering: the hover colour
        QVERIFY(countColour(button.image(), green) > 20);

        // A new hover colour shows only with the next paint.
        button.setForeHover(0x00ff0000);
        QCOMPARE(countColour(button.image(), blue), 0);
        button.PaintButton(0);
        QVERIFY(countColour(button.image(), blue) > 20);

        button.setEnabledProperty(0);
        QVERIFY(countColour(button.image(), rgb(161, 161, 146)) > 20);
        QCOMPARE(countColour(button.image(), blue), 0);
    }

    // A system colour (top bit set) comes from the palette: 0x80000012 is the button text.
    void systemColourCaption()
    {
        XPButtonX button;
        QPalette pal = button.palette();
        pal.setColor(QPalette::ButtonText, QColor(12, 34, 56));
        button.setPalette(pal);
        button.resize(100, 30);
        QCOMPARE(button.resolveColor(0x00563412), QColor(0x12, 0x34, 0x56));
        button.setForeColor(0x80000012);
        button.setCaption(QStringLiteral("Keluar"));
        QVERIFY(countColour(button.image(), rgb(12, 34, 56)) > 20);
    }

    void captionPlacement_data()
    {
        QTest::addColumn<int>("surfaceHeight");
        QTest::addColumn<int>("textHeight");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("bottom");
        QTest::newRow("25/14") << 25 << 14 << 6 << 20;
        QTest::newRow("25/12") << 25 << 12 << 6 << 18;
        QTest::newRow("25/16") << 25 << 16 << 4 << 20;
        QTest::newRow("24/13") << 24 << 13 << 6 << 18;
    }

    // The caption box is centred with halves going to the even neighbour; the text lies in it.
    void captionPlacement()
    {
        QFETCH(int, surfaceHeight);
        QFETCH(int, textHeight);
        QFETCH(int, top);
        QFETCH(int, bottom);

        QFont font; // a font whose line is exactly textHeight pixels high
        bool found = false;
        for (const char *family : {"DejaVu Sans", "Nimbus Sans", "Noto Sans Mono", "DejaVu Serif"}) {
            font = QFont(QString::fromLatin1(family));
            for (int px = 4; px <= 40 && !found; ++px) {
                font.setPixelSize(px);
                found = QFontMetrics(ButtonCanvas::renderFont(font)).height() == textHeight;
            }
            if (found)
                break;
        }
        QVERIFY2(found, "no installed font size has this line height");

        XPButtonX button;
        button.resize(89, surfaceHeight);
        button.setForeColor(0x000000ff);
        button.setFontProperty(font);
        button.setCaption(QStringLiteral("Proses"));
        const QRect r = button.lastCaptionRect();
        QCOMPARE(r.top(), top);
        QCOMPARE(r.top() + r.height(), bottom);
        QCOMPARE(r.width(), 89);
        int first = -1, last = -1;
        for (int y = 0; y < surfaceHeight; ++y)
            if (countColour(button.image().copy(0, y, 89, 1), rgb(255, 0, 0)) > 0) {
                first = first < 0 ? y : first;
                last = y;
            }
        QVERIFY(first >= top && last < bottom);
    }

    // "&&" draws one ampersand and underlines nothing; "&x" underlines x.
    void ampersands()
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        QRect captionRect;
        auto render = [&](const QString &caption) {
            XPButtonX button;
            button.resize(120, 30);
            button.setFontProperty(font);
            button.setForeColor(0x00000000);
            button.setCaption(caption);
            captionRect = button.lastCaptionRect();
            return button.image().copy();
        };
        const QRgb black = rgb(0, 0, 0);

        const QImage escaped = render(QStringLiteral("R&&D"));
        const QRect box = captionRect;
        QImage expected = render(QString()); // the face, with "R&D" drawn plainly in the same box
        {
            QPainter p(&expected);
            p.setFont(ButtonCanvas::renderFont(font));
            p.setPen(Qt::black);
            p.drawText(box, Qt::TextWordWrap | Qt::AlignHCenter, QStringLiteral("R&D"));
        }
        QVERIFY(countColour(escaped, black) > 10);
        QCOMPARE(escaped, expected);

        // A marked letter gains an underline: extra pixels only, all in one row.
        const QImage plain = render(QStringLiteral("Proses"));
        const QImage marked = render(QStringLiteral("&Proses"));
        QSet<int> rows;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x) {
                const bool a = (plain.pixel(x, y) | 0xff000000) == black;
                const bool b = (marked.pixel(x, y) | 0xff000000) == black;
                QVERIFY(!a || b);
                if (b && !a)
                    rows.insert(y);
            }
        QCOMPARE(rows.size(), 1);
    }
};

QUORVEL_TEST_MAIN(TestButtonPaint)
#include "tst_buttonpaint.moc"
