// SPDX-License-Identifier: GPL-3.0-or-later
// Deleting a great many alarms at once: one listing per folder and one delete per file, so the user who
// clears a store of 10,000 alarms waits well under a second.

#include "benchstore.h"

#include "core/store/fileops.h"
#include "core/store/storelayout.h"
#include "ui/common/prompter.h"
#include "ui/main/alarmdeletion.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>

using namespace brevora;

namespace {

constexpr int alarmCount = 10000;

enum Command : int {
    AllOfOneType, // "Delete all alarms of this type" with every alarm one-time
    All, // "Delete all alarms" with the alarms spread over the nine folders
};

class YesPrompter final : public Prompter
{
public:
    QMessageBox::StandardButton ask(QWidget *, QMessageBox::Icon, const QString &, const QString &,
                                    QMessageBox::StandardButtons) override
    {
        return QMessageBox::Yes;
    }
};

struct Store
{
    QTemporaryDir dir;
    StoreLayout layout{ dir.path() };
};

void fill(const Store &store, Command command)
{
    if (!store.dir.isValid() || !store.layout.createMissingFolders().isEmpty())
        throw std::runtime_error("cannot lay out the store");
    const QDateTime avoid = bench::quietMoment();
    if (command == AllOfOneType) {
        bench::writeFiles(store.layout.activeFolder(AlarmKind::Once),
                          bench::generateFiles(AlarmKind::Once, alarmCount, avoid));
        return;
    }
    QStringList folders;
    for (AlarmKind kind : allKinds) {
        folders.append(store.layout.activeFolder(kind));
        if (isRecurring(kind))
            folders.append(store.layout.pastFolder(kind));
    }
    const auto files = bench::generateFiles(AlarmKind::Once, alarmCount, avoid);
    std::vector<std::vector<bench::GeneratedFile>> perFolder(static_cast<std::size_t>(folders.size()));
    for (std::size_t i = 0; i < files.size(); ++i)
        perFolder[i % perFolder.size()].push_back(files[i]);
    for (qsizetype i = 0; i < folders.size(); ++i)
        bench::writeFiles(folders[i], perFolder[static_cast<std::size_t>(i)]);
}

void BM_DeleteAlarms(benchmark::State &state)
{
    const auto command = static_cast<Command>(state.range(0));
    YesPrompter prompter;
    // A pointer rather than std::optional: g++ 12 -O2 takes the optional's payload for uninitialised.
    std::unique_ptr<Store> store;
    DeletionOutcome last;
    for (auto _ : state) {
        state.PauseTiming();
        store.reset(); // removing the last run's files is no part of the figure
        store = std::make_unique<Store>();
        try {
            fill(*store, command);
        } catch (const std::exception &e) {
            state.SkipWithError(e.what());
            break;
        }
        AlarmDeletion deletion(store->layout, prompter);
        state.ResumeTiming();

        last = command == AllOfOneType ? deletion.deleteAllOfType(QStringLiteral("Once")) : deletion.deleteAll();
        benchmark::DoNotOptimize(last);
    }
    if (last.deleted != alarmCount || !last.notDeleted.isEmpty())
        state.SkipWithError("not every alarm was deleted");
    state.counters["deleted"] = last.deleted;
}

} // namespace

BENCHMARK(BM_DeleteAlarms)
    ->ArgName("command")
    ->Arg(AllOfOneType)
    ->Arg(All)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
