// The soak test's random player; see soak_player.h.
#include "soak_player.h"

#include <climits>
#include <cstdio>
#include <vector>

#include "common/app_state.h"
#include "common/common.h"
#include "common/ids.h"
#include "engine/engine.h"
#include "media/backend.h"
#include "media/headless/headless.h"
#include "media/media.h"
#include "media/testing.h"
#include "settings/config_file.h"
#include "shell/shell.h"
#include "soak_invariants.h"
#include "tests/support/headless_game.h"
#include "tests/support/records.h"
#include "tests/support/stored_config.h"

namespace soak {

namespace {

constexpr const char* ResetCaption = "Delete selected Statistics";
constexpr const char* QuitCaption = "Quit Game";

// Whether the option button's mode or level has been started far more often
// than its alternative, so the player leaves that button alone: a run that
// fell into practice games, which hold the options until they are won, still
// reaches every mode and level.
bool ChoiceWellCovered(const std::string& text, const Tally& tally) {
  const auto& s = tally.startedByModeAndLevel;
  const long practice = s[0][0] + s[0][1], tournament = s[1][0] + s[1][1];
  const long easy = s[0][0] + s[1][0], hard = s[0][1] + s[1][1];
  if (text == "Practice") return practice > 3 * tournament + 3;
  if (text == "Tournament") return tournament > 3 * practice + 3;
  if (text == "Easy") return easy > 3 * hard + 3;
  if (text == "Hard") return hard > 3 * easy + 3;
  return false;
}
constexpr int BannerWait = 10000;  // ms: longer than any end-of-game animation

bool GameInPlay() { return App.GameState == Running || App.GameState == Paused; }

// The board at the step in play as a player sees it: [column][row], 0 empty.
using Grid = std::vector<std::vector<int>>;

Grid VisibleGrid() {
  const Board& board = App.GameBoard;
  Grid grid(static_cast<std::size_t>(board.columns), std::vector<int>(static_cast<std::size_t>(board.rows)));
  for (int column = 0; column < board.columns; ++column)
    for (int row = 0; row < board.rows; ++row)
      grid[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)] = board.at(column, row, App.CurrentStep);
  return grid;
}

// Every group of two or more tiles, each as its cells.
std::vector<std::vector<Cell>> Groups(const Grid& grid) {
  const int columns = static_cast<int>(grid.size());
  const int rows = columns > 0 ? static_cast<int>(grid[0].size()) : 0;
  std::vector<std::vector<char>> seen(grid.size(), std::vector<char>(static_cast<std::size_t>(rows)));
  std::vector<std::vector<Cell>> groups;
  for (int column = 0; column < columns; ++column)
    for (int row = 0; row < rows; ++row) {
      const int value = grid[column][row];
      if (value == 0 || seen[column][row]) continue;
      std::vector<Cell> group{{column, row}};
      seen[column][row] = 1;
      for (std::size_t next = 0; next < group.size(); ++next) {
        const Cell c = group[next];
        for (const Cell n : {Cell{c.column - 1, c.row}, Cell{c.column + 1, c.row}, Cell{c.column, c.row - 1},
                             Cell{c.column, c.row + 1}}) {
          if (n.column < 0 || n.column >= columns || n.row < 0 || n.row >= rows) continue;
          if (seen[n.column][n.row] || grid[n.column][n.row] != value) continue;
          seen[n.column][n.row] = 1;
          group.push_back(n);
        }
      }
      if (group.size() >= 2) groups.push_back(std::move(group));
    }
  return groups;
}

// The grid after a group is removed: tiles fall, empty columns close up.
Grid AfterMove(const Grid& grid, const std::vector<Cell>& group) {
  Grid marked = grid;
  for (const Cell c : group) marked[c.column][c.row] = 0;
  const std::size_t rows = grid.empty() ? 0 : grid[0].size();
  Grid result;
  for (const auto& column : marked) {
    std::vector<int> kept;
    for (int value : column)
      if (value != 0) kept.push_back(value);
    if (kept.empty()) continue;
    std::vector<int> fallen(rows - kept.size(), 0);
    fallen.insert(fallen.end(), kept.begin(), kept.end());
    result.push_back(std::move(fallen));
  }
  result.resize(grid.size(), std::vector<int>(rows, 0));
  return result;
}

// Tiles left that belong to no group: what a player tries to keep low.
int Stranded(const Grid& grid) {
  int tiles = 0;
  for (const auto& column : grid)
    for (int value : column) tiles += value != 0;
  for (const auto& group : Groups(grid)) tiles -= static_cast<int>(group.size());
  return tiles;
}

// A cell of the group whose removal strands the fewest tiles.
Cell BestGroupCell(const std::vector<std::vector<Cell>>& groups, const Grid& grid) {
  std::size_t best = 0;
  int fewest = INT_MAX;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    const int stranded = Stranded(AfterMove(grid, groups[i]));
    if (stranded < fewest) {
      fewest = stranded;
      best = i;
    }
  }
  return groups[best].front();
}

