#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QStringList>

// Offscreen screens side by side, each with its own device pixel ratio, for tests of drawing
// on dense screens and of windows moving between screens. Call before the application is
// created; `folder` must outlive it (it holds the platform's screen description).
namespace testsupport {

inline void useOffscreenScreens(const QList<double> &ratios, const QString &folder)
{
    QStringList screens;
    QStringList factors;
    int x = 0;
    for (int i = 0; i < ratios.size(); ++i) {
        // Native pixels: every screen is 1000 x 800 logical pixels at its ratio.
        const int width = static_cast<int>(1000 * ratios[i]);
        const int height = static_cast<int>(800 * ratios[i]);
        screens << QStringLiteral(R"({"name": "screen%1", "x": %2, "y": 0, "width": %3, "height": %4,)"
                                  R"( "logicalDpi": 96, "logicalBaseDpi": 96})")
                       .arg(i).arg(x).arg(width).arg(height);
        factors << QString::number(ratios[i]);
        x += width;
    }
    const QString path = QDir(folder).filePath(QStringLiteral("screens.json"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(QStringLiteral(R"({"screens": [%1]})").arg(screens.join(QStringLiteral(", "))).toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + QFile::encodeName(path));
    qputenv("QT_SCREEN_SCALE_FACTORS", factors.join(QLatin1Char(';')).toUtf8());
}

} // namespace testsupport
