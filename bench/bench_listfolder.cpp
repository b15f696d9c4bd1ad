// SPDX-License-Identifier: GPL-3.0-or-later
// Listing a large active folder, as the main window's list and the return of set-aside alarms do.

#include "benchstore.h"

#include "core/store/fileops.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <stdexcept>
#include <vector>

using namespace brevora;

namespace {

void BM_ListFolder(benchmark::State &state)
{
    const int alarms = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    if (!dir.isValid()) {
        state.SkipWithError("no temporary folder");
        return;
    }
    // Weekly names are the densest valid ones: 10,080 distinct minutes, so every file here is a real alarm.
    // A few other files make the pattern do some work.
    std::vector<bench::GeneratedFile> others;
    for (int i = 0; i < alarms / 100; ++i)
        others.push_back({ QStringLiteral("notes-%1.txt").arg(i), QByteArrayLiteral("x\r\n") });
    try {
        bench::writeFiles(dir.path(), bench::generateFiles(AlarmKind::Weekly, alarms, bench::quietMoment()));
        bench::writeFiles(dir.path(), others);
    } catch (const std::exception &e) {
        state.SkipWithError(e.what());
        return;
    }

    qsizetype listed = 0;
    for (auto _ : state) {
        const QStringList names = listFolder(dir.path(), QStringLiteral("*.alm"));
        listed = names.size();
        benchmark::DoNotOptimize(names);
    }
    if (listed != alarms)
        state.SkipWithError("the listing does not hold every alarm file");
    state.counters["files"] = static_cast<double>(listed);
}

} // namespace

BENCHMARK(BM_ListFolder)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
