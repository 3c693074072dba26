#include "ui/button/buttonform.h"

#include "ui/button/ambientproperties.h"
#include "ui/button/xpbuttonx.h"
#include "ui/formunits.h"

#include <QFile>
#include <QFont>
#include <QStringList>
#include <QWidget>
#include <QtDebug>

#include <cmath>

namespace {

constexpr double himetricPerPixel = 2540.0 / 96.0; // _extentx/_extenty are in 0.01 mm

// The value part of "key = value": a quoted text ("" inside stands for one quote), a hex
// number &H...& (or &H...), True/False, a decimal number, or else the bare text.
QVariant parseValue(const QString &raw)
{
    const QString text = raw.trimmed();
    if (text.startsWith(QLatin1Char('"'))) {
        QString result;
        for (qsizetype i = 1; i < text.size(); ++i) {
            if (text[i] == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    result += QLatin1Char('"');
                    ++i;
                    continue;
                }
                break;
            }
            result += text[i];
        }
        return result;
    }
    // Anything after an apostrophe outside quotes is a comment.
    QString bare = text;
    const qsizetype comment = bare.indexOf(QLatin1Char('\''));
    if (comment >= 0)
        bare = bare.left(comment).trimmed();

    if (bare.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        QString digits = bare.mid(2);
        if (digits.endsWith(QLatin1Char('&')))
            digits.chop(1);
        bool ok = false;
        const qulonglong value = digits.toULongLong(&ok, 16);
        if (ok)
            return static_cast<qlonglong>(value & 0xffffffffULL);
        return bare;
    }
    if (bare.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return -1;
    if (bare.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return 0;
    bool ok = false;
    const qlonglong whole = bare.toLongLong(&ok);
    if (ok)
        return whole;
    const double real = bare.toDouble(&ok);
    if (ok)
        return real;
    return bare;
}

QFont fontFromStore(const QHash<QString, QVariant> &keys)
{
    QFont font;
    if (keys.contains(QStringLiteral("name")))
        font.setFamily(keys.value(QStringLiteral("name")).toString());
    if (keys.contains(QStringLiteral("size"))) {
        const double size = keys.value(QStringLiteral("size")).toDouble();
        if (size > 0)
            font.setPointSizeF(size);
    }
    if (keys.contains(QStringLiteral("weight"))) {
        const int weight = keys.value(QStringLiteral("weight")).toInt();
        if (weight >= 1 && weight <= 1000)
            font.setWeight(static_cast<QFont::Weight>(weight));
    }
    font.setItalic(keys.value(QStringLiteral("italic")).toInt() != 0);
    font.setUnderline(keys.value(QStringLiteral("underline")).toInt() != 0);
    font.setStrikeOut(keys.value(QStringLiteral("strikethrough")).toInt() != 0);
    return font;
}

bool isButtonType(const QString &type)
{
    const QString last = type.section(QLatin1Char('.'), -1);
    return last.compare(QLatin1String("XPButtonX"), Qt::CaseInsensitive) == 0;
}

bool isPropertyStoreKey(const QString &key)
{
    return !key.isEmpty() && (key[0].isLower() || key[0] == QLatin1Char('_'));
}

int pixelsFromTwips(const QVariant &value)
{
    return formunits::toPixels(value.toDouble());
}

} // namespace

QVariant StoredButton::placementValue(const QString &key) const
{
    for (auto it = placement.cbegin(); it != placement.cend(); ++it) {
        if (it.key().compare(key, Qt::CaseInsensitive) == 0)
            return it.value();
    }
    return {};
}

QList<StoredButton> parseFormButtons(const QString &text)
{
    QList<StoredButton> result;
    QStringList blockNames;        // names of the open Begin blocks, outermost first
    int buttonDepth = -1;          // depth of the open button block, -1 when none
    StoredButton current;
    QString propertyName;          // open BeginProperty block of the button, if any
    int propertyDepth = 0;         // nesting of BeginProperty blocks inside the button
    QHash<QString, QVariant> propertyKeys;

    const QStringList lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('\'')))
            continue;
        const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString first = words.value(0);

        if (first.compare(QLatin1String("BeginProperty"), Qt::CaseInsensitive) == 0) {
            ++propertyDepth;
            if (buttonDepth >= 0 && propertyDepth == 1) {
                propertyName = words.value(1);
                propertyKeys.clear();
            }
            continue;
        }
        if (first.compare(QLatin1String("EndProperty"), Qt::CaseInsensitive) == 0) {
            if (propertyDepth > 0)
                --propertyDepth;
            if (buttonDepth >= 0 && propertyDepth == 0 && !propertyName.isEmpty()) {
                if (propertyName.compare(QLatin1String("font"), Qt::CaseInsensitive) == 0)
                    current.properties.WriteProperty(propertyName, fontFromStore(propertyKeys));
                propertyName.clear();
            }
            continue;
        }
        if (first.compare(QLatin1String("Begin"), Qt::CaseInsensitive) == 0 && words.size() >= 2) {
            const QString type = words.value(1);
            const QString name = words.value(2);
            if (buttonDepth < 0 && isButtonType(type) && !name.isEmpty()) {
                current = StoredButton();
                current.name = name;
                current.enclosingBlock = blockNames.isEmpty() ? QString() : blockNames.last();
                buttonDepth = static_cast<int>(blockNames.size());
                propertyDepth = 0;
                propertyName.clear();
            }
            blockNames.append(name);
            continue;
        }
        if (first.compare(QLatin1String("End"), Qt::CaseInsensitive) == 0 && words.size() == 1) {
            if (blockNames.isEmpty())
                continue;
            blockNames.removeLast();
            if (buttonDepth >= 0 && blockNames.size() == buttonDepth) {
                result.append(current);
                buttonDepth = -1;
                propertyDepth = 0;
            }
            continue;
        }

        // key = value, only inside the button's own block (not in a block nested in it).
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0 || buttonDepth < 0 || blockNames.size() != buttonDepth + 1)
            continue;
        const QString key = line.left(eq).trimmed();
        const QVariant value = parseValue(line.mid(eq + 1));
        if (key.isEmpty() || key.contains(QLatin1Char(' ')))
            continue;
        if (propertyDepth > 0) {
            if (propertyDepth == 1)
                propertyKeys.insert(key.toLower(), value);
        } else if (isPropertyStoreKey(key)) {
            current.properties.WriteProperty(key, value);
        } else {
            current.placement.insert(key, value);
        }
    }
    if (buttonDepth >= 0)
        qWarning("form resource: button block '%s' is not closed", qPrintable(current.name));
    return result;
}

