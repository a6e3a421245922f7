#include "cli/headless_session.h"
#include "platform/native_name.h"
#include "support/fichorama_process.h"
#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const char kAllColumns[] =
    "[Proprietes]\r\nNomCourt=1\r\nSujet=1\r\nMotsCles=1\r\nModele=1\r\nCommentaires=1\r\n"
    "DernierAuteur=1\r\nRevision=1\r\nPages=1\r\nMots=1\r\nCaracteres=1\r\nSecurite=1\r\n"
    "Cree=1\r\nDerniereSauvegarde=1\r\nDerniereImpression=1\r\nTempsEdition=1\r\n";

} // namespace

TEST(ListCommand, PrintsEveryColumnOfEveryDocumentInGridOrder)
{
    QTemporaryDir settings;
    QTemporaryDir documents;
    writeFile(settings.filePath(QStringLiteral("Fichorama.ini")), kAllColumns);
    for (const char *name :
         {"titre_avec_tabulation.doc", "si_cp1252_tous_pid.doc", "edition_zero.doc", "report.doc"})
        copyTestData(QStringLiteral("ole/") + QLatin1String(name), documents.path());
    const QByteArray before = readFile(settings.filePath(QStringLiteral("Fichorama.ini")));

    const ProcessRun run =
        fichorama({QStringLiteral("list"), documents.path(), QStringLiteral("--settings"), settings.path()});
    EXPECT_EQ(run.status, 0) << run.err.constData();
    EXPECT_EQ(run.out, readFile(testData(QStringLiteral("cli/all_columns_utc.tsv"))));
    EXPECT_EQ(readFile(settings.filePath(QStringLiteral("Fichorama.ini"))), before)
        << "the configuration was written";

    const ProcessRun sorted =
        fichorama({QStringLiteral("list"), documents.path(), QStringLiteral("--settings"), settings.path(),
                   QStringLiteral("--sort"), QStringLiteral("11:desc")});
    const QList<QByteArray> lines = sorted.out.split('\n');
    ASSERT_GE(lines.size(), 4);
    EXPECT_TRUE(lines[1].startsWith("si_cp1252_tous_pid.doc\t")) << lines[1].constData();
}

TEST(ListCommand, FailuresAndUsageHaveTheirExitStatus)
{
    QTemporaryDir settings;
    const ProcessRun missing = fichorama({QStringLiteral("list"), settings.filePath(QStringLiteral("gone")),
                                          QStringLiteral("--settings"), settings.path()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_TRUE(missing.err.contains("gone")) << missing.err.constData();

    const ProcessRun usage =
        fichorama({QStringLiteral("list"), QStringLiteral("--sort"), QStringLiteral("x")});
    EXPECT_EQ(usage.status, 2);
    EXPECT_TRUE(usage.err.contains("--sort")) << usage.err.constData();
    EXPECT_TRUE(QDir(settings.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST(ListCommand, TsvKeepsOneRowOfCellsPerDocumentWhateverItsName)
{
    QTemporaryDir settings;
    QTemporaryDir documents;
    for (const char *name : {"tab\there.doc", "line\r\nfeed.doc"})
        copyTestData(QStringLiteral("ole/si_lpwstr.doc"), documents.path(), QString::fromLatin1(name));

    const ProcessRun run =
        fichorama({QStringLiteral("list"), documents.path(), QStringLiteral("--settings"), settings.path()});
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
                    readFile(testData(QStringLiteral("ole/si_lpwstr.doc"))));
    CommandLine line;
    line.command = CommandLine::Command::List;
    line.directory = directory;
    line.settingsDirectory = settings.path();

    const CommandOutcome outcome = HeadlessSession(line).run();
    EXPECT_EQ(outcome.status, 0) << qPrintable(outcome.message);
    EXPECT_TRUE(outcome.output.contains("\nr\xEF\xBF\xBDsum\xEF\xBF\xBD.doc\t"))
        << outcome.output.constData();
}
