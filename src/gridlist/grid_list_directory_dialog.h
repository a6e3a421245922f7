#pragma once

#include <QDialog>
#include <optional>

class DirectoryList;
class DriveList;
class QLabel;

// frmPathListeTableaux: picks the grid-list directory, the directory that receives the combined pages.
class GridListDirectoryDialog : public QDialog
{
    Q_OBJECT
public:
    // Opens on `current` when it names an existing directory, otherwise on `settingsDirectory` (or, when
    // that does not exist yet, on the home directory).
    GridListDirectoryDialog(const QString &current, const QString &settingsDirectory, qint16 language,
                            QWidget *parent = nullptr);

    // The directory shown in lblDossier: what OK hands back.
    QString shownDirectory() const;

    // Shows the dialog modally: the shown directory after OK, std::nullopt after Cancel or the close box.
    static std::optional<QString> ask(QWidget *parent, const QString &current,
                                      const QString &settingsDirectory, qint16 language);

private:
    DriveList *m_drives;
    DirectoryList *m_directories;
    QLabel *m_shown;
};
