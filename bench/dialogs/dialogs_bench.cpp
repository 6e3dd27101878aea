// The image collection window's openings: the first one of a run loads the
// asset library and makes twelve thumbnails, every later one reuses them.
#include <benchmark/benchmark.h>

#include "common/ids.h"
#include "dialogs/collection_window.h"
#include "media/media.h"
#include "media/testing.h"
#include "settings/config_file.h"
#include "tests/support/game_scene.h"

namespace {

void openAndClose() {
  openCollectionWindowSteps();
  media::testing::requestClose(ids::CollectionWindow);
  collectionWindowPass();
}

void setUp() {
  test_support::openBareMainWindow();
  media::registerPngDecoder();
}

void BM_FirstOpening(benchmark::State& state) {
  setUp();
  for (auto _ : state) {
    state.PauseTiming();
    media::releaseAll();
    setUp();
    Collection = CollectionWindow{};  // a fresh run: nothing loaded
    state.ResumeTiming();
    openAndClose();
  }
  media::releaseAll();
}
BENCHMARK(BM_FirstOpening)->Unit(benchmark::kMillisecond);

void BM_LaterOpening(benchmark::State& state) {
  setUp();
  Collection = CollectionWindow{};
  openAndClose();
  for (auto _ : state) openAndClose();
  media::releaseAll();
}
BENCHMARK(BM_LaterOpening)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
