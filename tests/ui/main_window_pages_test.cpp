#include "gridlist/grid_list_file.h"
#include "main_window_fixture.h"

#include <QListWidget>
#include <QPushButton>

using Kind = RecordingPrompter::Kind;

TEST(MainWindowPages, HtmlButtonRefusesAnEmptyGridWritesAndOpensTheListedOneOrReportsTheFailure)
{
    WindowFixture f;
    MainWindow &window = f.start();
    auto *html = f.find<QPushButton>("cmdHTML");
    EXPECT_FALSE(html->isEnabled());
    html->setEnabled(true);
    html->click();
    ASSERT_EQ(f.prompter.boxes.size(), 1);
    EXPECT_EQ(f.prompter.boxes[0].kind, Kind::Exclamation);
    EXPECT_EQ(f.prompter.boxes[0].text, QStringLiteral("Impossible to make HTML grid"));
    EXPECT_TRUE(QDir(f.documentsPath()).entryList(QDir::Files).isEmpty());

    f.addDocuments();
    window.refresh();
    f.settle();
    ASSERT_TRUE(html->isEnabled());
    html->click();
    f.settle();
    const QString page = f.documentsPath() + QStringLiteral("/Fichorama.html");
    EXPECT_EQ(f.shell.opened, QStringList{page});
    EXPECT_TRUE(readFile(page).contains("<h3 align=\"center\">" + f.documentsPath().toUtf8() +
                                        " : 3 document(s)</h3>"));

    // A directory where the page file should go: the page cannot be written, the grid stays.
    ASSERT_TRUE(QFile::remove(page));
    QDir(f.documentsPath()).mkdir(QStringLiteral("Fichorama.html"));
    f.prompter.boxes.clear();
    f.shell.opened.clear();
    html->click();
    f.settle();
    ASSERT_EQ(f.prompter.boxes.size(), 1);
    EXPECT_EQ(f.prompter.boxes[0].kind, Kind::Error);
    EXPECT_TRUE(f.prompter.boxes[0].text.startsWith(QStringLiteral("The HTML page could not be written")))
        << qPrintable(f.prompter.boxes[0].text);
    EXPECT_TRUE(f.prompter.boxes[0].text.contains(page));
    EXPECT_TRUE(f.shell.opened.isEmpty());
    EXPECT_EQ(window.grid().rowCount(), 3);
}

TEST(MainWindowGridList, AddAndRemoveCompareWithoutLetterCaseAndKeepTheTicks)
{
    WindowFixture f;
    f.addDocuments();
    const QString listFile = f.settingsPath(QStringLiteral("Fichorama.txt"));
    QTemporaryDir other;
    EXPECT_FALSE(EcrireListeTableaux(listFile, {{other.path(), true}, {f.documentsPath().toUpper(), true}}));
    f.start();
    auto *add = f.find<QPushButton>("cmdAjouterEnsemble");
    auto *remove = f.find<QPushButton>("cmdSupprimerEnsemble");
    auto *list = f.find<QListWidget>("lstTableaux");
    // The listed directory is in the list in other letters: only remove is offered.
    EXPECT_FALSE(add->isEnabled());
    EXPECT_TRUE(remove->isEnabled());
    add->setEnabled(true);
    add->click();
    ASSERT_EQ(f.prompter.boxes.size(), 1);
    EXPECT_EQ(f.prompter.boxes[0].text, QStringLiteral("The displayed grid is already in the list"));
    EXPECT_EQ(list->count(), 2);

    list->item(0)->setCheckState(Qt::Unchecked); // a tick changed by hand reaches the file at the next write
    remove->click();
    EXPECT_EQ(LireListeTableaux(listFile), (GridList{{other.path(), false}}));
    EXPECT_TRUE(add->isEnabled());
    EXPECT_FALSE(remove->isEnabled());
    remove->setEnabled(true);
    remove->click();
    EXPECT_EQ(f.prompter.boxes.last().text, QStringLiteral("The displayed grid is not in the list of grids"));

    add->click();
    EXPECT_EQ(LireListeTableaux(listFile), (GridList{{other.path(), false}, {f.documentsPath(), true}}));
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), f.documentsPath());
    EXPECT_EQ(list->item(1)->checkState(), Qt::Checked);
    EXPECT_FALSE(add->isEnabled());
}

TEST(MainWindowGridList, AnEmptyListMakesNoPageAndAListFileThatCannotBeWrittenIsReported)
{
    WindowFixture f;
    QDir(f.settings.path()).mkdir(QStringLiteral("Fichorama.txt"));
    f.start();
    f.find<QPushButton>("cmdHTMLEnsemble")->click();
    f.find<QPushButton>("cmdAjouterEnsemble")->click();
    ASSERT_EQ(f.prompter.boxes.size(), 2);
    EXPECT_EQ(f.prompter.boxes[0].text, QStringLiteral("No grid in the list"));
    EXPECT_EQ(f.prompter.boxes[1].kind, Kind::Error);
    EXPECT_EQ(f.find<QListWidget>("lstTableaux")->count(), 0);
    EXPECT_TRUE(f.find<QPushButton>("cmdAjouterEnsemble")->isEnabled());
}

TEST(MainWindowGridList, CombinedPageListsEachTickedDirectoryAndComesBack)
{
    WindowFixture f;
    f.start();
    QTemporaryDir first;
    QTemporaryDir second;
    copyTestData(QStringLiteral("ole/presentation_fr.ppt"), first.path());
    copyTestData(QStringLiteral("ole/titre_vide.doc"), second.path());
    copyTestData(QStringLiteral("ole/si_lpwstr.doc"), second.path());
    f.window->setGridList({{QDir::cleanPath(first.path()), true}, {QDir::cleanPath(second.path()), true}});
    f.find<QPushButton>("cmdHTMLEnsemble")->click();
    f.settle();

    const QString page = f.settingsPath(QStringLiteral("Fichorama.html"));
    EXPECT_EQ(f.shell.opened, QStringList{page});
    const QByteArray bytes = readFile(page);
    EXPECT_TRUE(bytes.contains(QDir::cleanPath(first.path()).toUtf8() + "&nbsp;[1/2] : 1 document(s) </h3>"));
    EXPECT_TRUE(
        bytes.contains(QDir::cleanPath(second.path()).toUtf8() + "&nbsp;[2/2] : 2 document(s) </h3>"));
    EXPECT_EQ(f.window->listedDirectory(), f.documentsPath());
    EXPECT_EQ(f.window->grid().rowCount(), 0);
}
