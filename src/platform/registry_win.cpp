// The real registry, through advapi32 (Windows only).
#include "platform/registry.h"

#include <windows.h>

namespace {

class WinRegistry : public Registry
{
public:
    Status openKey(std::uint32_t root, const QByteArray &path, std::uint32_t access,
                   KeyHandle &key) override
    {
        // The predefined handles are 32-bit values sign-extended to the pointer's width, as
        // the system headers define HKEY_LOCAL_MACHINE and its kin.
        const HKEY rootKey = reinterpret_cast<HKEY>(
            static_cast<ULONG_PTR>(static_cast<LONG>(root)));
        HKEY opened = nullptr;
        const LONG status = RegOpenKeyExA(rootKey, path.constData(), 0, access, &opened);
        if (status == ERROR_SUCCESS)
            key = reinterpret_cast<KeyHandle>(opened);
        return status;
    }

    Status queryValue(KeyHandle key, const QByteArray &name, char *data,
                      std::uint32_t &size) override
    {
        DWORD type = 0;
        DWORD bytes = size;
        const LONG status = RegQueryValueExA(reinterpret_cast<HKEY>(key), name.constData(),
                                             nullptr, &type, reinterpret_cast<LPBYTE>(data),
                                             &bytes);
        size = bytes;
        return status;
    }

    Status closeKey(KeyHandle key) override
    {
        return RegCloseKey(reinterpret_cast<HKEY>(key));
    }
};

} // namespace

std::unique_ptr<Registry> makeSystemRegistry(const QString &)
{
    return std::make_unique<WinRegistry>();
}
