// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's --list and --check on a store of 10,000 files per kind (the daily folder has only 1,440
// possible names, so the rest of it is other files, which --check reports one by one).

#include "benchstore.h"

#include "cli/cliprogram.h"
#include "cli/commandline.h"
#include "core/settings/settingsfiles.h"
#include "core/store/storelayout.h"
#include "os/probe/systemprobe.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include <benchmark/benchmark.h>

using namespace brevora;

namespace {

constexpr int filesPerKind = 10000;

// Every sound plays and everything around the store is there: the benchmark measures the store's own work.
class QuietProbe final : public SystemProbe
{
public:
    Finding logonEntry() const override { return {}; }
    bool notificationAreaPresent() const override { return true; }
    bool soundServerAnswers() const override { return true; }
    Finding wakeHelper() const override { return {}; }
    std::optional<qint64> soundFrames(const QString &) const override { return 1; }
};

struct BenchStore
{
    QTemporaryDir dir;
    QString error;

    BenchStore()
    {
        const StoreLayout layout(dir.path());
        try {
            if (!dir.isValid() || !layout.createMissingFolders().isEmpty())
                throw std::runtime_error("cannot make the store");
            for (AlarmKind kind : allKinds)
                bench::writeFiles(layout.activeFolder(kind),
                                  bench::generateFiles(kind, filesPerKind, bench::quietMoment()));
            for (Setting setting : { Setting::Past, Setting::Startup, Setting::Hide })
                writeSettingFile(settingFilePath(layout.settingsFolder(), setting), settingDefault(setting));
        } catch (const std::exception &e) {
            error = QString::fromStdString(e.what());
        }
    }
};

BenchStore &store()
{
    static BenchStore made;
    return made;
}

void runCommand(benchmark::State &state, const QStringList &command)
{
    if (!store().error.isEmpty()) {
        state.SkipWithError(store().error.toStdString().c_str());
        return;
    }
    const bench::FixedClock clock(bench::quietMoment());
    const QuietProbe probe;
    qsizetype lines = 0;
    for (auto _ : state) {
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        const int status = cli::runCommandLine(command + QStringList{ "--program-dir", store().dir.path() },
                                               { clock, probe, outStream, errStream, [] { return QString(); } });
        lines = out.count(u'\n') + err.count(u'\n');
        benchmark::DoNotOptimize(status);
    }
    state.counters["lines"] = static_cast<double>(lines);
}

void BM_List(benchmark::State &state)
{
    runCommand(state, { "--list" });
}

void BM_Check(benchmark::State &state)
{
    runCommand(state, { "--check" });
}

} // namespace

BENCHMARK(BM_List)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Check)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    cli::settleTimeZone(); // as the program does
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
