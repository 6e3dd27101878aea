// The selection string of the image collection: one character per portrait,
// "1" selected and "0" not, and the rules by which the window edits it.
#pragma once

#include <string>
#include <string_view>

namespace selection {

// Filled up with "0" characters or cut, to exactly `count` characters.
std::string fitted(std::string_view text, int count);
// Filled up with "0" characters to at least `count` characters.
std::string filledUp(std::string_view text, int count);
// Portrait i (from 1) is selected when its character is a digit 1 to 9.
bool selected(std::string_view text, int i);
int selectedCount(std::string_view text);  // the number of "1" characters
// The box of portrait i became ticked (or clear): the first "0" (or "1") at
// or after position i turns into the other; one character at most changes.
void applyBox(std::string& text, int i, bool ticked);
// "12 Images selected".
std::string countLabelText(std::string_view text);

}  // namespace selection
