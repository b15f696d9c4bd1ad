// One tick of the five due checks when nothing is due, which is what the program does a hundred times a second
// for as long as it runs. The cost must not depend on how many alarms the folders hold.

#include "benchstore.h"

#include "scheduler/duecheck.h"
#include "store/storelayout.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>
#include <vector>

using namespace brevora;

namespace {

void BM_DueCheckTick(benchmark::State &state)
{
    const int filesPerFolder = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    if (!dir.isValid()) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const StoreLayout layout(dir.path());
    if (!layout.createMissingFolders().isEmpty()) {
        state.SkipWithError("cannot lay out the store");
        return;
    }
    bench::FixedClock clock(bench::quietMoment());
    try {
        for (AlarmKind kind : allKinds) {
            bench::writeFiles(layout.activeFolder(kind), bench::generateFiles(kind, filesPerFolder, clock.now()));
            bench::backdateFolder(layout.activeFolder(kind));
        }
    } catch (const std::exception &e) {
        state.SkipWithError(e.what());
        return;
    }

    std::vector<std::unique_ptr<DueCheck>> checks;
    for (AlarmKind kind : allKinds)
        checks.push_back(std::make_unique<DueCheck>(kind, layout.activeFolder(kind), clock, SystemClock::instance()));

    // Every folder holds an alarm at the first generated minute: finding them proves the checks look at the
    // files written above and not at some empty folder.
    if (filesPerFolder > 0) {
        clock.set(bench::firstGeneratedMoment());
        for (auto &check : checks) {
            if (!check->check()) {
                state.SkipWithError("a check misses an alarm that is due");
                return;
            }
        }
        clock.set(bench::quietMoment());
    }
    // The warm-up tick, which lists each folder once.
    for (auto &check : checks) {
        if (check->check()) {
            state.SkipWithError("an alarm is due at the quiet minute");
            return;
        }
    }
    int listingsBefore = 0;
    for (auto &check : checks)
        listingsBefore += check->index().listings();

    bool found = false;
    for (auto _ : state) {
        for (auto &check : checks) {
            auto due = check->check();
            found = found || due.has_value();
            benchmark::DoNotOptimize(due);
        }
    }

    int listingsAfter = 0;
    for (auto &check : checks)
        listingsAfter += check->index().listings();
    if (found)
        state.SkipWithError("an alarm was found during the timed ticks");
    state.counters["files_per_folder"] = filesPerFolder;
    // Anything but 0 means the ticks listed folders again and the figure is not the common case.
    state.counters["relistings"] = listingsAfter - listingsBefore;
}

} // namespace

BENCHMARK(BM_DueCheckTick)->Arg(0)->Arg(100)->Arg(10000)->Unit(benchmark::kNanosecond);

BENCHMARK_MAIN();
