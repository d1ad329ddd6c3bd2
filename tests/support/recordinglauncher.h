#pragma once

#include "platform/urllauncher.h"

#include <QList>

// Notes every address the program would open, and from which directory; no browser starts.
class RecordingLauncher : public UrlLauncher
{
public:
    struct Launch
    {
        QString startDir;
        QString address;
    };

    void open(const QString &startDir, const QString &address) override
    {
        launches.append({startDir, address});
    }

    QList<Launch> launches;
};
