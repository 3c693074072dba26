#include "ui/button/captiontext.h"

#include <QString>

QString captionWithoutMarkers(const QString &caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption.at(i);
        if (c == QLatin1Char('&')) {
            // "&&" shows one ampersand; a single one only marks the next character.
            if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('&')) {
                shown += c;
                ++i;
            }
            continue;
        }
        shown += c;
    }
    return shown;
}
