#include "main_window_fixture.h"
#include "ui/grid_view.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// The text of a control or menu entry found by object name: an entry's, a button's or a label's text, a
// menu's or a frame's title; or its tip when `tip` is set.
QString textOf(const WindowFixture &f, const char *name, bool tip)
{
    const QObject *object = f.window->findChild<QObject *>(QLatin1String(name));
    if (!object)
        return u"<missing>"_s;
    if (tip)
        return object->property("toolTip").toString();
    const QVariant text = object->property("text");
    return text.isValid() ? text.toString() : object->property("title").toString();
}

} // namespace

TEST(MainWindowLanguage, EveryTextOfTheWindowInBothLanguages)
{
    struct Row
    {
        const char *name;
        bool tip;
        const char *french;
        const char *english;
    };
    const Row rows[] = {
        {"mnuFichier", false, "&Fichier", "&File"},
        {"mnuQuitter", false, "&Quitter", "&Exit"},
        {"mnuConfiguration", false, "&Configuration", "&Configuration"},
        {"mnuChoixFichierINI", false, "Sélectionner un fichier de configuration",
         "Select a configuration file"},
        {"mnuListeProprietes", false, "Sélectionner la &liste des propriétés affichées",
         "Select &displayed properties"},
        {"mnuConfigurationHTML", false, "&Mise en page HTML", "HTML &layout"},
        {"mnuInclureTout", false, "Inclure &tous les fichiers (*.*)", "Include &all patterns (*.*)"},
        {"mnuInclurePDF", false, "Inclure les fichiers &PDF", "Include &PDF files"},
        {"mnuInclureHTML", false, "Inclure les fichiers &HTML", "Include &HTML files"},
        {"mnuInclureCaches", false, "Inclure les fichiers cachés", "Include hidden files"},
        {"mnuSurligner", false, "&Surligner les noms des documents possédant des propriétés",
         "Highlight names of documents with properties"},
        {"mnuToolTips", false, "&Bulles d'aide dans les cellules", "&Tooltips in cells"},
        {"mnuContextuel", false, "Propriétés affichées dans le menu &contextuel",
         "Display properties in popup &menu"},
        {"mnuLigne1", false, "&1 ligne dans les cellules", "&1 line in cells"},
        {"mnuLigne2", false, "&2 lignes dans les cellules", "&2 lines in cells"},
        {"mnuLigne3", false, "&3 lignes dans les cellules", "&3 lines in cells"},
        {"mnuLangue", false, "&Langue", "&Language"},
        {"mnuAnglais", false, "&English", "&English"},
        {"mnuFrancais", false, "&Français", "&Français"},
        {"mnuHelp", false, "&?", "&?"},
        {"mnuAPropos", false, "&A propos de...", "&About..."},
        {"cmdConfiguration", true, "Sélectionner un fichier de configuration", "Select a configuration file"},
        {"cmdDemarrer", false, "Actualiser", "Refresh"},
        {"frameTableau", false, "Tableau", "Grid"},
        {"cmdHTML", false, "HTML", "HTML"},
        {"cmdHTML", true, "Générer un tableau HTML correspondant au tableau ci-dessous", "Make an HTML grid"},
        {"frameEnsemble", false, "Liste de tableaux", "Grids list"},
        {"cmdAjouterEnsemble", false, "+", "+"},
        {"cmdAjouterEnsemble", true, "Ajouter le tableau courant à la liste des tableaux",
         "Add the current array to the grids list"},
        {"cmdSupprimerEnsemble", false, "-", "-"},
        {"cmdSupprimerEnsemble", true, "Supprimer le tableau courant de la liste des tableaux",
         "Remove the current array from the grids list"},
        {"cmdEditerEnsemble", false, "Organiser", "Edit"},
        {"cmdEditerEnsemble", true, "Organiser la liste des tableaux retenus", "Edit grids list"},
        {"cmdHTMLEnsemble", false, "HTML", "HTML"},
        {"cmdHTMLEnsemble", true, "Générer un tableau HTML unique regroupant la liste des tableaux retenus",
         "Make a unique HTML grid using the list of selected arrays"},
    };
    for (const qint16 language : {qint16(1), qint16(0), qint16(7)}) {
        WindowFixture f;
        f.writeConfiguration("Langue=" + QByteArray::number(language) + "\r\n");
        f.window = MainWindow::start(f.environment(), f.prompter, f.shell);
        ASSERT_TRUE(f.window);
        for (const Row &row : rows) {
            SCOPED_TRACE(std::string(row.name) + (row.tip ? " tip" : "") + " in language " +
                         std::to_string(language));
            EXPECT_EQ(textOf(f, row.name, row.tip),
                      QString::fromUtf8(language == 1 ? row.french : row.english));
        }
        EXPECT_EQ(f.find<QAction>("mnuFrancais")->isChecked(), language == 1);
        EXPECT_EQ(f.find<QAction>("mnuAnglais")->isChecked(), language != 1);
    }
}

