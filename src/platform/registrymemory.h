#pragma once

#include "platform/registry.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>

namespace platform {

// A registry held in memory: keys below the predefined roots, each with typed values. It
// answers like the Windows registry (case-insensitive names, ERROR_MORE_DATA for a short
// buffer, handles that must be closed) and records every call made to it, so that it serves
// both as the store behind LinuxRegistry and as a stand-in in tests.
class MemoryRegistry : public Registry {
public:
    enum class CallKind { Open, Query, Close };

    struct Call {
        CallKind kind = CallKind::Open;
        Handle handle = 0;          // root for Open, the key's handle otherwise
        QString name;               // the sub key for Open, the value name for Query
        std::uint32_t options = 0;  // Open only
        std::uint32_t access = 0;   // Open only
        std::int32_t result = 0;
    };

    MemoryRegistry() = default;

    // --- contents ------------------------------------------------------------------------
    void removeKey(Handle root, const QString &keyPath);
    // Adds the key when it is missing.
    void setValue(Handle root, const QString &keyPath, const QString &valueName,
                  std::uint32_t type, const QByteArray &data);
    // A REG_SZ value: the text in the 8-bit encoding with its terminating zero byte.
    void setString(Handle root, const QString &keyPath, const QString &valueName,
                   const QString &text);
    // A REG_DWORD value: four bytes, least significant first.
    void setNumber(Handle root, const QString &keyPath, const QString &valueName,
                   std::uint32_t number);

    // --- Registry --------------------------------------------------------------------------
    std::int32_t openKey(Handle root, const QString &subKey, std::uint32_t options,
                         std::uint32_t samDesired, Handle &result) override;
    std::int32_t queryValue(Handle key, const QString &valueName, std::uint32_t &type,
                            std::uint8_t *data, std::uint32_t &size) override;
    std::int32_t closeKey(Handle key) override;

    // --- what happened -----------------------------------------------------------------------
    void setRecording(bool on) { m_recording = on; }
    const QList<Call> &calls() const { return m_calls; }
    void clearCalls() { m_calls.clear(); }
    qsizetype openHandleCount() const { return m_openKeys.size(); }

    static bool isPredefinedRoot(Handle handle);

private:
    struct Value {
        std::uint32_t type = win32::REG_NONE;
        QByteArray data;
    };
    using ValueTable = QMap<QString, Value>; // by lower-case value name

    static QString keyId(Handle root, const QString &keyPath);
    void record(const Call &call);

    QHash<QString, ValueTable> m_keys;  // by keyId
    QHash<Handle, QString> m_openKeys;  // open handle -> keyId
    Handle m_nextHandle = 0x100;
    QList<Call> m_calls;
    bool m_recording = true;
};

} // namespace platform
