// The soak test: thousands of games of random but valid input on the headless
// back end, with every invariant checked after every event. A few hundred
// games by default; MIREL_SOAK_GAMES sets the count, MIREL_SOAK_SEED replays
// a run (the seed is printed at the start and on failure) and
// MIREL_SOAK_TRACE=1 prints every change of the counted games.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "common/ids.h"
#include "media/testing.h"
#include "soak_player.h"
#include "tests/support/files.h"
#include "tests/support/game_scene.h"
#include "tests/support/headless_game.h"

namespace {

constexpr long DefaultGames = 300;
constexpr long ActionsPerGameLimit = 4000;  // a run this long is stuck, not unlucky

long EnvironmentNumber(const char* name, long fallback) {
  const char* text = std::getenv(name);
  return text && *text ? std::strtol(text, nullptr, 10) : fallback;
}

TEST(Soak, RandomGamesKeepEveryInvariantAfterEveryEvent) {
  const long games = EnvironmentNumber("MIREL_SOAK_GAMES", DefaultGames);
  const auto seed = static_cast<std::uint32_t>(EnvironmentNumber("MIREL_SOAK_SEED", std::random_device{}()));
  std::printf("soak: %ld games, seed %u (MIREL_SOAK_SEED=%u replays the input)\n", games, seed, seed);

  // The game syncs config.ini at every save; in memory that costs nothing.
  const test_support::GameScene scene(test_support::memoryBase());
  test_support::startGame();
  // The deals follow the seed too, so a seed replays a run exactly.
  media::testing::seedRandom(seed);
  const bool trace = EnvironmentNumber("MIREL_SOAK_TRACE", 0) != 0;
  soak::Player player(seed, trace);
  player.Attach();
  try {
    for (long actions = 0; player.tally().ended < games; ++actions) {
      ASSERT_LT(actions, games * ActionsPerGameLimit) << "the games do not end; seed " << seed;
      player.MainAction();
    }
  } catch (const soak::SoakFailure& failure) {
    if (trace) std::fprintf(stderr, "config.ini:\n%s\n", test_support::readFile(ids::ConfigFileName).c_str());
    FAIL() << failure.what() << "; seed " << seed;
  }
  const soak::Tally& tally = player.tally();
  std::printf("soak: %ld games, %ld ended (%ld won, %ld lost, the rest abandoned), %ld events, %ld checks, "
              "%ld dialogs closed\n",
              tally.games, tally.ended, tally.won, tally.lost, tally.events, tally.checks, tally.dialogs);
  std::printf("soak: started practice easy %ld, practice hard %ld, tournament easy %ld, tournament hard %ld\n",
              tally.startedByModeAndLevel[0][0], tally.startedByModeAndLevel[0][1], tally.startedByModeAndLevel[1][0],
              tally.startedByModeAndLevel[1][1]);
  // A long run must have reached both modes and both levels through the options.
  if (games >= 1000) {
    const auto& started = tally.startedByModeAndLevel;
    EXPECT_GT(started[0][0] + started[0][1], 0) << "no practice game; seed " << seed;
    EXPECT_GT(started[1][0] + started[1][1], 0) << "no tournament game; seed " << seed;
    EXPECT_GT(started[0][0] + started[1][0], 0) << "no easy game; seed " << seed;
    EXPECT_GT(started[0][1] + started[1][1], 0) << "no hard game; seed " << seed;
  }
}

}  // namespace