TEST(MainWindowLanguage, SwitchRebuildsTheColumnsResetsTheWidthsListsAgainAndStoresTheLanguage)
{
    WindowFixture f;
    f.addDocuments();
    f.writeConfiguration("Langue=1\r\nLargeur0= 4000\r\nLargeur1= 100\r\n");
    MainWindow &window = f.start();
    ASSERT_EQ(window.grid().column(2).caption, u" Titre"_s);
    EXPECT_EQ(window.grid().column(0).widthTwips, 4000);
    EXPECT_EQ(f.find<QLabel>("lblNbDocuments")->text(), u"3 documents"_s);

    for (const char *entry : {"mnuAnglais", "mnuAnglais", "mnuFrancais"}) {
        SCOPED_TRACE(entry);
        const bool french = QByteArray(entry) == "mnuFrancais";
        // The listing that follows the switch sees the reset widths already stored.
        QString widthDuringListing;
        QTimer::singleShot(0, &window, [&] { widthDuringListing = f.stored(u"Configuration", "Largeur0"); });
        f.find<QAction>(entry)->trigger();
        f.settle();

        EXPECT_EQ(f.find<QPushButton>("cmdDemarrer")->text(), french ? u"Actualiser"_s : u"Refresh"_s);
        EXPECT_EQ(window.grid().column(2).caption, french ? u" Titre"_s : u" Title"_s);
        EXPECT_EQ(window.grid().rowCount(), 3);
        EXPECT_EQ(f.find<QLabel>("lblNbFichiers")->text(), french ? u"3 fichiers"_s : u"3 files"_s);
        const int share = window.grid().column(0).widthTwips;
        EXPECT_GT(share, 0);
        for (int i = 0; i < window.grid().columnCount(); ++i)
            EXPECT_EQ(window.grid().column(i).widthTwips, share);
        EXPECT_EQ(widthDuringListing, u" %1"_s.arg(share));
        EXPECT_EQ(f.stored(u"Configuration", "Langue"), french ? u"1"_s : u"0"_s);
        EXPECT_EQ(f.find<QAction>("mnuFrancais")->isChecked(), french);
        EXPECT_EQ(f.find<QAction>("mnuAnglais")->isChecked(), !french);
        // Qt's own texts follow: the buttons of a question box.
        QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(box.button(QMessageBox::Yes)->text(), french ? u"&Oui"_s : u"&Yes"_s);
    }
}

