#include "cli/command_line.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(CommandLineParsing, CommandsOptionsAndErrors)
{
    QString error;
    // The words of `line`, split at each blank.
    auto parse = [&](const char *line) {
        return parseCommandLine(QString::fromUtf8(line).split(u' '), &error);
    };

    const auto window = parse("--settings /s -platform offscreen");
    ASSERT_TRUE(window);
    EXPECT_EQ(window->command, CommandLine::Command::Window);
    EXPECT_EQ(window->settingsDirectory, u"/s"_s);
    EXPECT_TRUE(window->directory.isEmpty());

    // One word naming a directory starts the window on it, made absolute for a running window.
    QTemporaryDir base;
    ASSERT_TRUE(QDir(base.path()).mkdir(u"docs"_s));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(base.path());
    const auto onDirectory = parse("./docs/ --settings /s");
    const auto twoDirectories = parse("docs docs");
    QDir::setCurrent(previous);
    ASSERT_TRUE(onDirectory);
    EXPECT_EQ(onDirectory->command, CommandLine::Command::Window);
    EXPECT_EQ(onDirectory->directory, QDir::cleanPath(base.path() + u"/docs"_s));
    EXPECT_FALSE(twoDirectories);

    const auto list = parse("--config Travail list /d --sort 3:desc --format csv --recursive");
    ASSERT_TRUE(list);
    EXPECT_EQ(list->command, CommandLine::Command::List);
    EXPECT_EQ(list->directory, u"/d"_s);
    EXPECT_EQ(list->configurationName, u"Travail"_s);
    EXPECT_EQ(list->sortColumn, 3);
    EXPECT_FALSE(list->sortAscending);
    EXPECT_EQ(list->format, TableFormat::Csv);
    EXPECT_TRUE(list->recursive);

    // The last two name a configuration that would lead out of the settings directory.
    for (const char *wrong :
         {"list --sort", "list a b", "html-list /d", "list --format xml", "bogus", "--bogus", "--settings",
          "html --recursive", "html --config ../outside/evil", "--config /tmp/evil"}) {
        SCOPED_TRACE(wrong);
        error.clear();
        EXPECT_FALSE(parse(wrong));
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(CommandLineParsing, ColumnKeysAreCheckedAndTheirFaultNamed)
{
    const struct
    {
        const char *command;
        const char *list;
        const char *named; // in the message; empty when the list is right
    } cases[] = {
        {"list", "title, name,saved", ""},
        {"list", "all", ""},
        {"list", "titre", "\"titre\""},
        {"list", "Title", "\"Title\""},
        {"list", "name,saved,name", "\"name\" given twice"},
        {"list", "name,,title", "empty"},
        {"list", "", "empty"},
        {"list", "all,title", "all stands alone"},
        {"html", "title", "list only"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.command) + " --columns " + c.list);
        QString error;
        const auto line =
            parseCommandLine({QLatin1String(c.command), u"--columns"_s, QString::fromUtf8(c.list)}, &error);
        EXPECT_EQ(line.has_value(), *c.named == '\0') << qPrintable(error);
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.named))) << qPrintable(error);
    }
    const QString help = usageText();
    for (const PropertyColumn &column : kPropertyColumns)
        EXPECT_TRUE(help.contains(column.englishKey)) << qPrintable(column.englishKey.toString());
}
