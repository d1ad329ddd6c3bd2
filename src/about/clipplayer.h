#pragma once

#include <QString>

#include <functional>

class QWidget;

// The About window's media player, MediaPlayer1: a control that plays the animation clip by
// itself as soon as it is given a file, with no control bar of its own, the clip looping 1000
// times over. An interface so that the window tests see what the player was given without a
// media backend; the program uses MediaClipPlayer, from the player plugin.
class ClipPlayer
{
public:
    virtual ~ClipPlayer() = default;

    // The control on the window; it is a child of the window and deleted with it, and with it
    // this player.
    virtual QWidget *widget() = 0;

    // Loads the file and starts playing it. False when the player refuses the name.
    virtual bool setFileName(const QString &path) = 0;

    // Makes the player for a window: a MediaClipPlayer of the player plugin in the program
    // directory, or the clip's still picture where the plugin cannot be loaded (the clip is a
    // decoration: the window goes on without it, and says nothing).
    using Factory = std::function<ClipPlayer *(QWidget *window)>;
    static ClipPlayer *create(QWidget *window, const QString &programDir);
    // Replaces the factory (tests); an empty one restores the plugin's player.
    static void setFactory(Factory factory);
};