TEST(MainWindowOptions, EachListingOptionIsStoredBeforeTheListingItStarts)
{
    struct Case
    {
        const char *entry;
        const char *key;
        bool startsOn;
    };
    const Case cases[] = {
        {"mnuInclureTout", "InclureTout", false},
        {"mnuInclurePDF", "InclurePDF", false},
        {"mnuInclureHTML", "InclureHTML", false},
        {"mnuInclureCaches", "InclureCaches", true},
    };
    WindowFixture f;
    f.addDocuments();
    writeFile(f.documentsPath() + u"/rapport.pdf"_s, "%PDF");
    writeFile(f.documentsPath() + u"/.cache.txt"_s, "x");
    MainWindow &window = f.start();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.entry);
        QAction *entry = f.find<QAction>(c.entry);
        EXPECT_EQ(entry->isChecked(), c.startsOn);
        entry->trigger();
        EXPECT_TRUE(window.isListing());
        EXPECT_EQ(f.stored(u"Configuration", c.key), c.startsOn ? u"0"_s : u"1"_s);
        EXPECT_EQ(entry->isChecked(), !c.startsOn);
        f.settle();
    }
    // All files, PDF and HTML on, hidden files off: the hidden file is neither listed nor counted.
    EXPECT_EQ(window.grid().rowCount(), 4);
    EXPECT_EQ(f.find<QLabel>("lblNbFichiers")->text(), u"4 files"_s);
    f.find<QAction>("mnuInclureCaches")->trigger();
    f.settle();
    EXPECT_EQ(window.grid().rowCount(), 5);
    EXPECT_EQ(f.find<QLabel>("lblNbFichiers")->text(), u"5 files"_s);
}

TEST(MainWindowOptions, DisplayOptionsAndLinesPerCellAreStoredAtOnce)
{
    WindowFixture f;
    f.addDocuments();
    MainWindow &window = f.start();
    for (const char *entry : {"mnuSurligner", "mnuToolTips", "mnuContextuel"}) {
        SCOPED_TRACE(entry);
        f.find<QAction>(entry)->trigger();
        EXPECT_EQ(f.stored(u"Configuration", entry + 3), u"0"_s);
        EXPECT_FALSE(f.find<QAction>(entry)->isChecked());
    }
    EXPECT_FALSE(window.settings().highlight);
    EXPECT_FALSE(window.settings().contextLines);

    auto *grid = f.find<GridView>("gridFiles");
    const int line = grid->lineHeight();
    for (const int lines : {3, 1, 2}) {
        SCOPED_TRACE(lines);
        f.find<QAction>(qPrintable(u"mnuLigne%1"_s.arg(lines)))->trigger();
        EXPECT_EQ(f.stored(u"Configuration", "LignesTexte"), QString::number(lines));
        EXPECT_EQ(grid->rowHeight(0), line * lines);
        EXPECT_EQ(grid->wordWrap(), lines > 1);
        for (int n = 1; n <= 3; ++n)
            EXPECT_EQ(f.find<QAction>(qPrintable(u"mnuLigne%1"_s.arg(n)))->isChecked(), n == lines);
    }
    // Rows of the next listing get the height too.
    window.refresh();
    f.settle();
    EXPECT_EQ(grid->rowHeight(2), line * 2);
}

TEST(MainWindowOptions, FailedSettingsWritesAreReported)
{
    WindowFixture f;
    f.addDocuments();
    MainWindow &window = f.start();
    ASSERT_TRUE(f.prompter.boxes.isEmpty());
    // Something that is no file in the configuration file's place: it cannot be read, so it is not replaced.
    ASSERT_TRUE(QFile::remove(f.iniPath()));
    ASSERT_TRUE(QDir().mkpath(f.iniPath()));
    auto errors = [&f] {
        QStringList texts;
        for (const RecordingPrompter::Box &box : f.prompter.boxes) {
            if (box.kind == RecordingPrompter::Kind::Error)
                texts << box.text;
        }
        return texts;
    };

    f.find<QAction>("mnuToolTips")->trigger();
    ASSERT_EQ(errors().size(), 1);
    EXPECT_TRUE(errors().constLast().contains(f.iniPath())) << qPrintable(errors().constLast());

    // Every listing stores the directory: one box for a run of failures, not one per listing.
    window.refresh();
    f.settle();
    window.refresh();
    f.settle();
    EXPECT_EQ(errors().size(), 2);
    ASSERT_TRUE(QDir(f.iniPath()).removeRecursively());
    window.refresh(); // stored again
    f.settle();
    ASSERT_TRUE(QFile::remove(f.iniPath()));
    ASSERT_TRUE(QDir().mkpath(f.iniPath()));
    window.refresh();
    f.settle();
    EXPECT_EQ(errors().size(), 3);
}
