#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>

// The system registry, read only, with the semantics of the three advapi32 calls the program
// relies on: every operation returns 0 on success and any other value on failure. On Windows
// it is the real registry; elsewhere a file-backed store with the same behaviour (see
// IniRegistry). Texts are passed as the bytes the program hands to the "A" calls.
class Registry
{
public:
    using Status = long;
    using KeyHandle = std::uintptr_t;

    // The predefined root keys.
    static constexpr std::uint32_t ClassesRoot = 0x80000000u;
    static constexpr std::uint32_t CurrentUser = 0x80000001u;
    static constexpr std::uint32_t LocalMachine = 0x80000002u;
    static constexpr std::uint32_t Users = 0x80000003u;
    static constexpr std::uint32_t CurrentConfig = 0x80000005u;

    // The access right to query values, the only one the program asks for.
    static constexpr std::uint32_t QueryValue = 1;

    // The failure codes the file-backed stores and the tests' fake report (the values Windows
    // uses for the same situations).
    static constexpr Status Success = 0;
    static constexpr Status NotFound = 2;
    static constexpr Status InvalidHandle = 6;
    static constexpr Status MoreData = 234;

    virtual ~Registry() = default;

    // RegOpenKeyExA: opens the key at path (sub keys separated by backslashes) under root.
    virtual Status openKey(std::uint32_t root, const QByteArray &path, std::uint32_t access,
                           KeyHandle &key) = 0;

    // RegQueryValueExA: with data null, only sets size to the value's size in bytes, its
    // terminating zero included; otherwise copies the value and its zero into data, which holds
    // size bytes, and sets size to the bytes copied (MoreData and the size needed when data is
    // too small).
    virtual Status queryValue(KeyHandle key, const QByteArray &name, char *data,
                              std::uint32_t &size) = 0;

    // RegCloseKey.
    virtual Status closeKey(KeyHandle key) = 0;

protected:
    // Answers a query about a string value the way RegQueryValueExA does.
    static Status answerQuery(const QByteArray &value, char *data, std::uint32_t &size);
};

// The registry of this system: the real one on Windows, elsewhere an IniRegistry over its
// default files, the last of them in programDir.
std::unique_ptr<Registry> makeSystemRegistry(const QString &programDir);
