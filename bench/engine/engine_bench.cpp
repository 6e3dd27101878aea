// Speed of a click, of the search for a move left and of a new game, and the
// heap growth of a long game and of many new games. Runs in a temporary
// working directory with its own config.ini (hard level, practice).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdlib>
#include <string>

#include "common/app_state.h"
#include "common/common.h"
#include "common/ids.h"
#include "engine/engine.h"
#include "media/media.h"
#include "shell/shell.h"
#include "tests/support/files.h"
#include "tests/support/headless_game.h"
#include "tests/support/scratch_dir.h"

namespace {

void StartGame(const char* size) {
  // Start-up once a run, in a directory removed at the exit (static).
  static test_support::ScratchDir directory;
  static const bool started = [] {
    directory.enter();
    test_support::startGame();
    return true;
  }();
  (void)started;
  test_support::writeFile(ids::ConfigFileName, std::string("[Settings]\nColors = 4\nSize = ") + size +
                                                   "\nMode = P\nTime = 3600\nUndo = 1\nSound = 0\nVol = 50\n"
                                                   "Collection = 111111111111\n");
  NewGame();
}

// The first cell of the dealt board that has a same-coloured neighbour.
Cell FirstGroup() {
  for (int x = 0; x < App.GameBoard.columns; ++x)
    for (int y = 0; y < App.GameBoard.rows; ++y) {
      MarkGrid marks;
      marks.reset(App.GameBoard.columns, App.GameBoard.rows);
      if (FindRegion(x, y, marks)) return {x, y};
    }
  std::abort();
}

void BM_ClickOnAFullHardBoard(benchmark::State& state) {
  StartGame("24");
  const Cell cell = FirstGroup();
  for (auto _ : state) {
    App.Marks.reset(App.GameBoard.columns, App.GameBoard.rows);
    FindRegion(cell.column, cell.row, App.Marks);
    ApplyMove(App.Marks);
    state.PauseTiming();
    App.CurrentStep = 0;
    App.GameBoard.resizeSteps(1);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ClickOnAFullHardBoard);

void BM_AnyMoveLeftOnAHardBoardWithoutMoves(benchmark::State& state) {
  StartGame("24");
  for (int x = 0; x < App.GameBoard.columns; ++x)
    for (int y = 0; y < App.GameBoard.rows; ++y) App.GameBoard.at(x, y, 0) = ids::FirstTileSprite + (x + y) % 2;
  for (auto _ : state) benchmark::DoNotOptimize(AnyMoveLeft());
}
BENCHMARK(BM_AnyMoveLeftOnAHardBoardWithoutMoves);

void BM_NewGameWithUnchangedSettings(benchmark::State& state) {
  StartGame("24");
  for (auto _ : state) NewGame();
}
BENCHMARK(BM_NewGameWithUnchangedSettings)->Unit(benchmark::kMillisecond);

void BM_FirstNewGameOfARun(benchmark::State& state) {
  StartGame("24");
  for (auto _ : state) {
    state.PauseTiming();
    media::closeScreen();
    media::freeSprite(-1);
    media::freeSound(-1);
    state.ResumeTiming();
    NewGame();
  }
}
BENCHMARK(BM_FirstNewGameOfARun)->Unit(benchmark::kMillisecond);

std::size_t HeapInUse() { return mallinfo2().uordblks; }

// Serves the repaint requests the status updates raise, as the main loop would.
void DrainEvents() {
  while (media::waitEvent(0) != media::EventNone) {
  }
}

// Heap growth over a game of 200 moves and 200 undos, and over 1,000 new games.
void BM_MemoryOfLongGamesAndManyNewGames(benchmark::State& state) {
  StartGame("24");
  for (auto _ : state) {
    NewGame();
    const Cell cell = FirstGroup();
    DrainEvents();
    const std::size_t before = HeapInUse();
    for (int move = 0; move < 200; ++move) {
      App.Marks.reset(App.GameBoard.columns, App.GameBoard.rows);
      FindRegion(cell.column, cell.row, App.Marks);
      ApplyMove(App.Marks);
      UndoMove();
      DrainEvents();
    }
    state.counters["moves_and_undos_bytes"] = static_cast<double>(HeapInUse() - before);
    NewGame();
    DrainEvents();
    const std::size_t beforeGames = HeapInUse();
    for (int game = 0; game < 1000; ++game) {
      NewGame();
      DrainEvents();
    }
    state.counters["new_games_bytes"] = static_cast<double>(HeapInUse()) - static_cast<double>(beforeGames);
  }
}
BENCHMARK(BM_MemoryOfLongGamesAndManyNewGames)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
