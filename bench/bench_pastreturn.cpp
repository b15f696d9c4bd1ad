// SPDX-License-Identifier: GPL-3.0-or-later
// Returning set-aside alarms at start-up and every 65 s: a user who acknowledged a great many recurring alarms
// must not wait for the program.

#include "benchstore.h"

#include "core/life/pastreturn.h"
#include "core/store/storelayout.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>
#include <utility>

using namespace brevora;

namespace {

constexpr int waitingFiles = 10000;

enum Layout : int {
    Spread, // a quarter in each of the four folders
    OneFolder, // all of them waiting for the weekly folder
    Superseded, // all in one folder, and the user has since created every one of them again
};

struct Store
{
    QTemporaryDir dir;
    StoreLayout layout{ dir.path() };
};

// Builds a fresh store for one run; returns what the run must report as returned and as superseded.
std::pair<int, int> fill(const Store &store, Layout how)
{
    if (!store.dir.isValid() || !store.layout.createMissingFolders().isEmpty())
        throw std::runtime_error("cannot lay out the store");
    const QDateTime avoid = bench::quietMoment();
    if (how == Spread) {
        for (AlarmKind kind : recurringKinds)
            bench::writeFiles(store.layout.pastFolder(kind),
                              bench::generateFiles(kind, waitingFiles / int(recurringKinds.size()), avoid));
        return { waitingFiles, 0 };
    }
    const auto files = bench::generateFiles(AlarmKind::Weekly, waitingFiles, avoid);
    bench::writeFiles(store.layout.pastFolder(AlarmKind::Weekly), files);
    if (how == Superseded) {
        bench::writeFiles(store.layout.activeFolder(AlarmKind::Weekly), files);
        return { 0, waitingFiles };
    }
    return { waitingFiles, 0 };
}

void BM_ReturnPastAlarms(benchmark::State &state)
{
    const auto how = static_cast<Layout>(state.range(0));
    // A pointer rather than std::optional: g++ 12 -O3 takes the optional's payload for uninitialised.
    std::unique_ptr<Store> store;
    PastReturnReport last;
    std::pair<int, int> expected;
    for (auto _ : state) {
        state.PauseTiming();
        store.reset(); // removing the last run's files is no part of the figure
        store = std::make_unique<Store>();
        try {
            expected = fill(*store, how);
        } catch (const std::exception &e) {
            state.SkipWithError(e.what());
            break;
        }
        state.ResumeTiming();

        last = returnPastAlarms(store->layout);
        benchmark::DoNotOptimize(last);
    }
    if (last.returned != expected.first || last.superseded != expected.second || last.skipped != 0)
        state.SkipWithError("the return did not handle every waiting file");
    state.counters["returned"] = last.returned;
    state.counters["superseded"] = last.superseded;
}

} // namespace

BENCHMARK(BM_ReturnPastAlarms)
    ->ArgName("layout")
    ->Arg(Spread)
    ->Arg(OneFolder)
    ->Arg(Superseded)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
