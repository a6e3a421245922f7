#include "config/config_chooser_dialog.h"
#include "config/configuration_files.h"
#include "config/configuration_loader.h"
#include "config/displayed_properties.h"
#include "config/displayed_properties_dialog.h"
#include "support/recording_platform.h"
#include "support/test_files.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class ConfigChooserTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        for (const char *name : {"Alpha.ini", "Beta.ini", "Alpha.txt", "Gamma.INI", "notes.ini.bak"})
            writeFile(path(name), "[Configuration]\r\nLangue=1\r\n");
        writeFile(path("ChoixConfiguration.ini"), "[Configuration]\r\nNom=Alpha\r\n");
        QDir(m_dir.path()).mkdir(u"Folder.ini"_s);
    }
    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }
    QString selectorName() const { return readConfigurationName(IniFile(path("ChoixConfiguration.ini"))); }

    // Builds the dialog on configuration `current`; `closed` counts how often it closed.
    std::unique_ptr<ConfigChooserDialog> open(const QString &current, qint16 language = 0)
    {
        auto dialog = std::make_unique<ConfigChooserDialog>(m_dir.path(), current, language, m_prompter);
        QObject::connect(dialog.get(), &QDialog::finished, [this] { ++m_closed; });
        return dialog;
    }
    static QComboBox *names(QDialog &d) { return d.findChild<QComboBox *>(u"lstNomFichierINI"_s); }
    static void click(QDialog &d, const char *button)
    {
        d.findChild<QPushButton *>(QLatin1String(button))->click();
    }
    static QStringList entries(QDialog &d)
    {
        QStringList list;
        for (int i = 0; i < names(d)->count(); ++i)
            list.append(names(d)->itemText(i));
        return list;
    }

    QTemporaryDir m_dir;
    RecordingPrompter m_prompter;
    int m_closed = 0;
};

} // namespace

