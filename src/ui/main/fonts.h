#pragma once

#include <QString>
#include <QStringList>

// The windows name the fonts of the system they were designed on ("Verdana", "MS Sans Serif").
// fontconfig already maps Verdana to a close sans-serif face; the free look-alikes of
// "MS Sans Serif" and Tahoma live outside its search path (Debian's fonts-wine), so they are
// registered with the application here, and "MS Sans Serif" is mapped to the best face that is
// available when its look-alike cannot be loaded.
//
// Call once after the QApplication exists and before any window is created. Only what the
// windows use is loaded: the "MS Sans Serif" look-alike, and Tahoma only as its stand-in when
// that look-alike is missing.
void registerLookAlikeFonts();

// Registers every look-alike of an explicit folder (Tahoma too); returns the families added.
QStringList registerLookAlikeFonts(const QString &folder);

// Where Debian's fonts-wine package installs its fonts.
inline QString lookAlikeFontFolder()
{
    return QStringLiteral("/usr/share/wine/fonts");
}
