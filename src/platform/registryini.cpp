#include "platform/registryini.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

namespace {

QString rootKeyName(std::uint32_t root)
{
    switch (root) {
    case Registry::ClassesRoot: return QStringLiteral("HKEY_CLASSES_ROOT");
    case Registry::CurrentUser: return QStringLiteral("HKEY_CURRENT_USER");
    case Registry::LocalMachine: return QStringLiteral("HKEY_LOCAL_MACHINE");
    case Registry::Users: return QStringLiteral("HKEY_USERS");
    case Registry::CurrentConfig: return QStringLiteral("HKEY_CURRENT_CONFIG");
    default: return {};
    }
}

// QSettings separates groups with "/"; a section name's backslashes come to it as "/" too.
QString groupOf(const QString &rootName, const QByteArray &path)
{
    QString group = rootName;
    const QString rest = QString::fromLocal8Bit(path).replace(QLatin1Char('\\'), QLatin1Char('/'));
    for (const QString &part : rest.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        group += QLatin1Char('/') + part;
    return group;
}

// Looked for among all the file's keys: QSettings' children of a group miss the sections it has
// not parsed yet.
bool holdsKey(const QString &file, const QString &group)
{
    QSettings settings(file, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return false;
    const QString prefix = group + QLatin1Char('/');
    const QStringList keys = settings.allKeys();
    return std::any_of(keys.cbegin(), keys.cend(),
                       [&prefix](const QString &key) { return key.startsWith(prefix); });
}

QString expandHome(const QString &value)
{
    if (value == QLatin1String("~"))
        return QDir::homePath();
    if (value.startsWith(QLatin1String("~/")))
        return QDir::homePath() + value.mid(1);
    return value;
}

} // namespace

IniRegistry::IniRegistry(QStringList files)
    : m_files(std::move(files))
{
}

QStringList IniRegistry::defaultFiles(const QString &programDir)
{
    QStringList files;
    for (const QString &dir : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation))
        files.append(dir + QStringLiteral("/morvex/registry.ini"));
    QString dir = programDir;
    if (!dir.endsWith(QLatin1Char('/')) && !dir.endsWith(QLatin1Char('\\')))
        dir += QLatin1Char('/');
    files.append(dir + QStringLiteral("registry.ini"));
    return files;
}

Registry::Status IniRegistry::openKey(std::uint32_t root, const QByteArray &path,
                                      std::uint32_t access, KeyHandle &key)
{
    Q_UNUSED(access) // the files are only ever read
    const QString rootName = rootKeyName(root);
    if (rootName.isEmpty())
        return InvalidHandle;
    const QString group = groupOf(rootName, path);
    for (const QString &file : m_files) {
        if (holdsKey(file, group)) {
            key = m_nextHandle++;
            m_open.insert(key, {file, group});
            return Success;
        }
    }
    return NotFound;
}

Registry::Status IniRegistry::queryValue(KeyHandle key, const QByteArray &name, char *data,
                                         std::uint32_t &size)
{
    const auto open = m_open.constFind(key);
    if (open == m_open.constEnd())
        return InvalidHandle;
    const QString valueName = QString::fromLocal8Bit(name);
    if (valueName.isEmpty() || valueName.contains(QLatin1Char('/'))
        || valueName.contains(QLatin1Char('\\')))
        return NotFound;
    const QString valueKey = open->group + QLatin1Char('/') + valueName;
    QSettings settings(open->file, QSettings::IniFormat);
    if (!settings.allKeys().contains(valueKey))
        return NotFound;
    const QVariant value = settings.value(valueKey);
    // An unquoted value with commas comes back as a list of its parts.
    const QString text = value.typeId() == QMetaType::QStringList
                             ? value.toStringList().join(QLatin1Char(','))
                             : value.toString();
    return answerQuery(expandHome(text).toLocal8Bit(), data, size);
}

Registry::Status IniRegistry::closeKey(KeyHandle key)
{
    return m_open.remove(key) ? Success : InvalidHandle;
}

#ifndef Q_OS_WIN
std::unique_ptr<Registry> makeSystemRegistry(const QString &programDir)
{
    return std::make_unique<IniRegistry>(IniRegistry::defaultFiles(programDir));
}
#endif
