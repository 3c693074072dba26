#include "ui/main/fonts.h"
#include "ui/main/form1.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // The windows are laid out in logical pixels of a 96 dpi screen.
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(QUORVEL_VERSION_MAJOR)
                                            .arg(QUORVEL_VERSION_MINOR)
                                            .arg(QUORVEL_VERSION_PATCH));
    registerLookAlikeFonts();

    Form1 window;
    window.show();
    return app.exec();
}
