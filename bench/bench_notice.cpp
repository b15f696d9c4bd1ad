// SPDX-License-Identifier: GPL-3.0-or-later
// The two costs of a due alarm: a scheduler tick while its notice is open (the file still exists, so the
// check finds and re-reads it a hundred times a second), and the time from the tick that finds a silent
// alarm to its notice on screen. Runs on the offscreen platform unless another is set.

#include "benchstore.h"

#include "core/life/createalarm.h"
#include "core/settings/sharedstate.h"
#include "scheduler/scheduler.h"
#include "ui/notices/noticeboard.h"

#include "os/sound/soundplayer.h"
#include "ui/common/prompter.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace brevora;

namespace {

class SilentPlayer final : public SoundPlayer
{
public:
    SoundOutcome playSync(const QString &) override { return {}; }
    void playAsync(const QString &) override { }
    void repeatAfter(const QString &, std::chrono::milliseconds) override { }
    void stop() override { }
};

class NoPrompts final : public Prompter
{
public:
    QMessageBox::StandardButton ask(QWidget *, QMessageBox::Icon, const QString &, const QString &,
                                    QMessageBox::StandardButtons) override
    {
        return QMessageBox::Ok;
    }
};

SharedState laidOut(const QString &programDir)
{
    SharedState state;
    state.layout = StoreLayout(programDir);
    state.layout.createMissingFolders();
    return state;
}

// The scheduler takes its folders from the state, so the store is laid out before it is built.
struct NoticeBench
{
    QTemporaryDir dir;
    SharedState state{ laidOut(dir.path()) };
    bench::FixedClock clock{ QDateTime(QDate(2007, 2, 3), QTime(14, 0, 1)) };
    SilentPlayer sound;
    NoPrompts prompter;
    Scheduler scheduler{ state, clock };
    NoticeBoard board{ NoticeServices{ state, clock, sound, prompter, {} } };
    QString path;

    NoticeBench()
    {
        scheduler.setNoticeSink(&board);
        path = state.layout.activePath(AlarmKind::Daily, QStringLiteral("14-0.alm"));
        writeAlarmFile(
            path, AlarmKind::Daily,
            AlarmRecord{ { QStringLiteral("Stand up"), QString(noSound), QStringLiteral("14"), QStringLiteral("0") } });
    }
    // The checks of a minute boundary.
    bool tick() { return scheduler.checkAll() > 0; }
};

void BM_TickWithNoticeOpen(benchmark::State &state)
{
    NoticeBench rig;
    if (!rig.tick() || rig.board.notices().size() != 1) {
        state.SkipWithError("the alarm did not open its notice");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(rig.tick());
    if (rig.board.notices().size() != 1)
        state.SkipWithError("the notice did not stay single");
}
BENCHMARK(BM_TickWithNoticeOpen)->Unit(benchmark::kMicrosecond);

void BM_DueToNoticeShown(benchmark::State &state)
{
    NoticeBench rig;
    for (auto _ : state) {
        if (!rig.tick()) {
            state.SkipWithError("the alarm was not found");
            return;
        }
        NoticeWindow *notice = rig.board.notices().value(0);
        QCoreApplication::processEvents(); // until the window system has mapped and painted it
        state.PauseTiming();
        if (!notice || !notice->isVisible()) {
            state.SkipWithError("no notice on screen");
            return;
        }
        notice->close(); // by other means: the file stays, so the next tick shows a new notice
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DueToNoticeShown)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
