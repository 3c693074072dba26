#include "ui/main/fonts.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>

namespace {

// The face the windows name, bitmap strikes of 13, 16 and 20 pixels.
constexpr const char *kMsSansSerifFile = "ms_sans_serif.ttf";

// "Tahoma" regular and bold. No window names Tahoma; it is the best stand-in for
// "MS Sans Serif". Parsing these outline files is the larger part of the program's start-up
// work, so the start only loads them when the look-alike itself is missing.
constexpr const char *kTahomaFiles[] = {"tahoma.ttf", "tahomabd.ttf"};

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

void addFontFile(const QDir &dir, const char *file, QStringList &added)
{
    const QString path = dir.filePath(QString::fromLatin1(file));
    if (!QFileInfo::exists(path))
        return;
    const int id = QFontDatabase::addApplicationFont(path);
    if (id >= 0)
        added += QFontDatabase::applicationFontFamilies(id);
}

void addTahoma(const QDir &dir, QStringList &added)
{
    for (const char *file : kTahomaFiles)
        addFontFile(dir, file, added);
}

// Without a face of its own, "MS Sans Serif" is drawn with the best stand-in installed.
void substituteMissingMsSansSerif(const QStringList &added)
{
    if (added.contains(msSansSerif(), Qt::CaseInsensitive))
        return;
    if (!QFontDatabase::families().contains(msSansSerif(), Qt::CaseInsensitive)) {
        const QStringList installed = QFontDatabase::families();
        for (const QString &standIn : msSansSerifStandIns()) {
            if (installed.contains(standIn, Qt::CaseInsensitive)) {
                QFont::insertSubstitution(msSansSerif(), standIn);
                break;
            }
        }
    }
}

bool msSansSerifAvailable(const QStringList &added)
{
    return added.contains(msSansSerif(), Qt::CaseInsensitive)
           || QFontDatabase::families().contains(msSansSerif(), Qt::CaseInsensitive);
}

} // namespace

QStringList registerLookAlikeFonts(const QString &folder)
{
    const QDir dir(folder);
    QStringList added;
    addFontFile(dir, kMsSansSerifFile, added);
    addTahoma(dir, added);
    added.removeDuplicates();
    substituteMissingMsSansSerif(added);
    return added;
}

void registerLookAlikeFonts()
{
    const QDir dir(lookAlikeFontFolder());
    QStringList added;
    addFontFile(dir, kMsSansSerifFile, added);
    if (!msSansSerifAvailable(added))
        addTahoma(dir, added);
    substituteMissingMsSansSerif(added);
}
