#include "platform/ini_file.h"
#include "support/test_files.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

struct IniFixture
{
    QTemporaryDir dir;
    QString path(const QString &name = u"Fichorama.ini"_s) const { return dir.filePath(name); }
};

} // namespace

TEST(IniFile, ReadRules)
{
    IniFixture fixture;
    const QString longValue(300, u'x');
    const QString accented = QString(253, u'é') + u"😀😀"_s;
    writeFile(fixture.path(),
              "Orphan=before any section\r\n[Configuration]\r\nLangue=1\r\n  repertoire  =  /home/a b  \r\n"
              "Vide=\r\nQuote=\"quoted\"\r\n;Commente=1\r\nLangue=2\r\nLong=" +
                  longValue.toUtf8() + "\r\nAccents=" + accented.toUtf8() +
                  "\r\n[html]\nPrefixeTableau=Rapport=2024\n[Configuration]\r\nSecond=1");
    struct Case
    {
        const char *section, *key;
        QString expected;
    };
    const Case cases[] = {
        {"Configuration", "Langue", "1"},                 // the first of two equal keys
        {"CONFIGURATION", "REPERTOIRE", "  /home/a b  "}, // case-insensitive, value as stored
        {"Configuration", "Vide", ""},
        {"Configuration", "Absente", ""},
        {"Configuration", "Quote", "\"quoted\""},
        {"Configuration", ";Commente", ""},
        {"Configuration", "Commente", ""},
        {"Configuration", "Orphan", ""},
        {"Configuration", "Long", QString(254, u'x')},
        {"Configuration", "Accents", QString(253, u'é') + u"😀"_s}, // the limit counts characters
        {"HTML", "PrefixeTableau", "Rapport=2024"},                // LF line ends
        {"Configuration", "Second", ""},                           // only the first section of a name counts
        {"Absente", "Langue", ""},
    };
    const IniFile ini(fixture.path());
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(ini.read(QString::fromLatin1(c.section), QString::fromLatin1(c.key)), c.expected);
    }
}

TEST(IniFile, WriteKeepsEveryOtherLineByteForByte)
{
    IniFixture fixture;
    const QByteArray before = "; written by hand\r\n"
                              "\r\n"
                              "[Configuration]\r\n"
                              "Inconnue = garde\r\n"
                              "Langue=0\r\n"
                              "ligne sans signe\r\n"
                              "\r\n"
                              "; about HTML\n"
                              "[HTML]\n"
                              "ImageFond=  fond.gif  \n"
                              "[Autre]\r\n"
                              "x=1";
    writeFile(fixture.path(), before);
    IniFile ini(fixture.path());
    ASSERT_FALSE(ini.write(u"configuration", u"LANGUE", u"1"_s));
    ASSERT_FALSE(ini.write(u"Configuration", u"Repertoire", u"/data"_s));
    ASSERT_FALSE(ini.write(u"Autre", u"y", u"2"_s));
    ASSERT_FALSE(ini.write(u"Proprietes", u"Sujet", u"1"_s));
    ASSERT_FALSE(ini.write(u"HTML", u"PrefixeTableau", u"a\r\nb"_s));
    // Only the written values change: a new key follows its section's last value, a new section comes last.
    QByteArray after = before;
    after.replace("Langue=0\r\n", "Langue=1\r\nRepertoire=/data\r\n")
        .replace("fond.gif  \n", "fond.gif  \nPrefixeTableau=a  b\r\n")
        .replace("x=1", "x=1\r\ny=2\r\n[Proprietes]\r\nSujet=1\r\n");
    EXPECT_EQ(readFile(fixture.path()), after);
}

TEST(IniFile, WriteCreatesMissingFileAndDirectories)
{
    IniFixture fixture;
    const QString path = fixture.dir.filePath(u"a/b/Fichorama.ini"_s);
    IniFile ini(path);
    ASSERT_FALSE(ini.write(u"Configuration", u"Repertoire", u"/données"_s));
    EXPECT_EQ(readFile(path), QByteArray("[Configuration]\r\nRepertoire=/donn\xC3\xA9"
                                         "es\r\n"));
}

