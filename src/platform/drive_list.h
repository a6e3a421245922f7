#pragma once

#include <QComboBox>
#include <QList>

// The drive list Lecteurs: a combo box of the mounted volumes, each shown as its root path and, when the
// volume has one, its label in brackets ("/media/usb [PHOTOS]").
class DriveList : public QComboBox
{
    Q_OBJECT
public:
    struct Volume
    {
        QString rootPath;
        QString label;
    };

    // Fills the list with the volumes mounted now.
    explicit DriveList(QWidget *parent = nullptr);

    // Replaces the entries, sorted by root path; the selection goes to the first entry. The constructor
    // calls it with the mounted volumes; tests call it with volumes of their own.
    void setVolumes(QList<Volume> volumes);
    // Re-reads the mounted volumes and keeps the selected root path when it is still mounted.
    void reload();

    // The selected entry's text, or empty when the list is empty.
    QString driveText() const;
    // The directory the selected entry stands for (see directoryForEntry).
    QString driveDirectory() const;
    // Selects the entry of the volume that holds `path`: the longest root path that is `path` itself or
    // a parent of it. False, leaving the selection as it was, when no entry holds it. Emits no signal.
    bool setDriveForPath(const QString &path);

    // An entry text that contains ":" stands for the text up to and including its first ":" ("c:" for
    // "c: [SYSTEM]"); any other entry stands for its volume's root path.
    static QString directoryForEntry(const QString &text, const QString &rootPath);

Q_SIGNALS:
    // The user picked another entry (not emitted by setVolumes, reload or setDriveForPath); `directory`
    // is what the new entry stands for.
    void driveChanged(const QString &directory);

private:
    static QList<Volume> mountedVolumes();
};
