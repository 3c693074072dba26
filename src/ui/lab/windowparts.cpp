#include "ui/lab/windowparts.h"

#include "ui/button/xpbuttonx.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QPalette>
#include <QRandomGenerator64>
#include <QStandardPaths>
#include <QWidget>

#include <algorithm>

namespace labui {

namespace {

const char *const kIconResource = ":/icons/quorvel.png";

} // namespace

QString plainCaption(QString caption)
{
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return caption;
}

void applyWindowLook(QWidget &window, const QColor &backColor)
{
    window.setWindowIcon(QIcon(QString::fromLatin1(kIconResource)));
    QPalette windowPalette = window.palette();
    windowPalette.setColor(QPalette::Window, backColor);
    window.setPalette(windowPalette);
    window.setAutoFillBackground(true);
}

XPButtonX *translatedButton(QWidget &window, Retranslation &texts, const char *caption,
                            const QString &objectName, const char *toolTip)
{
    auto *button = new XPButtonX(&window);
    button->setObjectName(objectName);
    button->setFontProperty(window.font());
    // The window's class is the context its own tr() would translate in.
    const char *context = window.metaObject()->className();
    texts.add([&window, button, context, caption, toolTip] {
        const QString text = QCoreApplication::translate(context, caption);
        button->setCaption(text);
        button->setToolTip(QCoreApplication::translate(context, toolTip));
        button->setAccessibleName(plainCaption(text));
        const QFontMetrics metrics(window.font());
        const int width = std::max(kButtonMinimumWidth, metrics.horizontalAdvance(plainCaption(text)) + kButtonPadding);
        const int height = std::max(kButtonMinimumHeight, metrics.height() + 10);
        button->setFixedSize(width, height);
    });
    return button;
}

QLabel *translatedLabel(QWidget &window, Retranslation &texts, const char *text, QWidget *buddy)
{
    auto *label = new QLabel(&window);
    label->setBuddy(buddy);
    const char *context = window.metaObject()->className();
    texts.add([label, context, text] { label->setText(QCoreApplication::translate(context, text)); });
    return label;
}

std::string decimalSeparator()
{
    return QLocale().decimalPoint().toStdString();
}

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

void retranslateModel(QAbstractItemModel &model)
{
    const int columns = model.columnCount();
    const int rows = model.rowCount();
    if (columns > 0)
        emit model.headerDataChanged(Qt::Horizontal, 0, columns - 1);
    if (rows > 0 && columns > 0) {
        emit model.dataChanged(model.index(0, 0), model.index(rows - 1, columns - 1),
                               {Qt::DisplayRole, Qt::ToolTipRole, Qt::AccessibleTextRole,
                                Qt::AccessibleDescriptionRole});
    }
}

namespace {

QRandomGenerator64 &randomChoices()
{
    static QRandomGenerator64 generator = QRandomGenerator64::securelySeeded();
    return generator;
}

} // namespace

std::uint64_t randomChoice()
{
    return randomChoices().generate64();
}

void repeatRandomChoices(std::uint64_t start)
{
    randomChoices().seed(static_cast<quint32>(start ^ (start >> 32)));
}

} // namespace labui
