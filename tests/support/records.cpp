// Finding records for tests; see records.h.
#include "tests/support/records.h"

#include <gtest/gtest.h>

#include "common/ids.h"
#include "media/backend.h"
#include "media/media.h"

namespace test_support {

namespace {
// Dialogs take every free number from 0 up; the main window's end at 7.
constexpr int HighestControl = 1024;
}  // namespace

const media::ControlRecord& controlRecord(int number) {
  static const media::ControlRecord none;
  const media::ControlRecord* record = media::core::findControl(number);
  EXPECT_NE(record, nullptr) << "no control " << number;
  return record != nullptr ? *record : none;
}

const media::WindowRecord& windowRecord(int number) {
  static const media::WindowRecord none;
  const media::WindowRecord* record = media::core::findWindow(number);
  EXPECT_NE(record, nullptr) << "no window " << number;
  return record != nullptr ? *record : none;
}

std::vector<int> findControls(const std::function<bool(const media::ControlRecord&)>& accept) {
  std::vector<int> found;
  for (int number = 0; number <= HighestControl; ++number) {
    const media::ControlRecord* control = media::core::findControl(number);
    if (control != nullptr && accept(*control)) found.push_back(number);
  }
  return found;
}

std::vector<int> controlsOf(int window) {
  return findControls([window](const media::ControlRecord& control) { return control.window == window; });
}

int controlWithText(int window, std::string_view text) {
  const std::vector<int> found = findControls(
      [&](const media::ControlRecord& control) { return control.window == window && control.text == text; });
  return found.empty() ? -1 : found.front();
}

int topDialog() {
  for (int window : {ids::LicenseWindow, ids::AboutWindow, ids::StatisticsWindow, ids::OptionsWindow,
                     ids::CollectionWindow})
    if (media::windowExists(window) && !media::windowDisabled(window)) return window;
  return -1;
}

}  // namespace test_support
