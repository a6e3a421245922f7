#include "html/combined_page.h"
#include "html/single_page.h"
#include "platform/native_files.h"
#include "platform/native_name.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

using namespace Qt::StringLiterals;

namespace {

const StartupValues kStartup{u"POSTE-7"_s, u"marie"_s, u"Debian 12"_s};

PageStamp fixedStamp(qint16 language)
{
    return makePageStamp([] { return QDateTime(QDate(2026, 12, 5), QTime(14, 5, 33)); }, language);
}

// The context of a page in the C locale on the fixed date and computer.
PageContext contextOf(const HtmlSettings &html, qint16 language = 1)
{
    return {html, language, fixedStamp(language), kStartup, QLocale::c()};
}

DocumentGrid makeGrid(const QStringList &captions, const QList<QStringList> &rows)
{
    DocumentGrid grid;
    QVector<GridColumn> columns;
    for (const QString &caption : captions)
        columns << GridColumn{caption};
    grid.setColumns(columns);
    for (const QStringList &cells : rows)
        grid.appendRow(GridRow{cells});
    return grid;
}

// The expected page of tests/data/html with "@ROOT@" standing for the test's directory.
std::string expectedPage(const QString &name, const QString &root)
{
    return readFile(testData(u"html/"_s + name)).replace("@ROOT@", root.toUtf8()).toStdString();
}

std::string pageAt(const QString &path)
{
    return readFile(path).toStdString();
}

// Writes a small stand-in image and returns its path.
QString makeImage(const QString &root, const QString &name)
{
    const QString path = root + u"/images/"_s + name;
    writeFile(path, "GIF89a " + name.toUtf8());
    return path;
}

} // namespace

