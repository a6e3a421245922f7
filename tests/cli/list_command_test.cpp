#include "cli/headless_session.h"
#include "cli/table_output.h"
#include "platform/native_name.h"
#include "support/fichorama_process.h"
#include "support/pdf_writer.h"
#include "support/test_files.h"

#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const char kAllColumns[] =
    "[Proprietes]\r\nNomCourt=1\r\nSujet=1\r\nMotsCles=1\r\nModele=1\r\nCommentaires=1\r\n"
    "DernierAuteur=1\r\nRevision=1\r\nPages=1\r\nMots=1\r\nCaracteres=1\r\nSecurite=1\r\n"
    "Cree=1\r\nDerniereSauvegarde=1\r\nDerniereImpression=1\r\nTempsEdition=1\r\n";

} // namespace

TEST(ListCommand, ALargeGridIsPrintedInRowOrderWhateverThreadEncodesIt)
{
    DocumentGrid grid;
    grid.setColumns({{QStringLiteral("Nom")}, {QStringLiteral("Titre")}});
    QByteArray expected = "Nom\tTitre\n";
    for (int i = 0; i < 9000; ++i) {
        grid.appendRow({{QStringLiteral("n%1").arg(i), QStringLiteral("été\t%1").arg(i)}});
        expected += "n" + QByteArray::number(i) + "\t\xC3\xA9t\xC3\xA9 " + QByteArray::number(i) + "\n";
    }
    QByteArray printed;
    writeGrid(grid, {0, 1}, TableFormat::Tsv, [&](QByteArrayView piece) { printed += piece; });
    EXPECT_EQ(printed, expected);
}

TEST(ListCommand, PrintsEveryColumnOfEveryDocumentInGridOrder)
{
    QTemporaryDir settings;
    QTemporaryDir documents;
    writeFile(settings.filePath(u"Fichorama.ini"_s), kAllColumns);
    for (const char *name :
         {"titre_avec_tabulation.doc", "si_cp1252_tous_pid.doc", "edition_zero.doc", "report.doc"})
        copyTestData(u"ole/"_s + QLatin1String(name), documents.path());
    const QByteArray before = readFile(settings.filePath(u"Fichorama.ini"_s));

    const ProcessRun run = fichorama(commandOn("list", documents.path(), settings.path()));
    EXPECT_EQ(run.status, 0) << run.err.constData();
    EXPECT_EQ(run.out, readFile(testData(u"cli/all_columns_utc.tsv"_s)));
    EXPECT_EQ(readFile(settings.filePath(u"Fichorama.ini"_s)), before) << "the configuration was written";

    const ProcessRun sorted =
        fichorama(commandOn("list", documents.path(), settings.path(), {u"--sort"_s, u"11:desc"_s}));
    const QList<QByteArray> lines = sorted.out.split('\n');
    ASSERT_GE(lines.size(), 4);
    EXPECT_TRUE(lines[1].startsWith("si_cp1252_tous_pid.doc\t")) << lines[1].constData();
}

TEST(ListCommand, TsvKeepsOneRowOfCellsPerDocumentWhateverItsName)
{
    QTemporaryDir settings;
    QTemporaryDir documents;
    for (const char *name : {"tab\there.doc", "line\r\nfeed.doc"})
        copyTestData(u"ole/si_lpwstr.doc"_s, documents.path(), QString::fromLatin1(name));

    const ProcessRun run = fichorama(commandOn("list", documents.path(), settings.path()));
    EXPECT_EQ(run.status, 0) << run.err.constData();
    const QList<QByteArray> lines = run.out.split('\n');
    ASSERT_EQ(lines.size(), 4) << run.out.constData(); // header, two rows, nothing after the last line feed
    EXPECT_TRUE(lines[1].startsWith("line  feed.doc\t")) << lines[1].constData();
    EXPECT_TRUE(lines[2].startsWith("tab here.doc\t")) << lines[2].constData();
    for (const QByteArray &line : lines.mid(1, 2))
        EXPECT_EQ(line.count('\t'), lines[0].count('\t')) << line.constData();
}

TEST(ListCommand, ListsADirectoryWhoseNameIsNotUtf8)
{
    QTemporaryDir settings;
    NativeTemporaryDir documents;
    const QString directory = documents.path() + u'/' + fromNativeBytes("d\xE9");
    makeNativeDirectory(directory);
    writeNativeFile(directory + u'/' + fromNativeBytes("r\xE9sum\xE9.doc"),
                    readFile(testData(u"ole/si_lpwstr.doc"_s)));
    CommandLine line;
    line.command = CommandLine::Command::List;
    line.directory = directory;
    line.settingsDirectory = settings.path();

    const CommandOutcome outcome = HeadlessSession(line).run();
    EXPECT_EQ(outcome.status, 0) << qPrintable(outcome.message);
    EXPECT_TRUE(outcome.output.contains("\nr\xEF\xBF\xBDsum\xEF\xBF\xBD.doc\t"))
        << outcome.output.constData();
}

