// Start-up reads of the configuration and the write of "Repertoire" that every listing makes.
#include "config/configuration_loader.h"
#include "config/configuration_writes.h"
#include "listing/property_columns.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A configuration file as a long-used program leaves it: every key set, long header and footer texts.
struct FullConfiguration
{
    QTemporaryDir dir;
    ConfigurationPaths paths{dir.path(), QStringLiteral("Fichorama")};
    IniFile ini{paths.iniPath()};

    FullConfiguration()
    {
        DisplayedColumns all;
        all.fill(true);
        (void)writeDisplayedColumns(ini, all);
        HtmlSettings html;
        html.texteEnTete = QString(254, u'h');
        html.texteEnTete2 = QString(254, u'h');
        html.textePied = QString(200, u'f');
        (void)writeHtmlSettings(ini, html);
        for (OptionFlag flag : {OptionFlag::InclureTout, OptionFlag::InclurePDF, OptionFlag::Surligner})
            (void)writeOptionFlag(ini, flag, true);
        DocumentGrid grid;
        ConstruireColonnes(grid, ini, 1);
        (void)ReinitialiserLargeurs(grid, ini, 12000);
        (void)writeDirectory(ini, QStringLiteral("/home/user/Documents"));
    }
};

void startUpReads(benchmark::State &state)
{
    FullConfiguration config;
    DocumentGrid grid;
    for (auto _ : state) {
        Settings settings = ChargerConfiguration(config.paths, QStringLiteral("/"));
        ConstruireColonnes(grid, config.ini, settings.language);
        LireLargeurs(grid, config.ini, 12000);
        benchmark::DoNotOptimize(settings);
    }
}
BENCHMARK(startUpReads)->Unit(benchmark::kMicrosecond);

void listingWritesSameDirectory(benchmark::State &state)
{
    FullConfiguration config;
    for (auto _ : state)
        benchmark::DoNotOptimize(writeDirectory(config.ini, QStringLiteral("/home/user/Documents")));
}
BENCHMARK(listingWritesSameDirectory)->Unit(benchmark::kMicrosecond);

void listingWritesOtherDirectory(benchmark::State &state)
{
    FullConfiguration config;
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        benchmark::DoNotOptimize(
            writeDirectory(config.ini, flip ? QStringLiteral("/a") : QStringLiteral("/b")));
    }
}
BENCHMARK(listingWritesOtherDirectory)->Unit(benchmark::kMicrosecond);

} // namespace
