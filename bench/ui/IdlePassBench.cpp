// One idle pass of the playing screen that paints board, pot and bonus boxes
// at level 10 with the zindo, the broom and a sparkle running, in a window of
// the design size (scale 1) and of twice the design size (scale 2).
//   build/bench/ui/zindo_idle_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include "../../tests/ui/UiFixture.h"

#include "game/Game.h"
#include "ui/BoardPainter.h"
#include "ui/SceneView.h"

#include <cstdio>

#include <benchmark/benchmark.h>

#include <QApplication>

using namespace zindo;
using namespace zindo::test;

namespace {

/// A window playing level 10 of the test theme with every animation running.
struct TLevelTen {
    TWindowFixture Fixture;
    TMainWindow* Form = nullptr;

    explicit TLevelTen(int Scale = 1)
    {
        Form = &Fixture.Create();
        Form->resize(Form->size() * Scale);
        QApplication::processEvents();
        TGame& game = Form->Session();
        game.NewGame(QStringLiteral("Testland"), QStringLiteral("Bench"));
        TModelTestAccess::Record(game).Level = 10;
        Form->StartLevelScreen();
        Fixture.Run(30000); // fill the pot
        KeepAnimating();
    }

    void KeepAnimating()
    {
        TPuzzleClass& puzzle = TModelTestAccess::Puzzle(Form->Session());
        if (!puzzle.ZindoRunning())
            puzzle.StartZindoRun();
        if (!puzzle.BroomActive())
            TModelTestAccess::StartBroom(puzzle);
        if (!puzzle.SparkleActive())
            TModelTestAccess::StartSparkle(puzzle, 200, 200);
    }
};

void BM_IdlePassPaintingEverything(benchmark::State& state)
{
    TLevelTen level(static_cast<int>(state.range(0)));
    state.counters["scale"] = level.Form->SceneView().Scale();
    for (auto _ : state) {
        level.Fixture.Clock.Advance(50); // one game step per pass
        level.Form->PlayingScreen().RequestRepaint(RepaintAll);
        level.Form->IdlePass();
        state.PauseTiming();
        level.KeepAnimating();
        // What the event loop does between two passes.
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_IdlePassPaintingEverything)->ArgName("scale")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The three views painted whole, as after they were uncovered: what a pass
// costs at most, at each scale.
void BM_WholeViewsRepainted(benchmark::State& state)
{
    TLevelTen level(static_cast<int>(state.range(0)));
    TPlayingScreen& screen = level.Form->PlayingScreen();
    const char* const names[] = {"BoardView", "PotView", "CleanupBonusView", "JokerBonusView", "CheckBonusView"};
    for (auto _ : state) {
        for (const char* name : names)
            Find(screen, name)->update();
        TSceneView::PaintNow(screen);
    }
}
BENCHMARK(BM_WholeViewsRepainted)->ArgName("scale")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// Baseline: the idle pass when nothing is due (no step, no paint).
void BM_IdlePassNothingDue(benchmark::State& state)
{
    TLevelTen level;
    for (auto _ : state)
        level.Form->IdlePass();
}
BENCHMARK(BM_IdlePassNothingDue)->Unit(benchmark::kMicrosecond);

// The board view alone, for comparison with the whole pass.
void BM_ComposeBoardView(benchmark::State& state)
{
    TLevelTen level;
    const TPuzzleClass& puzzle = level.Form->Session().Puzzle();
    TRandomGenerator random(7);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComposeBoardView(puzzle, puzzle.Picture().size(), QPoint(100, 100), random));
        state.PauseTiming();
        level.KeepAnimating();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ComposeBoardView)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
