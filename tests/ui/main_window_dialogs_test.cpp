#include "gridlist/grid_list_file.h"
#include "main_window_fixture.h"
#include "support/widget_events.h"
#include "ui/grid_controller.h"
#include "ui/grid_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

void click(QDialog &dialog, const char *button)
{
    auto *widget = dialog.findChild<QPushButton *>(QLatin1String(button));
    ASSERT_TRUE(widget) << button;
    widget->click();
}

void tick(QDialog &dialog, const char *box, bool on)
{
    auto *widget = dialog.findChild<QCheckBox *>(QLatin1String(box));
    ASSERT_TRUE(widget) << box;
    widget->setChecked(on);
}

} // namespace

TEST(MainWindowDialogs, DisplayedPropertiesOkWritesRebuildsAndListsAgainWhileEscapeChangesNothing)
{
    WindowFixture f;
    f.addDocuments();
    f.writeConfiguration("Largeur0= 1000\r\nLargeur1= 1100\r\nLargeur2= 1200\r\nLargeur3= 1300\r\n");
    MainWindow &window = f.start();
    ASSERT_EQ(window.grid().columnCount(), 4);

    // Escape: nothing written, the grid stays listed.
    f.drive("mnuListeProprietes", "frmConfigListeProprietes", [](QDialog &d) {
        tick(d, "chkPages", true);
        pressKey(&d, Qt::Key_Escape);
    });
    EXPECT_TRUE(f.stored(u"Proprietes", "Pages").isEmpty());
    EXPECT_EQ(window.grid().columnCount(), 4);
    EXPECT_EQ(window.grid().rowCount(), 3);

    // Title swapped for subject: four columns still, so the stored widths stay; the grid is listed again.
    f.drive("mnuListeProprietes", "frmConfigListeProprietes", [](QDialog &d) {
        tick(d, "chkTitre", false);
        tick(d, "chkSujet", true);
        click(d, "cmdOK");
    });
    EXPECT_EQ(f.stored(u"Proprietes", "Titre"), u"0"_s);
    EXPECT_EQ(f.stored(u"Proprietes", "Sujet"), u"1"_s);
    EXPECT_EQ(f.stored(u"Proprietes", "TempsEdition"), u"0"_s); // all eighteen keys
    ASSERT_EQ(window.grid().columnCount(), 4);
    EXPECT_EQ(window.grid().column(3).caption, u" Subject"_s);
    EXPECT_EQ(window.grid().column(3).widthTwips, 1300);
    EXPECT_EQ(window.grid().rowCount(), 3);

    // One column more: equal shares, stored; the listing fills the new column.
    f.drive("mnuListeProprietes", "frmConfigListeProprietes", [](QDialog &d) {
        tick(d, "chkPages", true);
        click(d, "cmdOK");
    });
    ASSERT_EQ(window.grid().columnCount(), 5);
    EXPECT_EQ(f.stored(u"Configuration", "Largeur4"), u" %1"_s.arg(window.grid().column(0).widthTwips));
    ASSERT_EQ(window.grid().rowCount(), 3);
    EXPECT_EQ(window.grid().row(0).cells.size(), 5);
    EXPECT_TRUE(f.prompter.boxes.isEmpty());
}

TEST(MainWindowDialogs, SwitchingToANewConfigurationCreatesItLoadsDefaultsAndListsItsDirectory)
{
    WindowFixture f;
    f.addDocuments();
    QTemporaryDir elsewhere;
    f.writeConfiguration("Langue=1\r\nRepertoire=" + QDir::cleanPath(elsewhere.path()).toUtf8() + "\r\n");
    MainWindow &window = f.start();
    auto *open = f.find<QAction>("mnuOuvrir");
    EXPECT_EQ(open->text(), u"&Ouvrir"_s); // the context menu speaks the configuration's language
    EXPECT_EQ(window.grid().rowCount(), 0);

    f.prompter.yesNoAnswers = {true};
    f.drive("cmdConfiguration", "frmChoixFichierINI", [](QDialog &d) {
        d.findChild<QComboBox *>(u"lstNomFichierINI"_s)->setEditText(u"Nouvelle"_s);
        click(d, "cmdOK");
    });

    ASSERT_EQ(f.prompter.boxes.size(), 1); // the create question only
    const QString created = f.settingsPath(u"Nouvelle.ini"_s);
    for (const char *key : {"Largeur0", "Largeur1", "Largeur2", "Largeur3"})
        EXPECT_FALSE(f.stored(u"Configuration", key, created).isEmpty()) << key;
    EXPECT_EQ(f.stored(u"Configuration", "Nom", f.settingsPath(u"ChoixConfiguration.ini"_s)), u"Nouvelle"_s);
    EXPECT_EQ(f.find<QLabel>("lblConfiguration")->text(), u"Nouvelle"_s);
    // Defaults: English, and the current directory, which is listed.
    EXPECT_EQ(window.settings().language, 0);
    EXPECT_EQ(open->text(), u"&Open"_s);
    EXPECT_EQ(window.listedDirectory(), f.documentsPath());
    EXPECT_EQ(window.grid().rowCount(), 3);
}

