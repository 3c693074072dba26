#pragma once

// Every text a window shows or gives a screen reader, collected in one list, so that a test can
// look for words of a language and compare a window's texts before and after language changes.

#include "ui/button/xpbuttonx.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStringList>
#include <QTabWidget>
#include <QWidget>

namespace windowtexts {

// One entry per text: "<object path>|<kind>|<text>". Empty texts are left out.
inline void addText(QStringList &texts, const QString &where, const char *kind, const QString &text)
{
    if (!text.isEmpty())
        texts << where + QLatin1Char('|') + QLatin1String(kind) + QLatin1Char('|') + text;
}

inline void addModelTexts(QStringList &texts, const QString &where, const QAbstractItemModel *model)
{
    if (!model)
        return;
    static const int roles[] = {Qt::DisplayRole, Qt::ToolTipRole, Qt::AccessibleTextRole,
                                Qt::AccessibleDescriptionRole};
    for (int column = 0; column < model->columnCount(); ++column) {
        for (int role : {int(Qt::DisplayRole), int(Qt::ToolTipRole)})
            addText(texts, where, "header", model->headerData(column, Qt::Horizontal, role).toString());
    }
    // Enough rows for every kind of line the windows' tables hold.
    const int rows = std::min(model->rowCount(), 400);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            for (int role : roles)
                addText(texts, where, "cell", model->data(index, role).toString());
        }
    }
}

inline QString pathOf(const QWidget *widget, const QWidget *root)
{
    QStringList names;
    for (const QWidget *w = widget; w && w != root; w = w->parentWidget())
        names.prepend(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName());
    return names.join(QLatin1Char('/'));
}

// The texts of a window and all its widgets, in a stable order.
inline QStringList collect(QWidget *root)
{
    QStringList texts;
    QList<QWidget *> widgets{root};
    widgets += root->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        const QString where = pathOf(widget, root);
        if (widget->isWindow())
            addText(texts, where, "title", widget->windowTitle());
        addText(texts, where, "name", widget->accessibleName());
        addText(texts, where, "description", widget->accessibleDescription());
        addText(texts, where, "tooltip", widget->toolTip());
        if (auto *label = qobject_cast<QLabel *>(widget))
            addText(texts, where, "text", label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            addText(texts, where, "text", button->text());
        if (auto *button = qobject_cast<XPButtonX *>(widget))
            addText(texts, where, "caption", button->Caption());
        if (auto *box = qobject_cast<QGroupBox *>(widget))
            addText(texts, where, "title", box->title());
        if (auto *line = qobject_cast<QLineEdit *>(widget)) {
            addText(texts, where, "text", line->text());
            addText(texts, where, "placeholder", line->placeholderText());
        }
        if (auto *spin = qobject_cast<QAbstractSpinBox *>(widget))
            addText(texts, where, "special", spin->specialValueText());
        if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            for (int i = 0; i < combo->count(); ++i)
                addText(texts, where, "item", combo->itemText(i));
        }
        if (auto *tabs = qobject_cast<QTabWidget *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                addText(texts, where, "tab", tabs->tabText(i));
        }
        if (auto *view = qobject_cast<QAbstractItemView *>(widget))
            addModelTexts(texts, where, view->model());
    }
    return texts;
}

// The Indonesian words of the windows' titles, commands and headings; no English text may keep
// one.
inline const QStringList &indonesianNames()
{
    static const QStringList words{
        QStringLiteral("satuan waktu"), QStringLiteral("Proses"),  QStringLiteral("Simpan"),
        QStringLiteral("Tidak"),        QStringLiteral("tersimpan"), QStringLiteral("Bandingkan"),
        QStringLiteral("Laboratorium"), QStringLiteral("Latihan"), QStringLiteral("Hitung"),
        QStringLiteral("Tambah"),       QStringLiteral("Hapus"),   QStringLiteral("Acak"),
        QStringLiteral("Soal"),         QStringLiteral("Periksa"), QStringLiteral("Tunjukkan"),
        QStringLiteral("Jawaban"),      QStringLiteral("Langkah"), QStringLiteral("Prioritas"),
        QStringLiteral("Selesai"),      QStringLiteral("Lembar")};
    return words;
}

// Those and the short words of the results and marks; none may be left when English is chosen.
inline const QStringList &indonesianWords()
{
    static const QStringList words = indonesianNames()
        + QStringList{QStringLiteral("siap"), QStringLiteral("sama"), QStringLiteral("terbaik"),
                      QStringLiteral("benar"), QStringLiteral("salah")};
    return words;
}

// The texts holding one of those words (as a word of its own, in any case).
inline QStringList indonesianLeft(const QStringList &texts)
{
    QStringList found;
    for (const QString &word : indonesianWords()) {
        const QRegularExpression pattern(QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(word)),
                                         QRegularExpression::CaseInsensitiveOption);
        for (const QString &text : texts) {
            // The text itself, without the object path in front of it.
            if (text.section(QLatin1Char('|'), 2).contains(pattern))
                found << word + QStringLiteral(" in ") + text;
        }
    }
    return found;
}

// The mnemonic letters (after a single &) of the window's buttons and labels, with duplicates.
inline QStringList mnemonics(QWidget *root)
{
    QStringList letters;
    const QRegularExpression marker(QStringLiteral("(?<!&)&([^&\\s])"));
    QList<QWidget *> widgets{root};
    widgets += root->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        QString text;
        if (auto *label = qobject_cast<QLabel *>(widget); label && label->buddy())
            text = label->text();
        else if (auto *button = qobject_cast<XPButtonX *>(widget))
            text = button->Caption();
        const QRegularExpressionMatch match = marker.match(text);
        if (match.hasMatch())
            letters << match.captured(1).toLower();
    }
    return letters;
}

} // namespace windowtexts
