#pragma once

#include "platform/usermessages.h"

#include <QList>

// Records every message the program would show and answers questions from a queue
// (Yes when the queue is empty), so no modal box ever blocks a test.
class RecordingMessages : public UserMessages
{
public:
    Answer show(const Message &message) override;

    QList<Message> shown;
    QList<Answer> answers;

    QStringList texts() const;
};
