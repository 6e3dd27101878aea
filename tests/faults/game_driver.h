// Drives the real game code on the headless back end for fault runs and the
// soak test: a temporary working directory, the real start-up, main-loop
// passes one event at a time, the virtual clock, and the controls of the
// dialog windows (which number theirs freely) found by window and text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace game_driver {

// A fresh directory that becomes the working directory while the object lives;
// it is removed afterwards (permissions restored first). It is made in base,
// or in the system's temporary directory when base is empty.
class WorkDirectory {
 public:
  explicit WorkDirectory(const std::string& base = {});
  ~WorkDirectory();
  WorkDirectory(const WorkDirectory&) = delete;
  WorkDirectory& operator=(const WorkDirectory&) = delete;
  const std::string& path() const { return path_; }
  std::string file(std::string_view name) const { return path_ + "/" + std::string(name); }

 private:
  std::string path_;
  std::string previous_;
};

// Thrown from the end-process hook, so a test sees the program end.
struct ProgramEnded {
  int exitCode;
};

// Resets the application state and runs the real start-up steps in the
// current directory. Throws ProgramEnded when start-up ends the program.
void StartProgram();
// Runs main-loop passes until one takes no event (at most limit passes).
// Returns the passes that took an event.
int Drain(int limit = 64);
// Runs main-loop passes until the virtual clock has moved on by ms; an idle
// pass waits 15 ms, so timers fire as they would in real time.
void RunFor(int ms);

// Numbers of the controls living in a window, in number order.
std::vector<int> ControlsOf(int window);
// The first control of the window whose text is exactly text, or -1.
int ControlWithText(int window, std::string_view text);
// The dialog on top, the one that takes input now (licence, About, statistics,
// options, collection), or -1 when none is open.
int TopDialog();

// Reading the file back as bytes, and writing bytes to it.
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, std::string_view bytes);

// When the process runs as root, drops the capabilities that let it ignore
// file permissions, so read-only files and directories are read-only here as
// for a player. Returns false when that is not possible.
bool HonourFilePermissions();

}  // namespace game_driver
