#pragma once

#include <QString>

// The files of one configuration in the settings directory: the configuration file (name + ".ini"), its
// grid-list file (name + ".txt") and the selector file "ChoixConfiguration.ini" shared by all.
class ConfigurationPaths
{
public:
    ConfigurationPaths(QString settingsDirectory, QString configurationName);

    const QString &settingsDirectory() const { return m_settingsDirectory; }
    const QString &configurationName() const { return m_configurationName; }

    QString iniPath() const;
    QString gridListPath() const;
    QString selectorPath() const { return selectorPath(m_settingsDirectory); }

    static QString selectorPath(const QString &settingsDirectory);

private:
    QString m_settingsDirectory;
    QString m_configurationName;
};
