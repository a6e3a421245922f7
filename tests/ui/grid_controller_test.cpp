#include "common/language_texts.h"
#include "listing/directory_scan.h"
#include "platform/native_name.h"
#include "support/compound_file_writer.h"
#include "support/recording_platform.h"
#include "support/test_files.h"
#include "support/widget_events.h"
#include "ui/grid_context_menu.h"
#include "ui/grid_controller.h"
#include "ui/grid_model.h"
#include "ui/grid_view.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Kind = RecordingPrompter::Kind;

const QString kLongTitle = u"zeta, a title far too long for the narrow title column of this grid"_s;
const QString kLongComment = QString(60, u'c') + QString(60, u'd');

// A document of our own beside the real ones: ten pages, a long title and a 120-character comment.
QByteArray longDocument()
{
    PropertySetWriter summary;
    summary.addCodePage(1252);
    summary.addLpstr(2, kLongTitle.toLatin1());
    summary.addLpstr(6, kLongComment.toLatin1());
    summary.addI4(14, 10);
    return summaryDocument(summary.build());
}

// The grid of a temporary directory of real documents, shown in a real view with the controller.
class GridControllerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        for (const char *name :
             {"si_lpwstr.doc", "si_cp1252_tous_pid.doc", "lessmsi__msi_with_external_cab.msi",
              "exiftool__FlashPix.ppt", "ruby-ole__test.doc", "PHPWord__docSlovak.doc"})
            copyTestData(u"ole/"_s + QLatin1String(name), dir.path());
        writeFile(dir.filePath(u"long.doc"_s), longDocument());

        grid.setColumns({{u" Document"_s, ColumnAlignment::Left, 1500},
                         {u" Title"_s, ColumnAlignment::Left, 1500},
                         {u"Pages"_s, ColumnAlignment::Centre, 1500},
                         {u" Comments"_s, ColumnAlignment::Left, 1500}});
        options.columnProperties = {2, 14, 6};
        options.locale = QLocale::c();
        list();
        ASSERT_EQ(grid.rowCount(), 7);
        view.setGridModel(&model);
        view.resize(900, 400);
        view.show();
        controller = std::make_unique<GridController>(
            &view, &model, grid, settings, sort, [this] { return dir.path(); }, prompter, shell,
            [this] {
                ++refreshes;
                list();
            });
        controller->setMenuPopup([this](QMenu *menu, const QPoint &) { shownMenus.append(menu); });
    }

    void list()
    {
        model.beginReset();
        JobControl control;
        options.sort = sort;
        listDirectory(dir.path(), options, grid, control);
        model.endReset();
    }

    int rowOf(const QString &name) const
    {
        for (int row = 0; row < grid.rowCount(); ++row)
            if (grid.row(row).cells[0] == name)
                return row;
        return -1;
    }
    QPoint cellCentre(int row, int column) const
    {
        return view.visualRect(model.index(row, column)).center();
    }
    void clickHeader(int column)
    {
        QHeaderView *header = view.horizontalHeader();
        click(header->viewport(), QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    }
    QStringList columnCells(int column) const
    {
        QStringList cells;
        for (const GridRow &row : grid.rows())
            cells << row.cells.value(column);
        return cells;
    }
    QAction *menuAction(const QString &name) const
    {
        return controller->contextMenu().menu()->findChild<QAction *>(name);
    }

    NativeTemporaryDir dir;
    DocumentGrid grid;
    ScanOptions options;
    Settings settings;
    SortState sort;
    RecordingPrompter prompter;
    RecordingShell shell;
    GridModel model{grid};
    GridView view;
    std::unique_ptr<GridController> controller;
    int refreshes = 0;
    QList<QMenu *> shownMenus;
};

