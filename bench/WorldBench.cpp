// How long one tick of play takes in the real game window on the bundled map "Долина": a movement tick with
// a diagonal step and no section change, a vitality tick, and a section change by "+X" or "-X" (load,
// redraw, hero), with the section files in the file cache.
// Aims (median, one core): movement tick under 50 us, vitality tick under 20 us, section change under 3 ms.
//
// Run from the build: build/bin/world_bench. The section change is timed twice: silent (no sound
// component), and with the sound component switching between the two sections' music on SDL's dummy
// audio driver.

#include "platform/Components.h"
#include "platform/ProgramFolder.h"
#include "state/GameState.h"
#include "view/Fonts.h"
#include "view/Form2.h"
#include "view/PictureStore.h"
#include "world/Vitality.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <memory>

using namespace velmor;

namespace {

const PictureStore& pictures() {
    static PictureStore store;
    return store;
}

void place(GameState& state, int column, int row) {
    state.heroX = static_cast<int16_t>(525 * column);
    state.heroY = static_cast<int16_t>(540 * row);
    state.heroCol = static_cast<int16_t>(2 * column + 1);
    state.heroRow = static_cast<int16_t>(row);
}

void walkTo(GameState& state, int column, int row) {
    state.targetX = static_cast<int16_t>(525 * column);
    state.targetY = static_cast<int16_t>(540 * row);
}

// A game on the bundled map, its window open offscreen with its timers ticking only when called.
struct Game {
    GameState state;
    std::unique_ptr<Form2> window;

    Game() {
        resetForNewGame(state, QStringLiteral("Долина"));
        window = std::make_unique<Form2>(state, pictures(), Form2::Clock::Manual);
        window->open();
    }
};

void BM_MovementTick(benchmark::State& run) {
    // Rows 6 and 7 of x0y0 are open from column 5 to 10: back and forth diagonally, a step on each axis.
    Game game;
    place(game.state, 5, 6);
    bool out = true;
    for (auto _ : run) {
        walkTo(game.state, out ? 6 : 5, out ? 7 : 6);
        game.window->tmrHeroMove_Timer();
        out = !out;
    }
    if (game.state.sectionName != QLatin1String("x0y0")) run.SkipWithError("left the section");
}
BENCHMARK(BM_MovementTick)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_VitalityTick(benchmark::State& run) {
    Game game;
    game.state.pred[0] = 14; // a red shard and a blue one: both formulas act every tick
    game.state.pred[7] = 17;
    for (auto _ : run) {
        game.state.health = 4000;
        game.state.lifeForce = 4000;
        VitalityTick(game.state, *game.window);
    }
}
BENCHMARK(BM_VitalityTick)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// x0y0 has "+X" at column 22 of row 7 and x1y0 has "-X" at column 0: every tick crosses one of them.
void crossBackAndForth(benchmark::State& run) {
    Game game;
    for (auto _ : run) {
        if (game.state.sectionX == 0) {
            place(game.state, 21, 7);
            walkTo(game.state, 22, 7);
        } else {
            walkTo(game.state, 0, 7);
        }
        game.window->tmrHeroMove_Timer();
    }
    if (game.state.heroRow != 7) run.SkipWithError("no crossing");
}

void BM_SectionChange(benchmark::State& run) {
    const QString components = componentsFolder();
    setComponentsFolder(QStringLiteral("/nonexistent"));
    crossBackAndForth(run);
    setComponentsFolder(components);
}
BENCHMARK(BM_SectionChange)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_SectionChangeWithMusic(benchmark::State& run) {
    crossBackAndForth(run);
}
BENCHMARK(BM_SectionChangeWithMusic)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication application(argc, argv);
    setProgramFolder(QCoreApplication::applicationDirPath()); // the bundled data lies beside the program
    loadGameFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
