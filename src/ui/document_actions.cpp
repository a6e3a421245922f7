#include "ui/document_actions.h"

#include "common/language_texts.h"
#include "platform/child_path.h"
#include "platform/native_files.h"
#include "platform/native_name.h"
#include "platform/prompter.h"
#include "platform/shell.h"

NewNameCheck checkNewName(const QString &oldName, const QString &newName)
{
    // Comparing in upper case makes a change of letter case alone count as no change.
    if (newName.isEmpty() || newName.toUpper() == oldName.toUpper())
        return NewNameCheck::Unchanged;
    static constexpr QStringView forbidden = u"\\/:*?\"<>|";
    for (const QChar c : forbidden) {
        if (newName.contains(c))
            return NewNameCheck::Forbidden;
    }
    return NewNameCheck::Acceptable;
}

DocumentActions::DocumentActions(Prompter &prompter, Shell &shell, std::function<qint16()> language,
                                 std::function<void()> refresh)
    : m_prompter(prompter)
    , m_shell(shell)
    , m_language(std::move(language))
    , m_refresh(std::move(refresh))
{}

void DocumentActions::open(const QString &path)
{
    // The desktop reports a missing file or type without an application itself.
    m_shell.open(path);
}

void DocumentActions::showProperties(const QString &path, QWidget *owner)
{
    m_shell.showProperties(path, owner);
}

void DocumentActions::rename(const QString &directory, const QString &oldName)
{
    const MessageTexts texts = messageTexts(m_language());
    // The box shows the name as the grid does; the answer is taken as typed.
    const QString shownName = displayName(oldName);
    const QString newName = m_prompter.askText(texts.renamePrompt, shownName).value_or(QString());
    switch (checkNewName(shownName, newName)) {
    case NewNameCheck::Unchanged:
        return;
    case NewNameCheck::Forbidden:
        m_prompter.showInformation(texts.renameForbidden);
        return;
    case NewNameCheck::Acceptable:
        break;
    }
    // A name already taken or a file held elsewhere is not reported: the new listing shows the outcome.
    (void)m_shell.rename(childPath(directory, oldName), childPath(directory, newName));
    m_refresh();
}

void DocumentActions::moveToTrash(const QString &path)
{
    const MessageTexts texts = messageTexts(m_language());
    if (m_prompter.askYesNo(texts.confirmTrash.arg(displayName(path)))) {
        if (const auto failure = m_shell.moveToTrash(path))
            m_prompter.showExclamation(texts.trashFailed.arg(displayName(failure->path), failure->reason));
    }
    // Only visible files count as still there, so a hidden file is listed again even when it stays.
    if (!fileStatus(path).exists || fileNameOf(path).startsWith(QLatin1Char('.')))
        m_refresh();
}