TEST_F(GridControllerTest, HeaderClicksSortByCaptionAndMoveArrowAndBold)
{
    const struct
    {
        int column;
        bool ascending;
        QStringList cells; // of the clicked column, top to bottom
    } clicks[] = {
        {2, true, {"0", "0", "2", "3", "10", "12", "200"}},
        {2, false, {"200", "12", "10", "3", "2", "0", "0"}},
        {2, true, {"0", "0", "2", "3", "10", "12", "200"}},
        // Case-sensitive: upper-case initials before lower-case ones.
        {1,
         true,
         {"", "Installation Database", "Rapport trimestriel – été", "Title", "Titre en VT_LPWSTR — €uro ✓",
          "title", kLongTitle}},
    };
    for (const auto &c : clicks) {
        SCOPED_TRACE(testing::Message() << "column " << c.column << (c.ascending ? " asc" : " desc"));
        clickHeader(c.column);
        EXPECT_EQ(columnCells(c.column), c.cells);
        EXPECT_EQ(grid.arrowColumn(), c.column);
        EXPECT_EQ(grid.arrow(), c.ascending ? SortArrow::Up : SortArrow::Down);
        EXPECT_EQ(model.headerData(c.column, Qt::Horizontal, Qt::FontRole).value<QFont>().bold(), true);
        for (int other = 0; other < grid.columnCount(); ++other) {
            if (other == c.column)
                continue;
            EXPECT_FALSE(model.headerData(other, Qt::Horizontal, Qt::FontRole).value<QFont>().bold())
                << other;
            EXPECT_TRUE(model.headerData(other, Qt::Horizontal, Qt::DecorationRole).isNull()) << other;
        }
        EXPECT_EQ(sort.column, c.column);
        EXPECT_EQ(sort.ascending, c.ascending);
    }
}

TEST_F(GridControllerTest, DeleteKeyAsksThenTrashesTheSelectedRowOnly)
{
    const QString longPath = dir.filePath(u"long.doc"_s);

    // A row clicked, the question declined: the file stays and the grid is not listed again.
    click(view.viewport(), cellCentre(rowOf(u"long.doc"_s), 2));
    EXPECT_TRUE(view.isSelectionHighlighted());
    EXPECT_EQ(view.selectionModel()->selectedIndexes().size(), grid.columnCount()) << "the whole row";
    pressKey(&view, Qt::Key_Delete);
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].kind, Kind::Question);
    EXPECT_EQ(prompter.boxes[0].text, messageTexts(settings.language).confirmTrash.arg(longPath));
    EXPECT_TRUE(shell.trashed.isEmpty());
    EXPECT_TRUE(QFile::exists(longPath));
    EXPECT_EQ(refreshes, 0);

    // The trash refuses: the reason is shown and the file stays.
    shell.trashSucceeds = false;
    prompter.yesNoAnswers = {true};
    pressKey(&view, Qt::Key_Delete);
    ASSERT_EQ(prompter.boxes.size(), 3);
    EXPECT_EQ(prompter.boxes[2].kind, Kind::Exclamation);
    EXPECT_TRUE(prompter.boxes[2].text.contains(u"refused by the test"_s));
    EXPECT_TRUE(QFile::exists(longPath));
    EXPECT_EQ(refreshes, 0);

    // Confirmed: the file is gone and the grid listed again without it.
    shell.trashSucceeds = true;
    prompter.yesNoAnswers = {true};
    pressKey(&view, Qt::Key_Delete);
    EXPECT_EQ(shell.trashed.last(), longPath);
    EXPECT_FALSE(QFile::exists(longPath));
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(rowOf(u"long.doc"_s), -1);

    // A header click leaves no document row: Delete asks nothing and deletes nothing.
    click(view.viewport(), cellCentre(0, 0));
    clickHeader(1);
    EXPECT_FALSE(view.isSelectionHighlighted());
    const qsizetype asked = prompter.boxes.size();
    pressKey(&view, Qt::Key_Delete);
    EXPECT_EQ(prompter.boxes.size(), asked);
    EXPECT_EQ(shell.trashed.size(), 2);
}

