#pragma once

#include "platform/prompter.h"
#include "platform/shell.h"

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A Prompter that records every box and answers from queues, for widget tests.
class RecordingPrompter : public Prompter
{
public:
    enum class Kind { Information, Exclamation, Error, Plain, Question, Input };
    struct Box
    {
        Kind kind;
        QString text;    // the message, or the input box's prompt
        QString initial; // the input box's pre-filled text
        QString title = QStringLiteral("Fichorama");
    };

    QList<Box> boxes;
    // Answers handed out in order; when a queue is empty, questions get No and input boxes Cancel.
    QList<bool> yesNoAnswers;
    QList<std::optional<QString>> textAnswers;

    void showInformation(const QString &text) override { boxes.append({Kind::Information, text, {}}); }
    void showTitledInformation(const QString &title, const QString &text) override
    {
        boxes.append({Kind::Information, text, {}, title});
    }
    void showExclamation(const QString &text) override { boxes.append({Kind::Exclamation, text, {}}); }
    void showError(const QString &text) override { boxes.append({Kind::Error, text, {}}); }
    void showPlain(const QString &text) override { boxes.append({Kind::Plain, text, {}}); }
    bool askYesNo(const QString &text, DefaultAnswer = DefaultAnswer::Yes) override
    {
        boxes.append({Kind::Question, text, {}});
        return !yesNoAnswers.isEmpty() && yesNoAnswers.takeFirst();
    }
    std::optional<QString> askText(const QString &prompt, const QString &initial) override
    {
        boxes.append({Kind::Input, prompt, initial});
        return textAnswers.isEmpty() ? std::nullopt : textAnswers.takeFirst();
    }
};

// A Shell that records what the window asked for. Open and properties only record; trash removes the
// file when `trashSucceeds` (as if it went to the trash) and fails otherwise; rename renames for real.
class RecordingShell : public Shell
{
public:
    QStringList opened;
    QStringList propertiesShown;
    QStringList trashed;        // every path handed to moveToTrash, taken or not
    QList<QStringList> renamed; // {from, to} of every rename asked
    bool trashSucceeds = true;

    bool open(const QString &pathOrUrl) override
    {
        opened.append(pathOrUrl);
        return true;
    }
    void showProperties(const QString &path, QWidget *) override { propertiesShown.append(path); }
    std::optional<ShellFailure> moveToTrash(const QString &path) override
    {
        trashed.append(path);
        if (!trashSucceeds)
            return ShellFailure{path, QStringLiteral("refused by the test")};
        QFile file(path);
        if (file.remove())
            return std::nullopt;
        return ShellFailure{path, file.errorString()};
    }
    std::optional<ShellFailure> rename(const QString &from, const QString &to) override
    {
        renamed.append({from, to});
        QFile file(from);
        if (file.rename(to))
            return std::nullopt;
        return ShellFailure{from, file.errorString()};
    }
};
