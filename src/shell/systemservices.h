#pragma once

#include "platform/boxmessages.h"
#include "platform/programexit.h"
#include "platform/urllauncher.h"
#include "platform/environment.h"

#include <memory>

class Registry;

// The real services of a running program (message boxes, the immediate end, the system
// registry, the browser) and the environment that hands them to the main window.
class SystemServices
{
public:
    explicit SystemServices(const QString &executableDir);
    ~SystemServices();

    const Environment &environment() const { return m_environment; }

    // The program on the desktop, before its first window: the classic look, its window class
    // and desktop entry, so the taskbar matches the window to the menu entry, and Qt's own
    // texts in the user's language. Call once the application exists.
    static void prepareApplication();

    // The classic look the layout was designed for: frame captions on the frame line, compact
    // option buttons. Call once the application exists.
    static void applyClassicStyle();

private:
    BoxMessages m_messages;
    ImmediateExit m_exit;
    std::unique_ptr<Registry> m_registry;
    SystemUrlLauncher m_launcher;
    Environment m_environment;
};