TEST_F(GridControllerTest, ContextMenuShowsNameAndNonEmptyPropertyLines)
{
    const struct
    {
        QString name;
        bool contextLines;
        QStringList lines; // visible mnuDynamique texts in column order
    } cases[] = {
        {"long.doc", true, {" Title: " + kLongTitle, "Pages: 10", " Comments: " + kLongComment.left(100)}},
        {"PHPWord__docSlovak.doc", true, {"Pages: 3"}},
        {"long.doc", false, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(qPrintable(c.name));
        settings.contextLines = c.contextLines;
        shownMenus.clear();
        click(view.viewport(), cellCentre(rowOf(c.name), 1), Qt::RightButton);
        ASSERT_EQ(shownMenus.size(), 1);
        EXPECT_EQ(view.documentRow(), rowOf(c.name)) << "the right button selects the row";
        QMenu *menu = shownMenus[0];
        EXPECT_EQ(menu->objectName(), u"mnuContexte"_s);
        EXPECT_EQ(menu->defaultAction(), menuAction(u"mnuOuvrir"_s));
        EXPECT_EQ(menuAction(u"mnuDocument"_s)->text(), c.name);
        QStringList lines;
        for (QAction *action : menu->actions())
            if (action->objectName().startsWith(u"mnuDynamique"_s) && action->isVisible())
                lines << action->text();
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(menuAction(u"mnuSep2"_s)->isVisible(), !c.lines.isEmpty());
    }

    // A right click on the header shows the menu of the row selected before.
    shownMenus.clear();
    QHeaderView *header = view.horizontalHeader();
    click(header->viewport(), QPoint(5, header->height() / 2), Qt::RightButton);
    ASSERT_EQ(shownMenus.size(), 1);
    EXPECT_EQ(menuAction(u"mnuDocument"_s)->text(), u"long.doc"_s);

    // The menu key shows it too; the context-menu event of a right press shows nothing more.
    shownMenus.clear();
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(1, 1), QPoint(1, 1));
    QApplication::sendEvent(&view, &key);
    QContextMenuEvent mouse(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
    QApplication::sendEvent(view.viewport(), &mouse);
    EXPECT_EQ(shownMenus.size(), 1);
    EXPECT_TRUE(mouse.isAccepted()) << "no window behind the grid shows a menu of its own";

    // The commands reach the shell with the row's path.
    menuAction(u"mnuOuvrir"_s)->trigger();
    menuAction(u"mnuProprietes"_s)->trigger();
    EXPECT_EQ(shell.opened, QStringList{dir.filePath(u"long.doc"_s)});
    EXPECT_EQ(shell.propertiesShown, QStringList{dir.filePath(u"long.doc"_s)});

    // An empty grid shows no menu.
    for (const QString &name : QDir(dir.path()).entryList(QDir::Files))
        QFile::remove(dir.filePath(name));
    list();
    ASSERT_EQ(grid.rowCount(), 0);
    shownMenus.clear();
    click(view.viewport(), QPoint(20, 20), Qt::RightButton);
    click(header->viewport(), QPoint(5, header->height() / 2), Qt::RightButton);
    EXPECT_TRUE(shownMenus.isEmpty());
}

TEST_F(GridControllerTest, DoubleClickAndEnterOpenTheDocument)
{
    const QPoint at = cellCentre(rowOf(u"si_lpwstr.doc"_s), 2);
    click(view.viewport(), at);
    sendMouse(view.viewport(), QEvent::MouseButtonDblClick, at, Qt::LeftButton);
    sendMouse(view.viewport(), QEvent::MouseButtonRelease, at, Qt::LeftButton);
    EXPECT_EQ(shell.opened, QStringList{dir.filePath(u"si_lpwstr.doc"_s)});

    // From the keyboard: after a header click no row is current and Enter opens nothing; Down reaches a
    // row, which shows as selected, and Enter opens it.
    shell.opened.clear();
    clickHeader(0);
    pressKey(&view, Qt::Key_Return);
    EXPECT_TRUE(shell.opened.isEmpty());
    view.setFocus();
    pressKey(&view, Qt::Key_Down);
    ASSERT_GE(view.documentRow(), 0);
    EXPECT_TRUE(view.isSelectionHighlighted());
    pressKey(&view, Qt::Key_Enter);
    EXPECT_EQ(shell.opened, QStringList{dir.filePath(grid.row(view.documentRow()).cells.value(0))});
}

TEST_F(GridControllerTest, TheMenuKeyOpensTheMenuOnItsOpenEntry)
{
    QAction *active = nullptr;
    controller->setMenuPopup([&active](QMenu *menu, const QPoint &at) {
        menu->popup(at);
        QCoreApplication::processEvents();
        active = menu->activeAction();
        menu->hide();
    });
    click(view.viewport(), cellCentre(rowOf(u"long.doc"_s), 1), Qt::RightButton);
    EXPECT_EQ(active, nullptr) << "a right click leaves the choice to the mouse";
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(1, 1), QPoint(1, 1));
    QApplication::sendEvent(&view, &key);
    EXPECT_EQ(active, menuAction(u"mnuOuvrir"_s));
}

TEST_F(GridControllerTest, CellTipsShowOnlyTextsWiderThanTheirColumn)
{
    const int longRow = rowOf(u"long.doc"_s);
    const QPoint longTitle = cellCentre(longRow, 1);
    const struct
    {
        const char *where;
        QPoint at;
        QString tip;
    } moves[] = {
        {"long title", longTitle, kLongTitle},
        {"same cell", longTitle + QPoint(3, 0), kLongTitle},
        {"short pages", cellCentre(longRow, 2), QString()},
        {"long title again", longTitle, kLongTitle},
        {"below the rows", QPoint(5, view.viewport()->height() - 2), QString()},
    };
    for (const auto &m : moves) {
        SCOPED_TRACE(m.where);
        sendMouse(view.viewport(), QEvent::MouseMove, m.at, Qt::NoButton);
        EXPECT_EQ(controller->cellTip(), m.tip);
    }

    sendMouse(view.viewport(), QEvent::MouseMove, longTitle, Qt::NoButton);
    QHeaderView *header = view.horizontalHeader();
    sendMouse(header->viewport(), QEvent::MouseMove, QPoint(5, 5), Qt::NoButton);
    EXPECT_EQ(controller->cellTip(), QString()) << "the header row clears the tip";

    settings.toolTips = false;
    sendMouse(view.viewport(), QEvent::MouseMove, longTitle, Qt::NoButton);
    EXPECT_EQ(controller->cellTip(), QString()) << "tips off";
}