TEST(MainWindowDialogs, OrganizerGoesToAnEntryAndItsOkReplacesTheGridList)
{
    WindowFixture f;
    f.addDocuments();
    QTemporaryDir other;
    const QString listFile = f.settingsPath(u"Fichorama.txt"_s);
    ASSERT_FALSE(
        EcrireListeTableaux(listFile, {{QDir::cleanPath(other.path()), true}, {f.documentsPath(), false}}));
    MainWindow &window = f.start();
    EXPECT_EQ(window.grid().rowCount(), 3);

    f.prompter.yesNoAnswers = {true};
    f.drive("cmdEditerEnsemble", "frmEnsembleTableaux", [](QDialog &d) {
        d.findChild<QListWidget *>(u"lstEnsembleTableaux"_s)->setCurrentRow(0);
        click(d, "cmdGoTo");
        click(d, "cmdSupprimerTout");
        click(d, "cmdOK");
    });
    EXPECT_EQ(window.listedDirectory(), QDir::cleanPath(other.path()));
    EXPECT_EQ(window.grid().rowCount(), 0);
    EXPECT_EQ(f.find<QListWidget>("lstTableaux")->count(), 0);
    EXPECT_TRUE(LireListeTableaux(listFile).isEmpty());
}

TEST(MainWindowDialogs, HtmlLayoutOkStoresTheSettingsOrReportsAFileThatCannotBeWritten)
{
    for (const bool writable : {true, false}) {
        SCOPED_TRACE(writable);
        WindowFixture f;
        if (!writable)
            QDir(f.settings.path()).mkdir(u"Fichorama.ini"_s);
        MainWindow &window = f.start();
        f.drive("mnuConfigurationHTML", "frmOptionsHTML", [](QDialog &d) {
            d.findChild<QLineEdit *>(u"txtPrefixeTableauHTML"_s)->setText(u"Inventaire"_s);
            tick(d, "chkAjouterDate", true);
            click(d, "cmdOK");
        });
        EXPECT_EQ(window.settings().html.prefixeTableau, u"Inventaire"_s);
        if (writable) {
            EXPECT_TRUE(f.prompter.boxes.isEmpty());
            EXPECT_EQ(f.stored(u"HTML", "PrefixeTableau"), u"Inventaire"_s);
            EXPECT_EQ(f.stored(u"HTML", "AjouterDate"), u"1"_s);
            EXPECT_FALSE(f.stored(u"HTML", "CouleurTitre").isEmpty());
        } else {
            // The first listing could not store its directory either, then the dialog's OK.
            ASSERT_EQ(f.prompter.boxes.size(), 2);
            for (const RecordingPrompter::Box &box : f.prompter.boxes) {
                EXPECT_EQ(box.kind, RecordingPrompter::Kind::Error);
                EXPECT_TRUE(box.text.startsWith(u"The configuration could not be saved:"_s));
            }
        }
    }
}

TEST(MainWindowDialogs, AboutOpensFromTheHelpMenu)
{
    WindowFixture f;
    f.start();
    f.drive("mnuAPropos", "frmAbout", [](QDialog &d) { click(d, "cmdOK"); });
}

TEST(MainWindowGrid, HeaderClickSortsAndRightClickShowsTheDocumentsMenuOnTheListedGrid)
{
    WindowFixture f;
    f.addDocuments();
    f.writeConfiguration("Contextuel=1\r\n");
    MainWindow &window = f.start();
    window.show();
    auto *grid = f.find<GridView>("gridFiles");
    QStringList shown;
    window.gridController().setMenuPopup([&](QMenu *menu, const QPoint &) {
        for (const QAction *action : menu->actions())
            if (action->isVisible() && !action->isSeparator())
                shown << action->text();
    });

    // Each click on the name header reverses the order of the grid the listing swapped in.
    QHeaderView *header = grid->horizontalHeader();
    const QPoint onName(header->sectionViewportPosition(0) + 5, header->height() / 2);
    click(header->viewport(), onName, Qt::LeftButton);
    const bool firstAscending = window.sortState().ascending;
    click(header->viewport(), onName, Qt::LeftButton);
    ASSERT_EQ(window.grid().rowCount(), 3);
    EXPECT_NE(window.sortState().ascending, firstAscending);
    EXPECT_EQ(window.grid().row(0).cells[0],
              window.sortState().ascending ? u"PHPWord__docSlovak.doc"_s : u"si_cp1252_tous_pid.doc"_s);

    window.refresh(); // a new listing: the controller acts on what the model shows now
    f.settle();
    int row = 0; // the document that holds every property
    while (row < window.grid().rowCount() && window.grid().row(row).cells[0] != u"si_cp1252_tous_pid.doc"_s)
        ++row;
    ASSERT_LT(row, window.grid().rowCount());
    const QRect cell = grid->visualRect(grid->model()->index(row, 0));
    click(grid->viewport(), cell.center(), Qt::RightButton);
    ASSERT_GE(shown.size(), 6) << qPrintable(shown.join(u'|'));
    EXPECT_EQ(shown.mid(0, 4),
              (QStringList{u"&Open"_s, u"&Properties"_s, u"&Delete document"_s, u"&Rename document"_s}));
    EXPECT_EQ(shown[4], u"si_cp1252_tous_pid.doc"_s);
    EXPECT_TRUE(shown[5].contains(u": "_s)) << qPrintable(shown[5]);
}
