#include "platform/registry.h"

#include <cstring>

Registry::Status Registry::answerQuery(const QByteArray &value, char *data, std::uint32_t &size)
{
    const auto needed = static_cast<std::uint32_t>(value.size()) + 1;
    if (!data) {
        size = needed;
        return Success;
    }
    if (size < needed) {
        size = needed;
        return MoreData;
    }
    std::memcpy(data, value.constData(), value.size());
    data[value.size()] = '\0';
    size = needed;
    return Success;
}
