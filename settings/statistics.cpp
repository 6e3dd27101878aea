// Statistics of tournament games per level (filled in with the statistics work).
#include "settings/statistics.h"
