#include "listing/directory_scan.h"
#include "listing/listing_job.h"
#include "platform/native_files.h"
#include "platform/native_name.h"
#include "support/pdf_writer.h"
#include "support/test_files.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

// Columns: Document, Application (18), Title (2).
ScanOptions baseOptions()
{
    ScanOptions options;
    options.columnProperties = {18, 2};
    options.locale = QLocale::c();
    return options;
}

DocumentGrid emptyGrid()
{
    DocumentGrid grid;
    grid.setColumns({GridColumn{u" Document"_s}, GridColumn{u" Application"_s}, GridColumn{u" Title"_s}});
    return grid;
}

QStringList rowsOf(const DocumentGrid &grid)
{
    QStringList out;
    for (const GridRow &row : grid.rows())
        out << row.cells.join(u"|");
    return out;
}

// A directory holding one document of each kind the listing tells apart.
class ScanDirectory : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        copyTestData(u"ole/si_cp1252_tous_pid.doc"_s, dir.path(), u"rapport.doc"_s);
        copyTestData(u"ole/titre_vide.doc"_s, dir.path(), u".cache.doc"_s);
        copyTestData(u"ole/report.doc"_s, dir.path(), u"texte.doc"_s);
        for (const char *name : {"a.pdf", "b.PDF", "Index.htm", "PAGE.HTML", "Fichorama.html",
                                 "Fichorama notes.txt", ".cache.pdf"})
            writeFile(dir.filePath(QString::fromLatin1(name)), "x");
        QDir(dir.path()).mkdir(u"sous-dossier.doc"_s);
    }

    ScanResult scan(const ScanOptions &options)
    {
        grid = emptyGrid();
        JobControl control;
        return listDirectory(dir.path(), options, grid, control);
    }

    QTemporaryDir dir;
    DocumentGrid grid;
};

} // namespace

