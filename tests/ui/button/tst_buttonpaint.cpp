#include "common/testsupport.h"
#include "ui/button/ambientproperties.h"
#include "ui/button/buttoncanvas.h"
#include "ui/button/roundhalfeven.h"
#include "ui/button/xpbuttonx.h"

#include <QApplication>
#include <QCursor>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QVBoxLayout>

namespace {

QRgb rgb(int r, int g, int b)
{
    return qRgb(r, g, b);
}

QString describe(QRgb c)
{
    return QStringLiteral("(%1, %2, %3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

// Every pixel of columns [x1, x2] of one row has the colour; reports the first that does not.
bool rowIs(const QImage &image, int y, int x1, int x2, QRgb colour, QString *failure)
{
    for (int x = x1; x <= x2; ++x) {
        const QRgb actual = image.pixel(x, y) | 0xff000000;
        if (actual != (colour | 0xff000000)) {
            *failure = QStringLiteral("(%1, %2) is %3, expected %4")
                           .arg(x)
                           .arg(y)
                           .arg(describe(actual), describe(colour));
            return false;
        }
    }
    return true;
}

int countColour(const QImage &image, QRgb colour, QRect area = {})
{
    if (area.isNull())
        area = image.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += (image.pixel(x, y) | 0xff000000) == (colour | 0xff000000) ? 1 : 0;
    return n;
}

// The rows that hold at least one pixel of the colour.
QPair<int, int> rowsWithColour(const QImage &image, QRgb colour)
{
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) | 0xff000000) == (colour | 0xff000000)) {
                if (first < 0)
                    first = y;
                last = y;
            }
    return {first, last};
}

void giveFocus(XPButtonX &button)
{
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&button, &in);
}

// Moves the real pointer onto the button and lets it see the move, as a user's hand would.
void hoverOver(XPButtonX &button, QPoint at)
{
    QCursor::setPos(button.mapToGlobal(at));
    QTest::mouseMove(&button, at);
    QTRY_COMPARE(button.hovering(), std::int16_t(-1));
}

constexpr QRgb kFrame = 0xff003c74;
constexpr QRgb kBeside = 0xff7a95a8;
constexpr QRgb kDiagonal = 0xff255783;
constexpr QRgb kWhite = 0xffffffff;

} // namespace

