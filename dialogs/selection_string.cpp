// Editing rules of the collection's selection string.
#include "dialogs/selection_string.h"

#include <algorithm>
#include <cstddef>

namespace selection {

std::string fitted(std::string_view text, int count) {
  std::string result = filledUp(text, count);
  result.resize(static_cast<std::size_t>(std::max(count, 0)));
  return result;
}

std::string filledUp(std::string_view text, int count) {
  std::string result(text);
  if (static_cast<int>(result.size()) < count) result.resize(static_cast<std::size_t>(count), '0');
  return result;
}

bool selected(std::string_view text, int i) {
  if (i < 1 || i > static_cast<int>(text.size())) return false;
  const char c = text[static_cast<std::size_t>(i - 1)];
  return c >= '1' && c <= '9';
}

int selectedCount(std::string_view text) { return static_cast<int>(std::count(text.begin(), text.end(), '1')); }

void applyBox(std::string& text, int i, bool ticked) {
  if (i < 1) return;
  const std::size_t at = text.find(ticked ? '0' : '1', static_cast<std::size_t>(i - 1));
  if (at != std::string::npos) text[at] = ticked ? '1' : '0';
}

std::string countLabelText(std::string_view text) {
  return std::to_string(selectedCount(text)) + " Images selected";
}

}  // namespace selection