TEST(SinglePage, MatchesHandWrittenPages)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString root = temp.path();
    const QString docs = root + u"/docs"_s;
    QDir().mkpath(docs);
    writeFile(docs + u"/Fichorama.html"_s, "old");

    struct Case
    {
        const char *fixture;
        QString directory;
        HtmlSettings html;
        qint16 language;
        QLocale locale;
        SortState sort;
        DocumentGrid grid;
        QString pageName;
    };
    std::vector<Case> cases;

    cases.push_back({"defaults.html", docs, HtmlSettings{}, 1, QLocale(QLocale::French, QLocale::France),
                     SortState{0, true},
                     makeGrid({u"Nom"_s, u" Titre"_s, u" Pages"_s, u" Créé le"_s, u" Durée"_s},
                              {{u"rapport.doc"_s, u"Rapport annuel"_s, u"12"_s, u"05/12/2026 14:05"_s,
                                u"0 j 00 h 00 min"_s},
                               {u"budget.xls"_s, {}, u"3,5"_s, u"2026-12-05"_s, u"-7"_s},
                               {u"notes.doc"_s, u"Version 2"_s, {}, {}, u"3.5"_s}}),
                     u"Fichorama.html"_s});

    HtmlSettings options;
    options.ajouterDate = true;
    options.effacerAnciensTableaux = false;
    options.renvoiALaLigne = true;
    options.couleurTitre = 255;
    options.imageFond = makeImage(root, u"fond.gif"_s);
    options.imageEnTete = makeImage(root, u"en tete.jpg"_s);
    options.imageDebutTableau = makeImage(root, u"puce.gif"_s);
    options.imagePied = makeImage(root, u"pied.png"_s);
    options.texteEnTete = u"<p>%Date - %time par %User"_s;
    options.texteEnTete2 = u" sur %Computer (%Version)</p>"_s;
    options.textePied = u"<i>%date</i> & <b>"_s;
    options.textePied2 = u"%user</b>"_s;
    cases.push_back({"options.html", docs, options, 0, QLocale(QLocale::English, QLocale::UnitedStates),
                     SortState{2, false},
                     makeGrid({u"Nom"_s, u" Titre"_s, u" Pages"_s, QString()},
                              {{u"b.doc"_s, u"Plan 2027"_s, u"1.5"_s}, {u"a.doc"_s, u"Bilan"_s, u"1e3"_s}}),
                     u"Fichorama December 5, 2026 - 14 h 05.html"_s});

    HtmlSettings copied;
    copied.prefixeTableau = u"Liste #1"_s;
    copied.imagesSuivent = true;
    copied.imageFond = options.imageFond;
    copied.imageEnTete = options.imageEnTete;
    copied.imageDebutTableau = options.imageDebutTableau;
    copied.imagePied = options.imagePied;
    cases.push_back({"images_copied.html", docs, copied, 1, QLocale::c(), SortState{0, true},
                     makeGrid({u"Nom"_s}, {{u"seul.doc"_s}}), u"Liste #1.html"_s});

    HtmlSettings missing;
    missing.imageFond = root + u"/absent.gif"_s;
    missing.imageEnTete = root + u"/absent.gif"_s;
    missing.imageDebutTableau = root + u"/images"_s; // a directory is no image
    missing.imagePied = root + u"/absent.gif"_s;
    const QString odd = root + u"/R&D <\"x\">"_s;
    QDir().mkpath(odd);
    cases.push_back({"escaping.html", odd, missing, 1, QLocale::c(), SortState{0, true},
                     makeGrid({u"Nom"_s, u" Titre"_s},
                              {{u"rapport <final> & \"v2\" #3 50%?.doc"_s, u"<b>Budget</b> & co"_s},
                               {u"Отчёт 😀.doc"_s, u"L’été coûte 5 €"_s}}),
                     u"Fichorama.html"_s});

    for (const Case &test : cases) {
        SCOPED_TRACE(test.fixture);
        const PageContext context{test.html, test.language, fixedStamp(test.language), kStartup, test.locale};
        JobControl control;
        const PageResult result = EcrirePageHTML(test.grid, test.directory, test.sort, context, control);
        ASSERT_EQ(result.status, PageStatus::Written) << qPrintable(result.failure.reason);
        EXPECT_EQ(result.path, test.directory + u'/' + test.pageName);
        EXPECT_EQ(pageAt(result.path), expectedPage(QString::fromUtf8(test.fixture), root));
    }

    // The copies sit beside the page under the prefix and their suffix; with deletion off the options page
    // left the older page alone (the defaults page overwrote it first, then the copied page kept it).
    EXPECT_EQ(readFile(docs + u"/Liste #1 fond"_s), readFile(options.imageFond));
    EXPECT_EQ(readFile(docs + u"/Liste #1 en-tete"_s), readFile(options.imageEnTete));
    EXPECT_EQ(readFile(docs + u"/Liste #1 en-teteTableau"_s), readFile(options.imageDebutTableau));
    EXPECT_EQ(readFile(docs + u"/Liste #1 pied"_s), readFile(options.imagePied));
    EXPECT_TRUE(QFile::exists(docs + u"/Fichorama.html"_s));
}

TEST(SinglePage, DeletesOnlyItsOwnOldFiles)
{
    QTemporaryDir temp;
    const QStringList deleted = {
        u"Fichorama.html"_s, u"fichorama.HTML"_s,    u"Fichorama 5 décembre 2026 - 14 h 05.html"_s,
        u"FICHORAMA fond"_s, u"Fichorama en-tete"_s, u"Fichorama en-teteTableau"_s,
        u"Fichorama pied"_s};
    const QStringList kept = {u"Fichorama budget.xls"_s, u"Fichorama.htm"_s, u"Fichoramabis.html"_s,
                              u"Fichorama fond.jpg"_s,   u"rapport.html"_s,  u"Fichorama 2026.html.bak"_s};
    for (const QString &name : deleted + kept)
        writeFile(temp.filePath(name), "x");
    deleteOldPages(temp.path(), u"Fichorama"_s);
    for (const QString &name : deleted + kept)
        EXPECT_EQ(QFile::exists(temp.filePath(name)), kept.contains(name)) << qPrintable(name);
}

