// New games: the balanced deal, the portrait cycle, when the tile colours are
// kept or chosen anew, New in every state of a game, and the hand-edited
// settings that must still give a sound board.
#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <vector>

#include "common/ids.h"
#include "engine/engine.h"
#include "engine/engine_internal.h"
#include "media/media.h"
#include "media/testing.h"
#include "settings/config_file.h"
#include "tests/engine/game_fixture.h"

namespace {

constexpr int ProbeSprite = 40;  // a sprite number the game does not use
constexpr int ProbeLibrary = 3;  // a library slot the game does not use

std::uint64_t FrameHash() {
  const media::testing::Frame frame = media::testing::lastPresentedFrame();
  std::uint64_t hash = 1469598103934665603ull;
  for (std::uint32_t pixel : frame.pixels) hash = (hash ^ pixel) * 1099511628211ull;
  return hash;
}

// What a sprite looks like, drawn at the top-left of the field over the pause
// cover, which is the same in every game.
std::uint64_t SpriteHash(int sprite) {
  media::drawSprite(ids::PauseCoverSprite, 0, 0);
  media::drawSprite(sprite, 0, 0);
  media::present();
  return FrameHash();
}

class NewGameTest : public GameTest {
 protected:
  // The colour counts of the dealt board, by tile sprite number.
  std::map<int, int> ColourCounts() {
    std::map<int, int> counts;
    for (int column = 0; column < App.GameBoard.columns; ++column)
      for (int row = 0; row < App.GameBoard.rows; ++row) counts[App.GameBoard.at(column, row, 0)] += 1;
    return counts;
  }

  // The portrait of the game, as the number of the library picture it shows.
  int ShownPortrait() {
    const std::uint64_t shown = SpriteHash(ids::PortraitSprite);
    for (int n = 1; n <= 12; ++n)
      if (PortraitHash(n) == shown) return n;
    return 0;
  }
  std::uint64_t PortraitHash(int n) {
    if (portraitHashes.empty()) {
      EXPECT_TRUE(media::loadLibrary(ProbeLibrary, ids::AssetLibraryName));
      for (int i = 1; i <= 12; ++i) {
        const auto png = media::callLibrary(ProbeLibrary, "transGirl", i);
        media::loadSprite(ProbeSprite, reinterpret_cast<const void*>(png), media::UnknownSize, 0);
        media::drawSprite(ProbeSprite, 0, 0);
        media::present();
        portraitHashes.push_back(FrameHash());
      }
      media::freeSprite(ProbeSprite);
      media::unloadLibrary(ProbeLibrary);
    }
    return portraitHashes[static_cast<std::size_t>(n - 1)];
  }
  // The colours in play, as the looks of the tile sprites the board uses.
  std::vector<std::uint64_t> TileColours() {
    std::vector<std::uint64_t> looks;
    for (int sprite : std::set<int>(App.GameBoard.cells.begin(), App.GameBoard.cells.end())) {
      EXPECT_TRUE(media::spriteExists(sprite)) << "sprite " << sprite;
      looks.push_back(SpriteHash(sprite));
    }
    return looks;
  }

  std::vector<std::uint64_t> portraitHashes;
};

TEST_F(NewGameTest, DealIsAsBalancedAsTheCellCountAllows) {
  struct Case {
    const char* size;
    const char* colours;
    int columns, rows;
    std::vector<int> counts;
  };
  const Case cases[] = {
      {"36", "3", 8, 12, {32, 32, 32}},
      {"36", "5", 8, 12, {20, 19, 19, 19, 19}},
      {"24", "4", 12, 18, {54, 54, 54, 54}},
      {"24", "5", 12, 18, {44, 43, 43, 43, 43}},
  };
  for (const Case& c : cases) {
    WriteSettings({{"Size", c.size}, {"Colors", c.colours}});
    PressNew();
    ASSERT_EQ(App.GameBoard.columns, c.columns);
    ASSERT_EQ(App.GameBoard.rows, c.rows);
    std::vector<int> counts;
    for (const auto& [sprite, count] : ColourCounts()) {
      EXPECT_EQ(sprite, ids::FirstTileSprite + static_cast<int>(counts.size()));
      counts.push_back(count);
    }
    EXPECT_EQ(counts, c.counts) << "size " << c.size << ", " << c.colours << " colours";
    EXPECT_EQ(Text(ids::TilesField), "Tiles: " + std::to_string(c.columns * c.rows) + " / " +
                                         std::to_string(c.columns * c.rows));
    EXPECT_EQ(tileSize(), std::stoi(c.size));
  }
}

TEST_F(NewGameTest, DealIsShuffled) {
  PressNew();
  int inCyclePlace = 0;
  for (int column = 0; column < 8; ++column)
    for (int row = 0; row < 12; ++row)
      inCyclePlace += App.GameBoard.at(column, row, 0) == ids::FirstTileSprite + (column * 12 + row) % 4;
  EXPECT_LT(inCyclePlace, 60) << "a shuffled board keeps about a quarter of the cycle";
}

TEST_F(NewGameTest, EveryPortraitOncePerCycleAndNoRepeatAcrossCycles) {
  std::vector<int> shown;
  for (int game = 0; game < 25; ++game) {
    PressNew();
    shown.push_back(ShownPortrait());
  }
  for (int cycle = 0; cycle < 2; ++cycle) {
    std::set<int> portraits(shown.begin() + cycle * 12, shown.begin() + cycle * 12 + 12);
    EXPECT_EQ(portraits, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})) << "cycle " << cycle;
  }
  EXPECT_NE(shown[12], shown[11]);
  EXPECT_NE(shown[24], shown[23]);
}

