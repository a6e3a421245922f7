#include "cli/command_line.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(CommandLineParsing, CommandsOptionsAndErrors)
{
    QString error;
    auto parse = [&](const QStringList &arguments) { return parseCommandLine(arguments, &error); };

    const auto window = parse({QStringLiteral("--settings"), QStringLiteral("/s"),
                               QStringLiteral("-platform"), QStringLiteral("offscreen")});
    ASSERT_TRUE(window);
    EXPECT_EQ(window->command, CommandLine::Command::Window);
    EXPECT_EQ(window->settingsDirectory, QStringLiteral("/s"));
    EXPECT_TRUE(window->directory.isEmpty());

    // One word naming a directory starts the window on it, made absolute for a running window.
    QTemporaryDir base;
    ASSERT_TRUE(QDir(base.path()).mkdir(QStringLiteral("docs")));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(base.path());
    const auto onDirectory =
        parse({QStringLiteral("./docs/"), QStringLiteral("--settings"), QStringLiteral("/s")});
    const auto twoDirectories = parse({QStringLiteral("docs"), QStringLiteral("docs")});
    QDir::setCurrent(previous);
    ASSERT_TRUE(onDirectory);
    EXPECT_EQ(onDirectory->command, CommandLine::Command::Window);
    EXPECT_EQ(onDirectory->directory, QDir::cleanPath(base.path() + QStringLiteral("/docs")));
    EXPECT_FALSE(twoDirectories);

    const auto list =
        parse({QStringLiteral("--config"), QStringLiteral("Travail"), QStringLiteral("list"),
               QStringLiteral("/d"), QStringLiteral("--sort"), QStringLiteral("3:desc"),
               QStringLiteral("--format"), QStringLiteral("csv"), QStringLiteral("--recursive")});
    ASSERT_TRUE(list);
    EXPECT_EQ(list->command, CommandLine::Command::List);
    EXPECT_EQ(list->directory, QStringLiteral("/d"));
    EXPECT_EQ(list->configurationName, QStringLiteral("Travail"));
    EXPECT_EQ(list->sortColumn, 3);
    EXPECT_FALSE(list->sortAscending);
    EXPECT_EQ(list->format, TableFormat::Csv);
    EXPECT_TRUE(list->recursive);

    for (const QStringList &wrong :
         {QStringList{QStringLiteral("list"), QStringLiteral("--sort")},
          QStringList{QStringLiteral("list"), QStringLiteral("a"), QStringLiteral("b")},
          QStringList{QStringLiteral("html-list"), QStringLiteral("/d")},
          QStringList{QStringLiteral("list"), QStringLiteral("--format"), QStringLiteral("xml")},
          QStringList{QStringLiteral("bogus")}, QStringList{QStringLiteral("--bogus")},
          QStringList{QStringLiteral("--settings")},
          QStringList{QStringLiteral("html"), QStringLiteral("--recursive")},
          // A configuration name that would lead out of the settings directory.
          QStringList{QStringLiteral("html"), QStringLiteral("--config"), QStringLiteral("../outside/evil")},
          QStringList{QStringLiteral("--config"), QStringLiteral("/tmp/evil")}}) {
        SCOPED_TRACE(qPrintable(wrong.join(QLatin1Char(' '))));
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
        const auto line = parseCommandLine(
            {QLatin1String(c.command), QStringLiteral("--columns"), QString::fromUtf8(c.list)}, &error);
        EXPECT_EQ(line.has_value(), *c.named == '\0') << qPrintable(error);
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.named))) << qPrintable(error);
    }
    const QString help = usageText();
    for (const PropertyColumn &column : kPropertyColumns)
        EXPECT_TRUE(help.contains(column.englishKey)) << qPrintable(column.englishKey.toString());
}