TEST_F(ScanDirectory, ListingOptionsDecideWhichFilesGetARow)
{
    const QString doc = u"rapport.doc|Word 8.0|Rapport trimestriel – été"_s;
    const QString hiddenDoc = u".cache.doc||"_s;
    struct Case
    {
        const char *name;
        ListingOptions listing;
        QStringList rows;
        int files = 8; // files, not directories; hidden ones only when included
    };
    const Case cases[] = {
        {"documents only, hidden excluded", {false, false, false, false}, {doc}},
        {"hidden included", {false, false, false, true}, {hiddenDoc, doc}, 10},
        {"PDF", {false, true, false, false}, {u"a.pdf|Adobe Acrobat|"_s, u"b.PDF|Adobe Acrobat|"_s, doc}},
        {"HTML: our own page left out, ending without regard to case",
         {false, false, true, false},
         {u"Index.htm|Document HTML|"_s, u"PAGE.HTML|Document HTML|"_s, doc}},
        {"all files: no application text for PDF and HTML listed only as files",
         {true, false, false, false},
         {u"Fichorama notes.txt||"_s, u"Fichorama.html||"_s, u"Index.htm||"_s, u"PAGE.HTML||"_s, u"a.pdf||"_s,
          u"b.PDF||"_s, doc, u"texte.doc||"_s}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ScanOptions options = baseOptions();
        options.listing = c.listing;
        const ScanResult result = scan(options);
        EXPECT_TRUE(result.enumerated);
        EXPECT_FALSE(result.interrupted);
        EXPECT_EQ(result.documentCount, c.rows.size());
        EXPECT_EQ(result.fileCount, c.files);
        EXPECT_EQ(rowsOf(grid), c.rows);
    }
}

TEST_F(ScanDirectory, NameColoursAndRowLines)
{
    ScanOptions options = baseOptions();
    options.listing = {true, false, false, true};
    options.linesPerCell = 3;
    scan(options);
    for (const GridRow &row : grid.rows()) {
        SCOPED_TRACE(qPrintable(row.cells.value(0)));
        const NameColour expected = row.cells[0].startsWith(QLatin1Char('.'))      ? NameColour::Hidden
                                    : row.cells[0] == QLatin1String("rapport.doc") ? NameColour::Highlight
                                                                                   : NameColour::Normal;
        EXPECT_EQ(row.nameColour, expected);
        EXPECT_EQ(row.lines, 3);
    }
    options.highlight = false;
    options.linesPerCell = 1;
    scan(options);
    for (const GridRow &row : grid.rows()) {
        EXPECT_EQ(row.nameColour,
                  row.cells[0].startsWith(QLatin1Char('.')) ? NameColour::Hidden : NameColour::Normal);
        EXPECT_EQ(row.lines, 1);
    }
}

TEST_F(ScanDirectory, SortsBySortColumnWithArrowOnlyWhenTheColumnExists)
{
    ScanOptions options = baseOptions();
    options.listing.includePdf = true;
    options.sort = {1, false};
    scan(options);
    EXPECT_EQ(grid.arrowColumn(), 1);
    EXPECT_EQ(grid.arrow(), SortArrow::Down);
    EXPECT_EQ(grid.row(0).cells[0], u"rapport.doc"_s);

    options.sort = {7, true};
    scan(options);
    EXPECT_EQ(grid.arrowColumn(), -1);
    EXPECT_EQ(grid.rowCount(), 5);
}

namespace {

// Files that are no documents, listed by the option that lists every file: a listing long enough to be
// interrupted.
void fillWithPlainFiles(const QTemporaryDir &dir, int count)
{
    for (int i = 0; i < count; ++i)
        writeFile(dir.filePath(u"file%1.txt"_s.arg(i)), "x");
}

} // namespace

TEST(DirectoryScan, ACancelledListingKeepsTheRowsFoundSoFarSorted)
{
    QTemporaryDir dir;
    fillWithPlainFiles(dir, 2000);
    ScanOptions options = baseOptions();
    options.listing.includeAll = true;
    options.sort = {0, false};
    options.readers = 2;
    // The cancellation comes from another thread once rows are being read; on a busy machine the listing
    // may end first, so it is tried again.
    for (int attempt = 0; attempt < 5; ++attempt) {
        DocumentGrid grid = emptyGrid();
        JobControl control;
        ScanResult result;
        std::atomic<bool> done = false;
        std::thread listing([&] {
            result = listDirectory(dir.path(), options, grid, control);
            done = true;
        });
        while (!done && control.value() < 20)
            std::this_thread::yield();
        control.cancel();
        listing.join();
        EXPECT_EQ(result.fileCount, 2000);
        EXPECT_EQ(result.documentCount, grid.rowCount());
        if (!result.interrupted) {
            EXPECT_EQ(grid.rowCount(), 2000);
            continue;
        }
        EXPECT_GE(grid.rowCount(), 20);
        EXPECT_LT(grid.rowCount(), 2000);
        EXPECT_EQ(grid.arrowColumn(), 0);
        for (int i = 1; i < grid.rowCount(); ++i)
            EXPECT_GE(grid.row(i - 1).cells[0], grid.row(i).cells[0]);
        return;
    }
    ADD_FAILURE() << "every listing ended before it was cancelled";
}

TEST(DirectoryScan, OneReaderAndEightReadersListTheSameRows)
{
    QTemporaryDir dir;
    const char *const documents[] = {"ole/si_cp1252_tous_pid.doc", "ole/cjk_emoji.doc", "ole/si_lpwstr.doc",
                                     "ole/tableur_japonais.xls", "ole/titre_vide.doc"};
    for (int i = 0; i < 300; ++i) {
        if (i % 3 == 0)
            writeFile(dir.filePath(u"note%1.pdf"_s.arg(i)), "%PDF");
        else
            copyTestData(QString::fromLatin1(documents[i % 5]), dir.path(), u"doc%1.doc"_s.arg(i));
    }
    writeFile(dir.filePath(u".hidden.pdf"_s), "%PDF");
    ScanOptions options = baseOptions();
    options.columnProperties = {0, 18, 2, 4, 14, 12, 10};
    options.listing = {false, true, false, true};
    options.sort = {2, true};
    auto listWith = [&](int readers) {
        options.readers = readers;
        DocumentGrid grid;
        grid.setColumns(QVector<GridColumn>(8));
        JobControl control;
        listDirectory(dir.path(), options, grid, control);
        QStringList rows;
        for (const GridRow &row : grid.rows())
            rows << row.cells.join(u"|") + QString::number(int(row.nameColour));
        return rows;
    };
    const QStringList one = listWith(1);
    EXPECT_EQ(one.size(), 301);
    EXPECT_EQ(listWith(8), one);
}

TEST(DirectoryScan, FilesRenamedOrDeletedDuringTheListingAreListedOnceAtMost)
{
    QTemporaryDir dir;
    constexpr int kFiles = 2000;
    for (int i = 0; i < kFiles; ++i) {
        if (i % 4 == 0)
            copyTestData(u"ole/report.doc"_s, dir.path(), u"a%1.doc"_s.arg(i));
        else
            writeFile(dir.filePath(u"a%1.txt"_s.arg(i)), "x");
    }
    ScanOptions options = baseOptions();
    options.listing.includeAll = true;
    options.readers = 8;
    DocumentGrid grid = emptyGrid();
    JobControl control;
    // Renames every other file and deletes the rest while the directory is read and listed.
    std::atomic<bool> started = false;
    std::thread changer([&] {
        started = true;
        QDir files(dir.path());
        for (int i = 0; i < kFiles; ++i) {
            const QString name = QString::fromLatin1(i % 4 == 0 ? "a%1.doc" : "a%1.txt").arg(i);
            if (i % 2)
                files.rename(name, QLatin1Char('b') + name.mid(1));
            else
                files.remove(name);
        }
    });
    while (!started)
        std::this_thread::yield();
    const ScanResult result = listDirectory(dir.path(), options, grid, control);
    changer.join();
    EXPECT_FALSE(result.interrupted);
    QSet<QString> names;
    QSet<QString> files;
    for (const GridRow &row : grid.rows()) {
        const QString name = row.cells.value(0);
        EXPECT_FALSE(names.contains(name)) << qPrintable(name);
        names.insert(name);
        files.insert(name.mid(1));
    }
    // A file is never listed under both its old and its new name.
    EXPECT_EQ(files.size(), names.size());
    EXPECT_LE(grid.rowCount(), kFiles);
}

TEST(DirectoryScan, ARunningJobDeletedByItsOwnerStopsBeforeItsGridGoes)
{
    QTemporaryDir dir;
    fillWithPlainFiles(dir, 2000);
    ScanOptions options = baseOptions();
    options.listing.includeAll = true;
    // The owner (a window being closed) deletes the job while its thread still lists into the job's grid;
    // the sanitizer builds see any write after the grid has gone.
    for (int attempt = 0; attempt < 3; ++attempt) {
        auto job = std::make_unique<ListingJob>(dir.path(), options, emptyGrid());
        job->start();
        job.reset();
    }
}

TEST(DirectoryScan, PackagesAreDocumentsAndPdfFilesFollowTheirOption)
{
    // Names say nothing: each file is taken for what its content is.
    QTemporaryDir dir;
    copyTestData(u"ole/si_cp1252_tous_pid.doc"_s, dir.path(), u"ole.bin"_s);
    copyTestData(u"modern/generated/fr_complet.docx"_s, dir.path(), u"word.odt"_s);
    copyTestData(u"modern/generated/date_1985.odt"_s, dir.path(), u"texte"_s);
    copyTestData(u"modern/real/mammoth.js__utf8-bom.docx"_s, dir.path(), u"nu.docx"_s);
    copyTestData(u"modern/generated/pdf_xmp_seul.pdf"_s, dir.path(), u"scan.dat"_s);
    writeFile(dir.filePath(u"sans createur.pdf"_s), minimalPdf("/Creator () /Title (Vide)"));
    writeFile(dir.filePath(u"faux.pdf"_s), "x");
    const QString ole = u"ole.bin|Word 8.0|Rapport trimestriel – été|12"_s;
    const QString odf = u"texte|LibreOffice/7.4.7.2|Archive 1985|1"_s;
    const QString ooxml =
        QStringLiteral("word.odt|LibreOffice/7.4.7.2$Linux_X86_64 LibreOffice_project/40$Build-2|"
                       "Rapport d’activité — été 2011 : bilan financier|3");
    const QStringList documents = {ole, odf, ooxml};
    const QStringList withPdfs = {u"faux.pdf|Adobe Acrobat||"_s,
                                  ole,
                                  u"sans createur.pdf|Adobe Acrobat|Vide|1"_s,
                                  u"scan.dat|Éditeur XMP 2.0|Métadonnées XMP seulement|1"_s,
                                  odf,
                                  ooxml};
    ScanOptions options = baseOptions();
    options.columnProperties = {18, 2, 14};
    DocumentGrid grid;
    grid.setColumns(QVector<GridColumn>(4));
    for (const bool withPdf : {false, true}) {
        SCOPED_TRACE(withPdf ? "with PDF" : "without PDF");
        options.listing.includePdf = withPdf;
        JobControl control;
        const ScanResult result = listDirectory(dir.path(), options, grid, control);
        const QStringList &expected = withPdf ? withPdfs : documents;
        EXPECT_EQ(rowsOf(grid), expected);
        EXPECT_EQ(result.documentCount, expected.size());
        for (const GridRow &row : grid.rows()) {
            SCOPED_TRACE(qPrintable(row.cells.value(0)));
            EXPECT_EQ(row.nameColour,
                      documents.contains(row.cells.join(u"|")) ? NameColour::Highlight : NameColour::Normal);
        }
    }
}

TEST(DirectoryScan, UnreadableDirectoryGivesAnEmptyGrid)
{
    DocumentGrid grid = emptyGrid();
    grid.appendRow(GridRow{{u"old.doc"_s, {}, {}}});
    JobControl control;
    const ScanResult result = listDirectory(u"/nonexistent/fichorama"_s, baseOptions(), grid, control);
    EXPECT_FALSE(result.enumerated);
    EXPECT_EQ(result.fileCount, 0);
    EXPECT_EQ(result.documentCount, 0);
    EXPECT_EQ(grid.rowCount(), 0);
}

TEST(DirectoryScan, RootDirectoryListsEveryFileItHolds)
{
    DocumentGrid grid = emptyGrid();
    JobControl control;
    ScanOptions options = baseOptions();
    options.listing = {true, false, false, true};
    const ScanResult result = listDirectory(u"/"_s, options, grid, control);
    EXPECT_TRUE(result.enumerated);
    EXPECT_EQ(result.documentCount, result.fileCount);
    for (const GridRow &row : grid.rows())
        EXPECT_FALSE(row.cells[0].contains(QLatin1Char('/'))) << qPrintable(row.cells.value(0));
}

TEST(DirectoryScan, ListsNamesThatAreNotUtf8ByTheirOwnBytes)
{
    NativeTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    // A directory and a document named in Windows-1252, beside a document named with the replacement
    // character that a lossy decoding would give: each row must lead to its own file.
    const QString directory = temp.path() + u'/' + fromNativeBytes("Dossier \xE9t\xE9");
    makeNativeDirectory(directory);
    const QString raw = fromNativeBytes("r\xE9sum\xE9.doc");
    writeNativeFile(directory + u'/' + raw, readFile(testData(u"ole/si_cp1252_tous_pid.doc"_s)));
    writeNativeFile(directory + u"/r\uFFFDsum\uFFFD.doc"_s, readFile(testData(u"ole/si_lpwstr.doc"_s)));

    DocumentGrid grid = emptyGrid();
    JobControl control;
    const ScanResult result = listDirectory(directory, baseOptions(), grid, control);
    EXPECT_TRUE(result.enumerated);
    EXPECT_EQ(result.fileCount, 2);
    ASSERT_EQ(grid.rowCount(), 2);
    for (const GridRow &row : grid.rows()) {
        SCOPED_TRACE(qPrintable(row.cells.join(u"|")));
        EXPECT_EQ(row.cells[0], u"r\uFFFDsum\uFFFD.doc"_s);
        EXPECT_EQ(row.cells[2] == u"Rapport trimestriel – été"_s, row.fileName == raw);
        EXPECT_TRUE(fileStatus(directory + u'/' + row.fileName).exists);
    }
}
