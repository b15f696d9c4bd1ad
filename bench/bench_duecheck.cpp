// SPDX-License-Identifier: GPL-3.0-or-later
// What the scheduler does when it wakes: at a minute boundary it checks all five kinds, after a change in an
// active folder only that folder's kind, and works out the next wake-up anew (20,000 files a folder is a store of
// 100,000); beside it, the bare relisting of the changed folder. Nothing is due at the timed minute, the common
// case.

#include "benchstore.h"

#include "core/settings/sharedstate.h"
#include "core/store/fileops.h"
#include "core/store/storelayout.h"
#include "scheduler/scheduler.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>
#include <vector>

using namespace brevora;

namespace {

// Relisting: only the listing of the changed folder, the floor under what a folder change can cost.
enum class Mode { MinuteBoundary, FolderChange, Relisting };

void runChecks(benchmark::State &state, Mode mode)
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
        }
    } catch (const std::exception &e) {
        state.SkipWithError(e.what());
        return;
    }

    SharedState shared;
    shared.layout = layout;
    Scheduler scheduler(shared, clock);
    scheduler.start();

    // Every folder holds an alarm at the first generated minute: finding them proves the checks look at the
    // files written above and not at some empty folder.
    if (filesPerFolder > 0) {
        clock.set(bench::firstGeneratedMoment());
        if (scheduler.checkAll() != 5) {
            state.SkipWithError("a check misses an alarm that is due");
            return;
        }
        clock.set(bench::quietMoment());
    }

    int found = 0;
    for (auto _ : state)
        if (mode == Mode::MinuteBoundary)
            found += scheduler.checkAll();
        else if (mode == Mode::FolderChange)
            scheduler.noteFolderChanged(layout.activeFolder(AlarmKind::Daily));
        else
            benchmark::DoNotOptimize(filesByFoldedName(layout.activeFolder(AlarmKind::Daily)));
    if (found > 0)
        state.SkipWithError("an alarm was found during the timed checks");
    state.counters["files_per_folder"] = filesPerFolder;
}

void BM_MinuteBoundary(benchmark::State &state)
{
    runChecks(state, Mode::MinuteBoundary);
}

void BM_FolderChange(benchmark::State &state)
{
    runChecks(state, Mode::FolderChange);
}

void BM_Relisting(benchmark::State &state)
{
    runChecks(state, Mode::Relisting);
}

} // namespace

BENCHMARK(BM_MinuteBoundary)->Arg(0)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FolderChange)->Arg(0)->Arg(10000)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Relisting)->Arg(10000)->Arg(20000)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