std::size_t BoxesWithCaption(const std::vector<media::testing::ShownMessageBox>& boxes) {
  std::size_t count = 0;
  for (const auto& box : boxes)
    if (box.caption == QuitCaption || box.caption == ResetCaption) ++count;
  return count;
}

}  // namespace

Player::Player(std::uint32_t seed, bool trace) : rng_(seed), trace_(trace) {}

void Player::Trace(const std::string& what) const {
  if (!trace_) return;
  const test_support::StoredConfig config = test_support::ReadStoredConfig(ids::ConfigFileName);
  auto stored = [&](const char* group) { return config.number(group, "OA_Won", 0) + config.number(group, "OA_Lost", 0); };
  std::fprintf(stderr, "event %ld, game %ld: %s; counted %d easy, %d hard; on disk %d easy, %d hard%s\n", tally_.events,
               tally_.games, what.c_str(), counted_[0], counted_[1], stored("Lvl-Lo"), stored("Lvl-Hi"),
               ConfigFile::isOpen() ? " (file open)" : "");
}

void Player::Attach() {
  lastState_ = App.GameState;
  boxesExpected_ = BoxesWithCaption(media::testing::shownMessageBoxes());
  media::headless::setIdleHook([this] { DialogAction(); });
  media::headless::setEndProcessHook(
      [](int code) { throw SoakFailure("the program ended with exit code " + std::to_string(code)); });
}

void Player::Fail(const std::string& what) const {
  throw SoakFailure("game " + std::to_string(tally_.games) + ", event " + std::to_string(tally_.events) +
                    ", GameState " + std::to_string(App.GameState) + ": " + what);
}

void Player::CheckAll(bool fileToo) {
  for (const std::string& broken : {CheckBoard(), CheckUndoButton()}) {
    ++tally_.checks;
    if (!broken.empty()) Fail(broken);
  }
  if (!fileToo) return;
  ++tally_.checks;
  if (const std::string broken = CheckStoredFile(counted_); !broken.empty()) Fail(broken);
}

// Counts the end of a game in play (won or lost) when a pass brought it.
void Player::AfterEvent() {
  ++tally_.events;
  const bool ended = App.GameState == Won || App.GameState == Lost;
  if ((lastState_ == Running || lastState_ == Paused) && ended && game_) {
    if (game_->tournament) ++counted_[static_cast<std::size_t>(game_->level)];
    ++tally_.ended;
    ++(App.GameState == Won ? tally_.won : tally_.lost);
    Trace(std::string(game_->tournament ? "tournament" : "practice") + (App.GameState == Won ? " won" : " lost"));
    game_.reset();
  }
  lastState_ = App.GameState;
  // Between events the main loop holds no configuration file open.
  CheckAll(!ConfigFile::isOpen());
}

void Player::Settle() {
  if (!test_support::settle([this] { AfterEvent(); }))
    Fail("one action kept the main loop busy for " + std::to_string(test_support::SettlePassLimit) + " passes");
}

void Player::Idle(int ms) {
  test_support::advanceClock(ms, [this] { AfterEvent(); });
}

void Player::ExpectBox() {
  ++boxesExpected_;
  boxCheckPending_ = true;
}

void Player::VerifyBoxes() {
  if (!boxCheckPending_) return;
  boxCheckPending_ = false;
  const auto boxes = media::testing::shownMessageBoxes();
  const std::size_t shown = BoxesWithCaption(boxes);
  if (shown != boxesExpected_)
    Fail("expected " + std::to_string(boxesExpected_) + " questions so far, " + std::to_string(shown) +
         " were asked");
}

void Player::ClickField(bool onGroup) {
  const int t = TileSize() > 0 ? TileSize() : 36;
  Cell cell{Below(ids::FieldWidth / t), Below(ids::FieldHeight / t)};
  if (onGroup) {
    // Mostly the player's best guess, so practice games are won now and then.
    const Grid grid = VisibleGrid();
    const auto groups = Groups(grid);
    if (!groups.empty() && Chance(70)) {
      cell = BestGroupCell(groups, grid);
    } else if (!groups.empty()) {
      const auto& group = groups[static_cast<std::size_t>(Below(static_cast<int>(groups.size())))];
      cell = group[static_cast<std::size_t>(Below(static_cast<int>(group.size())))];
    }
  }
  media::testing::leftClick(ids::MainWindow, ids::FieldX + cell.column * t + Below(t),
                            ids::FieldY + cell.row * t + Below(t));
  ++tally_.events;
  Settle();
}

