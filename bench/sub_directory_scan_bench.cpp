// Adding a tree of 20,000 directories with all its sub-directories: the scan alone, and the whole Add of
// the add-grids dialog (scan beside the dialog, confirmation, insertion into the organiser's list), from a
// warm cache.
// Run: build/bench/sub_directory_scan_bench [--tree DIR]   (DIR: where to build the tree; default /tmp)
#include "gridlist/add_grids_dialog.h"
#include "gridlist/sub_directory_scan.h"
#include "platform/directory_list.h"
#include "platform/prompter.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
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

void scanTree(benchmark::State &state, const QString &root)
{
    qint64 found = 0;
    for (auto _ : state) {
        JobControl control;
        found = ListerSousDossiers(root, control).directories.size();
    }
    state.counters["directories"] = double(found);
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
        // The scan runs beside the dialog; the addition follows in the event loop.
        while (dialog.isScanning())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
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
    JobControl warm;
    ListerSousDossiers(root, warm); // warm the cache

    benchmark::RegisterBenchmark("ListerSousDossiers/20020", scanTree, root)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("AddGridsDialog/add-with-sub-directories/20020", addTreeInDialog, root)
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
