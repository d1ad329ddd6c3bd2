#pragma once

#include <QtGlobal>

// The test's file accesses made as an ordinary user while one of these lives: the superuser
// reads and writes any file whatever its mode, so a test of a file without read permission
// would test nothing under root (as CI runs). On Linux the calling thread's file-system user
// and group become "nobody" (which drops the superuser's file capabilities too); for a user
// who is no superuser, nothing changes. The files the test makes must be reachable by "nobody".
class OrdinaryUser
{
    Q_DISABLE_COPY_MOVE(OrdinaryUser)

public:
    OrdinaryUser();
    ~OrdinaryUser();

private:
    bool m_switched = false;
};
