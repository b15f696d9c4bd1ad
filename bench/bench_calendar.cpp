// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar export and import of 10,000 alarms, as File > Export alarms... and Import alarms... (and
// --export-ics, --import-ics) do them: each timed after one untimed run, with the process's peak resident memory
// before the timed runs and after them. The goal is under 5 s each, with the peak the same after as before.

#include "benchstore.h"

#include "core/calendar/icalexport.h"
#include "core/calendar/icalimport.h"
#include "core/store/storelayout.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <memory>
#include <stdexcept>

using namespace brevora;

namespace {

// 10,000 alarms over the kinds; a daily folder has only 1,440 possible names.
const std::pair<AlarmKind, int> alarmsPerKind[] = { { AlarmKind::Once, 4000 },
                                                    { AlarmKind::Weekly, 2000 },
                                                    { AlarmKind::Monthly, 2000 },
                                                    { AlarmKind::Yearly, 1000 },
                                                    { AlarmKind::Daily, 1000 } };

struct Store
{
    QTemporaryDir dir;
    StoreLayout layout{ dir.path() };

    Store()
    {
        if (!dir.isValid() || !layout.createMissingFolders().isEmpty())
            throw std::runtime_error("cannot lay out a store");
    }
};

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

const bench::FixedClock &clock()
{
    static const bench::FixedClock fixed(bench::quietMoment());
    return fixed;
}

// The store of 10,000 alarms and its calendar, made once.
struct Source
{
    Store store;
    QByteArray calendar;
    QString error;

    Source()
    {
        try {
            for (const auto &[kind, count] : alarmsPerKind)
                bench::writeFiles(store.layout.activeFolder(kind), bench::generateFiles(kind, count, clock().now()));
            const ExportedCalendar exported = exportCalendar(store.layout, clock().now());
            calendar = exported.text;
            if (!exported.error.isEmpty() || !exported.leftOut.isEmpty())
                error = QStringLiteral("the export left alarms out");
        } catch (const std::exception &e) {
            error = QString::fromStdString(e.what());
        }
    }
};

Source &source()
{
    static Source made;
    return made;
}

QStringList importInto(const Store &target)
{
    const ImportReport report
        = importCalendar(target.layout, source().calendar, clock().now(), [](const QString &) { return true; }, {});
    return report.written;
}

void BM_Export(benchmark::State &state)
{
    if (!source().error.isEmpty()) {
        state.SkipWithError(source().error.toStdString().c_str());
        return;
    }
    benchmark::DoNotOptimize(exportCalendar(source().store.layout, clock().now()).text.size());
    const double before = peakMegabytes();
    qsizetype bytes = 0;
    for (auto _ : state) {
        const ExportedCalendar exported = exportCalendar(source().store.layout, clock().now());
        bytes = exported.text.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["calendar_MB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
    state.counters["peak_MB_before"] = before;
    state.counters["peak_MB_after"] = peakMegabytes();
}

void BM_Import(benchmark::State &state)
{
    if (!source().error.isEmpty()) {
        state.SkipWithError(source().error.toStdString().c_str());
        return;
    }
    try {
        const Store warmUp;
        benchmark::DoNotOptimize(importInto(warmUp).size());
    } catch (const std::exception &e) {
        state.SkipWithError(e.what());
        return;
    }
    const double before = peakMegabytes();
    qsizetype written = 0;
    // A pointer rather than std::optional: g++ 12 -O2 takes the optional's payload for uninitialised.
    std::unique_ptr<Store> target;
    for (auto _ : state) {
        state.PauseTiming();
        target.reset(); // removing the last run's files is no part of the figure
        target = std::make_unique<Store>();
        state.ResumeTiming();
        written = importInto(*target).size();
        benchmark::DoNotOptimize(written);
    }
    if (written != 10000)
        state.SkipWithError("not every alarm was imported");
    state.counters["written"] = static_cast<double>(written);
    state.counters["peak_MB_before"] = before;
    state.counters["peak_MB_after"] = peakMegabytes();
}

} // namespace

BENCHMARK(BM_Export)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Import)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
