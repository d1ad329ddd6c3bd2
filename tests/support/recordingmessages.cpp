#include "recordingmessages.h"

UserMessages::Answer RecordingMessages::show(const Message &message)
{
    shown.append(message);
    if (message.buttons == Buttons::Ok)
        return Answer::Ok;
    return answers.isEmpty() ? Answer::Yes : answers.takeFirst();
}

QStringList RecordingMessages::texts() const
{
    QStringList result;
    for (const Message &m : shown)
        result.append(m.text);
    return result;
}
