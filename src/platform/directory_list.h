#pragma once

#include <QListWidget>

// The directory list Chemins: the current directory's ancestors from the root down, the directory itself,
// then its sub-directories sorted by name. A click highlights an entry; a double-click or Enter opens it.
// Paths are absolute and cleaned (QDir::cleanPath, symbolic links not resolved); the root reads "/".
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
    void openItem(QListWidgetItem *item);

    QString m_path;
};
