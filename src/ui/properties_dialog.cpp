#include "ui/properties_dialog.h"

#include "platform/native_name.h"
#include "ui/document_facts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Values come from the document: shown as plain text, never as rich text.
QLabel *plainLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

} // namespace

PropertiesDialog::PropertiesDialog(const QString &path, qint16 language, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("propertiesDialog"));
    setWindowTitle(documentFactsTitle(displayName(fileNameOf(path)), language));
    setMinimumWidth(420);

    auto *form = new QFormLayout;
    for (const DocumentFact &fact : documentFacts(path, language)) {
        QLabel *value = plainLabel(fact.value, this);
        value->setWordWrap(true);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(plainLabel(fact.caption + u':', this), value);
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)
        ->setText(language == 1 ? QStringLiteral("Fermer") : QStringLiteral("Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void PropertiesDialog::showFor(const QString &path, QWidget *owner, qint16 language)
{
    auto *dialog = new PropertiesDialog(path, language, owner);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}
