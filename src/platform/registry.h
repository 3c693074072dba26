#pragma once

#include <QString>

#include <cstdint>

namespace platform {

// Values of the Windows registry API that this program's callers pass and receive. They keep
// their Windows names and numbers so that code reading the registry looks the same on every
// platform.
namespace win32 {

inline constexpr std::uint32_t HKEY_LOCAL_MACHINE = 0x80000002u;

// Result codes.
inline constexpr std::int32_t ERROR_SUCCESS = 0;
inline constexpr std::int32_t ERROR_FILE_NOT_FOUND = 2;
inline constexpr std::int32_t ERROR_INVALID_HANDLE = 6;
inline constexpr std::int32_t ERROR_MORE_DATA = 234;

// Value types.
inline constexpr std::uint32_t REG_NONE = 0;
inline constexpr std::uint32_t REG_SZ = 1;
inline constexpr std::uint32_t REG_EXPAND_SZ = 2;
inline constexpr std::uint32_t REG_BINARY = 3;
inline constexpr std::uint32_t REG_DWORD = 4;

// Access rights.
inline constexpr std::uint32_t KEY_QUERY_VALUE = 0x0001;
inline constexpr std::uint32_t KEY_SET_VALUE = 0x0002;
inline constexpr std::uint32_t KEY_CREATE_SUB_KEY = 0x0004;
inline constexpr std::uint32_t KEY_ENUMERATE_SUB_KEYS = 0x0008;
inline constexpr std::uint32_t KEY_NOTIFY = 0x0010;
inline constexpr std::uint32_t KEY_CREATE_LINK = 0x0020;
inline constexpr std::uint32_t READ_CONTROL = 0x20000;

} // namespace win32

// The three registry calls the program makes, with the semantics of RegOpenKeyExA,
// RegQueryValueExA and RegCloseKey: every call returns ERROR_SUCCESS or a Windows error code.
// Key paths use "\" between their parts; key and value names match without regard to case.
class Registry {
public:
    using Handle = std::uint32_t;

    virtual ~Registry() = default;

    // Opens the key subKey below root, one of the predefined roots. On success result receives a handle that must be
    // closed with closeKey; on failure result is 0.
    virtual std::int32_t openKey(Handle root, const QString &subKey, std::uint32_t options,
                                 std::uint32_t samDesired, Handle &result) = 0;

    // Copies the data of the value valueName into data, which holds size bytes. On success
    // type receives the value's type and size the number of bytes written. When the data is
    // longer than size, nothing is copied, size receives the length needed and the result is
    // ERROR_MORE_DATA.
    virtual std::int32_t queryValue(Handle key, const QString &valueName, std::uint32_t &type,
                                    std::uint8_t *data, std::uint32_t &size) = 0;

    virtual std::int32_t closeKey(Handle key) = 0;

protected:
    Registry() = default;
    Registry(const Registry &) = default;
    Registry &operator=(const Registry &) = default;
};

} // namespace platform
