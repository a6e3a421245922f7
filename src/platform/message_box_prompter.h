#pragma once

#include "platform/prompter.h"

#include <QPointer>
#include <QWidget>

// The desktop Prompter: modal QMessageBox and QInputDialog windows, centred over the window that asks:
// the modal dialog in front when there is one (a dialog asks through the same prompter as the main
// window), otherwise the parent window.
class MessageBoxPrompter : public Prompter
{
public:
    // `parent` may be null (the active window, if any, is taken then); it is watched, so a parent that
    // goes away leaves the boxes without one.
    explicit MessageBoxPrompter(QWidget *parent = nullptr);
    void setParent(QWidget *parent) { m_parent = parent; }

    void showInformation(const QString &text) override;
    void showTitledInformation(const QString &title, const QString &text) override;
    void showExclamation(const QString &text) override;
    void showError(const QString &text) override;
    void showPlain(const QString &text) override;
    bool askYesNo(const QString &text, DefaultAnswer defaultAnswer = DefaultAnswer::Yes) override;
    std::optional<QString> askText(const QString &prompt, const QString &initial) override;

private:
    QWidget *owner() const;

    QPointer<QWidget> m_parent;
};
