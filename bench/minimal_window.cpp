// The yardstick for Quorvel's start-up: one empty main window, same Qt libraries, same
// 96-dpi setting, nothing else.

#include "startup_probe.h"

#include <QApplication>
#include <QMainWindow>
#include <QPrinterInfo>

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true);
    QApplication app(argc, argv);

    // Keeps Qt PrintSupport among the loaded libraries, as it is in Quorvel, without using it.
    volatile auto keepPrintSupport = &QPrinterInfo::defaultPrinterName;
    (void)keepPrintSupport;

    QMainWindow window;
    StartupProbe probe(&window, StartupProbe::quitAfterPaintRequested(argc, argv));
    window.show();
    return app.exec();
}
