// A random but valid player for the soak test. It acts only as a person could
// (clicks on the field and the buttons, the toolbar and its menus, Escape and
// the tray icon, the dialogs' controls, quitting answered No), keeps its own
// count of the tournament games that must appear in the statistics, and
// checks every invariant after every event it causes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>

namespace soak {

struct SoakFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct Tally {
  long games = 0;   // games started
  long ended = 0;   // games that ended (won, lost, abandoned)
  long won = 0;
  long lost = 0;
  long events = 0;  // inputs given and clock steps taken
  long checks = 0;  // invariants checked
  long dialogs = 0;
  std::array<std::array<long, 2>, 2> startedByModeAndLevel{};  // [tournament][level]
};

class Player {
 public:
  // With trace set, every change of the player's own count is printed.
  Player(std::uint32_t seed, bool trace);
  // Installs the idle hook that plays the dialogs; call after start-up.
  void Attach();
  // One action in the main window and everything it causes, checked.
  void MainAction();
  const Tally& tally() const { return tally_; }

 private:
  struct Game {
    bool tournament = false;
    int level = 0;  // 0 "Easy", 1 "Hard"
  };

  void DialogAction();
  bool DialogControlAction(int window);
  void ClickField(bool onGroup);
  void PressNew();
  void QuitAnsweredNo();
  void OpenFromMenu(int toolbarButton, int menu, int item);
  void Idle(int ms);
  void Settle();  // drains the events of one action, checking after each
  void AfterEvent();
  void CheckAll(bool fileToo);
  void ExpectBox();
  void VerifyBoxes();
  void Fail(const std::string& what) const;
  void Trace(const std::string& what) const;
  int Chance(int percent) { return static_cast<int>(rng_() % 100) < percent; }
  int Below(int n) { return n <= 0 ? 0 : static_cast<int>(rng_() % static_cast<std::uint32_t>(n)); }

  std::mt19937 rng_;
  bool trace_;
  Tally tally_;
  std::optional<Game> game_;
  std::array<int, 2> counted_{};  // tournament games recorded per level since the last reset
  int lastState_ = 0;
  std::size_t boxesExpected_ = 0;
  bool boxCheckPending_ = false;
};

}  // namespace soak
