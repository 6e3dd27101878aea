// The licence notices of the components the program uses, as lines; the list
// ends with a line holding only U+0003, which is never shown.
#pragma once

extern const char* const ComponentNoticeLines[];
