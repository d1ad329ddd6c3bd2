#pragma once

#include "platform/usermessages.h"

class QWidget;

// Shows each message as a modal QMessageBox.
class BoxMessages : public UserMessages
{
public:
    Answer show(const Message &message) override;
};