TEST(ListCommand, ColumnsChosenByKeyArePrintedInTheOrderGiven)
{
    QTemporaryDir settings; // no configuration: its displayed columns would be four
    QTemporaryDir documents;
    for (const char *name : {"titre_avec_tabulation.doc", "si_cp1252_tous_pid.doc", "edition_zero.doc"})
        copyTestData(u"ole/"_s + QLatin1String(name), documents.path());
    const QByteArray everything = readFile(testData(u"cli/all_columns_utc.tsv"_s));
    auto list = [&](const char *columns, const char *sort) {
        return fichorama(
            commandOn("list", documents.path(), settings.path(),
                      {u"--columns"_s, QLatin1String(columns), u"--sort"_s, QLatin1String(sort)}));
    };

    const ProcessRun all = list("all", "0");
    EXPECT_EQ(all.status, 0) << all.err.constData();
    EXPECT_EQ(all.out, everything);

    // Sorted by the name, the second printed column (the listing's second column is the page count).
    QMap<QByteArray, QList<QByteArray>> cellsByName;
    for (const QByteArray &line : everything.split('\n').mid(1)) {
        const QList<QByteArray> cells = line.split('\t');
        if (cells.size() > 16)
            cellsByName.insert(cells[0], cells);
    }
    QByteArray expected = "  Saved\t Document\tPages\n";
    for (const auto &[name, cells] : cellsByName.asKeyValueRange())
        expected += cells[16] + '\t' + name + '\t' + cells[11] + '\n';
    const ProcessRun chosen = list("saved, name,pages", "1");
    EXPECT_EQ(chosen.status, 0) << chosen.err.constData();
    EXPECT_EQ(chosen.out, expected);

    const ProcessRun wrong = list("name,titel", "0");
    EXPECT_EQ(wrong.status, 2);
    EXPECT_TRUE(wrong.err.contains("\"titel\"")) << wrong.err.constData();
}

TEST(ListCommand, ListsDocumentsOfEveryFormatSortedByDateAcrossFormats)
{
    QTemporaryDir settings;
    QTemporaryDir documents;
    writeFile(settings.filePath(u"AvecPDF.ini"_s), "[Configuration]\r\nInclurePDF=1\r\n");
    copyTestData(u"ole/si_cp1252_tous_pid.doc"_s, documents.path());
    for (const char *name : {"fr_complet.docx", "app_securite_lecture_seule.xlsx", "date_1985.odt",
                             "fr_complet.pdf", "pdf_xmp_seul.pdf"})
        copyTestData(u"modern/generated/"_s + QLatin1String(name), documents.path());
    copyTestData(u"modern/generated/pdf_info_seul.pdf"_s, documents.path(), u"scan.bin"_s);
    copyTestData(u"modern/real/mammoth.js__utf8-bom.docx"_s, documents.path(), u"nu.docx"_s);
    writeFile(documents.filePath(u"sans createur.pdf"_s), minimalPdf("/Creator () /CreationDate (D:2005)"));
    writeFile(documents.filePath(u"faux.pdf"_s), "x");

    const QStringList common = {u"--columns"_s, u"name,application,title,pages,words,created"_s, u"--sort"_s,
                                u"5"_s};
    const ProcessRun withPdf = fichorama(commandOn("list", documents.path(), settings.path(),
                                                   common + QStringList{u"--config"_s, u"AvecPDF"_s}));
    EXPECT_EQ(withPdf.status, 0) << withPdf.err.constData();
    EXPECT_EQ(withPdf.out.toStdString(), readFile(testData(u"cli/mixed_formats_utc.tsv"_s)).toStdString());
    // Without the option, the rows of PDF files go, those found by content included, and nothing else
    // changes.
    const ProcessRun withoutPdf = fichorama(commandOn("list", documents.path(), settings.path(), common));
    QByteArray documentRows;
    for (const QByteArray &line : withPdf.out.split('\n')) {
        const QByteArray name = line.left(line.indexOf('\t'));
        if (!line.isEmpty() && !name.endsWith(".pdf") && name != "scan.bin")
            documentRows += line + '\n';
    }
    EXPECT_EQ(withoutPdf.out.toStdString(), documentRows.toStdString());

    // The page counts every listed row, PDF files included with their option.
    for (const auto &[config, count] : {std::pair("AvecPDF", "9"), std::pair("Fichorama", "4")}) {
        SCOPED_TRACE(config);
        const ProcessRun page = fichorama(
            commandOn("html", documents.path(), settings.path(), {u"--config"_s, QLatin1String(config)}));
        ASSERT_EQ(page.status, 0) << page.err.constData();
        EXPECT_TRUE(readFile(QString::fromUtf8(page.out.trimmed()))
                        .contains(QByteArray(" : ") + count + " document(s)</h3>"));
    }
}
