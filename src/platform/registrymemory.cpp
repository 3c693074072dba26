#include "platform/registrymemory.h"

#include <cstring>

namespace platform {

using namespace win32;

namespace {

// Paths are compared without regard to case and to stray separators at either end.
QString normalisedPath(const QString &keyPath)
{
    QString path = keyPath.toLower();
    while (path.startsWith(QLatin1Char('\\')))
        path.remove(0, 1);
    while (path.endsWith(QLatin1Char('\\')))
        path.chop(1);
    return path;
}

} // namespace

bool MemoryRegistry::isPredefinedRoot(Handle handle)
{
    // HKEY_CLASSES_ROOT (0x80000000) up to HKEY_CURRENT_CONFIG (0x80000005).
    return handle >= 0x80000000u && handle <= 0x80000005u;
}

QString MemoryRegistry::keyId(Handle root, const QString &keyPath)
{
    const QString path = normalisedPath(keyPath);
    const QString rootPart = QString::number(root, 16);
    return path.isEmpty() ? rootPart : rootPart + QLatin1Char('\\') + path;
}

void MemoryRegistry::record(const Call &call)
{
    if (m_recording)
        m_calls.append(call);
}

void MemoryRegistry::removeKey(Handle root, const QString &keyPath)
{
    m_keys.remove(keyId(root, keyPath));
}

void MemoryRegistry::setValue(Handle root, const QString &keyPath, const QString &valueName,
                              std::uint32_t type, const QByteArray &data)
{
    m_keys[keyId(root, keyPath)][valueName.toLower()] = Value{type, data};
}

void MemoryRegistry::setString(Handle root, const QString &keyPath, const QString &valueName,
                               const QString &text)
{
    QByteArray data = text.toLocal8Bit();
    data.append('\0');
    setValue(root, keyPath, valueName, REG_SZ, data);
}

void MemoryRegistry::setNumber(Handle root, const QString &keyPath, const QString &valueName,
                               std::uint32_t number)
{
    QByteArray data(4, '\0');
    for (int i = 0; i < 4; ++i)
        data[i] = static_cast<char>((number >> (8 * i)) & 0xFFu);
    setValue(root, keyPath, valueName, REG_DWORD, data);
}

std::int32_t MemoryRegistry::openKey(Handle root, const QString &subKey, std::uint32_t options,
                                     std::uint32_t samDesired, Handle &result)
{
    result = 0;
    Call call{CallKind::Open, root, subKey, options, samDesired, ERROR_SUCCESS};

    if (!isPredefinedRoot(root)) {
        call.result = ERROR_INVALID_HANDLE;
        record(call);
        return call.result;
    }
    const QString id = keyId(root, subKey);

    // A predefined root always exists, even with nothing below it.
    const bool exists = m_keys.contains(id) || normalisedPath(subKey).isEmpty();
    if (!exists) {
        call.result = ERROR_FILE_NOT_FOUND;
        record(call);
        return call.result;
    }
    result = m_nextHandle++;
    m_openKeys.insert(result, id);
    record(call);
    return ERROR_SUCCESS;
}

std::int32_t MemoryRegistry::queryValue(Handle key, const QString &valueName, std::uint32_t &type,
                                        std::uint8_t *data, std::uint32_t &size)
{
    Call call{CallKind::Query, key, valueName, 0, 0, ERROR_SUCCESS};
    const auto open = m_openKeys.constFind(key);
    if (open == m_openKeys.cend()) {
        call.result = ERROR_INVALID_HANDLE;
        record(call);
        return call.result;
    }
    const auto keyIt = m_keys.constFind(*open);
    const bool found = keyIt != m_keys.cend() && keyIt->contains(valueName.toLower());
    if (!found) {
        call.result = ERROR_FILE_NOT_FOUND;
        record(call);
        return call.result;
    }

    const Value &value = keyIt->value(valueName.toLower());
    const auto length = static_cast<std::uint32_t>(value.data.size());
    type = value.type;
    if (data == nullptr) {
        // The caller only asks how long the value is.
        size = length;
    } else if (length > size) {
        size = length;
        call.result = ERROR_MORE_DATA;
    } else {
        if (length > 0)
            std::memcpy(data, value.data.constData(), length);
        size = length;
    }
    record(call);
    return call.result;
}

std::int32_t MemoryRegistry::closeKey(Handle key)
{
    Call call{CallKind::Close, key, QString(), 0, 0, ERROR_SUCCESS};
    if (m_openKeys.remove(key) == 0)
        call.result = ERROR_INVALID_HANDLE;
    record(call);
    return call.result;
}

} // namespace platform
