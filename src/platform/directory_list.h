#pragma once

#include <QListWidget>

// The directory list Chemins: the current directory's ancestors from the root down, the directory itself,
// then its sub-directories sorted by name. A click highlights an entry; a double-click or Enter opens it.
// Paths are absolute and cleaned (QDir::cleanPath, symbolic links not resolved), in native form (see
// native_name.h) so that a directory whose name is not UTF-8 opens too; entries show them with
// displayName. The root reads "/".
class DirectoryList : public QListWidget
{
    Q_OBJECT
public:
    explicit DirectoryList(QWidget *parent = nullptr);

    // The current directory; empty until a path has been set.
    QString path() const { return m_path; }
    // Makes `path` the current directory (a relative path is taken from the process's current directory).
    // False, leaving the list as it was, when it names no existing directory. Emits pathChanged only
    // when the path differs from the current one; setting the current path again does nothing.
    bool setPath(const QString &path);
    // Reads the current directory's sub-directories again, without emitting pathChanged.
    void refresh();
    // Off: the list does not read directories itself; its owner reads each new path once and hands the
    // sub-directories over with showSubDirectories. On by default.
    void setReadsSubDirectories(bool on) { m_readsSubDirectories = on; }
    // Shows `names`, the sub-directories of `path` in any order, below the current directory, when
    // `path` is still the current one.
    void showSubDirectories(const QString &path, QStringList names);
    // The highlighted entry's full path, or the current path when no other entry is highlighted.
    QString highlighted() const;

Q_SIGNALS:
    void pathChanged(const QString &path);

protected:
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fill();
    void addSubDirectories(QStringList names);
    void openItem(QListWidgetItem *item);

    QString m_path;
    bool m_readsSubDirectories = true;
};
