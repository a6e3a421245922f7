#pragma once

#include <QString>
#include <functional>

class Prompter;
class QWidget;
class Shell;

// What a rename does with the name the user typed.
enum class NewNameCheck {
    Unchanged, // empty, or the old name up to letter case: nothing happens
    Forbidden, // holds one of \ / : * ? " < > |: refused with a message
    Acceptable,
};
NewNameCheck checkNewName(const QString &oldName, const QString &newName);

// The four actions on one listed document: open, properties, rename and delete to the trash. Boxes go
// through the Prompter, file operations through the Shell; `refresh` lists the directory again. Paths and
// names are in native form (see native_name.h); the boxes show them with displayName.
class DocumentActions
{
public:
    // `prompter` and `shell` must outlive the actions; `language` gives the language value when a text
    // is shown.
    DocumentActions(Prompter &prompter, Shell &shell, std::function<qint16()> language,
                    std::function<void()> refresh);

    void open(const QString &path);
    void showProperties(const QString &path, QWidget *owner);
    // Asks for a new name pre-filled with `oldName`; renames within `directory` unless the answer is
    // unchanged or forbidden, never replacing an existing file, and then lists the directory again
    // whether the rename worked or not.
    void rename(const QString &directory, const QString &oldName);
    // Asks Yes/No, then moves the file to the trash; says so when the trash refuses it. Lists the directory
    // again when the file is no longer among the visible files.
    void moveToTrash(const QString &path);

private:
    Prompter &m_prompter;
    Shell &m_shell;
    std::function<qint16()> m_language;
    std::function<void()> m_refresh;
};
