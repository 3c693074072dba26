// The look-alike faces of the fonts the windows name. The order of the cases matters: the
// process starts without them, then registers an empty folder, then the real one.
#include "common/testsupport.h"
#include "ui/main/fonts.h"

#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTemporaryDir>

class FontsTest : public QObject {
    Q_OBJECT

private slots:
    void missingLookAlikeFallsBackToAnInstalledFace()
    {
        if (QFontDatabase::families().contains(QStringLiteral("MS Sans Serif")))
            QSKIP("MS Sans Serif is installed system-wide here");
        QTemporaryDir empty;
        QVERIFY(empty.isValid());
        QCOMPARE(registerLookAlikeFonts(empty.path()), QStringList());
        const QStringList substitutes = QFont::substitutes(QStringLiteral("MS Sans Serif"));
        QVERIFY2(substitutes.size() == 1, qPrintable(substitutes.join(",")));
        QVERIFY2(QFontDatabase::families().contains(substitutes.first(), Qt::CaseInsensitive), qPrintable(substitutes.join(",")));
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPointSizeF(8.25);
        QCOMPARE(QFontInfo(font).family().toLower(), substitutes.first().toLower());
    }

    void lookAlikesFromFontsWine()
    {
        if (!QFileInfo::exists(lookAlikeFontFolder() + QStringLiteral("/ms_sans_serif.ttf")))
            QSKIP("fonts-wine is not installed");
        const QStringList added = registerLookAlikeFonts(lookAlikeFontFolder());
        QVERIFY(added.contains(QStringLiteral("MS Sans Serif")));
        QVERIFY(added.contains(QStringLiteral("Tahoma")));

        QFont sansSerif(QStringLiteral("MS Sans Serif"));
        sansSerif.setPointSizeF(8.25);
        const QFontInfo info(sansSerif);
        QCOMPARE(info.family(), QStringLiteral("MS Sans Serif"));
        // The 8 pt face of that family is its 13-pixel strike.
        QCOMPARE(info.pixelSize(), 13);

        QFont tahoma(QStringLiteral("Tahoma"));
        tahoma.setPointSizeF(8.25);
        tahoma.setBold(true);
        QCOMPARE(QFontInfo(tahoma).family(), QStringLiteral("Tahoma"));
        QVERIFY(QFontInfo(tahoma).bold());
    }
};

QUORVEL_TEST_MAIN(FontsTest)
#include "tst_fonts.moc"