TEST_F(ConfigChooserTest, RemovesForbiddenCharactersTypedOrPasted)
{
    struct Case
    {
        qint16 language;
        QStringList pieces; // inserted one after the other, as typing or pasting does
        QString left;
        QString message;
    };
    const QString english = u"Forbidden characters in file names : \\ / : * ? \" < > |"_s;
    const QString french =
        u"Un nom de fichier ne peut contenir l'un des caractères suivants: \\ / : * ? \" < > |"_s;
    const Case cases[] = {
        {0, {u"a"_s, u"/"_s, u"b"_s}, u"ab"_s, english},
        {1, {u"a\\b:c"_s}, u"abc"_s, french},
        {0, {u"|x*?\"<y>"_s}, u"xy"_s, english},
        {0, {u"plain"_s}, u"plain"_s, QString()},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(qPrintable(c.pieces.join(QString())));
        auto dialog = open(u"Alpha"_s, c.language);
        QLineEdit *edit = names(*dialog)->lineEdit();
        edit->clear();
        for (const QString &piece : c.pieces)
            edit->insert(piece);
        EXPECT_EQ(edit->text(), c.left);
        EXPECT_EQ(edit->cursorPosition(), c.left.size());
        auto *error = dialog->findChild<QLabel *>(u"lblErrNomFichierINI"_s);
        EXPECT_EQ(error->text(), c.message);
        EXPECT_EQ(error->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    }
}

TEST_F(ConfigChooserTest, OkWithAnEmptyOrTheSameNameChangesNothingAndAnExistingNameSwitches)
{
    const struct
    {
        QString typed;
        bool changed;
        QString name;
    } cases[] = {
        {QString(), false, u"Alpha"_s},
        {u"   "_s, false, u"Alpha"_s},
        {u" Alpha "_s, false, u"Alpha"_s},
        {u"Beta"_s, true, u"Beta"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(qPrintable(c.typed));
        m_closed = 0;
        auto dialog = open(u"Alpha"_s);
        names(*dialog)->setEditText(c.typed);
        click(*dialog, "cmdOK");
        EXPECT_EQ(m_closed, 1);
        EXPECT_EQ(dialog->choice().changed, c.changed);
        EXPECT_FALSE(dialog->choice().isNew);
        EXPECT_EQ(dialog->choice().name, c.name);
        EXPECT_TRUE(m_prompter.boxes.isEmpty()) << "no question";
        EXPECT_EQ(selectorName(), c.name);
    }
}

TEST_F(ConfigChooserTest, NewNameAsksToCreateAndYesCreatesTheFileWithWidths)
{
    auto dialog = open(u"Alpha"_s, 1);
    names(*dialog)->setEditText(u"Neuf"_s);
    m_prompter.yesNoAnswers = {false};
    click(*dialog, "cmdOK");
    ASSERT_EQ(m_prompter.boxes.size(), 1);
    EXPECT_EQ(m_prompter.boxes[0].kind, RecordingPrompter::Kind::Question);
    EXPECT_EQ(m_prompter.boxes[0].text, u"Créer le fichier de configuration\r\nNeuf"_s);
    EXPECT_EQ(m_closed, 0) << "No keeps the dialog open";
    EXPECT_EQ(names(*dialog)->currentText(), u"Neuf"_s);
    EXPECT_EQ(selectorName(), u"Alpha"_s);

    m_prompter.yesNoAnswers = {true};
    click(*dialog, "cmdOK");
    EXPECT_EQ(m_closed, 1);
    const ConfigurationChoice choice = dialog->choice();
    EXPECT_TRUE(choice.changed && choice.isNew);
    EXPECT_EQ(selectorName(), u"Neuf"_s);

    // What the window does next: the new configuration gets the defaults, an empty list and stored widths.
    DocumentGrid grid;
    const LoadedConfiguration loaded = loadChosenConfiguration(ConfigurationPaths(m_dir.path(), choice.name),
                                                               grid, m_dir.path(), 4000, choice.isNew);
    EXPECT_FALSE(loaded.failure.has_value());
    EXPECT_EQ(loaded.settings.language, 0);
    EXPECT_TRUE(loaded.gridList.isEmpty());
    EXPECT_EQ(grid.columnCount(), 4);
    EXPECT_EQ(IniFile(path("Neuf.ini")).read(u"Configuration", u"Largeur3"), u" 1000"_s);
}

TEST_F(ConfigChooserTest, DeleteAsksThenSwitchesToTheFirstEntryLeft)
{
    // Only configuration files are listed, the one in use chosen.
    auto dialog = open(u"Alpha"_s);
    QStringList shown = entries(*dialog);
    shown.sort();
    EXPECT_EQ(shown, QStringList({u"Alpha"_s, u"Beta"_s}));
    EXPECT_EQ(names(*dialog)->currentText(), u"Alpha"_s);

    names(*dialog)->setEditText(u"Nowhere"_s);
    click(*dialog, "cmdSupprimer");
    ASSERT_EQ(m_prompter.boxes.size(), 1);
    EXPECT_EQ(m_prompter.boxes[0].kind, RecordingPrompter::Kind::Information);
    EXPECT_EQ(m_prompter.boxes[0].text, u"Select a configuration file to remove"_s);

    names(*dialog)->setEditText(u"Beta"_s);
    m_prompter.yesNoAnswers = {false};
    click(*dialog, "cmdSupprimer");
    EXPECT_EQ(m_prompter.boxes.last().text, u"Remove the configuration file\r\nBeta"_s);
    EXPECT_TRUE(QFile::exists(path("Beta.ini")));
    EXPECT_EQ(entries(*dialog).size(), 2);

    // Deleting the configuration in use switches to the first one left, and the dialog stays open.
    names(*dialog)->setEditText(u"Alpha"_s);
    m_prompter.yesNoAnswers = {true};
    click(*dialog, "cmdSupprimer");
    EXPECT_FALSE(QFile::exists(path("Alpha.ini")));
    EXPECT_TRUE(QFile::exists(path("Alpha.txt"))) << "the grid-list file stays";
    EXPECT_EQ(entries(*dialog), QStringList{u"Beta"_s});
    EXPECT_EQ(names(*dialog)->currentText(), u"Beta"_s);
    EXPECT_EQ(selectorName(), u"Beta"_s);
    EXPECT_EQ(m_closed, 0);

    // Deleting the last entry keeps the configuration in use; Cancel keeps the switch done before.
    m_prompter.yesNoAnswers = {true};
    click(*dialog, "cmdSupprimer");
    EXPECT_FALSE(QFile::exists(path("Beta.ini")));
    EXPECT_TRUE(entries(*dialog).isEmpty());
    click(*dialog, "cmdAnnuler");
    EXPECT_EQ(m_closed, 1);
    EXPECT_TRUE(dialog->choice().changed);
    EXPECT_EQ(dialog->choice().name, u"Beta"_s);
    EXPECT_EQ(selectorName(), u"Beta"_s);
}

TEST(DisplayedProperties, ReusesWidthsWhenTheColumnCountStaysAndResetsThemOtherwise)
{
    // The defaults show Application, Titre and Auteur: four columns with the name column.
    struct Case
    {
        const char *what;
        QStringList toggled; // check boxes clicked
        QList<int> widths;   // one a column
    };
    const Case cases[] = {
        {"nothing changed", {}, {100, 200, 300, 400}},
        {"one property replaced by another", {u"chkTitre"_s, u"chkSujet"_s}, {100, 200, 300, 400}},
        {"one more property", {u"chkRevision"_s}, {800, 800, 800, 800, 800}},
        {"every property unticked", {u"chkApplication"_s, u"chkTitre"_s, u"chkAuteur"_s}, {4000}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString iniPath = dir.filePath(u"Fichorama.ini"_s);
        writeFile(iniPath,
                  "[Configuration]\r\nLargeur0= 100\r\nLargeur1= 200\r\nLargeur2= 300\r\nLargeur3= 400\r\n");
        IniFile configuration(iniPath);
        DocumentGrid grid;
        const DisplayedColumns current = ConstruireColonnes(grid, configuration, 0);
        LireLargeurs(grid, configuration, 4000);

        DisplayedPropertiesDialog dialog(current, 1, nullptr);
        for (const QString &name : c.toggled)
            dialog.findChild<QCheckBox *>(name)->click();
        const DisplayedPropertiesApplied applied =
            applyDisplayedProperties(grid, configuration, dialog.chosen(), 0, 4000);

        EXPECT_FALSE(applied.failure.has_value());
        QList<int> widths;
        for (const GridColumn &column : grid.columns())
            widths.append(column.widthTwips);
        EXPECT_EQ(widths, c.widths);
        EXPECT_EQ(IniFile(iniPath).read(u"Configuration", u"Largeur0"), u' ' + QString::number(c.widths[0]));
        const IniDocument stored = configuration.load();
        for (const PropertyColumn &column : kPropertyColumns)
            EXPECT_FALSE(stored.read(u"Proprietes", column.key).isEmpty())
                << column.key.toString().toStdString();
    }
}