void Player::PressNew() {
  const bool asks = (App.GameState == Running && game_ && game_->tournament) || App.GameState == Paused;
  const bool giveUp = !asks || Chance(30);
  if (asks) {
    if (!game_ || !game_->tournament) Fail("a game that is no tournament is paused");
    ExpectBox();
    if (giveUp) media::testing::answerMessageBox(media::ButtonYes);
  }
  if (giveUp) {
    // The model moves first: the checks during the new game's passes expect it.
    if (game_) {
      if (asks) ++counted_[static_cast<std::size_t>(game_->level)];
      ++tally_.ended;
    }
    const test_support::StoredConfig config = test_support::ReadStoredConfig(ids::ConfigFileName);
    game_ = Game{config.value("Settings", "Mode").value_or("P") == "T",
                 config.number("Settings", "Size", 36) == 36 ? 0 : 1};
    Trace(std::string(asks ? "abandoned, " : "") + "new " + (game_->tournament ? "tournament" : "practice") +
          (game_->level ? " hard" : " easy"));
    ++tally_.games;
    ++tally_.startedByModeAndLevel[game_->tournament][static_cast<std::size_t>(game_->level)];
  }
  media::testing::clickControl(ids::NewButton);
  ++tally_.events;
  Settle();
  VerifyBoxes();
  if (giveUp && App.GameState != Running) Fail("New did not start a game");
  if (!giveUp && App.GameState != Paused) Fail("answering No to abandoning left the game unpaused");
}

void Player::QuitAnsweredNo() {
  if (!GameInPlay()) return;  // without a game in play, quitting asks nothing and ends the program
  const int stateBefore = App.GameState;
  ExpectBox();
  switch (Below(3)) {
    case 0: media::testing::clickControl(ids::QuitButton); break;
    case 1: media::testing::pressShortcut(ids::MainWindow, media::KeyCtrlQ); break;
    default: media::testing::requestClose(ids::MainWindow); break;
  }
  ++tally_.events;
  Settle();
  VerifyBoxes();
  const bool timed = game_ && game_->tournament;
  if (timed && App.GameState != Paused) Fail("a tournament game asked about quitting is not paused");
  if (!timed && App.GameState != stateBefore) Fail("asking about quitting changed a practice game");
}

void Player::OpenFromMenu(int toolbarButton, int menu, int item) {
  if (media::testing::clickToolbarButton(ids::Toolbar, toolbarButton)) media::testing::chooseMenuItem(menu, item);
  ++tally_.events;
  Settle();
}

void Player::MainAction() {
  // What the last action left queued (a repaint, a timer that fell due) is
  // handled first, so the next input is the next event and the player's
  // expectations (which question comes, what is counted) hold for it.
  Settle();
  VerifyBoxes();
  if (media::windowHidden(ids::MainWindow)) {
    if (Chance(70)) {
      media::testing::clickTrayIcon(ids::TrayIcon);
      ++tally_.events;
      Settle();
    } else {
      Idle(15 + Below(3000));
    }
    return;
  }
  if (!GameInPlay() && Chance(30)) {
    // Mostly the banner is watched to its end, which gives the options back.
    if ((App.GameState == Won || App.GameState == Lost) && Chance(70)) Idle(BannerWait);
    if (Chance(70)) OpenFromMenu(ids::CommandOptions, ids::SettingsMenu, ids::CommandGameSettings);
    PressNew();
    return;
  }
  if (App.GameState == Running && game_ && !game_->tournament && AnyMoveLeft() == 0 && Chance(50)) {
    PressNew();
    return;
  }
  const int roll = Below(1000);
  if (roll < 380) {
    ClickField(true);
  } else if (roll < 430) {
    ClickField(false);
  } else if (roll < 500) {
    media::testing::moveMouse(ids::MainWindow, Below(640) - 10, Below(570) - 10);
    ++tally_.events;
    Settle();
  } else if (roll < 580) {
    media::testing::clickControl(ids::UndoButton);
    ++tally_.events;
    Settle();
  } else if (roll < 620) {
    media::testing::clickControl(ids::PauseButton);
    ++tally_.events;
    Settle();
  } else if (roll < 660) {
    // A practice game with moves left is mostly played on, so some are won.
    if (!(App.GameState == Running && game_ && !game_->tournament) || Chance(10)) PressNew();
  } else if (roll < 680) {
    media::testing::pressShortcut(ids::MainWindow, media::KeyEscape);
    ++tally_.events;
    Settle();
  } else if (roll < 700) {
    QuitAnsweredNo();
  } else if (roll < 720) {
    media::testing::clickToolbarButton(ids::Toolbar, ids::CommandStatistics);
    ++tally_.events;
    Settle();
  } else if (roll < 760) {
    OpenFromMenu(ids::CommandOptions, ids::SettingsMenu, ids::CommandGameSettings);
  } else if (roll < 768) {
    OpenFromMenu(ids::CommandOptions, ids::SettingsMenu, ids::CommandImageCollection);
  } else if (roll < 783) {
    OpenFromMenu(ids::CommandHelpMenu, ids::InfoMenu, ids::CommandAbout);
  } else if (roll < 788) {
    media::testing::pressShortcut(ids::MainWindow, media::KeyF1);
    ++tally_.events;
    Settle();
  } else if (roll < 800 && App.GameState == Running && game_ && game_->tournament) {
    // Let the clock run out: the rest of the limit and the banner.
    Idle((App.SecondsLeft + 3) * 1000);
    if (App.GameState == Running) Fail("a tournament game outlived its time limit");
  } else {
    Idle(15 + Below(5000));
  }
}

