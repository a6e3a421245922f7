#pragma once

#include <QDialog>

class Prompter;
class QComboBox;
class QLabel;

// What the configuration chooser did. When `changed`, the selector file already names `name` and the
// caller loads that configuration (loadChosenConfiguration, with `isNew`), then moves the main window to
// its remembered directory.
struct ConfigurationChoice
{
    QString name;         // the configuration in use when the dialog closed
    bool isNew = false;   // OK created it: its widths are to be reset, which creates its file
    bool changed = false; // another configuration was chosen or switched to (also before Cancel)
};

// frmChoixFichierINI: switches to another configuration of the settings directory, creates one or
// deletes one. A switch writes the selector file at once; what it loads is left to the caller.
class ConfigChooserDialog : public QDialog
{
    Q_OBJECT
public:
    ConfigChooserDialog(const QString &settingsDirectory, const QString &currentName, qint16 language,
                        Prompter &prompter, QWidget *parent = nullptr);

    ConfigurationChoice choice() const { return m_choice; }

    // Shows the dialog modally. Switches done before Cancel or the close box stay done.
    static ConfigurationChoice ask(QWidget *parent, const QString &settingsDirectory,
                                   const QString &currentName, qint16 language, Prompter &prompter);

private:
    void lstNomFichierINI_Change(const QString &text);
    void cmdOK_Click();
    void cmdSupprimer_Click();
    void switchTo(const QString &name);

    QString m_settingsDirectory;
    bool m_french;
    Prompter &m_prompter;
    ConfigurationChoice m_choice;
    QComboBox *m_names;
    QLabel *m_error;
};
