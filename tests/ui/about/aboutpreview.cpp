// Opens the About box over the main window, as the "About" menu item does, and saves a picture
// of it: about_preview <file.png>. Run it on a real or virtual display (xvfb-run).
#include "ui/about/frmabout.h"
#include "ui/main/application.h"
#include "ui/main/form1.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <file.png>\n", argv[0]);
        return 2;
    }
    QuorvelApplication app(argc, argv);

    Form1 mainWindow;
    mainWindow.show();
    mainWindow.mnabout_Click();
    frmAbout *box = frmAbout::instance();

    const QString target = QString::fromLocal8Bit(argv[1]);
    int result = 1;
    // Give the buttons their first hover-timer round so they show as the user sees them.
    QTimer::singleShot(500, &app, [&] {
        result = box->grab().save(target) ? 0 : 1;
        app.quit();
    });
    app.exec();
    return result;
}
