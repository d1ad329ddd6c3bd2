#include "platform/writefault.h"

namespace {
std::optional<qint64> faultRoom;
} // namespace

WriteFault::WriteFault(qint64 room)
{
    faultRoom = room;
}

WriteFault::~WriteFault()
{
    faultRoom.reset();
}

std::optional<qint64> WriteFault::room()
{
    return faultRoom;
}