TEST_F(NewGameTest, ThreePortraitCyclesNeverRepeatAtTheirBoundary) {
  WriteSettings({{"Collection", "101100000000"}});
  std::vector<int> shown;
  for (int game = 0; game < 60; ++game) {
    PressNew();
    shown.push_back(ShownPortrait());
  }
  // The list starts in ascending order, so the first cycle never opens with the highest.
  EXPECT_NE(shown[0], 4);
  for (std::size_t cycle = 0; cycle < 20; ++cycle) {
    const auto first = shown.begin() + static_cast<long>(cycle * 3);
    EXPECT_EQ(std::set<int>(first, first + 3), (std::set<int>{1, 3, 4})) << "cycle " << cycle;
    if (cycle > 0) {
      EXPECT_NE(first[0], first[-1]) << "cycle " << cycle;
    }
  }
}

TEST_F(NewGameTest, SmallCollectionsAlternateOrRepeat) {
  const struct {
    const char* collection;
    std::vector<int> portraits;
  } cases[] = {
      {"110000000000", {1, 2, 1, 2}},
      {"000000100000", {7, 7, 7}},
      // Nothing the library has is selected: portrait 1 stands in.
      {"000000000000", {1, 1}},
      {"", {1, 1}},
      {"0000000000001", {1, 1}},
      {"0000000000011", {12, 12}},
  };
  for (const auto& c : cases) {
    WriteSettings({{"Collection", c.collection}});
    std::vector<int> shown;
    for (std::size_t game = 0; game < c.portraits.size(); ++game) {
      PressNew();
      shown.push_back(ShownPortrait());
    }
    EXPECT_EQ(shown, c.portraits) << "collection \"" << c.collection << "\"";
  }
}

TEST_F(NewGameTest, ColoursStayWithUnchangedSettings) {
  PressNew();
  const auto colours = TileColours();
  ASSERT_EQ(colours.size(), 4u);
  for (int game = 0; game < 4; ++game) {
    PressNew();
    EXPECT_EQ(TileColours(), colours) << "game " << game;
  }
}

TEST_F(NewGameTest, ColoursAreChosenAnewWhenColoursOrLevelChange) {
  std::set<std::vector<std::uint64_t>> choices;
  for (int change = 0; change < 8; ++change) {
    WriteSettings({{"Colors", change % 2 ? "4" : "3"}});
    PressNew();
    auto colours = TileColours();
    ASSERT_EQ(colours.size(), change % 2 ? 4u : 3u);
    colours.resize(3);
    choices.insert(colours);
  }
  EXPECT_GT(choices.size(), 1u) << "eight reloads all chose the same colours";

  WriteSettings({{"Size", "24"}, {"Colors", "3"}});
  PressNew();
  EXPECT_EQ(tileSize(), 24);
  EXPECT_EQ(media::spriteWidth(ids::HoverSprite), 24);
}

TEST_F(NewGameTest, NewDuringPracticeReplacesTheBoardWithoutAsking) {
  PressNew();
  SetPosition({"........", "........", "........", "........", "........", "........", "........", "........",
               "........", "........", "........", "AAB....."});
  ClickCell(0, 11);
  ASSERT_FALSE(Hidden(ids::UndoButton));
  const auto boxes = media::testing::shownMessageBoxes().size();
  PressNew();
  EXPECT_EQ(media::testing::shownMessageBoxes().size(), boxes);
  EXPECT_EQ(App.GameState, Running);
  EXPECT_TRUE(Hidden(ids::UndoButton));
  EXPECT_EQ(Text(ids::StepsField), "Steps: 0");
  EXPECT_EQ(Text(ids::TilesField), "Tiles: 96 / 96");
  EXPECT_EQ(StoredValue("Lvl-Lo", "OA_Lost"), "");
  EXPECT_TRUE(media::toolbarButtonDisabled(ids::Toolbar, ids::CommandOptions));
}

