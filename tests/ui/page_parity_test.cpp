#include "gridlist/grid_list_file.h"
#include "main_window_fixture.h"

#include <QProcess>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// Runs the command line on the window's settings directory and returns the page it printed.
QString runCommandLine(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(FICHORAMA_EXECUTABLE), arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << qPrintable(process.errorString());
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

} // namespace

// The command line and the window's buttons write the same bytes for the same settings and sort.
TEST(PageParity, CommandLineWritesTheButtonsPages)
{
    WindowFixture f;
    f.writeConfiguration("Langue=1\r\n[Proprietes]\r\nPages=1\r\nCree=1\r\n");
    f.addDocuments();
    EXPECT_FALSE(EcrireListeTableaux(f.settingsPath(u"Fichorama.txt"_s),
                                     {{f.documentsPath(), true}, {f.settings.path(), false}}));
    f.start();

    f.find<QPushButton>("cmdHTML")->click();
    f.settle();
    const QString page = f.documentsPath() + u"/Fichorama.html"_s;
    const QByteArray fromButton = readFile(page);
    ASSERT_FALSE(fromButton.isEmpty());
    EXPECT_EQ(runCommandLine({u"html"_s, f.documentsPath(), u"--settings"_s, f.settings.path()}), page);
    EXPECT_EQ(readFile(page), fromButton);

    f.find<QPushButton>("cmdHTMLEnsemble")->click();
    f.settle();
    const QString combined = f.settingsPath(u"Fichorama.html"_s);
    const QByteArray combinedFromButton = readFile(combined);
    ASSERT_FALSE(combinedFromButton.isEmpty());
    EXPECT_EQ(runCommandLine({u"html-list"_s, u"--settings"_s, f.settings.path()}), combined);
    EXPECT_EQ(readFile(combined), combinedFromButton);
}
