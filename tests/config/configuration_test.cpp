#include "config/configuration_loader.h"
#include "config/configuration_writes.h"
#include "config/settings_directory.h"
#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A settings directory with the configuration "Fichorama" in it.
struct ConfigFixture
{
    QTemporaryDir dir;
    ConfigurationPaths paths{dir.path(), u"Fichorama"_s};
    Settings load() const { return ChargerConfiguration(paths, u"/current"_s); }
    void store(const QByteArray &lines) { writeFile(paths.iniPath(), lines); }
};

} // namespace

TEST(SettingsDirectory, Resolution)
{
    struct Case
    {
        const char *name;
        SettingsDirectorySources sources;
        const char *expected;
    };
    const Case cases[] = {
        {"command line wins", {"/opt/s/../cfg/", "/usr/bin", true, "/x", "/home/u", "/usr"}, "/opt/cfg"},
        {"portable", {"", "/opt/fichorama", true, "/x", "/home/u", "/usr/local"}, "/opt/fichorama"},
        {"portable beside the prefix", {"", "/opt/fbin", true, "/x", "/home/u", "/opt/f"}, "/opt/fbin"},
        {"installed, root can write", {"", "/usr/bin", true, "/x", "/home/u", "/usr"}, "/x/fichorama"},
        {"below /usr", {"", "/usr/local/bin", true, "/x", "/home/u", "/opt/f"}, "/x/fichorama"},
        {"below the prefix", {"", "/opt/f/bin/", true, "/x", "/home/u", "/opt/f"}, "/x/fichorama"},
        {"xdg", {"", "/usr/bin", false, "/x/conf", "/home/u", "/usr"}, "/x/conf/fichorama"},
        {"home", {"", "/usr/bin", false, "", "/home/u", "/usr"}, "/home/u/.config/fichorama"},
        {"relative xdg ignored",
         {"", "/usr/bin", false, "conf", "/home/u", "/usr"},
         "/home/u/.config/fichorama"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(resolveSettingsDirectory(c.sources), QString::fromLatin1(c.expected));
    }
    EXPECT_EQ(ConfigurationPaths(u"/"_s, u"Bureau"_s).gridListPath(), u"/Bureau.txt"_s);
}

TEST(Configuration, NameFromSelectorFile)
{
    QTemporaryDir dir;
    IniFile selector(ConfigurationPaths::selectorPath(dir.path()));
    EXPECT_EQ(readConfigurationName(selector), u"Fichorama"_s);
    writeFile(selector.path(), "[Configuration]\r\nNom=\r\n");
    EXPECT_EQ(readConfigurationName(selector), u"Fichorama"_s);
    ASSERT_FALSE(writeConfigurationName(selector, u"Bureau"_s));
    EXPECT_EQ(readConfigurationName(selector), u"Bureau"_s);
    EXPECT_EQ(readFile(selector.path()), QByteArray("[Configuration]\r\nNom=Bureau\r\n"));

    // A name edited into a path names a file of the settings directory all the same.
    const struct
    {
        const char *stored, *name;
    } edited[] = {
        {"../x", "..x"}, {"/tmp/outside/evil", "tmpoutsideevil"}, {"C:\\a*b?", "Cab"}, {"//", "Fichorama"}};
    for (const auto &c : edited) {
        SCOPED_TRACE(c.stored);
        writeFile(selector.path(), QByteArray("[Configuration]\r\nNom=") + c.stored + "\r\n");
        EXPECT_EQ(readConfigurationName(selector), QString::fromLatin1(c.name));
    }
}

TEST(Configuration, EmptySettingsDirectoryGivesDefaults)
{
    ConfigFixture fixture;
    const Settings s = fixture.load();
    EXPECT_EQ(s.language, 0);
    EXPECT_EQ(s.directory, u"/current"_s);
    EXPECT_FALSE(s.listing.includeAll || s.listing.includePdf || s.listing.includeHtml);
    EXPECT_TRUE(s.listing.includeHidden && s.highlight && s.toolTips && s.contextLines);
    EXPECT_EQ(s.linesPerCell, 1);
    EXPECT_EQ(s.html.prefixeTableau, u"Fichorama"_s);
    EXPECT_FALSE(s.html.ajouterDate || s.html.imagesSuivent || s.html.renvoiALaLigne);
    EXPECT_TRUE(s.html.effacerAnciensTableaux && s.html.indexListes && s.html.totalDocuments);
    EXPECT_EQ(s.html.pathListeTableaux, fixture.dir.path());
    EXPECT_EQ(s.html.couleurTitre, 65535);
    EXPECT_TRUE(s.html.headerText().isEmpty() && s.html.footerText().isEmpty() && s.html.imageFond.isEmpty());
    EXPECT_FALSE(QFile::exists(fixture.paths.iniPath())) << "loading writes nothing";
}

TEST(Configuration, FlagReadRules)
{
    using Flag = std::function<bool(const Settings &)>;
    struct Key
    {
        const char *section, *key;
        bool defaultOn;
        Flag flag;
    };
    const Key keys[] = {
        {"Configuration", "InclureTout", false, [](const Settings &s) { return s.listing.includeAll; }},
        {"Configuration", "InclurePDF", false, [](const Settings &s) { return s.listing.includePdf; }},
        {"Configuration", "InclureHTML", false, [](const Settings &s) { return s.listing.includeHtml; }},
        {"Configuration", "InclureCaches", true, [](const Settings &s) { return s.listing.includeHidden; }},
        {"Configuration", "Surligner", true, [](const Settings &s) { return s.highlight; }},
        {"Configuration", "ToolTips", true, [](const Settings &s) { return s.toolTips; }},
        {"Configuration", "Contextuel", true, [](const Settings &s) { return s.contextLines; }},
        {"HTML", "AjouterDate", false, [](const Settings &s) { return s.html.ajouterDate; }},
        {"HTML", "EffacerAnciensTableaux", true,
         [](const Settings &s) { return s.html.effacerAnciensTableaux; }},
        {"HTML", "ImagesSuivent", false, [](const Settings &s) { return s.html.imagesSuivent; }},
        {"HTML", "IndexListes", true, [](const Settings &s) { return s.html.indexListes; }},
        {"HTML", "RenvoiALaLigne", false, [](const Settings &s) { return s.html.renvoiALaLigne; }},
        {"HTML", "TotalDocuments", true, [](const Settings &s) { return s.html.totalDocuments; }},
    };
    // Stored text, and whether it turns a default-off flag on and a default-on flag off.
    const struct
    {
        const char *stored;
        bool offFlagOn, onFlagOff;
    } values[] = {{"1", true, false},    {"0", false, true},   {"", false, false},
                  {"yes", false, false}, {" 1", false, false}, {"00", false, false}};
    ConfigFixture fixture;
    for (const Key &k : keys) {
        for (const auto &v : values) {
            SCOPED_TRACE(std::string(k.key) + "=" + v.stored);
            fixture.store(QByteArray("[") + k.section + "]\r\n" + k.key + "=" + v.stored + "\r\n");
            EXPECT_EQ(k.flag(fixture.load()), k.defaultOn ? !v.onFlagOff : v.offFlagOn);
        }
    }
}

TEST(Configuration, NumberAndTextReadRules)
{
    ConfigFixture fixture;
    const QString existing = fixture.dir.filePath(u"pages"_s);
    ASSERT_TRUE(QDir().mkpath(existing));
    using Field = std::function<QString(const Settings &)>;
    const Field language = [](const Settings &s) { return QString::number(s.language); };
    const Field lines = [](const Settings &s) { return QString::number(s.linesPerCell); };
    const Field colour = [](const Settings &s) { return QString::number(s.html.couleurTitre); };
    const Field directory = [](const Settings &s) { return s.directory; };
    const Field prefix = [](const Settings &s) { return s.html.prefixeTableau; };
    const Field gridListDir = [](const Settings &s) { return s.html.pathListeTableaux; };
    const struct
    {
        QByteArray line;
        Field field;
        QString expected;
    } cases[] = {
        {"[Configuration]\r\nLangue=1", language, "1"},
        {"[Configuration]\r\nLangue= 1", language, "1"},
        {"[Configuration]\r\nLangue=2", language, "2"},
        {"[Configuration]\r\nLangue=abc", language, "0"},
        {"[Configuration]\r\nLignesTexte=2", lines, "2"},
        {"[Configuration]\r\nLignesTexte=3 lines", lines, "3"},
        {"[Configuration]\r\nLignesTexte=4", lines, "1"},
        {"[Configuration]\r\nLignesTexte=0", lines, "1"},
        {"[Configuration]\r\nLignesTexte=-2", lines, "1"},
        {"[HTML]\r\nCouleurTitre=255", colour, "255"},
        {"[HTML]\r\nCouleurTitre=0", colour, "0"},
        {"[HTML]\r\nCouleurTitre= 16711680", colour, "16711680"},
        {"[HTML]\r\nCouleurTitre=", colour, "65535"},
        {"[HTML]\r\nCouleurTitre=yellow", colour, "65535"},
        {"[HTML]\r\nCouleurTitre=99999999999", colour, "65535"},
        {"[Configuration]\r\nRepertoire=", directory, "/current"},
        {"[Configuration]\r\nRepertoire=/home/a b ", directory, "/home/a b "},
        {"[HTML]\r\nPrefixeTableau=", prefix, "Fichorama"},
        {"[HTML]\r\nPrefixeTableau=Rapport", prefix, "Rapport"},
        // A prefix edited into a path stays a name in the listed directory, as the layout dialog makes it.
        {"[HTML]\r\nPrefixeTableau=../escape", prefix, "..escape"},
        {"[HTML]\r\nPrefixeTableau=/", prefix, "Fichorama"},
        {"[HTML]\r\nPathListeTableaux=" + existing.toUtf8(), gridListDir, existing},
        {"[HTML]\r\nPathListeTableaux=" + existing.toUtf8() + "/gone", gridListDir, fixture.dir.path()},
        {"[HTML]\r\nPathListeTableaux=", gridListDir, fixture.dir.path()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line.constData());
        fixture.store(c.line + "\r\n");
        EXPECT_EQ(c.field(fixture.load()), c.expected);
    }
}

TEST(Configuration, WritePointsStoreTheirKeys)
{
    ConfigFixture fixture;
    IniFile ini(fixture.paths.iniPath());
    DocumentGrid grid;
    grid.setColumns({{u" Document"_s, ColumnAlignment::Left, 3000}});
    ASSERT_FALSE(writeOptionFlag(ini, OptionFlag::InclurePDF, true));
    ASSERT_FALSE(writeOptionFlag(ini, OptionFlag::Contextuel, false));
    ASSERT_FALSE(writeLinesPerCell(ini, 3));
    ASSERT_FALSE(writeLanguage(ini, 1));
    ASSERT_FALSE(writeDirectory(ini, u"/tmp"_s));
    const WindowPlacement placement{QRect(-1200, 40, 1600, 900), true};
    ASSERT_FALSE(writeShutDownState(ini, u"/données"_s, grid, placement));
    EXPECT_EQ(readFile(ini.path()),
              QByteArray("[Configuration]\r\nInclurePDF=1\r\nContextuel=0\r\nLignesTexte=3\r\n"
                         "Langue=1\r\nRepertoire=/donn\xC3\xA9"
                         "es\r\nLargeur0= 3000\r\nFenetreX=-1200\r\nFenetreY=40\r\nFenetreLargeur=1600\r\n"
                         "FenetreHauteur=900\r\nFenetreMaximisee=1\r\n"));
    EXPECT_EQ(readWindowPlacement(ini.load()), placement);
}

TEST(Configuration, AWindowPlacementWithAMissingOrDamagedNumberIsIgnored)
{
    ConfigFixture fixture;
    struct Case
    {
        const char *lines;
        std::optional<WindowPlacement> expected;
    };
    const Case cases[] = {
        {"FenetreX=10\r\nFenetreY=20\r\nFenetreLargeur=800\r\nFenetreHauteur=600\r\nFenetreMaximisee=oui\r\n",
         WindowPlacement{QRect(10, 20, 800, 600), false}},
        {"FenetreX=10\r\nFenetreY=20\r\nFenetreLargeur=800\r\n", std::nullopt},
        {"FenetreX=10\r\nFenetreY=20\r\nFenetreLargeur=0\r\nFenetreHauteur=600\r\n", std::nullopt},
        {"FenetreX=abc\r\nFenetreY=20\r\nFenetreLargeur=800\r\nFenetreHauteur=600\r\n", std::nullopt},
        {"FenetreX=1e12\r\nFenetreY=20\r\nFenetreLargeur=800\r\nFenetreHauteur=600\r\n", std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.lines);
        fixture.store(QByteArray("[Configuration]\r\n") + c.lines);
        EXPECT_EQ(readWindowPlacement(IniFile(fixture.paths.iniPath()).load()), c.expected);
    }
}

TEST(Configuration, HtmlSettingsRoundTripWithSplitTexts)
{
    ConfigFixture fixture;
    IniFile ini(fixture.paths.iniPath());
    struct Case
    {
        QString header, footer;
        int firstLength, restLength;
    };
    // Blanks, quotes, "=" and a character beyond the BMP at the cut must all come back exactly.
    const QString odd = u" <b>\"a=b\"</b> ; é "_s;
    const Case cases[] = {
        {QString(254, u'h'), QString(), 254, 0},
        {QString(253, u'h') + u"😀"_s + odd, odd, 254, int(odd.size())},
        {QString(300, u'h'), QString(508, u'f'), 254, 46},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.header.size());
        HtmlSettings html;
        html.prefixeTableau = u"Liste"_s;
        html.couleurTitre = 255;
        html.totalDocuments = false;
        const SplitText header = splitStoredText(c.header);
        html.texteEnTete = header.first;
        html.texteEnTete2 = header.rest;
        html.textePied = c.footer;
        ASSERT_FALSE(writeHtmlSettings(ini, html));
        const Settings s = fixture.load();
        EXPECT_EQ(s.html.headerText(), c.header);
        EXPECT_EQ(s.html.footerText(), c.footer);
        EXPECT_EQ(s.html.texteEnTete.toUcs4().size(), c.firstLength);
        EXPECT_EQ(s.html.texteEnTete2.size(), c.restLength);
        EXPECT_EQ(s.html.prefixeTableau, u"Liste"_s);
        EXPECT_EQ(s.html.couleurTitre, 255);
        EXPECT_FALSE(s.html.totalDocuments);
    }
    const QByteArray file = readFile(ini.path());
    EXPECT_TRUE(
        file.startsWith("[HTML]\r\nPrefixeTableau=Liste\r\nAjouterDate=0\r\nEffacerAnciensTableaux=1\r\n"
                        "ImagesSuivent=0\r\nPathListeTableaux=\r\nIndexListes=1\r\nTexteEnTete=hhh"));
}