TEST_F(NewGameTest, NewDuringATournamentAnsweredNoKeepsItPaused) {
  WriteSettings({{"Mode", "T"}, {"Time", "300"}});
  PressNew();
  Advance(1500);
  ASSERT_EQ(Text(ids::TimeField), "Time left: 04:59");
  const auto board = App.GameBoard.cells;
  media::testing::answerMessageBox(media::ButtonNo);
  PressNew();
  const auto boxes = media::testing::shownMessageBoxes();
  ASSERT_FALSE(boxes.empty());
  EXPECT_EQ(boxes.back().caption, "Quit Game");
  EXPECT_EQ(boxes.back().text, "Are you sure?");
  EXPECT_EQ(boxes.back().kind, media::BoxWarningYesNo);
  EXPECT_EQ(App.GameState, Paused);
  EXPECT_EQ(media::controlState(ids::PauseButton), 1);
  EXPECT_EQ(App.GameBoard.cells, board);
  const auto shown = FrameHash();
  EXPECT_EQ(shown, SpriteHash(ids::PauseCoverSprite)) << "the field shows the pause cover";
  Advance(5000);
  EXPECT_EQ(Text(ids::TimeField), "Time left: 04:59") << "the clock halts while paused";
  EXPECT_EQ(StoredValue("Lvl-Lo", "OA_Lost"), "");
  EXPECT_FALSE(media::libraryLoaded(ids::AssetLibrary));
}

TEST_F(NewGameTest, NewDuringATournamentAnsweredYesRecordsALoss) {
  WriteSettings({{"Mode", "T"}, {"Time", "300"}, {"Collection", "110000000000"}});
  PressNew();
  EXPECT_EQ(ShownPortrait(), 1);
  Advance(2500);
  ASSERT_EQ(Text(ids::TimeField), "Time left: 04:58");
  media::testing::answerMessageBox(media::ButtonYes);
  PressNew();
  EXPECT_EQ(StoredValue("Lvl-Lo", "OA_Lost"), "1");
  EXPECT_EQ(App.GameState, Running);
  EXPECT_EQ(ShownPortrait(), 2) << "the next portrait, as without the question";
  EXPECT_EQ(Text(ids::TimeField), "Time left: 05:00");
  EXPECT_EQ(media::controlState(ids::PauseButton), 0);
  EXPECT_FALSE(Hidden(ids::PauseButton));
  Advance(1000);
  EXPECT_EQ(Text(ids::TimeField), "Time left: 04:59") << "one clock, not two";
}

// "Mode" changed on disk under a running tournament game (a hand-edited file,
// a second copy of the game): New still asks and records the loss, and the new
// practice game has no clock and no Pause button.
TEST_F(NewGameTest, NewAsksAboutTheTournamentInProgressNotTheSavedMode) {
  WriteSettings({{"Mode", "T"}, {"Time", "300"}});
  PressNew();
  Advance(1500);
  ASSERT_EQ(Text(ids::TimeField), "Time left: 04:59");
  WriteSettings({{"Mode", "P"}, {"Time", "300"}});
  const auto boxes = media::testing::shownMessageBoxes().size();
  media::testing::answerMessageBox(media::ButtonYes);
  PressNew();
  ASSERT_EQ(media::testing::shownMessageBoxes().size(), boxes + 1);
  EXPECT_EQ(media::testing::shownMessageBoxes().back().text, "Are you sure?");
  EXPECT_EQ(StoredValue("Lvl-Lo", "OA_Lost"), "1");
  EXPECT_EQ(App.GameState, Running);
  EXPECT_TRUE(Hidden(ids::PauseButton));
  EXPECT_EQ(media::controlState(ids::PauseButton), 0);
  EXPECT_EQ(Text(ids::TimeField), " ");
  Advance(310000);
  EXPECT_EQ(App.GameState, Running) << "a practice game is never lost to a clock";
  EXPECT_EQ(Text(ids::TimeField), " ");
}

