#include "platform/message_box_prompter.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QString boxTitle()
{
    return QStringLiteral("Fichorama");
}

} // namespace

MessageBoxPrompter::MessageBoxPrompter(QWidget *parent)
    : m_parent(parent)
{}

QWidget *MessageBoxPrompter::owner() const
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (m_parent)
        return m_parent;
    return QApplication::activeWindow();
}

void MessageBoxPrompter::showInformation(const QString &text)
{
    QMessageBox::information(owner(), boxTitle(), text);
}

void MessageBoxPrompter::showTitledInformation(const QString &title, const QString &text)
{
    QMessageBox::information(owner(), title, text);
}

void MessageBoxPrompter::showExclamation(const QString &text)
{
    QMessageBox::warning(owner(), boxTitle(), text);
}

void MessageBoxPrompter::showError(const QString &text)
{
    QMessageBox::critical(owner(), boxTitle(), text);
}

void MessageBoxPrompter::showPlain(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, boxTitle(), text, QMessageBox::Ok, owner());
    box.exec();
}

bool MessageBoxPrompter::askYesNo(const QString &text, DefaultAnswer defaultAnswer)
{
    const auto defaultButton = defaultAnswer == DefaultAnswer::Yes ? QMessageBox::Yes : QMessageBox::No;
    return QMessageBox::question(owner(), boxTitle(), text, QMessageBox::Yes | QMessageBox::No,
                                 defaultButton) == QMessageBox::Yes;
}

std::optional<QString> MessageBoxPrompter::askText(const QString &prompt, const QString &initial)
{
    bool accepted = false;
    const QString text =
        QInputDialog::getText(owner(), boxTitle(), prompt, QLineEdit::Normal, initial, &accepted);
    if (!accepted)
        return std::nullopt;
    return text;
}
