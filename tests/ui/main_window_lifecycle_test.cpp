#include "main_window_fixture.h"
#include "platform/directory_list.h"
#include "platform/drive_list.h"
#include "platform/instance_lock.h"
#include "platform/system_names.h"
#include "platform/twips.h"
#include "support/widget_events.h"
#include "ui/grid_view.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLockFile>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

QString iniText(const WindowFixture &f)
{
    return QString::fromUtf8(readFile(f.iniPath()));
}

} // namespace

TEST(MainWindowStartup, CaptionLeavesOutEmptyPartsAndCleansNames)
{
    struct Case
    {
        StartupValues values;
        const char *caption;
    };
    const Case cases[] = {
        {{u"OFFICE7"_s, u"marie"_s, windowsVersionName(1, 4, 10)},
         "Fichorama 1.1a - OFFICE7; marie; Windows 98"},
        // A name returned with a trailing NUL; a system not in the list (Windows 2000) adds nothing.
        {{cleanSystemName(QString::fromLatin1(" OFFICE7\0", 9)), u"marie"_s, windowsVersionName(2, 5, 0)},
         "Fichorama 1.1a - OFFICE7; marie"},
        {{u"OFFICE7"_s, QString(), u"Debian GNU/Linux 12"_s},
         "Fichorama 1.1a - OFFICE7; Debian GNU/Linux 12"},
        {{QString(), QString(), QString()}, "Fichorama 1.1a"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(MainWindow::caption(c.values), QString::fromUtf8(c.caption));
    }
    WindowFixture f;
    f.window = MainWindow::start(f.environment(), f.prompter, f.shell);
    ASSERT_TRUE(f.window);
    EXPECT_EQ(f.window->windowTitle(), u"Fichorama 1.1a - OFFICE7; marie; Debian"_s);
}

TEST(MainWindowStartup, LoadsTheSelectedConfigurationAndListsNothingBeforeActivation)
{
    WindowFixture f;
    f.addDocuments();
    QTemporaryDir gone;
    const QString goneDirectory = gone.path();
    gone.remove();
    writeFile(f.settingsPath(u"ChoixConfiguration.ini"_s), "[Configuration]\r\nNom=Essai\r\n");
    const QByteArray ini =
        "[Configuration]\r\nLangue=1\r\nRepertoire=" + f.documentsPath().toUtf8() +
        "\r\nInclurePDF=1\r\nInclureCaches=0\r\nToolTips=0\r\nLignesTexte=3\r\nLargeur0= 2880\r\n"
        "[Proprietes]\r\nAuteur=0\r\n";
    writeFile(f.settingsPath(u"Essai.ini"_s), ini);
    writeFile(f.settingsPath(u"Essai.txt"_s), "\"" + f.documentsPath().toUtf8() + "\",#TRUE#\r\n\"" +
                                                  goneDirectory.toUtf8() + "\",#TRUE#\r\n");

    f.window = MainWindow::start(f.environment(), f.prompter, f.shell);
    ASSERT_TRUE(f.window);
    EXPECT_EQ(f.find<QLabel>("lblConfiguration")->text(), u"Essai"_s);
    EXPECT_EQ(f.find<QLabel>("lblDossier")->text(), f.documentsPath());
    EXPECT_EQ(f.find<QPushButton>("cmdDemarrer")->text(), u"Actualiser"_s);
    const std::pair<const char *, bool> entries[] = {
        {"mnuInclurePDF", true}, {"mnuInclureCaches", false}, {"mnuToolTips", false}, {"mnuSurligner", true},
        {"mnuLigne1", false},    {"mnuLigne3", true},         {"mnuFrancais", true}};
    for (const auto &[entry, checked] : entries)
        EXPECT_EQ(f.find<QAction>(entry)->isChecked(), checked) << entry;
    EXPECT_TRUE(f.find<GridView>("gridFiles")->wordWrap());

    // Columns of "Proprietes" in French with the stored width; nothing listed yet.
    const DocumentGrid &grid = f.window->grid();
    ASSERT_EQ(grid.columnCount(), 3);
    EXPECT_EQ(grid.column(2).caption, u" Titre"_s);
    EXPECT_EQ(grid.column(0).widthTwips, 2880);
    EXPECT_EQ(grid.rowCount(), 0);
    EXPECT_EQ(readFile(f.settingsPath(u"Essai.ini"_s)), ini);

    // The grid list, its missing directory unticked.
    const QListWidget *list = f.find<QListWidget>("lstTableaux");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(list->item(1)->checkState(), Qt::Unchecked);

    // --config wins over the selector file.
    WindowFixture g;
    writeFile(g.settingsPath(u"ChoixConfiguration.ini"_s), "[Configuration]\r\nNom=Essai\r\n");
    g.window = MainWindow::start(g.environment(u"Autre"_s), g.prompter, g.shell);
    ASSERT_TRUE(g.window);
    EXPECT_EQ(g.find<QLabel>("lblConfiguration")->text(), u"Autre"_s);
    EXPECT_EQ(g.window->paths().iniPath(), g.settingsPath(u"Autre.ini"_s));
}

TEST(MainWindowStartup, ASecondInstanceIsRefusedAndWritesNothing)
{
    // With a start directory the running instance is asked to take it; one that does not answer refuses it.
    for (const bool withDirectory : {false, true}) {
        SCOPED_TRACE(withDirectory);
        WindowFixture f;
        QLockFile held(InstanceLock::lockPath(f.settings.path()));
        ASSERT_TRUE(held.tryLock(0));
        const QStringList before = QDir(f.settings.path()).entryList(QDir::AllEntries | QDir::Hidden);
        MainWindowEnvironment environment = f.environment();
        if (withDirectory)
            environment.startDirectory = f.documentsPath();
        bool handedOver = true;

        EXPECT_FALSE(MainWindow::start(environment, f.prompter, f.shell, &handedOver));
        EXPECT_FALSE(handedOver);
        ASSERT_EQ(f.prompter.boxes.size(), 1);
        EXPECT_EQ(f.prompter.boxes[0].kind, RecordingPrompter::Kind::Exclamation);
        EXPECT_EQ(f.prompter.boxes[0].text, u"Program already running"_s);
        EXPECT_EQ(QDir(f.settings.path()).entryList(QDir::AllEntries | QDir::Hidden), before);

        // Once the first instance has ended, the program starts.
        held.unlock();
        EXPECT_TRUE(MainWindow::start(f.environment(), f.prompter, f.shell));
    }
}

TEST(MainWindowStartup, FirstActivationListsTheRememberedDirectoryOrIgnoresAMissingOne)
{
    WindowFixture f;
    f.addDocuments();
    f.writeConfiguration("Repertoire=" + f.documentsPath().toUtf8() + "\r\n");
    f.window = MainWindow::start(f.environment(), f.prompter, f.shell);
    ASSERT_TRUE(f.window);
    f.window->show();
    // The first activation waits for the event loop; the listing it starts runs beside the window.
    QCoreApplication::processEvents();
    f.settle();
    EXPECT_EQ(f.window->grid().rowCount(), 3);
    EXPECT_EQ(f.find<QLabel>("lblNbDocuments")->text(), u"3 documents"_s);
    EXPECT_EQ(f.find<QLabel>("lblNbFichiers")->text(), u"3 files"_s);
    EXPECT_EQ(f.find<DirectoryList>("Chemins")->path(), f.documentsPath());
    EXPECT_TRUE(f.find<QPushButton>("cmdHTML")->isEnabled());
    EXPECT_EQ(f.window->grid().arrowColumn(), 0);

    WindowFixture g;
    const QByteArray missing = "Repertoire=" + g.documentsPath().toUtf8() + "/gone\r\n";
    g.writeConfiguration(missing);
    g.start();
    EXPECT_TRUE(g.find<DirectoryList>("Chemins")->path().isEmpty());
    EXPECT_EQ(g.window->grid().rowCount(), 0);
    EXPECT_TRUE(g.prompter.boxes.isEmpty());
    EXPECT_EQ(readFile(g.iniPath()), "[Configuration]\r\n" + missing);
}

TEST(MainWindowLayout, OnlyTheDirectoryListAndTheGridFollowTheWindowSize)
{
    WindowFixture f;
    f.writeConfiguration("Repertoire=" + f.documentsPath().toUtf8() + "\r\n");
    MainWindow &window = f.start();
    window.show();
    pumpEvents();
    QWidget *central = window.centralWidget();
    QWidget *chemins = f.find<QWidget>("Chemins");
    QWidget *grid = f.find<QWidget>("gridFiles");
    QWidget *label = f.find<QWidget>("lblDossier");
    const QRect labelBefore = label->geometry();

    window.resize(window.width() + 200, window.height() + 150);
    pumpEvents();
    EXPECT_EQ(chemins->geometry().right(), central->width() - 1);
    EXPECT_EQ(grid->geometry().right(), central->width() - 1);
    EXPECT_EQ(grid->geometry().bottom(), central->height() - 1);
    EXPECT_EQ(label->geometry(), labelBefore);

    // Narrower than the directory list's left edge and lower than the grid's top (the window's minimum
    // size keeps it from that, a minimised window does not): those sizes stay.
    const QSize chemins_before = chemins->size();
    const QSize grid_before = grid->size();
    MainWindowControls controls;
    controls.Chemins = f.find<DirectoryList>("Chemins");
    controls.gridFiles = f.find<GridView>("gridFiles");
    applyResizeRules(controls, QSize(chemins->x() - 10, grid->y() - 10));
    EXPECT_EQ(chemins->size(), chemins_before);
    EXPECT_EQ(grid->height(), grid_before.height());
    EXPECT_EQ(grid->width(), chemins->x() - 10);
}

TEST(MainWindowListing, RefreshOpensTheHighlightedDirectoryOrListsTheCurrentOneAgainAfterAnyRunningListing)
{
    WindowFixture f;
    f.addDocuments();
    QDir(f.documentsPath()).mkdir(u"sub"_s);
    f.writeConfiguration("Repertoire=" + f.documentsPath().toUtf8() + "\r\n");
    f.start();
    auto *chemins = f.find<DirectoryList>("Chemins");
    auto *refresh = f.find<QPushButton>("cmdDemarrer");
    ASSERT_EQ(f.window->grid().rowCount(), 3);

    // The current directory highlighted: listed again, a new document shows.
    copyTestData(u"ole/titre_vide.doc"_s, f.documentsPath());
    refresh->click();
    f.settle();
    EXPECT_EQ(f.window->grid().rowCount(), 4);
    EXPECT_EQ(f.find<QLabel>("lblNbFichiers")->text(), u"4 files"_s);

    // Another directory highlighted: opened.
    const QList<QListWidgetItem *> items = chemins->findItems(u"sub"_s, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    chemins->setCurrentItem(items.first());
    refresh->click();
    f.settle();
    EXPECT_EQ(chemins->path(), f.documentsPath() + u"/sub"_s);
    EXPECT_EQ(f.find<QLabel>("lblDossier")->text(), f.documentsPath() + u"/sub"_s);
    EXPECT_EQ(f.window->grid().rowCount(), 0);
    EXPECT_FALSE(f.find<QPushButton>("cmdHTML")->isEnabled());

    // A listing asked for during a listing runs after it.
    ASSERT_TRUE(f.window->listDirectoryAt(f.documentsPath()));
    EXPECT_TRUE(f.window->isListing());
    ASSERT_TRUE(f.window->listDirectoryAt(f.documentsPath() + u"/sub"_s));
    f.settle();
    EXPECT_EQ(f.window->listedDirectory(), f.documentsPath() + u"/sub"_s);
    EXPECT_EQ(f.window->grid().rowCount(), 0);
    EXPECT_EQ(f.find<QLabel>("lblNbDocuments")->text(), u"0 documents"_s);
}

TEST(MainWindowListing, EscapeInTheGridInterruptsAListing)
{
    WindowFixture f;
    QTemporaryDir large;
    for (int i = 0; i < 3000; ++i)
        writeFile(large.filePath(u"file%1.txt"_s.arg(i)), "x");
    f.writeConfiguration("InclureTout=1\r\n");
    MainWindow &window = f.start();
    auto *grid = f.find<GridView>("gridFiles");
    auto *files = f.find<QLabel>("lblNbFichiers");
    grid->setFocus();
    ASSERT_TRUE(window.listDirectoryAt(large.path()));
    // The listing runs beside the window, which handles the key at once.
    EXPECT_TRUE(window.isListing());
    pressKey(grid, Qt::Key_Escape);
    f.settle();
    const int rows = window.grid().rowCount();
    EXPECT_LT(rows, 3000);
    EXPECT_EQ(f.find<QLabel>("lblNbDocuments")->text(),
              u"%1 %2 (interrupted)"_s.arg(rows).arg(rows == 1 ? "document" : "documents"));
    for (int i = 1; i < rows; ++i)
        EXPECT_LE(window.grid().row(i - 1).cells[0], window.grid().row(i).cells[0]);
    EXPECT_EQ(files->text(), u"3000 files"_s);
    EXPECT_TRUE(iniText(f).contains(u"Repertoire="_s + QDir::cleanPath(large.path())));

    // The next listing is not interrupted by the Escape of the last one.
    window.refresh();
    f.settle();
    EXPECT_EQ(window.grid().rowCount(), 3000);
    EXPECT_EQ(f.find<QLabel>("lblNbDocuments")->text(), u"3000 documents"_s);
}

TEST(MainWindowShutDown, WritesTheListedDirectoryAndTheWidthsAsTheyAre)
{
    WindowFixture f;
    f.addDocuments();
    QDir(f.documentsPath()).mkdir(u"sub"_s);
    f.writeConfiguration("Repertoire=" + f.documentsPath().toUtf8() + "\r\n");
    MainWindow &window = f.start();
    auto *grid = f.find<GridView>("gridFiles");
    grid->horizontalHeader()->resizeSection(1, 200);
    // Highlighted without being opened: not what is saved.
    auto *chemins = f.find<DirectoryList>("Chemins");
    chemins->setCurrentItem(chemins->findItems(u"sub"_s, Qt::MatchExactly).value(0));

    window.close();
    const IniDocument stored = IniFile(f.iniPath()).load();
    EXPECT_EQ(stored.read(u"Configuration", u"Repertoire"), f.documentsPath());
    const DocumentGrid &columns = window.grid();
    ASSERT_EQ(columns.columnCount(), 4);
    for (int i = 0; i < columns.columnCount(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(stored.read(u"Configuration", u"Largeur%1"_s.arg(i)),
                  u" %1"_s.arg(columns.column(i).widthTwips));
    }
    EXPECT_EQ(columns.column(1).widthTwips, Twips::fromPixels(200, grid->logicalDpiX()));
    EXPECT_TRUE(stored.read(u"Configuration", u"Largeur4").isEmpty());
}

TEST(MainWindowListing, ADriveThatCannotBeOpenedPutsTheDriveListBack)
{
    WindowFixture f;
    f.addDocuments();
    QTemporaryDir volume;
    const QString gone = f.documentsPath() + u"/unmounted"_s;
    f.start();
    auto *drives = f.find<DriveList>("Lecteurs");
    drives->setVolumes({{u"/"_s, {}}, {QDir::cleanPath(volume.path()), {}}, {gone, {}}});
    drives->setDriveForPath(f.documentsPath());
    const QString driveBefore = drives->driveText();

    drives->setCurrentIndex(drives->findText(gone)); // as the user picks it
    EXPECT_EQ(drives->driveText(), driveBefore);
    EXPECT_EQ(f.window->listedDirectory(), f.documentsPath());

    drives->setCurrentIndex(drives->findText(QDir::cleanPath(volume.path())));
    f.settle();
    EXPECT_EQ(f.window->listedDirectory(), QDir::cleanPath(volume.path()));
    EXPECT_EQ(f.window->grid().rowCount(), 0);
}
