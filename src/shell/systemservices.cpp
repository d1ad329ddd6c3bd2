#include "shell/systemservices.h"

#include "platform/qttranslations.h"
#include "platform/registry.h"

#include <QApplication>
#include <QStandardPaths>

SystemServices::SystemServices(const QString &executableDir)
    : m_registry(makeSystemRegistry(executableDir))
{
    m_environment.executableDir = executableDir;
    m_environment.messages = &m_messages;
    m_environment.exit = &m_exit;
    m_environment.registry = m_registry.get();
    m_environment.launcher = &m_launcher;
    m_environment.userDataDir =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/morvex");
}

SystemServices::~SystemServices() = default;

void SystemServices::prepareApplication()
{
    applyClassicStyle();
    // The window class is the application's name (WM_CLASS on X11); the desktop entry's
    // StartupWMClass names it, and Wayland matches the entry by the desktop file name.
    QCoreApplication::setApplicationName(QStringLiteral(MORVEX_WINDOW_CLASS));
    QGuiApplication::setDesktopFileName(QStringLiteral(MORVEX_APP_ID));
    QtTranslations::install();
}

void SystemServices::applyClassicStyle()
{
    QApplication::setStyle(QStringLiteral("Windows"));
}
