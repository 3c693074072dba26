#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// A container's property store for one control instance: named values whose names match without
// regard to case. Writing a value equal to its default stores nothing (and forgets a value stored
// before), so that reading a missing name gives that same default back.
class PropertyBag {
public:
    // The stored value, or defaultValue when the name is not stored.
    QVariant ReadProperty(const QString &name, const QVariant &defaultValue = QVariant()) const;
    // Stores value unless it equals defaultValue; an invalid defaultValue means "no default",
    // so the value is always stored.
    void WriteProperty(const QString &name, const QVariant &value,
                       const QVariant &defaultValue = QVariant());

    bool contains(const QString &name) const { return indexOf(name) >= 0; }
    void remove(const QString &name);
    // Names in the order they were first stored, spelled as they were written.
    QStringList names() const;
    int count() const { return static_cast<int>(m_entries.size()); }
    bool isEmpty() const { return m_entries.isEmpty(); }

    // Equality as the store sees it: numbers by value whatever their type, fonts by their
    // attributes, everything else by QVariant equality.
    static bool sameValue(const QVariant &a, const QVariant &b);

private:
    struct Entry {
        QString name;
        QVariant value;
    };
    int indexOf(const QString &name) const;

    QList<Entry> m_entries;
};
