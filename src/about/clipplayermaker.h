#pragma once

#include <QtPlugin>

class ClipPlayer;
class QWidget;

// What the player plugin offers the About window: the media player, made for a window. The
// plugin carries Qt Multimedia with it, so the program loads that only when the About window
// first needs a player.
class ClipPlayerMaker
{
public:
    virtual ~ClipPlayerMaker() = default;

    // A new player, a child of the window like the window's other controls.
    virtual ClipPlayer *create(QWidget *window) = 0;
};

#define ClipPlayerMaker_iid "example.morvex.Calculator.ClipPlayerMaker/1.0"
Q_DECLARE_INTERFACE(ClipPlayerMaker, ClipPlayerMaker_iid)
