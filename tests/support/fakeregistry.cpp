#include "fakeregistry.h"

void FakeRegistry::setValue(std::uint32_t root, const QString &path, const QString &name,
                            const QByteArray &value)
{
    m_keys[{root, path.toLocal8Bit()}].insert(name.toLocal8Bit(), value);
}

void FakeRegistry::addKey(std::uint32_t root, const QString &path)
{
    m_keys[{root, path.toLocal8Bit()}];
}

Registry::Status FakeRegistry::openKey(std::uint32_t root, const QByteArray &path,
                                       std::uint32_t access, KeyHandle &key)
{
    openings.append({root, path, access});
    if (!m_keys.contains({root, path}))
        return NotFound;
    key = m_next++;
    m_handles.insert(key, {root, path});
    openKeys.insert(key);
    return Success;
}

Registry::Status FakeRegistry::queryValue(KeyHandle key, const QByteArray &name, char *data,
                                          std::uint32_t &size)
{
    const auto handle = m_handles.constFind(key);
    if (handle == m_handles.constEnd() || !openKeys.contains(key))
        return InvalidHandle;
    const QMap<QByteArray, QByteArray> &values = m_keys[*handle];
    const auto value = values.constFind(name);
    if (value == values.constEnd())
        return NotFound;
    return answerQuery(*value, data, size);
}

Registry::Status FakeRegistry::closeKey(KeyHandle key)
{
    ++closings;
    if (!openKeys.remove(key))
        return InvalidHandle;
    return closeStatus;
}