TEST(CombinedPage, MatchesHandWrittenPages)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString root = temp.path();
    for (const char *name : {"un", "vide", "quatre", "pages"})
        QDir().mkpath(root + u'/' + QString::fromUtf8(name));
    const QString un = root + u"/un"_s, vide = root + u"/vide"_s, quatre = root + u"/quatre"_s;

    const QStringList captions = {u"Nom"_s, u" Pages"_s};
    std::map<QString, DocumentGrid> grids = {
        {un, makeGrid(captions, {{u"a.doc"_s, u"4"_s}, {u"b&c.doc"_s, {}}})},
        {vide, makeGrid(captions, {})},
        {quatre, makeGrid(captions, {{u"q.doc"_s, u"1"_s}})},
    };
    QStringList listed;
    const ListDirectory listDirectory = [&](const QString &path) {
        listed << path;
        return ListedDirectory{grids.at(path), path};
    };

    struct Case
    {
        const char *fixture;
        HtmlSettings html;
        qint16 language;
        SortState sort;
        GridList entries;
        QStringList listed;
    };
    std::vector<Case> cases;

    HtmlSettings full;
    full.pathListeTableaux = root + u"/pages"_s;
    full.imageDebutTableau = makeImage(root, u"puce.gif"_s);
    full.texteEnTete = u"<h1>%Date</h1>"_s;
    full.textePied = u"<p>%Computer</p>"_s;
    cases.push_back({"combined.html", full, 0, SortState{0, true},
                     GridList{{un, true}, {root + u"/disparu"_s, true}, {vide, true}, {quatre, false}},
                     QStringList{un, vide}});

    HtmlSettings none;
    none.pathListeTableaux = root + u"/pages"_s;
    cases.push_back({"combined_none.html", none, 1, SortState{0, true}, GridList{{un, false}, {vide, false}},
                     QStringList()});

    HtmlSettings plain = none;
    plain.indexListes = false;
    plain.totalDocuments = false;
    plain.renvoiALaLigne = true;
    cases.push_back({"combined_plain.html", plain, 1, SortState{1, false}, GridList{{vide, true}, {un, true}},
                     QStringList{vide, un}});

    for (const Case &test : cases) {
        SCOPED_TRACE(test.fixture);
        listed.clear();
        const PageContext context = contextOf(test.html, test.language);
        JobControl control;
        const PageResult result = writeCombinedPage(test.entries, test.sort, context, listDirectory, control);
        ASSERT_EQ(result.status, PageStatus::Written) << qPrintable(result.failure.reason);
        EXPECT_EQ(result.path, root + u"/pages/Fichorama.html"_s);
        EXPECT_EQ(pageAt(result.path), expectedPage(QString::fromUtf8(test.fixture), root));
        EXPECT_EQ(listed, test.listed);
    }
}

TEST(Pages, ALargeGridIsWrittenInRowOrderWhateverThreadEncodesIt)
{
    QTemporaryDir temp;
    HtmlSettings html;
    html.pathListeTableaux = temp.path();
    QList<QStringList> rows;
    for (int i = 0; i < 9000; ++i)
        rows.append({u"n%1.doc"_s.arg(i), u"été & %1"_s.arg(i)});
    JobControl control;
    ASSERT_EQ(
        EcrirePageHTML(makeGrid({u"Nom"_s, u"Titre"_s}, rows), temp.path(), {}, contextOf(html), control)
            .status,
        PageStatus::Written);
    const QByteArray page = readFile(temp.filePath(u"Fichorama.html"_s));
    EXPECT_EQ(page.count("<tr>"), 9001);
    qsizetype at = 0;
    for (int i = 0; i < 9000; ++i) {
        const QByteArray cell = "<td nowrap>\xE9t\xE9 &amp; " + QByteArray::number(i) + "</td>";
        at = page.indexOf(cell, at);
        ASSERT_GE(at, 0) << "row " << i << " missing or out of order";
    }
    EXPECT_EQ(control.value(), 9000);
}

