#include "shell/systemservices.h"

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

void SystemServices::applyClassicStyle()
{
    QApplication::setStyle(QStringLiteral("Windows"));
}
