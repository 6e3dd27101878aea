// The rule of the game on fixed positions of the easy level (8 x 12): which
// clicks remove a group, how tiles fall and columns close up, the win, the
// tournament loss for want of moves, and undo with and without unlimited undo.
#include <string>
#include <vector>

#include "common/ids.h"
#include "engine/engine.h"
#include "media/testing.h"
#include "tests/engine/game_fixture.h"

namespace {

// An easy-level position given by its bottom rows; the rows above are empty.
std::vector<std::string> Bottom(std::vector<std::string> rows) {
  rows.insert(rows.begin(), 12 - rows.size(), "........");
  return rows;
}

class MovesTest : public GameTest {
 protected:
  void Start(const Settings& settings, const std::vector<std::string>& bottomRows) {
    WriteSettings(settings);
    PressNew();
    SetPosition(Bottom(bottomRows));
  }
  int MarkedCount(const MarkGrid& marks) {
    int count = 0;
    for (int v : marks.cells) count += v != 0;
    return count;
  }
};

TEST_F(MovesTest, SameColouredNeighboursAreRemovedByAClickOnEither) {
  const std::vector<std::string> start = {"AB......", "BA.CC..."};
  const std::vector<std::string> after = Bottom({"AB......", "BA......"});
  for (int column : {3, 4}) {
    Start({}, start);
    ClickCell(column, 11);
    EXPECT_EQ(Position(), after) << "click on column " << column << Show(Position());
    EXPECT_EQ(App.CurrentStep, 1);
    EXPECT_EQ(Text(ids::StepsField), "Steps: 1");
    EXPECT_EQ(Text(ids::TilesField), "Tiles: 4 / 6");
  }
}

TEST_F(MovesTest, LoneTilesAndCornerNeighboursMakeNoGroup) {
  Start({}, {"AB......", "BA.CC..."});
  MarkGrid marks;
  marks.reset(8, 12);
  EXPECT_EQ(FindRegion(0, 11, marks), 0);
  EXPECT_EQ(MarkedCount(marks), 1) << "only the clicked cell is marked";
  ClickCell(0, 11);
  ClickCell(1, 10);
  EXPECT_EQ(App.CurrentStep, 0);
  EXPECT_EQ(Position(), Bottom({"AB......", "BA.CC..."})) << Show(Position());
  EXPECT_EQ(Text(ids::StepsField), "Steps: 0");
}

TEST_F(MovesTest, RegionIsExactlyTheConnectedGroup) {
  // A ring of A around a B, and an A touching the ring only at a corner.
  Start({}, {"AAA.....", "ABA.....", "AAA.....", "...A...."});
  MarkGrid marks;
  marks.reset(8, 12);
  EXPECT_EQ(FindRegion(1, 10, marks), 1);
  EXPECT_EQ(MarkedCount(marks), 8);
  EXPECT_EQ(marks.at(1, 9), 0) << "the B inside the ring";
  EXPECT_EQ(marks.at(3, 11), 0) << "the corner neighbour";
}

TEST_F(MovesTest, GroupOverSeveralColumnsLetsEachColumnFallInOrder) {
  Start({}, {"BCD.....", "AAA.....", "CAB.....", "DBA....."});
  ClickCell(1, 9);
  const auto expected = Bottom({"B.D.....", "CCB.....", "DBA....."});
  EXPECT_EQ(Position(), expected) << Show(Position());
  EXPECT_EQ(App.TilesLeft[1], 8);
  EXPECT_EQ(App.TilesLeft[0], 12);
}

TEST_F(MovesTest, EmptiedColumnsCloseUpToTheLeft) {
  Start({}, {"A.B..C..", "ABC.DC.."});
  ClickCell(0, 11);
  EXPECT_EQ(Position(), Bottom({".B.C....", "BCDC...."})) << Show(Position());
  ClickCell(3, 11);
  EXPECT_EQ(Position(), Bottom({".B......", "BCD....."})) << Show(Position());
}

TEST_F(MovesTest, RemovingTheLastTilesWinsAPracticeGameWithoutRecordingIt) {
  Start({}, {"AA......"});
  ClickCell(0, 11);
  EXPECT_EQ(App.GameState, Won);
  EXPECT_EQ(Text(ids::TilesField), "100% - Congratulations: you won!");
  EXPECT_EQ(Text(ids::TimeField), " ");
  EXPECT_EQ(StoredValue("Lvl-Lo", "OA_Won"), "");
  EXPECT_TRUE(Hidden(ids::UndoButton));
}

TEST_F(MovesTest, RemovingTheLastTilesWinsATournamentGameAndRecordsIt) {
  Start({{"Mode", "T"}}, {"AA......"});
  ClickCell(1, 11);
  EXPECT_EQ(App.GameState, Won);
  EXPECT_EQ(Text(ids::TilesField), "100% - Congratulations: you won!");
  EXPECT_EQ(Text(ids::TimeField).rfind("Time used: ", 0), 0u) << Text(ids::TimeField);
  EXPECT_EQ(StoredValue("Lvl-Lo", "OA_Won"), "1");
  EXPECT_TRUE(Hidden(ids::PauseButton));
  EXPECT_TRUE(Hidden(ids::UndoButton));
}

TEST_F(MovesTest, NoMoveLeftLosesATournamentButNotAPracticeGame) {
  const std::vector<std::string> start = {"AACD....", "BCAB...."};
  const auto after = Bottom({"..CD....", "BCAB...."});
  Start({{"Mode", "T"}}, start);
  ClickCell(0, 10);
  EXPECT_EQ(App.GameState, Lost);
  EXPECT_EQ(Position(), after) << Show(Position());
  EXPECT_EQ(Text(ids::TilesField), "25.00% - Game over ...");
  EXPECT_EQ(StoredValue("Lvl-Lo", "OA_Lost"), "1");

  Start({{"Mode", "P"}}, start);
  ClickCell(0, 10);
  EXPECT_EQ(App.GameState, Running);
  EXPECT_EQ(Position(), after) << Show(Position());
  EXPECT_EQ(AnyMoveLeft(), 0);
  EXPECT_FALSE(Hidden(ids::UndoButton));
  EXPECT_EQ(Text(ids::TilesField), "Tiles: 6 / 8");
}

TEST_F(MovesTest, AnyMoveLeftFindsTheOnlyPairAnywhere) {
  Start({}, {"ABABABAB", "BABABABA"});
  EXPECT_EQ(AnyMoveLeft(), 0);
  App.GameBoard.at(7, 10, 0) = App.GameBoard.at(7, 11, 0);
  EXPECT_EQ(AnyMoveLeft(), 1);
}

TEST_F(MovesTest, UnlimitedUndoTakesEveryMoveBackToTheDeal) {
  const auto dealt = Bottom({"AABBCCDE"});
  Start({{"Undo", "1"}}, {"AABBCCDE"});
  EXPECT_TRUE(Hidden(ids::UndoButton));
  for (int move = 0; move < 3; ++move) ClickCell(0, 11);
  EXPECT_EQ(Text(ids::TilesField), "Tiles: 2 / 8");
  EXPECT_FALSE(Hidden(ids::UndoButton));
  PressUndo();
  EXPECT_EQ(Text(ids::StepsField), "Steps: 2");
  EXPECT_EQ(Text(ids::TilesField), "Tiles: 4 / 8");
  EXPECT_FALSE(Hidden(ids::UndoButton));
  PressUndo();
  PressUndo();
  EXPECT_EQ(Text(ids::StepsField), "Steps: 0");
  EXPECT_EQ(Text(ids::TilesField), "Tiles: 8 / 8");
  EXPECT_TRUE(Hidden(ids::UndoButton));
  EXPECT_EQ(Position(), dealt) << Show(Position());
  EXPECT_EQ(App.GameBoard.steps, 1);
}

TEST_F(MovesTest, WithoutUnlimitedUndoOnlyTheLastMoveComesBack) {
  Start({{"Undo", "0"}}, {"AABBCCDE"});
  for (int move = 0; move < 3; ++move) ClickCell(0, 11);
  PressUndo();
  EXPECT_EQ(Text(ids::StepsField), "Steps: 2");
  EXPECT_EQ(Text(ids::TilesField), "Tiles: 4 / 8");
  EXPECT_TRUE(Hidden(ids::UndoButton));
  EXPECT_EQ(Position(), Bottom({"CCDE...."})) << Show(Position());
  // The next move starts from the count of the step returned to.
  ClickCell(0, 11);
  EXPECT_EQ(Text(ids::StepsField), "Steps: 3");
  EXPECT_EQ(Text(ids::TilesField), "Tiles: 2 / 8");
  EXPECT_FALSE(Hidden(ids::UndoButton));
}

}  // namespace