TEST(IniFile, OlderWindows1252File)
{
    IniFixture fixture;
    const QByteArray before = "[HTML]\r\nTexteEnTete=Caf\xE9 cr\xE8me \x80 5\r\nImagePied=pied.gif\r\n";
    writeFile(fixture.path(), before);
    IniFile ini(fixture.path());
    EXPECT_EQ(ini.read(u"HTML", u"TexteEnTete"), u"Café crème € 5"_s);

    // New lines take the file's encoding, so that the file stays readable as one encoding.
    ASSERT_FALSE(ini.write(u"HTML", u"ImagePied", u"Pi\u00e9d.gif"_s));
    EXPECT_EQ(readFile(fixture.path()),
              QByteArray("[HTML]\r\nTexteEnTete=Caf\xE9 cr\xE8me \x80 5\r\nImagePied=Pi\xE9"
                         "d.gif\r\n"));

    // A character Windows-1252 cannot hold moves the file to UTF-8 with every text kept.
    ASSERT_FALSE(ini.write(u"HTML", u"TextePied", u"Жж"_s));
    EXPECT_EQ(ini.read(u"HTML", u"TexteEnTete"), u"Café crème € 5"_s);
    EXPECT_EQ(ini.read(u"HTML", u"ImagePied"), u"Piéd.gif"_s);
    EXPECT_EQ(ini.read(u"HTML", u"TextePied"), u"Жж"_s);
}

TEST(IniFile, CarriageReturnAloneEndsALine)
{
    IniFixture fixture;
    writeFile(fixture.path(),
              "[Configuration]\rLangue=1\rRepertoire=/data\r\r[HTML]\r\nPrefixeTableau=Liste\n");
    IniFile ini(fixture.path());
    EXPECT_EQ(ini.read(u"Configuration", u"Langue"), u"1"_s);
    EXPECT_EQ(ini.read(u"Configuration", u"Repertoire"), u"/data"_s);
    EXPECT_EQ(ini.read(u"HTML", u"PrefixeTableau"), u"Liste"_s);
    ASSERT_FALSE(ini.write(u"Configuration", u"Langue", u"0"_s));
    EXPECT_EQ(
        readFile(fixture.path()),
        QByteArray("[Configuration]\rLangue=0\r\nRepertoire=/data\r\r[HTML]\r\nPrefixeTableau=Liste\n"));
}

TEST(IniFile, OnlyRegularFilesAreReadAndNoneIsReplaced)
{
    IniFixture fixture;
    const QString pipe = fixture.path(u"pipe.ini"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString endless = fixture.path(u"zero.ini"_s);
    ASSERT_TRUE(QFile::link(u"/dev/zero"_s, endless));
    // Past the 16 MiB a settings file may hold; sparse, so it costs no disk.
    const QString huge = fixture.path(u"huge.ini"_s);
    writeFile(huge, "[S]\r\nK=v\r\n");
    ASSERT_TRUE(QFile::resize(huge, 16 * 1024 * 1024 + 1));
    // A directory in the file's place cannot be read, even by root; nor can a file below a regular file.
    const QString directory = fixture.path(u"directory.ini"_s);
    ASSERT_TRUE(QDir().mkpath(directory));
    writeFile(fixture.path(u"file"_s), "not a directory");
    QStringList paths = {pipe, endless, huge, directory, fixture.path(u"file/Fichorama.ini"_s)};
    // Permissions do not stop root.
    if (geteuid() != 0) {
        paths << fixture.path(u"locked.ini"_s);
        writeFile(paths.last(), "[S]\r\nK=v\r\n");
        QFile::setPermissions(paths.last(), QFileDevice::WriteOwner);
    }

    for (const QString &path : paths) {
        SCOPED_TRACE(qPrintable(path));
        IniFile ini(path);
        EXPECT_EQ(ini.read(u"S", u"K"), QString()); // and returns at once
        const std::optional<WriteFailure> failure = ini.write(u"S", u"K", u"w"_s);
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->path, path);
        EXPECT_FALSE(failure->reason.isEmpty());
    }
    EXPECT_TRUE(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());
    EXPECT_TRUE(QFileInfo(endless).isSymLink());
    EXPECT_EQ(QFileInfo(huge).size(), 16 * 1024 * 1024 + 1);
    EXPECT_TRUE(QFileInfo(directory).isDir());
}
