#include "platform/message_box_prompter.h"

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

void MessageBoxPrompter::showInformation(const QString &text)
{
    QMessageBox::information(m_parent, boxTitle(), text);
}

void MessageBoxPrompter::showTitledInformation(const QString &title, const QString &text)
{
    QMessageBox::information(m_parent, title, text);
}

void MessageBoxPrompter::showExclamation(const QString &text)
{
    QMessageBox::warning(m_parent, boxTitle(), text);
}

void MessageBoxPrompter::showError(const QString &text)
{
    QMessageBox::critical(m_parent, boxTitle(), text);
}

void MessageBoxPrompter::showPlain(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, boxTitle(), text, QMessageBox::Ok, m_parent);
    box.exec();
}

bool MessageBoxPrompter::askYesNo(const QString &text, DefaultAnswer defaultAnswer)
{
    const auto defaultButton = defaultAnswer == DefaultAnswer::Yes ? QMessageBox::Yes : QMessageBox::No;
    return QMessageBox::question(m_parent, boxTitle(), text, QMessageBox::Yes | QMessageBox::No,
                                 defaultButton) == QMessageBox::Yes;
}

std::optional<QString> MessageBoxPrompter::askText(const QString &prompt, const QString &initial)
{
    bool accepted = false;
    const QString text =
        QInputDialog::getText(m_parent, boxTitle(), prompt, QLineEdit::Normal, initial, &accepted);
    if (!accepted)
        return std::nullopt;
    return text;
}
