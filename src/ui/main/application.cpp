#include "ui/main/application.h"

#include "ui/main/fonts.h"

QuorvelApplication::QuorvelApplication(int &argc, char **argv)
    : QApplication(beforeConstruction(argc), argv)
{
    setApplicationName(QStringLiteral("Quorvel"));
    setApplicationVersion(QStringLiteral("%1.%2.%3")
                              .arg(QUORVEL_VERSION_MAJOR)
                              .arg(QUORVEL_VERSION_MINOR)
                              .arg(QUORVEL_VERSION_PATCH));
    registerLookAlikeFonts();
}

int &QuorvelApplication::beforeConstruction(int &argc)
{
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true);
    return argc;
}
