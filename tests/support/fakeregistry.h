#pragma once

#include "platform/registry.h"

#include <QList>
#include <QMap>
#include <QSet>

// A registry in memory: keys by root and path, each with its string values, and every call
// noted. closeStatus makes closing a key fail.
class FakeRegistry : public Registry
{
public:
    void setValue(std::uint32_t root, const QString &path, const QString &name,
                  const QByteArray &value);
    // A key with no values at all.
    void addKey(std::uint32_t root, const QString &path);

    Status openKey(std::uint32_t root, const QByteArray &path, std::uint32_t access,
                   KeyHandle &key) override;
    Status queryValue(KeyHandle key, const QByteArray &name, char *data,
                      std::uint32_t &size) override;
    Status closeKey(KeyHandle key) override;

    Status closeStatus = Success;

    struct Opening
    {
        std::uint32_t root;
        QByteArray path;
        std::uint32_t access;
    };
    QList<Opening> openings;
    int closings = 0;
    QSet<KeyHandle> openKeys;

private:
    using KeyName = std::pair<std::uint32_t, QByteArray>;
    QMap<KeyName, QMap<QByteArray, QByteArray>> m_keys;
    QMap<KeyHandle, KeyName> m_handles;
    KeyHandle m_next = 0x100;
};