TEST(Pages, RefuseEmptyInputAndTouchNothing)
{
    QTemporaryDir temp;
    writeFile(temp.filePath(u"Fichorama.html"_s), "old");
    HtmlSettings html;
    html.pathListeTableaux = temp.path();
    const PageContext context = contextOf(html);

    const DocumentGrid empty = makeGrid({u"Nom"_s}, {});
    JobControl control;
    EXPECT_EQ(EcrirePageHTML(empty, temp.path(), {}, context, control).status, PageStatus::NothingToWrite);
    bool listed = false;
    const ListDirectory listDirectory = [&](const QString &path) {
        listed = true;
        return ListedDirectory{makeGrid({u"Nom"_s}, {{u"a.doc"_s}}), path};
    };
    const PageResult combined = writeCombinedPage({}, {}, context, listDirectory, control);
    EXPECT_EQ(combined.status, PageStatus::NothingToWrite);
    EXPECT_FALSE(listed);
    EXPECT_EQ(readFile(temp.filePath(u"Fichorama.html"_s)), QByteArray("old"));

    // A cancelled page leaves the older one whole.
    control.cancel();
    const DocumentGrid grid = makeGrid({u"Nom"_s}, {{u"a.doc"_s}, {u"b.doc"_s}});
    EXPECT_EQ(EcrirePageHTML(grid, temp.path(), {}, context, control).status, PageStatus::Cancelled);
    EXPECT_EQ(writeCombinedPage({{temp.path(), true}}, {}, context, listDirectory, control).status,
              PageStatus::Cancelled);
    EXPECT_EQ(readFile(temp.filePath(u"Fichorama.html"_s)), QByteArray("old"));
}

TEST(Pages, ReportFilesThatCannotBeWritten)
{
    // A directory below a regular file cannot be created or written, even by root.
    NativeTemporaryDir temp;
    writeFile(temp.filePath(u"fichier"_s), "x");
    const QString blocked = temp.filePath(u"fichier/docs"_s);
    const DocumentGrid grid = makeGrid({u"Nom"_s}, {{u"a.doc"_s}});

    HtmlSettings html;
    html.pathListeTableaux = blocked;
    const PageContext context = contextOf(html);
    JobControl control;
    PageResult result = EcrirePageHTML(grid, blocked, {}, context, control);
    EXPECT_EQ(result.status, PageStatus::Failed);
    EXPECT_EQ(result.failure.path, blocked + u"/Fichorama.html"_s);
    EXPECT_FALSE(result.failure.reason.isEmpty());

    result = writeCombinedPage(
        {{temp.path(), true}}, {}, context,
        [&](const QString &path) {
            return ListedDirectory{grid, path};
        },
        control);
    EXPECT_EQ(result.status, PageStatus::Failed);
    EXPECT_EQ(result.failure.path, blocked + u"/Fichorama.html"_s);

    HtmlSettings copying;
    copying.imagesSuivent = true;
    copying.imagePied = makeImage(temp.path(), u"pied.png"_s);
    const PageContext copyContext = contextOf(copying);
    result = EcrirePageHTML(grid, blocked, {}, copyContext, control);
    EXPECT_EQ(result.status, PageStatus::Failed);
    EXPECT_EQ(result.failure.path, blocked + u"/Fichorama pied"_s);

    // A directory whose name is not UTF-8 is refused by its shown name, and nothing is written into it.
    const QString raw = temp.path() + u'/' + fromNativeBytes("d\xE9");
    makeNativeDirectory(raw);
    result = EcrirePageHTML(grid, raw, {}, contextOf(HtmlSettings{}, 0), control);
    EXPECT_EQ(result.status, PageStatus::Failed);
    EXPECT_EQ(result.failure.path, temp.path() + u"/d\uFFFD/Fichorama.html"_s);
    EXPECT_FALSE(fileStatus(raw + u"/Fichorama.html"_s).exists);
}

