// Quorvel started exactly as app/main.cpp starts it, with the start-up probe on its main
// window: the program side of bench/startup.sh's time-to-first-paint figure.

#include "startup_probe.h"

#include "ui/main/application.h"
#include "ui/main/form1.h"

int main(int argc, char **argv)
{
    QuorvelApplication app(argc, argv);

    Form1 window;
    StartupProbe probe(&window, StartupProbe::quitAfterPaintRequested(argc, argv));
    window.show();
    return app.exec();
}
