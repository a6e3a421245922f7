#pragma once

#include "platform/prompter.h"

#include <QPointer>
#include <QWidget>

// The desktop Prompter: modal QMessageBox and QInputDialog windows over a parent window.
class MessageBoxPrompter : public Prompter
{
public:
    // `parent` may be null; it is watched, so a parent that goes away leaves the boxes without one.
    explicit MessageBoxPrompter(QWidget *parent = nullptr);

    void showInformation(const QString &text) override;
    void showTitledInformation(const QString &title, const QString &text) override;
    void showExclamation(const QString &text) override;
    void showError(const QString &text) override;
    void showPlain(const QString &text) override;
    bool askYesNo(const QString &text, DefaultAnswer defaultAnswer = DefaultAnswer::Yes) override;
    std::optional<QString> askText(const QString &prompt, const QString &initial) override;

private:
    QPointer<QWidget> m_parent;
};