TEST(Pages, LinkEveryNameToItsOwnFile)
{
    NativeTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString root = temp.path();
    const struct
    {
        QString name;     // native form
        QString href;     // in the page beside the documents
        QString fullPath; // in the combined page, after the directory and "/"
    } cases[] = {
        {u"rapport final.doc"_s, u"rapport final.doc"_s, u"rapport final.doc"_s},
        {u"javascript:document.title='x';[].doc"_s, u"./javascript:document.title='x';[].doc"_s,
         u"javascript:document.title='x';[].doc"_s},
        {u"http:\\\\example.invalid\\report.doc"_s, u"./http:%5C%5Cexample.invalid%5Creport.doc"_s,
         u"http:%5C%5Cexample.invalid%5Creport.doc"_s},
        {u"a\tb\r\nc.doc"_s, u"a%09b%0D%0Ac.doc"_s, u"a%09b%0D%0Ac.doc"_s},
        {u"  bords.doc "_s, u"%20%20bords.doc%20"_s,
         u"  bords.doc%20"_s}, // only the page's ends are stripped
        {u"c|"_s, u"c%7C"_s, u"c%7C"_s},
        {u"x\u0085y.doc"_s, u"x%C2%85y.doc"_s, u"x%C2%85y.doc"_s},
        {fromNativeBytes("r\xE9sum\xE9.doc"), u"r%E9sum%E9.doc"_s, u"r%E9sum%E9.doc"_s},
    };
    DocumentGrid grid = makeGrid({u"Nom"_s}, {});
    for (const auto &c : cases)
        grid.appendRow(GridRow{.cells = {displayName(c.name)}, .fileName = c.name});
    const HtmlSettings html;
    const PageContext context = contextOf(html);
    JobControl control;
    const PageResult single = EcrirePageHTML(grid, root, {}, context, control);
    ASSERT_EQ(single.status, PageStatus::Written) << qPrintable(single.failure.reason);
    const QByteArray page = readFile(single.path);
    EXPECT_TRUE(page.contains("<a href=\"r%E9sum%E9.doc\">r&#65533;sum&#65533;.doc</td>"));

    // The combined page links by full paths, with the directories' odd characters encoded too.
    const QString odd = root + u"/ a\\b "_s;
    const QString raw = root + u'/' + fromNativeBytes("d\xE9");
    QDir().mkpath(odd);
    makeNativeDirectory(raw);
    HtmlSettings combinedHtml;
    combinedHtml.pathListeTableaux = root;
    const PageContext combinedContext = contextOf(combinedHtml);
    const PageResult combined = writeCombinedPage(
        {{odd, true}, {raw, true}}, {}, combinedContext,
        [&](const QString &path) {
            return ListedDirectory{grid, path};
        },
        control);
    ASSERT_EQ(combined.status, PageStatus::Written) << qPrintable(combined.failure.reason);
    const QByteArray combinedPage = readFile(combined.path);
    EXPECT_TRUE(combinedPage.contains(u"<a href=\"#2\">"_s.toLatin1() + root.toUtf8() + "/d&#65533;</a>"));

    for (const auto &c : cases) {
        SCOPED_TRACE(qPrintable(c.href));
        EXPECT_TRUE(page.contains("<a href=\"" + c.href.toLatin1() + "\">"));
        for (const QString &directory : {root + u"/ a%5Cb "_s, root + u"/d%E9"_s}) {
            const QString link = directory + u'/' + c.fullPath;
            EXPECT_TRUE(combinedPage.contains("<a href=\"" + link.toUtf8() + "\">")) << qPrintable(link);
        }
    }
}
