// How long drawing takes: a full section redraw (345 ground cells and 345 sprites) and one hero step.
// Aims: RedrawView under 2 ms, DrawHero under 0.2 ms (median, one core).

#include "state/GameState.h"
#include "view/MapView.h"
#include "view/PictureStore.h"

#include <benchmark/benchmark.h>

using namespace velmor;

namespace {

GameState fullSection() {
    // Every cell has ground and a one-cell sprite; the codes vary so the picture lookups vary too.
    const char* grounds[] = {"==", "--", "__", "dd", "pp", "=b", "BB"};
    const char* objects[] = {"YY", "Yb", "W1", "w4", "Mb", "#K", "H4", "*1", "$3", "K3", "D2", "&y"};
    GameState state;
    for (int r = 0; r < 15; ++r) {
        QString ground, object;
        for (int c = 0; c < 23; ++c) {
            ground += QString::fromLatin1(grounds[(r + c) % 7]);
            object += QString::fromLatin1(objects[(r * 23 + c) % 12]);
        }
        state.layer1[r] = ground;
        state.layer2[r] = object;
    }
    return state;
}

const PictureStore& pictures() {
    static PictureStore store;
    return store;
}

void BM_RedrawView(benchmark::State& run) {
    GameState state = fullSection();
    MapView view;
    for (auto _ : run) {
        RedrawView(view, state, pictures());
        benchmark::DoNotOptimize(view.image().constBits());
    }
}
BENCHMARK(BM_RedrawView)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_DrawHero(benchmark::State& run) {
    GameState state = fullSection();
    MapView view;
    RedrawView(view, state, pictures());
    int step = 0;
    for (auto _ : run) {
        state.heroX = static_cast<int16_t>(525 * (step % 23));
        state.heroY = static_cast<int16_t>(540 * (step / 23 % 15));
        DrawHero(view, state, pictures(), step % 4);
        benchmark::DoNotOptimize(view.image().constBits());
        ++step;
    }
}
BENCHMARK(BM_DrawHero)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
