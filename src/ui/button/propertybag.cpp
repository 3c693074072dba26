#include "ui/button/propertybag.h"

#include <QFont>

namespace {

bool isNumber(const QVariant &v)
{
    switch (v.metaType().id()) {
    case QMetaType::Bool:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Float:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

double numberOf(const QVariant &v)
{
    // A stored boolean is the 16-bit -1/0 form.
    if (v.metaType().id() == QMetaType::Bool)
        return v.toBool() ? -1.0 : 0.0;
    return v.toDouble();
}

} // namespace

int PropertyBag::indexOf(const QString &name) const
{
    for (int i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool PropertyBag::sameValue(const QVariant &a, const QVariant &b)
{
    if (!a.isValid() || !b.isValid())
        return a.isValid() == b.isValid();
    if (isNumber(a) && isNumber(b))
        return numberOf(a) == numberOf(b);
    if (a.metaType().id() == QMetaType::QFont && b.metaType().id() == QMetaType::QFont)
        return a.value<QFont>() == b.value<QFont>();
    return a == b;
}

QVariant PropertyBag::ReadProperty(const QString &name, const QVariant &defaultValue) const
{
    const int i = indexOf(name);
    return i >= 0 ? m_entries[i].value : defaultValue;
}

void PropertyBag::WriteProperty(const QString &name, const QVariant &value,
                                const QVariant &defaultValue)
{
    const int i = indexOf(name);
    if (defaultValue.isValid() && sameValue(value, defaultValue)) {
        if (i >= 0)
            m_entries.removeAt(i);
        return;
    }
    if (i >= 0)
        m_entries[i].value = value;
    else
        m_entries.append({name, value});
}

void PropertyBag::remove(const QString &name)
{
    const int i = indexOf(name);
    if (i >= 0)
        m_entries.removeAt(i);
}

QStringList PropertyBag::names() const
{
    QStringList result;
    for (const auto &entry : m_entries)
        result.append(entry.name);
    return result;
}
