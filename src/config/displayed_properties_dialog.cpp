#include "config/displayed_properties_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct BoxCaption
{
    const char16_t *french;
    const char16_t *english;
};

// The check boxes' captions, in the order of the property column table.
constexpr std::array<BoxCaption, kPropertyColumnCount> kCaptions = {{
    {u"Nom court", u"Short name"},
    {u"Nom de l'application", u"Application name"},
    {u"Titre du document", u"Document title"},
    {u"Auteur", u"Author"},
    {u"Sujet", u"Subject"},
    {u"Mots-clés", u"Keywords"},
    {u"Modèle", u"Template"},
    {u"Commentaires", u"Comments"},
    {u"Dernier auteur", u"Last author"},
    {u"Numéro de révision", u"Revision number"},
    {u"Nombre de pages", u"Pages count"},
    {u"Nombre de mots", u"Words count"},
    {u"Nombre de caractères", u"Characters count"},
    {u"Sécurité", u"Security"},
    {u"Date de création", u"Creation date"},
    {u"Dernier enregistrement", u"Last save"},
    {u"Dernière impression", u"Last print"},
    {u"Temps total d'édition", u"Edition time"},
}};

} // namespace

DisplayedPropertiesDialog::DisplayedPropertiesDialog(const DisplayedColumns &current, qint16 language,
                                                     QWidget *parent)
    : QDialog(parent)
{
    const bool french = language == 1;
    setObjectName(QStringLiteral("frmConfigListeProprietes"));
    setWindowTitle(french ? QStringLiteral("Sélectionner la liste des propriétés affichées")
                          : QStringLiteral("Select displayed properties"));

    auto *boxes = new QGridLayout;
    constexpr int rowsPerColumn = (kPropertyColumnCount + 1) / 2;
    for (int i = 0; i < kPropertyColumnCount; ++i) {
        auto *box = new QCheckBox(QString::fromUtf16(french ? kCaptions[i].french : kCaptions[i].english));
        box->setObjectName(QStringLiteral("chk") + kPropertyColumns[i].key.toString());
        box->setChecked(current[i]);
        boxes->addWidget(box, i % rowsPerColumn, i / rowsPerColumn);
        m_boxes[i] = box;
    }

    auto *ok = new QPushButton(QStringLiteral("&OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    // The French caption has no access key.
    auto *cancel = new QPushButton(french ? QStringLiteral("Annuler") : QStringLiteral("&Cancel"));
    cancel->setObjectName(QStringLiteral("cmdAnnuler"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addSpacing(8);
    layout->addLayout(buttons);
}

DisplayedColumns DisplayedPropertiesDialog::chosen() const
{
    DisplayedColumns flags{};
    for (int i = 0; i < kPropertyColumnCount; ++i)
        flags[i] = m_boxes[i]->isChecked();
    return flags;
}

std::optional<DisplayedColumns>
DisplayedPropertiesDialog::ask(QWidget *parent, const DisplayedColumns &current, qint16 language)
{
    DisplayedPropertiesDialog dialog(current, language, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen();
}
