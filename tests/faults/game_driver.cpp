// The headless game driver; see game_driver.h.
#include "game_driver.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/app_state.h"
#include "common/common.h"
#include "common/ids.h"
#include "media/backend.h"
#include "media/headless/headless.h"
#include "media/media.h"
#include "shell/shell.h"

namespace game_driver {

namespace fs = std::filesystem;

namespace {
// Dialog numbers take every free number from 0 up; the main window's end at 7.
constexpr int HighestControl = 1024;
}  // namespace

WorkDirectory::WorkDirectory(const std::string& base) {
  std::string pattern = ((base.empty() ? fs::temp_directory_path() : fs::path(base)) / "mirel-game-XXXXXX").string();
  path_ = mkdtemp(pattern.data()) ? pattern : std::string();
  previous_ = fs::current_path().string();
  fs::current_path(path_);
}

WorkDirectory::~WorkDirectory() {
  std::error_code error;
  fs::current_path(previous_, error);
  // Tests make files and folders read-only; give them back before removing.
  for (const auto& entry : fs::recursive_directory_iterator(path_, error))
    fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, error);
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, error);
  fs::remove_all(path_, error);
}

namespace {
// Start-up ends the process itself when it fails (the asset library missing),
// before any hook can be set; the exit must then fail the test, not pass it.
bool startingUp = false;
void FailExitDuringStartUp() {
  if (!startingUp) return;
  std::fputs("the program ended during start-up (is mirelgfx01.so beside the test?)\n", stderr);
  std::_Exit(1);
}
}  // namespace

void StartProgram() {
  static const bool guarded = std::atexit(FailExitDuringStartUp) == 0;
  (void)guarded;
  App = AppState{};
  startingUp = true;
  StartUpSteps();
  startingUp = false;
  // The loop itself starts here; start-up's last step sets no game.
  App.GameState = NoGame;
  // The hook is reset by the layer's initialisation inside start-up.
  media::headless::setEndProcessHook([](int code) { throw ProgramEnded{code}; });
}

int Drain(int limit) {
  int taken = 0;
  for (int pass = 0; pass < limit; ++pass) {
    RunMainLoopPass();
    if (App.LastEvent == media::EventNone) break;
    ++taken;
  }
  return taken;
}

void RunFor(int ms) {
  const std::int64_t end = media::headless::now() + ms;
  while (media::headless::now() < end) RunMainLoopPass();
}

std::vector<int> ControlsOf(int window) {
  std::vector<int> found;
  for (int number = 0; number <= HighestControl; ++number) {
    const media::ControlRecord* control = media::core::findControl(number);
    if (control && control->window == window) found.push_back(number);
  }
  return found;
}

int ControlWithText(int window, std::string_view text) {
  for (int number : ControlsOf(window))
    if (media::core::findControl(number)->text == text) return number;
  return -1;
}

int TopDialog() {
  for (int window : {ids::LicenseWindow, ids::AboutWindow, ids::StatisticsWindow, ids::OptionsWindow,
                     ids::CollectionWindow})
    if (media::windowExists(window) && !media::windowDisabled(window)) return window;
  return -1;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool HonourFilePermissions() {
  if (geteuid() != 0) return true;
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[2]{};
  if (syscall(SYS_capget, &header, data) != 0) return false;
  data[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
  return syscall(SYS_capset, &header, data) == 0;
}

}  // namespace game_driver