TEST_F(GridControllerTest, RenameRefusesAndNeverReplaces)
{
    const QString oldName = u"long.doc"_s;
    const QString forbidden = messageTexts(settings.language).renameForbidden;
    const struct
    {
        std::optional<QString> answer;
        QString message; // information box after the input box, if any
        bool listedAgain;
        QString nameAfter;
    } cases[] = {
        {std::nullopt, {}, false, oldName},        {QString(), {}, false, oldName},
        {u"LONG.doc"_s, {}, false, oldName},       {u"a/b.doc"_s, forbidden, false, oldName},
        {u"a?b.doc"_s, forbidden, false, oldName}, {u"a|b.doc"_s, forbidden, false, oldName},
        {u"si_lpwstr.doc"_s, {}, true, oldName},   {u"renamed.doc"_s, {}, true, u"renamed.doc"_s},
    };
    const QByteArray otherBytes = readFile(dir.filePath(u"si_lpwstr.doc"_s));
    for (const auto &c : cases) {
        SCOPED_TRACE(qPrintable(c.answer.value_or(u"(cancel)"_s)));
        click(view.viewport(), cellCentre(rowOf(oldName), 0));
        prompter.boxes.clear();
        prompter.textAnswers = {c.answer};
        const int refreshesBefore = refreshes;
        menuAction(u"mnuRenommer"_s)->trigger();

        ASSERT_GE(prompter.boxes.size(), 1);
        EXPECT_EQ(prompter.boxes[0].kind, Kind::Input);
        EXPECT_EQ(prompter.boxes[0].text, u"Rename document"_s);
        EXPECT_EQ(prompter.boxes[0].initial, oldName);
        EXPECT_EQ(prompter.boxes.size(), c.message.isEmpty() ? 1 : 2);
        if (!c.message.isEmpty()) {
            EXPECT_EQ(prompter.boxes.value(1).text, c.message);
        }
        EXPECT_EQ(refreshes - refreshesBefore, c.listedAgain ? 1 : 0);
        EXPECT_TRUE(QFile::exists(dir.filePath(c.nameAfter)));
        EXPECT_NE(rowOf(c.nameAfter), -1);
    }
    EXPECT_EQ(readFile(dir.filePath(u"si_lpwstr.doc"_s)), otherBytes) << "not replaced";
    EXPECT_FALSE(QFile::exists(dir.filePath(oldName)));
}

TEST_F(GridControllerTest, ActsOnNamesThatAreNotUtf8ByTheirOwnBytes)
{
    const QString path = dir.path() + u'/' + fromNativeBytes("r\xE9sum\xE9.doc");
    const QString shown = u"r\uFFFDsum\uFFFD.doc"_s;
    writeNativeFile(path, longDocument());
    list();
    const QPoint at = cellCentre(rowOf(shown), 0);
    ASSERT_GE(rowOf(shown), 0);

    click(view.viewport(), at);
    sendMouse(view.viewport(), QEvent::MouseButtonDblClick, at, Qt::LeftButton);
    EXPECT_EQ(shell.opened, QStringList{path});

    prompter.textAnswers = {u"résumé.doc"_s};
    menuAction(u"mnuRenommer"_s)->trigger();
    EXPECT_EQ(prompter.boxes.value(0).initial, shown);
    EXPECT_EQ(shell.renamed.value(0), QStringList({path, dir.filePath(u"résumé.doc"_s)}));

    // The recording shell renames through Qt, which cannot reach such a name: the row is still there.
    click(view.viewport(), cellCentre(rowOf(shown), 0));
    prompter.boxes.clear();
    prompter.yesNoAnswers = {true};
    pressKey(&view, Qt::Key_Delete);
    EXPECT_EQ(prompter.boxes.value(0).text,
              messageTexts(settings.language).confirmTrash.arg(dir.path() + u'/' + shown));
    EXPECT_EQ(shell.trashed, QStringList{path});
}

} // namespace
