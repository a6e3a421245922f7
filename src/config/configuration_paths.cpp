#include "config/configuration_paths.h"

#include <QDir>

ConfigurationPaths::ConfigurationPaths(QString settingsDirectory, QString configurationName)
    : m_settingsDirectory(std::move(settingsDirectory))
    , m_configurationName(std::move(configurationName))
{}

QString ConfigurationPaths::iniPath() const
{
    return QDir(m_settingsDirectory).filePath(m_configurationName + QStringLiteral(".ini"));
}

QString ConfigurationPaths::gridListPath() const
{
    return QDir(m_settingsDirectory).filePath(m_configurationName + QStringLiteral(".txt"));
}

QString ConfigurationPaths::selectorPath(const QString &settingsDirectory)
{
    return QDir(settingsDirectory).filePath(QStringLiteral("ChoixConfiguration.ini"));
}
