// The real game on the headless back end, as a test starts and drives it:
// start-up as the program runs it, main-loop passes until the event queue is
// idle, and the virtual clock moved on through the loop. A test using these
// links media_headless. Most tests start the game inside a GameScene
// (game_scene.h), so that config.ini is their own.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

namespace test_support {

// Resets the application record and runs the real start-up steps in the
// working directory, then sets no game, as StartUp does before its loop. With
// config, config.ini is first written with exactly those bytes. A start-up
// that ends the process (the asset library not beside the test) makes it exit
// with code 1 and a message, so it never passes silently.
void startGame(std::optional<std::string_view> config = std::nullopt);

// Thrown instead of ending the process once throwWhenProgramEnds has run.
struct ProgramEnded {
  int exitCode;
};
// Until the media layer is initialised again, the program's end throws
// ProgramEnded back into the test.
void throwWhenProgramEnds();

// One input causes a few dozen passes at most; a loop still busy after this
// many never runs idle.
inline constexpr int SettlePassLimit = 1000;
// Runs main-loop passes until one takes no event (its wait has then moved the
// virtual clock on by its timeout, 15 ms); afterEvent runs after each pass
// that took one. Returns false, with a test failure, when the loop is still
// busy after SettlePassLimit passes.
bool settle(const std::function<void()>& afterEvent = {});
// Runs main-loop passes until the virtual clock has moved on by ms, so timers
// fire on the way as in real time; afterEvent runs after each pass that took
// an event.
void advanceClock(int ms, const std::function<void()>& afterEvent = {});

}  // namespace test_support
