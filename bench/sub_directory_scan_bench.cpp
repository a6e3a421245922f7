// Adding a tree of 20,000 directories with all its sub-directories: the scan alone, and the whole Add of
// the add-grids dialog (scan, confirmation, insertion into the organiser's list), from a warm cache.
// Run: build/bench/sub_directory_scan_bench [--tree DIR]   (DIR: where to build the tree; default /tmp)
#include "gridlist/add_grids_dialog.h"
#include "gridlist/sub_directory_scan.h"
#include "platform/directory_list.h"
#include "platform/prompter.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstring>

namespace {

// 20 directories, each with 20, each with 49: 20,020 directories below the root of the tree.
constexpr int kTop = 20;
constexpr int kMiddle = 20;
constexpr int kLeaves = 49;

bool buildTree(const QString &root)
{
    for (int a = 0; a < kTop; ++a) {
        for (int b = 0; b < kMiddle; ++b) {
            const QString middle = QStringLiteral("%1/dossier %2/sous-dossier %3").arg(root).arg(a).arg(b);
            for (int c = 0; c < kLeaves; ++c) {
                if (!QDir().mkpath(middle + QStringLiteral("/feuille %1").arg(c)))
                    return false;
            }
        }
    }
    return true;
}

// The dialog's progress callback: a counter update and window events at most every 20 ms. Reports the
// longest time between two calls, which bounds how long the window goes without events.
struct ProgressProbe
{
    QElapsedTimer clock;
    qint64 lastCall = 0;
    qint64 longestGap = 0;
    qint64 slices = 0;
    qint64 lastSlice = 0;

    bool operator()(qint64)
    {
        const qint64 now = clock.nsecsElapsed();
        longestGap = std::max(longestGap, now - lastCall);
        lastCall = now;
        if (now - lastSlice >= 20'000'000) {
            lastSlice = now;
            ++slices;
            QApplication::processEvents();
        }
        return true;
    }
};

void scanTree(benchmark::State &state, const QString &root)
{
    qint64 found = 0;
    qint64 longestGap = 0;
    qint64 slices = 0;
    for (auto _ : state) {
        ProgressProbe probe;
        probe.clock.start();
        const SubDirectoryList scan = ListerSousDossiers(root, std::ref(probe));
        found = scan.directories.size();
        longestGap = std::max(longestGap, probe.longestGap);
        slices += probe.slices;
    }
    state.counters["directories"] = double(found);
    state.counters["event_slices"] = benchmark::Counter(double(slices), benchmark::Counter::kAvgIterations);
    state.counters["longest_gap_ms"] = double(longestGap) / 1e6;
}

// Answers Yes to the confirmation and records nothing else.
class YesPrompter : public Prompter
{
public:
    void showInformation(const QString &) override {}
    void showExclamation(const QString &) override {}
    void showError(const QString &) override {}
    bool askYesNo(const QString &, DefaultAnswer) override { return true; }
    std::optional<QString> askText(const QString &, const QString &) override { return std::nullopt; }
};

void addTreeInDialog(benchmark::State &state, const QString &root)
{
    YesPrompter prompter;
    OrganizerContext context;
    context.prompter = &prompter;
    context.listedDirectory = [root] { return root; };
    qint64 added = 0;
    for (auto _ : state) {
        state.PauseTiming();
        GridListOrganizerDialog organizer({}, context);
        AddGridsDialog dialog(organizer, context);
        dialog.findChild<DirectoryList *>(QStringLiteral("Chemins"))->setPath(root);
        dialog.findChild<QCheckBox *>(QStringLiteral("chkSousDossiers"))->setChecked(true);
        auto *add = dialog.findChild<QPushButton *>(QStringLiteral("cmdOK"));
        state.ResumeTiming();
        add->click();
        added = organizer.entries().size();
    }
    state.counters["entries_added"] = double(added);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QString base = QDir::tempPath();
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--tree") == 0)
            base = QString::fromLocal8Bit(argv[i + 1]);
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    QTemporaryDir tree(base + QStringLiteral("/fichorama-tree-XXXXXX"));
    if (!tree.isValid() || !buildTree(tree.path())) {
        std::fprintf(stderr, "cannot build the tree under %s\n", qPrintable(base));
        return 1;
    }
    const QString root = QDir::cleanPath(tree.path());
    ListerSousDossiers(root); // warm the cache

    benchmark::RegisterBenchmark("ListerSousDossiers/20020", scanTree, root)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("AddGridsDialog/add-with-sub-directories/20020", addTreeInDialog, root)
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