QHash<QString, XPButtonX *> createFormButtons(QWidget *window, const QList<StoredButton> &buttons)
{
    QHash<QString, XPButtonX *> created;
    if (!window)
        return created;
    for (const StoredButton &stored : buttons) {
        QString containerName = stored.placementValue(QStringLiteral("Container")).toString();
        if (containerName.isEmpty())
            containerName = stored.enclosingBlock;
        QWidget *container = window;
        if (!containerName.isEmpty() && containerName != window->objectName()) {
            if (auto *found = window->findChild<QWidget *>(containerName))
                container = found;
            else if (!stored.placementValue(QStringLiteral("Container")).isNull())
                qWarning("form resource: container '%s' of '%s' not found, using the window",
                         qPrintable(containerName), qPrintable(stored.name));
        }

        auto *button = new XPButtonX(container);
        button->setObjectName(stored.name);

        const QVariant width = stored.placementValue(QStringLiteral("Width"));
        const QVariant height = stored.placementValue(QStringLiteral("Height"));
        const QVariant extentX = stored.properties.ReadProperty(QStringLiteral("_extentx"));
        const QVariant extentY = stored.properties.ReadProperty(QStringLiteral("_extenty"));
        const int w = width.isValid() ? pixelsFromTwips(width)
                      : extentX.isValid() ? static_cast<int>(std::lround(extentX.toDouble() / himetricPerPixel))
                                          : 0;
        const int h = height.isValid() ? pixelsFromTwips(height)
                      : extentY.isValid() ? static_cast<int>(std::lround(extentY.toDouble() / himetricPerPixel))
                                          : 0;
        button->setGeometry(pixelsFromTwips(stored.placementValue(QStringLiteral("Left"))),
                            pixelsFromTwips(stored.placementValue(QStringLiteral("Top"))),
                            w, h);

        const QVariant toolTip = stored.placementValue(QStringLiteral("ToolTipText"));
        if (toolTip.isValid())
            button->setToolTip(toolTip.toString());
        const QVariant visible = stored.placementValue(QStringLiteral("Visible"));
        if (visible.isValid() && visible.toInt() == 0)
            button->setVisible(false);

        AmbientProperties ambient;
        ambient.font = container->font();
        ambient.displayName = stored.name;
        button->ReadProperties(stored.properties, ambient);

        created.insert(stored.name, button);
    }
    return created;
}

QHash<QString, XPButtonX *> loadFormButtons(QWidget *window, const QString &resourcePath)
{
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("form resource '%s' cannot be read: %s", qPrintable(resourcePath),
                 qPrintable(file.errorString()));
        return {};
    }
    return createFormButtons(window, parseFormButtons(QString::fromUtf8(file.readAll())));
}