TEST_F(NewGameTest, NewDuringTheBannerStopsIt) {
  PressNew();
  SetPosition({"........", "........", "........", "........", "........", "........", "........", "........",
               "........", "........", "........", "AA......"});
  ClickCell(0, 11);
  ASSERT_EQ(App.GameState, Won);
  Advance(300);
  PressNew();
  const auto frame = FrameHash();
  Advance(3000);
  EXPECT_EQ(App.GameState, Running) << "the end of the banner would have ended the new game";
  EXPECT_TRUE(media::toolbarButtonDisabled(ids::Toolbar, ids::CommandOptions));
  EXPECT_EQ(FrameHash(), frame) << "no banner frame drawn over the new board";
}

TEST_F(NewGameTest, HandEditedLevelAndColoursStillDealASoundBoard) {
  WriteSettings({{"Size", "30"}});
  PressNew();
  EXPECT_EQ(tileSize(), 24);
  EXPECT_EQ(App.GameBoard.columns, 12);
  EXPECT_EQ(App.GameBoard.rows, 18);

  WriteSettings({{"Colors", "0"}});
  PressNew();
  EXPECT_EQ(ColourCounts(), (std::map<int, int>{{3, 96}}));

  WriteSettings({{"Colors", "9"}});
  PressNew();
  const auto counts = ColourCounts();
  EXPECT_EQ(counts.size(), 7u);
  EXPECT_EQ(counts.begin()->second, 14);
  EXPECT_EQ(counts.rbegin()->second, 13);
  EXPECT_EQ(TileColours().size(), 7u);
}

// The inside of the hover frame is its transparent colour: the tile under it shows.
TEST_F(NewGameTest, HoverFrameLetsTheHoveredTileShowThrough) {
  for (const char* size : {"36", "24"}) {
    WriteSettings({{"Size", size}});
    PressNew();
    const int t = tileSize();
    media::testing::moveMouse(ids::MainWindow, ids::FieldX + t + t / 2, ids::FieldY + t / 2);
    Settle();
    const auto hovered = media::testing::lastPresentedFrame();
    media::testing::moveMouse(ids::MainWindow, 5, 5);
    Settle();
    const auto plain = media::testing::lastPresentedFrame();
    const std::size_t centre = static_cast<std::size_t>(t / 2) * ids::FieldWidth + t + t / 2;
    const std::size_t edge = static_cast<std::size_t>(t / 2) * ids::FieldWidth + t;
    EXPECT_EQ(hovered.pixels[centre], plain.pixels[centre]) << "size " << size;
    EXPECT_NE(hovered.pixels[centre] & 0xFFFFFFu, 0x4EF6FCu) << "size " << size;
    EXPECT_NE(hovered.pixels[edge], plain.pixels[edge]) << "the frame is drawn, size " << size;
  }
}

// The library may answer null or lack a function: that picture or sound is
// then absent instead of being read through a null address.
TEST_F(NewGameTest, MissingPicturesAndSoundsAreSimplyAbsent) {
  PressNew();
  ASSERT_TRUE(media::loadLibrary(ids::AssetLibrary, ids::AssetLibraryName));
  EXPECT_EQ(engine::LoadLibrarySprite(ids::PortraitSprite, "noSuchFunction", 1, 0), 0);
  EXPECT_FALSE(media::spriteExists(ids::PortraitSprite));
  EXPECT_EQ(engine::LoadLibrarySprite(ids::FirstTileSprite, "tiles", 30, 1, 0), 0);
  EXPECT_FALSE(media::spriteExists(ids::FirstTileSprite));
  EXPECT_EQ(engine::LoadLibrarySprite(ids::PauseCoverSprite, "transGirl", 13, 0), 0);
  EXPECT_FALSE(media::spriteExists(ids::PauseCoverSprite));
  EXPECT_EQ(engine::LoadLibrarySound(ids::MoveSound, 5), 0);
  EXPECT_FALSE(media::soundExists(ids::MoveSound));
  EXPECT_EQ(engine::LoadLibrarySound(ids::UndoSound, 1), App.SoundAvailable);
  media::unloadLibrary(ids::AssetLibrary);
  // A new game with everything in place again.
  PressNew();
  EXPECT_TRUE(media::spriteExists(ids::PortraitSprite));
  EXPECT_EQ(tileSize(), 36);
}

TEST_F(NewGameTest, LibraryIsUnloadedAndTheFileClosedAfterANewGame) {
  PressNew();
  EXPECT_FALSE(media::libraryLoaded(ids::AssetLibrary));
  EXPECT_FALSE(ConfigFile::isOpen());
}

}  // namespace
