#include "ordinaryuser.h"

#include <unistd.h>

#ifdef Q_OS_LINUX
#include <sys/fsuid.h>
#endif

namespace {
constexpr unsigned Nobody = 65534;
} // namespace

OrdinaryUser::OrdinaryUser()
{
#ifdef Q_OS_LINUX
    if (::geteuid() == 0) {
        ::setfsgid(Nobody);
        ::setfsuid(Nobody);
        m_switched = true;
    }
#endif
}

OrdinaryUser::~OrdinaryUser()
{
#ifdef Q_OS_LINUX
    if (m_switched) {
        ::setfsuid(0);
        ::setfsgid(0);
    }
#endif
}
