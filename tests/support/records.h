// Finding the media layer's records the way a test looks at the screen: a
// control or window by its number, the controls of a window, a control by its
// text, and the dialog that takes input now (the dialogs number their
// controls freely, so tests find them by what they show). Works with either
// media back end.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "media/records.h"

namespace test_support {

// The record of that number; a test failure and an empty record when none exists.
const media::ControlRecord& controlRecord(int number);
const media::WindowRecord& windowRecord(int number);

// The numbers of the controls the predicate accepts, in number (creation) order.
std::vector<int> findControls(const std::function<bool(const media::ControlRecord&)>& accept);
// The controls living in a window, in number order.
std::vector<int> controlsOf(int window);
// The first control of the window whose text is exactly text, or -1.
int controlWithText(int window, std::string_view text);
// The dialog on top, the one that takes input now (licence, About, statistics,
// options, image collection), or -1 when none is open.
int topDialog();

}  // namespace test_support
