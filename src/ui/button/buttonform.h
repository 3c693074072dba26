#pragma once

#include "ui/button/propertybag.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

class QWidget;
class XPButtonX;

// One button as a window's form resource stores it: the keys of the window that places it
// (capitalised: Container, Left, Top, Width, Height, ToolTipText, ...) and the button's own
// property store (lower-case keys: caption, forecolor, forehover, font, ...).
struct StoredButton {
    QString name;
    QString enclosingBlock;             // name of the Begin block around it, if any
    QHash<QString, QVariant> placement; // keys looked up without regard to case
    PropertyBag properties;

    QVariant placementValue(const QString &key) const;
};

// Reads the button blocks of a form resource text ("Begin XPButtonX <name>" ... "End").
// Unknown keys, other blocks and lines that cannot be read are passed over.
QList<StoredButton> parseFormButtons(const QString &text);

// Creates the stored buttons of a window: each becomes a child of the widget named by its
// Container key (the window itself when there is none), with its name, geometry (twips / 15),
// tool tip and then its stored properties loaded. Returns them by name.
QHash<QString, XPButtonX *> loadFormButtons(QWidget *window, const QString &resourcePath);

// The same for resource text already read.
QHash<QString, XPButtonX *> createFormButtons(QWidget *window, const QList<StoredButton> &buttons);
