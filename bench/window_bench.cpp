// Measures how long the main window's event loop waits while the window lists a directory: a 10 ms timer
// logs its own lateness from the start of the listing to the grid shown, and the whole listing is timed.
// Prints the longest gap between two ticks, the 99th percentile and the listing's time.
// Usage: window_bench SETTINGS_DIR DOCUMENTS_DIR [RUNS]
#include "platform/prompter.h"
#include "platform/shell.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The window must never ask anything while it lists; an answer of No keeps it from acting.
class SilentPrompter : public Prompter
{
public:
    void showInformation(const QString &text) override { report(text); }
    void showExclamation(const QString &text) override { report(text); }
    void showError(const QString &text) override { report(text); }
    bool askYesNo(const QString &text, DefaultAnswer) override { return report(text), false; }
    std::optional<QString> askText(const QString &text, const QString &) override
    {
        report(text);
        return std::nullopt;
    }

private:
    static void report(const QString &text) { std::fprintf(stderr, "message: %s\n", qPrintable(text)); }
};

class NoShell : public Shell
{
public:
    bool open(const QString &) override { return true; }
    void showProperties(const QString &, QWidget *) override {}
    std::optional<ShellFailure> moveToTrash(const QString &path) override { return ShellFailure{path, {}}; }
    std::optional<ShellFailure> rename(const QString &from, const QString &) override
    {
        return ShellFailure{from, {}};
    }
};

struct Run
{
    qint64 listingMs = 0;
    int rows = 0;
    std::vector<qint64> gaps;
};

// Waits in the event loop until the window has no listing left, then one tick more.
void settle(MainWindow &window)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!window.isListing())
            loop.quit();
    });
    poll.start(5);
    loop.exec();
}

Run measure(MainWindow &window, const QString &directory, const QString &elsewhere)
{
    Run run;
    QEventLoop loop;
    QElapsedTimer clock;
    qint64 last = 0;
    bool ended = false;
    QTimer tick;
    tick.setInterval(10);
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        const qint64 now = clock.elapsed();
        run.gaps.push_back(now - last);
        last = now;
        if (ended) {
            // The tick after the end: the grid has been laid out and painted in between.
            loop.quit();
        } else if (!window.isListing()) {
            run.listingMs = now;
            run.rows = window.grid().rowCount();
            ended = true;
        }
    });
    QTimer::singleShot(0, &loop, [&] {
        clock.start();
        tick.start();
        window.listDirectoryAt(directory);
    });
    loop.exec();
    // Back to a small directory, so that the next run lists the large one from scratch.
    window.listDirectoryAt(elsewhere);
    settle(window);
    return run;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: window_bench SETTINGS_DIR DOCUMENTS_DIR [RUNS]\n");
        return 2;
    }
    const int runs = arguments.size() > 3 ? arguments[3].toInt() : 3;
    QTemporaryDir empty;
    SilentPrompter prompter;
    NoShell shell;
    MainWindowEnvironment environment;
    environment.settingsDirectory = arguments[1];
    environment.currentDirectory = empty.path();
    std::unique_ptr<MainWindow> window = MainWindow::start(environment, prompter, shell);
    if (!window)
        return 1;
    window->resize(1200, 800);
    window->show();
    window->firstActivation();
    window->listDirectoryAt(empty.path());
    settle(*window);

    std::vector<qint64> listings;
    std::vector<qint64> worstGaps;
    std::vector<qint64> allGaps;
    for (int i = 0; i < runs; ++i) {
        const Run run = measure(*window, arguments[2], empty.path());
        listings.push_back(run.listingMs);
        worstGaps.push_back(*std::max_element(run.gaps.begin(), run.gaps.end()));
        allGaps.insert(allGaps.end(), run.gaps.begin(), run.gaps.end());
        std::printf("run %d: %d rows, listing %lld ms, longest gap %lld ms\n", i + 1, run.rows,
                    static_cast<long long>(run.listingMs), static_cast<long long>(worstGaps.back()));
    }
    std::sort(listings.begin(), listings.end());
    std::sort(allGaps.begin(), allGaps.end());
    std::printf("listing median %lld ms; longest gap %lld ms; 99th percentile gap %lld ms\n",
                static_cast<long long>(listings[listings.size() / 2]),
                static_cast<long long>(*std::max_element(worstGaps.begin(), worstGaps.end())),
                static_cast<long long>(allGaps[allGaps.size() * 99 / 100]));
    return 0;
}
