#include "ui/main/fonts.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>

namespace {

// Files of the look-alike faces, in order of preference within the folder.
constexpr const char *kFontFiles[] = {
    "ms_sans_serif.ttf",   // "MS Sans Serif", bitmap strikes of 13, 16 and 20 pixels
    "tahoma.ttf",          // "Tahoma" regular
    "tahomabd.ttf",        // "Tahoma" bold
};

const QString &msSansSerif()
{
    static const QString name = QStringLiteral("MS Sans Serif");
    return name;
}

// Faces to use for "MS Sans Serif" when its own look-alike is not there, best first.
QStringList msSansSerifStandIns()
{
    return {QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")};
}

} // namespace

QStringList registerLookAlikeFonts(const QString &folder)
{
    QStringList added;
    const QDir dir(folder);
    for (const char *file : kFontFiles) {
        const QString path = dir.filePath(QString::fromLatin1(file));
        if (!QFileInfo::exists(path))
            continue;
        const int id = QFontDatabase::addApplicationFont(path);
        if (id >= 0)
            added += QFontDatabase::applicationFontFamilies(id);
    }
    added.removeDuplicates();

    if (!QFontDatabase::families().contains(msSansSerif(), Qt::CaseInsensitive)) {
        const QStringList installed = QFontDatabase::families();
        for (const QString &standIn : msSansSerifStandIns()) {
            if (installed.contains(standIn, Qt::CaseInsensitive)) {
                QFont::insertSubstitution(msSansSerif(), standIn);
                break;
            }
        }
    }
    return added;
}

void registerLookAlikeFonts()
{
    registerLookAlikeFonts(lookAlikeFontFolder());
}
