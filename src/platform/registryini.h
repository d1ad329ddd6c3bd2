#pragma once

#include "platform/registry.h"

#include <QHash>
#include <QStringList>

// The registry off Windows: keys and string values kept in INI files read through QSettings.
// A key "<root name>\<path>" is a section of that name, for example
//
//     [HKEY_LOCAL_MACHINE\Software\Morvex\Shared\InstalledProgramsList]
//     ListFolder=/home/user/.local/share/morvex
//
// The files are searched in their order; a key is opened in the first file that holds it (a key
// exists when a value or a sub key lies in it), and its values are read from that file only. A key
// that no file holds fails to open; a value that its key does not hold fails the size query.
// Names are compared case-sensitively. A value that begins with "~" has it replaced by the
// user's home directory, so that one system-wide file can name a directory of each user's own.
class IniRegistry : public Registry
{
public:
    explicit IniRegistry(QStringList files);

    // Where the program looks, in this order: "morvex/registry.ini" in the user's configuration
    // directory and in the system's configuration directories (XDG: ~/.config, then /etc/xdg),
    // then "registry.ini" in the program directory, which the build and the install step write.
    static QStringList defaultFiles(const QString &programDir);

    Status openKey(std::uint32_t root, const QByteArray &path, std::uint32_t access,
                   KeyHandle &key) override;
    Status queryValue(KeyHandle key, const QByteArray &name, char *data,
                      std::uint32_t &size) override;
    Status closeKey(KeyHandle key) override;

    const QStringList &files() const { return m_files; }

private:
    struct OpenKey
    {
        QString file;
        QString group;
    };

    QStringList m_files;
    QHash<KeyHandle, OpenKey> m_open;
    KeyHandle m_nextHandle = 1;
};
