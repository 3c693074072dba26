// Draws the button in each of its looks side by side, enlarged, into a PNG for the docs:
//   xvfb-run -a button_gallery docs/buttons.png
// Every look comes from real state changes: focus events, a pointer move over the button, a
// pressed paint and the Enabled property.

#include "common/buttonlooks.h"

#include <QApplication>
#include <QCursor>
#include <QPainter>

#include <cstdio>

namespace {

constexpr int kScale = 4;
constexpr QSize kButton(89, 25);
constexpr int kGap = 12;
const QColor kFormBack(218, 234, 254);

using testsupport::Look;

QImage render(QWidget &window, Look look)
{
    XPButtonX *button = testsupport::addProsesButton(&window, QRect(QPoint(10, 10), kButton), 0x80000012);
    button->show();
    QCoreApplication::processEvents();

    testsupport::bringIntoLook(button, look);
    if (look == Look::Pressed)
        button->PaintButton(1);

    // What the user sees: the image, through the window shape, over the form's colour.
    QImage shown(kButton, QImage::Format_RGB32);
    shown.fill(kFormBack);
    QPainter painter(&shown);
    painter.setClipRegion(button->mask());
    painter.drawImage(0, 0, button->image());
    painter.end();
    delete button;
    return shown;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true);
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("buttons.png");

    QWidget window;
    window.resize(200, 60);
    window.show();
    QCoreApplication::processEvents();

    const Look looks[] = {Look::Normal, Look::Focused, Look::Hover, Look::Pressed, Look::Disabled};
    const int n = static_cast<int>(std::size(looks));
    QImage strip(n * kButton.width() + (n + 1) * kGap, kButton.height() + 2 * kGap,
                 QImage::Format_RGB32);
    strip.fill(kFormBack);
    QPainter painter(&strip);
    for (int i = 0; i < n; ++i) {
        QCursor::setPos(window.mapToGlobal(QPoint(190, 55))); // away from every button
        painter.drawImage(kGap + i * (kButton.width() + kGap), kGap, render(window, looks[i]));
    }
    painter.end();

    const QImage big = strip.scaled(strip.size() * kScale, Qt::IgnoreAspectRatio,
                                    Qt::FastTransformation);
    if (!big.save(out)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}
