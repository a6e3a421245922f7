#include "config/config_chooser_dialog.h"

#include "common/language_texts.h"
#include "config/configuration_files.h"
#include "config/configuration_paths.h"
#include "config/configuration_writes.h"
#include "platform/file_name_characters.h"
#include "platform/prompter.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct ChooserTexts
{
    QString title;
    QString label;
    QString remove;
    QString cancel;
    QString nameError;
    QString createQuestion; // followed by CR LF and the name
    QString removeQuestion; // followed by CR LF and the name
    QString selectToRemove;
};

ChooserTexts chooserTexts(bool french)
{
    if (french) {
        return {
            QStringLiteral("Sélectionner un fichier de configuration"),
            QStringLiteral("Donnez le nom d'un fichier de configuration ou sélectionnez-le dans la liste"),
            QStringLiteral("&Supprimer"),
            QStringLiteral("&Annuler"),
            QStringLiteral("Un nom de fichier ne peut contenir l'un des caractères suivants: "
                           "\\ / : * ? \" < > |"),
            QStringLiteral("Créer le fichier de configuration"),
            QStringLiteral("Supprimer le fichier de configuration"),
            QStringLiteral("Sélectionner un fichier de configuration à supprimer")};
    }
    return {QStringLiteral("Select a configuration file"),
            QStringLiteral("Type the name of the configuration file or select it in the list"),
            QStringLiteral("&Remove"),
            QStringLiteral("&Cancel"),
            QStringLiteral("Forbidden characters in file names : \\ / : * ? \" < > |"),
            QStringLiteral("Create the configuration file"),
            QStringLiteral("Remove the configuration file"),
            QStringLiteral("Select a configuration file to remove")};
}

QPushButton *button(const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption);
    b->setObjectName(name);
    return b;
}

} // namespace

ConfigChooserDialog::ConfigChooserDialog(const QString &settingsDirectory, const QString &currentName,
                                         qint16 language, Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_settingsDirectory(settingsDirectory)
    , m_french(language == 1)
    , m_prompter(prompter)
    , m_choice{currentName, false, false}
{
    const ChooserTexts texts = chooserTexts(m_french);
    setObjectName(QStringLiteral("frmChoixFichierINI"));
    setWindowTitle(texts.title);

    auto *label = new QLabel(texts.label);
    label->setObjectName(QStringLiteral("lblNomFichierINI"));
    label->setWordWrap(true);

    m_names = new QComboBox;
    m_names->setObjectName(QStringLiteral("lstNomFichierINI"));
    m_names->setEditable(true);
    m_names->setInsertPolicy(QComboBox::NoInsert);
    // No inline completion: the typed text is the name, letter for letter.
    m_names->setCompleter(nullptr);
    m_names->addItems(listConfigurationNames(settingsDirectory));
    m_names->setCurrentIndex(m_names->findText(currentName, Qt::MatchExactly | Qt::MatchCaseSensitive));
    m_names->setEditText(currentName);

    m_error = new QLabel;
    m_error->setObjectName(QStringLiteral("lblErrNomFichierINI"));
    m_error->setWordWrap(true);
    QPalette red = m_error->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    m_error->setPalette(red);

    auto *ok = button(QStringLiteral("cmdOK"), QStringLiteral("&OK"));
    ok->setDefault(true);
    auto *remove = button(QStringLiteral("cmdSupprimer"), texts.remove);
    auto *cancel = button(QStringLiteral("cmdAnnuler"), texts.cancel);

    connect(m_names, &QComboBox::editTextChanged, this, &ConfigChooserDialog::lstNomFichierINI_Change);
    connect(m_names, &QComboBox::activated, m_error, &QLabel::clear);
    connect(ok, &QPushButton::clicked, this, &ConfigChooserDialog::cmdOK_Click);
    connect(remove, &QPushButton::clicked, this, &ConfigChooserDialog::cmdSupprimer_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(remove);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_names);
    layout->addWidget(m_error);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(440, sizeHint().height());
}

void ConfigChooserDialog::lstNomFichierINI_Change(const QString &text)
{
    const CleanedFileName cleaned = removeForbiddenCharacters(text);
    if (!cleaned.hadForbidden)
        return;
    {
        const QSignalBlocker blocker(m_names);
        m_names->setEditText(cleaned.text);
    }
    m_names->lineEdit()->setCursorPosition(int(cleaned.text.size()));
    m_error->setText(chooserTexts(m_french).nameError);
}

void ConfigChooserDialog::cmdOK_Click()
{
    const QString name = m_names->currentText().trimmed();
    m_names->setEditText(name);
    if (name.isEmpty() || name == m_choice.name) {
        accept();
        return;
    }
    bool isNew = false;
    if (!configurationFileExists(m_settingsDirectory, name)) {
        if (!m_prompter.askYesNo(chooserTexts(m_french).createQuestion + QStringLiteral("\r\n") + name))
            return;
        isNew = true;
    }
    switchTo(name);
    m_choice.isNew = isNew;
    accept();
}

void ConfigChooserDialog::cmdSupprimer_Click()
{
    const ChooserTexts texts = chooserTexts(m_french);
    // The selected entry is the one the name box shows: the file deleted and the entry removed agree.
    const QString name = m_names->currentText();
    const int selected = m_names->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (selected < 0) {
        m_prompter.showInformation(texts.selectToRemove);
        return;
    }
    if (!m_prompter.askYesNo(texts.removeQuestion + QStringLiteral("\r\n") + name))
        return;
    deleteConfigurationFile(m_settingsDirectory, name); // a file that stays is still left out of the list
    m_names->removeItem(selected);
    if (m_names->count() == 0)
        return;
    m_names->setCurrentIndex(0);
    m_names->setEditText(m_names->itemText(0));
    m_error->clear();
    switchTo(m_names->itemText(0));
}

void ConfigChooserDialog::switchTo(const QString &name)
{
    m_choice.name = name;
    m_choice.changed = true;
    m_choice.isNew = false;
    IniFile selector(ConfigurationPaths::selectorPath(m_settingsDirectory));
    // The switch holds for this run either way; only the choice at the next start is lost.
    if (const auto failure = writeConfigurationName(selector, name))
        m_prompter.showError(
            messageTexts(m_french ? 1 : 0).configurationNotWritten.arg(failure->path, failure->reason));
}

ConfigurationChoice ConfigChooserDialog::ask(QWidget *parent, const QString &settingsDirectory,
                                             const QString &currentName, qint16 language, Prompter &prompter)
{
    ConfigChooserDialog dialog(settingsDirectory, currentName, language, prompter, parent);
    dialog.exec();
    return dialog.choice();
}