class TestButtonPaint : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        // Keep the pointer far from every button so that no test starts hovering by chance.
        QCursor::setPos(-1000, -1000);
    }

    void normalFaceRows_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("row 1 white") << 1 << kWhite;
        QTest::newRow("row 2 white") << 2 << kWhite;
        for (int k = 0; k <= 22; ++k)
            QTest::addRow("gradient row %d", 3 + k) << 3 + k << rgb(255 - k, 255 - k, 253 - k);
        QTest::newRow("row 26") << 26 << rgb(236, 235, 230);
        QTest::newRow("row 27") << 27 << rgb(226, 223, 214);
        QTest::newRow("row 28") << 28 << rgb(214, 208, 197);
        QTest::newRow("row 29 frame") << 29 << kFrame;
        QTest::newRow("row 0 frame") << 0 << kFrame;
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
        QString failure;
        QVERIFY2(rowIs(button.image(), row, 2, 97, colour, &failure), qPrintable(failure));
        QCOMPARE(QColor(button.image().pixel(25, 25)), QColor(233, 233, 231));
    }

    void normalFaceFrameAndShape()
    {
        XPButtonX button;
        button.resize(100, 30);
        button.setCaption(QString());
        const QImage &img = button.image();
        QString failure;
        for (int x : {0, 99})
            for (int y = 2; y <= 27; ++y)
                QVERIFY2(rowIs(img, y, x, x, kFrame, &failure), qPrintable(failure));
        // The shaded corners: beside, diagonal, beside.
        const struct {
            QPoint at;
            QRgb colour;
        } corners[] = {
            {{0, 1}, kBeside},  {{1, 1}, kDiagonal},  {{1, 0}, kBeside},
            {{98, 0}, kBeside}, {{98, 1}, kDiagonal}, {{99, 1}, kBeside},
            {{0, 28}, kBeside}, {{1, 28}, kDiagonal}, {{1, 29}, kBeside},
            {{99, 28}, kBeside}, {{98, 28}, kDiagonal}, {{98, 29}, kBeside},
        };
        for (const auto &c : corners)
            QVERIFY2(rowIs(img, c.at.y(), c.at.x(), c.at.x(), c.colour, &failure),
                     qPrintable(failure));

        // The window shape: everything but the four extreme corners.
        const QRegion shape = button.mask();
        for (QPoint cut : {QPoint(0, 0), QPoint(99, 0), QPoint(0, 29), QPoint(99, 29)})
            QVERIFY2(!shape.contains(cut), qPrintable(QStringLiteral("%1,%2").arg(cut.x()).arg(cut.y())));
        for (QPoint kept : {QPoint(1, 0), QPoint(0, 1), QPoint(98, 29), QPoint(99, 28), QPoint(50, 15)})
            QVERIFY(shape.contains(kept));
        int area = 0;
        for (const QRect &r : shape)
            area += r.width() * r.height();
        QCOMPARE(area, 100 * 30 - 4);

    }

    // A new size (the window is shown, so Qt reports it at once) gives a new image and a new
    // shape with the new corners cut.
    void resizeRepaintsAndReshapes()
    {
        QWidget window;
        window.resize(200, 80);
        auto *button = new XPButtonX(&window);
        button->setGeometry(10, 10, 100, 30);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(button->image().size(), QSize(100, 30));
        button->resize(60, 20);
        QCOMPARE(button->image().size(), QSize(60, 20));
        QVERIFY(!button->mask().contains(QPoint(59, 19)));
        QVERIFY(!button->mask().contains(QPoint(59, 0)));
        QVERIFY(button->mask().contains(QPoint(58, 19)));
        QVERIFY(button->mask().contains(QPoint(59, 18)));
        QVERIFY(button->mask().contains(QPoint(99, 29)) == false);
        QString failure;
        QVERIFY2(rowIs(button->image(), 19, 2, 57, kFrame, &failure), qPrintable(failure));
        QVERIFY2(rowIs(button->image(), 18, 59, 59, kBeside, &failure), qPrintable(failure));
        QVERIFY2(rowIs(button->image(), 18, 58, 58, kDiagonal, &failure), qPrintable(failure));
    }

    void pressedFaceBands_data()
    {
        QTest::addColumn<int>("height");
        for (int h : {23, 24, 25, 26, 30, 41})
            QTest::addRow("height %d", h) << h;
    }

    // Pressed look: bands of 4 rows leave no gap, the first band has its own colour.
    void pressedFaceBands()
    {
        QFETCH(int, height);
        XPButtonX button;
        button.resize(80, height);
        button.setCaption(QString());
        giveFocus(button); // focus makes lastButton 1, so a pressed paint shows the pressed look
        QCOMPARE(button.lastButton(), std::int16_t(1));
        button.PaintButton(1);
        const QImage &img = button.image();
        const int B = height;
        QString failure;
        QVERIFY2(rowIs(img, 1, 2, 77, rgb(209, 204, 192), &failure), qPrintable(failure));
        QVERIFY2(rowIs(img, 2, 1, 78, rgb(220, 216, 207), &failure), qPrintable(failure));
        QVERIFY2(rowIs(img, 3, 1, 78, rgb(226, 225, 218), &failure), qPrintable(failure));
        QVERIFY2(rowIs(img, 4, 1, 78, rgb(226, 225, 218), &failure), qPrintable(failure));
        for (int y = 5; y <= B - 4; ++y)
            QVERIFY2(rowIs(img, y, 1, 78, rgb(225, 224, 217), &failure), qPrintable(failure));
        QVERIFY2(rowIs(img, B - 3, 1, 78, rgb(234, 233, 227), &failure), qPrintable(failure));
        QVERIFY2(rowIs(img, B - 2, 2, 77, rgb(242, 241, 238), &failure), qPrintable(failure));
        QVERIFY2(rowIs(img, B - 1, 2, 77, kFrame, &failure), qPrintable(failure));
        // No rim in the pressed look, even with the focus.
        QCOMPARE(countColour(img, rgb(188, 212, 246)), 0);
        // An unpressed paint brings the focused look back.
        button.PaintButton(0);
        QVERIFY2(rowIs(button.image(), 2, 1, 98 - 20, rgb(188, 212, 246), &failure),
                 qPrintable(failure));
    }

    void disabledFace()
    {
        XPButtonX button;
        button.resize(100, 30);
        button.setCaption(QStringLiteral("Cetak"));
        button.setEnabledProperty(0);
        const QImage &img = button.image();
        const QRgb fill = rgb(245, 244, 234), outline = rgb(201, 199, 186);
        const QRgb outer = rgb(216, 213, 199), inner = rgb(234, 233, 222);
        QString failure;
        QVERIFY2(rowIs(img, 0, 2, 97, outline, &failure), qPrintable(failure));
        QVERIFY2(rowIs(img, 29, 2, 97, outline, &failure), qPrintable(failure));
        QVERIFY2(rowIs(img, 15, 0, 0, outline, &failure), qPrintable(failure));
        QVERIFY2(rowIs(img, 15, 99, 99, outline, &failure), qPrintable(failure));
        QVERIFY2(rowIs(img, 2, 2, 97, fill, &failure), qPrintable(failure));
        QVERIFY2(rowIs(img, 27, 3, 96, fill, &failure), qPrintable(failure));
        const int L = 0, T = 0, R = 99, B = 30;
        const struct {
            int x, y;
            QRgb colour;
        } pixels[] = {
            {L, T + 1, outer},     {L + 1, T + 1, outer},     {L + 1, T, outer},
            {L + 1, T + 2, inner}, {L + 2, T + 1, inner},     {R - 1, T, outer},
            {R - 1, T + 1, outer}, {R, T + 1, outer},         {R - 2, T + 1, inner},
            {R - 1, T + 2, inner}, {L, B - 2, outer},         {L + 1, B - 2, outer},
            {L + 1, B - 1, outer}, {L + 1, B - 3, inner},     {L + 2, B - 2, inner},
            {R, B - 2, outer},     {R - 1, B - 2, outer},     {R - 1, B - 1, outer},
            {R - 1, B - 3, inner}, {R - 2, B - 2, inner},
        };
        for (const auto &p : pixels)
            QVERIFY2(rowIs(img, p.y, p.x, p.x, p.colour, &failure), qPrintable(failure));
        // No dark frame, no rim, the disabled caption colour.
        QCOMPARE(countColour(img, kFrame), 0);
        QVERIFY(countColour(img, rgb(161, 161, 146)) > 10);
        QVERIFY(!button.mask().contains(QPoint(0, 0)));
        QVERIFY(!button.mask().contains(QPoint(99, 29)));

        // Neither focus nor a pressed paint changes the disabled look.
        const QImage before = img.copy();
        giveFocus(button);
        button.PaintButton(1);
        QCOMPARE(button.image(), before);
    }

    void focusRim()
    {
        QWidget window;
        auto *button = new XPButtonX(&window);
        button->setGeometry(10, 10, 100, 30);
        button->setCaption(QString());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        button->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(button->focusedState(), std::int16_t(-1));

        const QImage &img = button->image();
        const int B = 30;
        QString failure;
        QVERIFY2(rowIs(img, 1, 2, 97, rgb(206, 231, 251), &failure), qPrintable(failure));
        QVERIFY2(rowIs(img, 2, 1, 98, rgb(188, 212, 246), &failure), qPrintable(failure));
        // Sides two pixels wide in columns 1-2 and 97-98, darkening down to row 19 of the side.
        for (int y = 3; y <= B - 4; ++y) {
            const int k = std::min(y - 3, 19);
            const QRgb side = rgb(186 - 4 * k, 211 - 3 * k, 246 - k);
            QVERIFY2(rowIs(img, y, 1, 2, side, &failure), qPrintable(failure));
            QVERIFY2(rowIs(img, y, 97, 98, side, &failure), qPrintable(failure));
            QVERIFY2(!rowIs(img, y, 3, 3, side, &failure), "the side is wider than two pixels");
            QVERIFY2(!rowIs(img, y, 96, 96, side, &failure), "the side is wider than two pixels");
        }
        QVERIFY2(rowIs(img, B - 3, 1, 97, rgb(110, 154, 227), &failure), qPrintable(failure));
        QVERIFY2(rowIs(img, B - 2, 2, 2, rgb(77, 125, 193), &failure), qPrintable(failure));
        QVERIFY2(rowIs(img, B - 2, 3, 96, rgb(97, 125, 229), &failure), qPrintable(failure));
        QVERIFY2(rowIs(img, B - 2, 97, 97, rgb(77, 125, 193), &failure), qPrintable(failure));
        // The frame lies over the rim.
        QVERIFY2(rowIs(img, 1, 1, 1, kDiagonal, &failure), qPrintable(failure));
        QVERIFY2(rowIs(img, B - 2, 98, 98, kDiagonal, &failure), qPrintable(failure));

        // Losing the focus takes the rim away again.
        button->clearFocus();
        QTRY_COMPARE(button->focusedState(), std::int16_t(0));
        QVERIFY2(rowIs(button->image(), 2, 1, 98, kWhite, &failure), qPrintable(failure));
    }

    // Lower than 7 pixels: no side rows, and the bottom line uses the start colour.
    void focusRimOfLowButton()
    {
        XPButtonX button;
        button.resize(40, 6);
        button.setCaption(QString());
        giveFocus(button);
        const QImage &img = button.image();
        QString failure;
        QVERIFY2(rowIs(img, 1, 2, 37, rgb(206, 231, 251), &failure), qPrintable(failure));
        QVERIFY2(rowIs(img, 2, 1, 38, rgb(188, 212, 246), &failure), qPrintable(failure));
        QVERIFY2(rowIs(img, 3, 1, 37, rgb(186, 211, 246), &failure), qPrintable(failure));
        QVERIFY2(rowIs(img, 4, 3, 36, rgb(97, 125, 229), &failure), qPrintable(failure));
        QCOMPARE(countColour(img, rgb(186, 211, 246)), 37);
    }

    // With the pointer over it the orange rim replaces the blue one.
    void hoverRim()
    {
        QWidget window;
        window.resize(200, 80);
        auto *button = new XPButtonX(&window);
        button->setGeometry(20, 20, 100, 30);
        button->setCaption(QString());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        button->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(button->focusedState(), std::int16_t(-1));

        hoverOver(*button, QPoint(50, 15));
        const QImage &img = button->image();
        const int B = 30;
        QString failure;
        QVERIFY2(rowIs(img, 1, 2, 97, rgb(255, 240, 207), &failure), qPrintable(failure));
        QVERIFY2(rowIs(img, 2, 2, 97, rgb(253, 216, 137), &failure), qPrintable(failure));
        // Outer sides in columns 1 and 98 from row 2, inner sides in 2 and 97 from row 3.
        for (int y = 3; y <= B - 3; ++y) {
            const int k1 = std::min(y - 2, 16);
            const QRgb outerSide = rgb(254 - k1, 223 - 3 * k1, 154 - 7 * k1);
            const int k2 = std::min(y - 3, 9);
            const QRgb innerSide = rgb(252 - k2, 210 - 4 * k2, 121 - 8 * k2);
            QVERIFY2(rowIs(img, y, 1, 1, outerSide, &failure), qPrintable(failure));
            QVERIFY2(rowIs(img, y, 2, 2, innerSide, &failure), qPrintable(failure));
            if (y < B - 3) {
                QVERIFY2(rowIs(img, y, 97, 97, innerSide, &failure), qPrintable(failure));
                QVERIFY2(rowIs(img, y, 98, 98, outerSide, &failure), qPrintable(failure));
            }
        }
        QVERIFY2(rowIs(img, B - 3, 3, 98, rgb(243, 174, 49), &failure), qPrintable(failure));
        QVERIFY2(rowIs(img, B - 2, 2, 97, rgb(229, 151, 0), &failure), qPrintable(failure));
        QCOMPARE(countColour(img, rgb(188, 212, 246)), 0); // no blue rim left
        QCOMPARE(countColour(img, rgb(206, 231, 251)), 0);
        QVERIFY2(rowIs(img, 1, 1, 1, kDiagonal, &failure), qPrintable(failure));

        // Pointer away: the timer sees it leave and the blue rim returns.
        QCursor::setPos(window.mapToGlobal(QPoint(190, 75)));
        QTRY_COMPARE(button->hovering(), std::int16_t(0));
        QVERIFY2(rowIs(button->image(), 2, 1, 98, rgb(188, 212, 246), &failure),
                 qPrintable(failure));
    }

    void caption_colour_in_each_state()
    {
        QWidget window;
        window.resize(200, 80);
        auto *button = new XPButtonX(&window);
        button->setGeometry(20, 20, 100, 30);
        button->setCaption(QStringLiteral("Proses"));
        button->setForeColor(0x000000ff);  // red
        button->setForeHover(0x0000ff00);  // green
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRgb red = rgb(255, 0, 0), green = rgb(0, 255, 0), grey = rgb(161, 161, 146);

        button->PaintButton(0);
        QVERIFY(countColour(button->image(), red) > 20);
        QCOMPARE(countColour(button->image(), green), 0);

        // Pressed without the pointer over it: the fore colour still.
        giveFocus(*button);
        button->PaintButton(1);
        QVERIFY(countColour(button->image(), red) > 20);
        QCOMPARE(countColour(button->image(), green), 0);

        hoverOver(*button, QPoint(50, 15));
        QVERIFY(countColour(button->image(), green) > 20);
        QCOMPARE(countColour(button->image(), red), 0);
        button->PaintButton(1); // pressed while hovering: the hover colour
        QVERIFY(countColour(button->image(), green) > 20);

        button->setEnabledProperty(0);
        QVERIFY(countColour(button->image(), grey) > 20);
        QCOMPARE(countColour(button->image(), green), 0);
        QCOMPARE(countColour(button->image(), red), 0);
    }

    // A system colour (top bit set) is taken from the palette: 0x80000012 is the button text.
    void systemColourCaption()
    {
        XPButtonX button;
        QPalette pal = button.palette();
        pal.setColor(QPalette::ButtonText, QColor(12, 34, 56));
        pal.setColor(QPalette::WindowText, QColor(200, 0, 0));
        button.setPalette(pal);
        button.resize(100, 30);
        QCOMPARE(button.resolveColor(0x80000012), QColor(12, 34, 56));
        QCOMPARE(button.resolveColor(0x00563412), QColor(0x12, 0x34, 0x56));
        button.setForeColor(0x80000012);
        button.setCaption(QStringLiteral("Keluar"));
        QVERIFY(countColour(button.image(), rgb(12, 34, 56)) > 20);
    }

    void roundingHalvesToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("5.5") << 5.5 << 6;
        QTest::newRow("6.5") << 6.5 << 6;
        QTest::newRow("19.5") << 19.5 << 20;
        QTest::newRow("18.5") << 18.5 << 18;
        QTest::newRow("4.5") << 4.5 << 4;
        QTest::newRow("4.49") << 4.49 << 4;
        QTest::newRow("4.51") << 4.51 << 5;
        QTest::newRow("-0.5") << -0.5 << 0;
        QTest::newRow("-1.5") << -1.5 << -2;
        QTest::newRow("7") << 7.0 << 7;
    }

    void roundingHalvesToEven()
    {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(roundHalfEven(value), expected);
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
        QTest::newRow("24/14") << 24 << 14 << 5 << 19;
    }

    // The caption box is centred with halves going to the even neighbour, and the text is drawn
    // inside it.
    void captionPlacement()
    {
        QFETCH(int, surfaceHeight);
        QFETCH(int, textHeight);
        QFETCH(int, top);
        QFETCH(int, bottom);

        // A font whose line is exactly textHeight pixels high.
        QFont font;
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
        QCOMPARE(r.left(), 0);
        QCOMPARE(r.width(), 89);
        const auto rows = rowsWithColour(button.image(), rgb(255, 0, 0));
        QVERIFY(rows.first >= top);
        QVERIFY(rows.second < bottom);
    }

    // "&&" draws one ampersand and underlines nothing; "&x" underlines x.
    void ampersands()
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        auto render = [&font](const QString &caption) {
            XPButtonX button;
            button.resize(120, 30);
            button.setFontProperty(font);
            button.setForeColor(0x00000000);
            button.setCaption(caption);
            return button.image().copy();
        };
        const QRgb black = rgb(0, 0, 0);

        // The reference: the text drawn plainly, no mnemonic handling at all.
        XPButtonX layoutOnly;
        layoutOnly.resize(120, 30);
        layoutOnly.setFontProperty(font);
        layoutOnly.setCaption(QStringLiteral("R&&D"));
        QImage expected = render(QString());
        {
            QPainter p(&expected);
            p.setFont(ButtonCanvas::renderFont(font));
            p.setPen(Qt::black);
            p.drawText(layoutOnly.lastCaptionRect(),
                       Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("R&D"));
        }
        const QImage escaped = render(QStringLiteral("R&&D"));
        QVERIFY(countColour(escaped, black) > 10);
        QCOMPARE(escaped, expected);

        // A marked letter gains an underline: only extra pixels, all in one row.
        const QImage plain = render(QStringLiteral("Proses"));
        const QImage marked = render(QStringLiteral("&Proses"));
        int extra = 0;
        QSet<int> rows;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x) {
                const bool a = (plain.pixel(x, y) | 0xff000000) == black;
                const bool b = (marked.pixel(x, y) | 0xff000000) == black;
                QVERIFY(!a || b);
                if (b && !a) {
                    ++extra;
                    rows.insert(y);
                }
            }
        QVERIFY(extra >= 3);
        QCOMPARE(rows.size(), 1);
    }

    // A long caption wraps at word boundaries into several lines and the box grows with it.
    void wrappedCaption()
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(11);
        XPButtonX button;
        button.resize(60, 60);
        button.setFontProperty(font);
        button.setCaption(QStringLiteral("Proses"));
        const int oneLine = button.lastCaptionRect().height();
        button.setCaption(QStringLiteral("Simpan Laporan Proses"));
        QVERIFY(button.lastCaptionRect().height() >= 2 * oneLine);
        QCOMPARE(button.lastCaptionRect().width(), 60);
    }

    void paintCopiesTheImage()
    {
        QWidget window;
        window.resize(140, 60);
        auto *button = new XPButtonX(&window);
        button->setGeometry(10, 10, 100, 30);
        button->setCaption(QStringLiteral("Tutup"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage shown = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), QSize(100, 30));
        QCOMPARE(shown.copy(1, 1, 98, 28), button->image().copy(1, 1, 98, 28));
    }
};

QUORVEL_TEST_MAIN(TestButtonPaint)
#include "tst_buttonpaint.moc"