// Called whenever the program waits with nothing queued: in a dialog's own
// loop it gives that dialog one input, in the main loop it does nothing.
void Player::DialogAction() {
  VerifyBoxes();
  const int window = test_support::topDialog();
  if (window < 0) return;
  ++tally_.events;
  CheckAll(false);
  if (!Chance(20) && DialogControlAction(window)) return;
  ++tally_.dialogs;
  const int close = test_support::controlWithText(window, "Close");
  if (close >= 0 && Chance(50) && media::testing::clickControl(close)) return;
  if (!media::testing::requestClose(window)) Fail("the dialog on top does not take a close request");
}

// One random change to a control of the dialog, as a player makes it. Answers
// false when no control took it.
bool Player::DialogControlAction(int window) {
  std::vector<int> controls = test_support::controlsOf(window);
  // Half the time the choices that change the game most: the option buttons.
  if (Chance(50)) {
    const std::vector<int> options = test_support::findControls([window](const media::ControlRecord& control) {
      return control.window == window && control.kind == media::ControlOptionButton;
    });
    if (!options.empty()) controls = options;
  }
  for (int tries = 0; tries < 8 && !controls.empty(); ++tries) {
    const int number = controls[static_cast<std::size_t>(Below(static_cast<int>(controls.size())))];
    const media::ControlRecord& control = *media::core::findControl(number);
    switch (control.kind) {
      case media::ControlTrackBar: {
        // Mostly the low end, so tournaments are short and run out.
        const int state = Chance(70) ? control.minimum : control.minimum + Below(control.maximum - control.minimum + 1);
        if (media::testing::changeControl(number, state)) return true;
        break;
      }
      case media::ControlTabPanel:
        if (media::testing::changeControl(number, Below(static_cast<int>(control.tabs.size())))) return true;
        break;
      case media::ControlPushButton: {
        if (control.text == "Close") break;
        const bool reset = control.text.rfind("Reset", 0) == 0;
        if (!media::testing::clickControl(number)) break;
        if (reset) {
          ExpectBox();
          if (Chance(50)) {
            media::testing::answerMessageBox(media::ButtonYes);
            if (control.text == "Reset all")
              counted_ = {0, 0};
            else
              counted_[control.tab == 1 ? 1 : 0] = 0;
            Trace("statistics reset: " + control.text + " on tab " + std::to_string(control.tab));
          }
        }
        return true;
      }
      case media::ControlOptionButton:
        // Mostly tournaments: they always end and give the options back, while
        // a practice game holds them until it is won.
        if (control.text == "Practice" && Chance(60)) break;
        if (ChoiceWellCovered(control.text, tally_)) break;
        if (media::testing::clickControl(number)) return true;
        break;
      case media::ControlCheckBox:
      case media::ControlPictureButton:
      case media::ControlPictureControl:
      case media::ControlHyperlink:
        if (media::testing::clickControl(number)) return true;
        break;
      default:
        break;
    }
  }
  return false;
}

}  // namespace soak
