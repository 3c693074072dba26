// The yardstick for Quorvel's start-up: one empty main window, same Qt libraries, same
// 96-dpi setting, nothing else. Two options add back, one at a time, what every real window
// pays for and an empty one does not, so that bench/startup.sh can show where the difference
// goes: --text (a line of text: font set-up and the first glyphs) and --icon FILE (a window
// icon: Qt's image plug-ins).

#include "startup_probe.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QMainWindow>
#include <QPrinterInfo>

#include <cstring>

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true);
    QApplication app(argc, argv);

    // Keeps Qt PrintSupport among the loaded libraries, as it is in Quorvel, without using it.
    volatile auto keepPrintSupport = &QPrinterInfo::defaultPrinterName;
    (void)keepPrintSupport;

    QMainWindow window;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--text") == 0)
            window.setCentralWidget(new QLabel(QStringLiteral("Waiting time 0/5 = 0 satuan waktu")));
        else if (std::strcmp(argv[i], "--icon") == 0 && i + 1 < argc)
            window.setWindowIcon(QIcon(QString::fromLocal8Bit(argv[++i])));
    }
    StartupProbe probe(&window, StartupProbe::quitAfterPaintRequested(argc, argv));
    window.show();
    return app.exec();
}
