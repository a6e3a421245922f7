#include "main_window_fixture.h"
#include "platform/directory_list.h"
#include "platform/instance_channel.h"
#include "platform/window_title.h"
#include "ui/grid_view.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

using namespace Qt::StringLiterals;

TEST(MainWindowPlace, OpensLargeAtFirstThenWhereItWasLeftOnAScreen)
{
    WindowFixture f;
    MainWindow &first = f.start();
    first.show();
    pumpEvents();
    const QRect screen = first.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(first.geometry()));
    EXPECT_GE(first.width(), screen.width() * 3 / 4);
    EXPECT_LE((first.geometry().center() - screen.center()).manhattanLength(), 2) << "centred";
    // Above the lower-right controls nothing is cut at the smallest size either.
    first.resize(1, 1);
    pumpEvents();
    EXPECT_EQ(first.size(), first.minimumSize());
    const auto *grid = f.find<GridView>("gridFiles");
    EXPECT_GE(grid->height(), 4 * grid->lineHeight());
    EXPECT_GT(f.find<QWidget>("Chemins")->width(), 4 * grid->lineHeight());

    const QRect left(screen.x() + 30, screen.y() + 40, 600, 400);
    first.setGeometry(left);
    first.close();
    f.window.reset();
    MainWindow &second = f.start();
    EXPECT_EQ(second.geometry(), left);
    EXPECT_FALSE(second.isMaximized());
    f.window.reset();

    // Left maximised on a screen that is gone: back on this screen, maximised.
    f.writeConfiguration(
        "FenetreX=" + QByteArray::number(screen.right() + 2000) +
        "\r\nFenetreY=40\r\nFenetreLargeur=600\r\nFenetreHauteur=400\r\nFenetreMaximisee=1\r\n");
    MainWindow &third = f.start();
    EXPECT_TRUE(screen.contains(third.geometry()));
    EXPECT_TRUE(third.windowState() & Qt::WindowMaximized);
}

TEST(MainWindowColumns, EqualWidthsShareTheWidthTheGridShows)
{
    WindowFixture f;
    for (int i = 0; i < 80; ++i)
        writeFile(QDir(f.documentsPath()).filePath(u"file%1.txt"_s.arg(i)), "x");
    QByteArray everyProperty = "[Proprietes]\r\n";
    for (const PropertyColumn &column : kPropertyColumns)
        everyProperty += column.key.toString().toUtf8() + "=1\r\n";
    f.writeConfiguration("InclureTout=1\r\nRepertoire=" + f.documentsPath().toUtf8() + "\r\n" +
                         everyProperty);
    MainWindow &window = f.start();
    window.show();
    f.find<QAction>("mnuFrancais")->trigger(); // resets the widths to equal shares, and lists again
    f.settle();
    pumpEvents();

    auto *grid = f.find<GridView>("gridFiles");
    ASSERT_EQ(window.grid().columnCount(), 19);
    ASSERT_EQ(window.grid().rowCount(), 80);
    EXPECT_TRUE(grid->verticalScrollBar()->isVisible());
    EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());
    int columnsWidth = 0;
    for (int column = 0; column < 19; ++column)
        columnsWidth += grid->columnWidth(column);
    EXPECT_LE(columnsWidth, grid->viewport()->width());
    EXPECT_GT(columnsWidth, grid->viewport()->width() - 19) << "only the division's remainder is left over";
}

TEST(MainWindowListing, AConfigurationWhoseDirectoryIsGoneLeavesNoCountsAboveTheEmptyGrid)
{
    WindowFixture f;
    f.addDocuments();
    f.writeConfiguration("Repertoire=" + f.documentsPath().toUtf8() + "\r\n");
    MainWindow &window = f.start();
    ASSERT_EQ(f.find<QLabel>("lblNbDocuments")->text(), u"3 documents"_s);
    writeFile(f.settingsPath(u"Autre.ini"_s),
              "[Configuration]\r\nRepertoire=" + f.documentsPath().toUtf8() + "/gone\r\n");

    window.loadConfiguration(u"Autre"_s);
    EXPECT_EQ(window.grid().rowCount(), 0);
    EXPECT_TRUE(f.find<QLabel>("lblNbFichiers")->text().isEmpty());
    EXPECT_TRUE(f.find<QLabel>("lblNbDocuments")->text().isEmpty());
    EXPECT_FALSE(f.find<QPushButton>("cmdHTML")->isEnabled());
}

TEST(MainWindowLayout, LongCountsAndTitlesShowWhole)
{
    WindowFixture f;
    f.writeConfiguration("Langue=1\r\n");
    MainWindow &window = f.start();
    window.show();
    auto *files = f.find<QLabel>("lblNbFichiers");
    auto *documents = f.find<QLabel>("lblNbDocuments");
    files->setText(u"10402 fichiers"_s);
    documents->setText(u"10402 documents (interrompu)"_s);
    pumpEvents();
    for (const QLabel *label : {files, documents})
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
            << qPrintable(label->text());
    EXPECT_LE(files->geometry().right(), documents->x());
    EXPECT_LE(documents->geometry().right(), f.find<QWidget>("Chemins")->x());

    // "Sélectionner la liste des propriétés affichées" is longer than the dialog's check boxes.
    f.drive("mnuListeProprietes", "frmConfigListeProprietes", [&](QDialog &dialog) {
        EXPECT_GE(dialog.width(), titleWidth(&dialog));
        dialog.reject();
    });
}

TEST(MainWindowStartDirectory, AStartOnADirectoryListsItInPlaceOfTheRememberedOne)
{
    WindowFixture f;
    f.addDocuments();
    const QString sub = f.documentsPath() + u"/sub"_s;
    QDir().mkdir(sub);
    f.writeConfiguration("Repertoire=" + f.documentsPath().toUtf8() + "\r\n");
    MainWindowEnvironment environment = f.environment();
    environment.startDirectory = sub;
    f.window = MainWindow::start(environment, f.prompter, f.shell);
    ASSERT_TRUE(f.window);
    f.window->firstActivation();
    EXPECT_EQ(f.find<DirectoryList>("Chemins")->path(), sub);
    EXPECT_EQ(f.window->listedDirectory(), sub);
}

TEST(MainWindowStartDirectory, ASecondStartHandsItsDirectoryToTheRunningWindow)
{
    WindowFixture f;
    f.addDocuments();
    const QString sub = f.documentsPath() + u"/sub"_s;
    QDir().mkdir(sub);
    copyTestData(u"ole/titre_vide.doc"_s, sub);
    // A socket file left behind by a program that ended does not stop the window from listening.
    const QString socket = InstanceChannel::socketPaths(f.settings.path()).value(0);
    writeFile(socket, "left behind");
    MainWindow &window = f.start();
    ASSERT_EQ(window.handOverSocket(), socket);

    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    second.setProcessEnvironment(environment);
    second.start(QStringLiteral(FICHORAMA_EXECUTABLE), {u"--settings"_s, f.settings.path(), sub});
    QElapsedTimer waited;
    waited.start();
    // The window answers from this event loop, so the wait must let events through.
    while ((second.state() != QProcess::NotRunning || window.listedDirectory() != sub) &&
           waited.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    f.settle(); // the listing of the handed directory runs beside the window
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().constData();
    EXPECT_EQ(window.listedDirectory(), sub);
    EXPECT_EQ(window.grid().rowCount(), 1);
    EXPECT_TRUE(f.prompter.boxes.isEmpty());
}
