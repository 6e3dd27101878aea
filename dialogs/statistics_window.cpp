// The modal statistics window: a tab panel "Easy" / "Hard" with the figures of
// each level, a "Reset" button per tab, "Reset all" and "Close". The
// configuration file stays open while the window is shown; a confirmed reset
// removes the level's group from it, and ConfirmQuit closes (saves) it.
#include "dialogs/statistics_window.h"

#include <string>

#include "common/app_state.h"
#include "common/common.h"
#include "common/dialog_window.h"
#include "common/ids.h"
#include "common/statistics.h"
#include "dialogs/dialogs.h"
#include "media/media.h"
#include "settings/config_file.h"
#include "settings/keys.h"

namespace {

constexpr const char* Title = "Statistics";
constexpr int Width = 330;
constexpr int Height = 410;
constexpr const char* ResetCaption = "Delete selected Statistics";
constexpr const char* ResetQuestion = "Continue?";

// The label texts of a tab; only those of the "Easy" tab end with a blank.
struct TabLabels {
  const char* title;
  const char* won;
  const char* lost;
  const char* current;
};
constexpr TabLabels Labels[2] = {{"Easy", "Won: ", "Lost: ", "Current: "}, {"Hard", "Won:", "Lost:", "Current:"}};

int label(int x, int y, int width, const char* text) {
  return media::createTextLabel(media::AnyNumber, x, y, width, 20, text, media::LabelLeft);
}
// A figure, right-aligned; wide enough for the 32-bit ends ("-2147483648").
constexpr int FigureX = 90;
constexpr int FigureWidth = 70;
int figure(int y) {
  return media::createTextLabel(media::AnyNumber, FigureX, y, FigureWidth, 20, "0", media::LabelRight);
}

int value(int x, int y, int width, const char* sample) {
  return media::createTextLabel(media::AnyNumber, x, y, width, 20, sample, media::LabelRight);
}

// One frame with a won and a lost row of count and share.
void createCountFrame(int y, const TabLabels& text, int& frame, int& won, int& wonShare, int& lost,
                      int& lostShare) {
  frame = media::createFrame(media::AnyNumber, 20, y, 250, 70, "");
  label(40, y + 20, 50, text.won);
  won = figure(y + 20);
  wonShare = value(170, y + 20, 60, "(0.00%)");
  label(40, y + 40, 50, text.lost);
  lost = figure(y + 40);
  lostShare = value(170, y + 40, 60, " (0.00%)");
}

void createTab(int levelIndex) {
  StatisticsTab& t = StatisticsControls.tabs[levelIndex];
  const TabLabels& text = Labels[levelIndex];
  media::addTab(StatisticsControls.tabPanel, text.title);
  createCountFrame(20, text, t.totalFrame, t.allWon, t.allWonShare, t.allLost, t.allLostShare);
  createCountFrame(100, text, t.sessionFrame, t.sessionWon, t.sessionWonShare, t.sessionLost, t.sessionLostShare);
  t.streakFrame = media::createFrame(media::AnyNumber, 20, 180, 250, 90, "Lucky / Losing Streaks");
  label(40, 200, 50, text.won);
  t.longestWon = figure(200);
  label(40, 220, 50, text.lost);
  t.longestLost = figure(220);
  label(40, 240, 50, text.current);
  t.current = figure(240);
  t.currentKind = label(170, 240, 60, " ");
  t.reset = media::createPushButton(media::AnyNumber, 20, 290, 250, 20, "Reset");
}

void createControls() {
  StatisticsControls.tabPanel = media::createTabPanel(media::AnyNumber, 20, 20, 290, 350);
  createTab(0);
  createTab(1);
  media::closeControlList();
  StatisticsControls.resetAll = media::createPushButton(media::AnyNumber, 20, 380, 140, 20, "Reset all");
  StatisticsControls.close = media::createPushButton(media::AnyNumber, 170, 380, 140, 20, "Close");
}

// The record keeps mirroring its group, which the reset has just removed.
void clearStoredFields(int levelIndex) {
  if (App.Statistics.size() < 2) App.Statistics.resize(2);
  GameStatistics& r = App.Statistics[static_cast<std::size_t>(levelIndex)];
  r.allWon = r.allLost = r.longestWinStreak = r.longestLossStreak = 0;
}

void resetLevel(int levelIndex) {
  ConfigFile::removeGroup(keys::StatisticsGroups[levelIndex]);
  clearStoredFields(levelIndex);
}

}  // namespace

void confirmReset(int button) {
  if (media::messageBox(ResetCaption, ResetQuestion, media::BoxWarningYesNo) != media::ButtonYes) return;
  const StatisticsWindow& w = StatisticsControls;
  if (button == w.tabs[0].reset || button == w.resetAll) resetLevel(0);
  if (button == w.tabs[1].reset || button == w.resetAll) resetLevel(1);
  statisticsAction(FillWindow);
}

int statisticsEvent(int event) {
  if (event == media::EventCloseWindow) return 0;
  if (event == media::EventControl) {
    const int control = media::eventObject();
    const StatisticsWindow& w = StatisticsControls;
    if (control == w.tabs[0].reset || control == w.tabs[1].reset || control == w.resetAll) confirmReset(control);
  }
  return 1;
}

void openStatisticsWindowSteps() {
  StatisticsControls = {};
  media::disableWindow(ids::MainWindow, 1);
  dialogs::openDialogWindow(ids::StatisticsWindow, Width, Height, Title, ids::MainWindow);
  createControls();
  ConfigFile::open(ids::ConfigFileName);
  ConfigFile::selectGroup(keys::Settings);
  // The game in progress decides, not the saved Mode: Options or another copy
  // may have changed it under a running game.
  if (TimedGameRunning()) {
    media::setControlState(ids::PauseButton, 1);
    TogglePause();
  }
  statisticsAction(FillWindow);
}

int statisticsWindowPass() {
  const int kind = dialogs::waitDialogEvent(ids::StatisticsWindow);
  const bool closeButton = kind == media::EventControl && media::eventObject() == StatisticsControls.close;
  if (statisticsEvent(kind) == 0 || closeButton) {
    ConfirmQuit();
    return 0;
  }
  return 1;
}

void openStatisticsWindow() {
  openStatisticsWindowSteps();
  while (statisticsWindowPass()) {
  }
}
