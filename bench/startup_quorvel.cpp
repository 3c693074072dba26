// Quorvel started exactly as app/main.cpp starts it, with the start-up probe on its main
// window: the program side of bench/startup.sh's time-to-first-paint figure.

#include "startup_probe.h"

#include "ui/main/fonts.h"
#include "ui/main/form1.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(QUORVEL_VERSION_MAJOR)
                                            .arg(QUORVEL_VERSION_MINOR)
                                            .arg(QUORVEL_VERSION_PATCH));
    registerLookAlikeFonts();

    Form1 window;
    StartupProbe probe(&window, StartupProbe::quitAfterPaintRequested(argc, argv));
    window.show();
    return app.exec();
}
