// The one global record of application state, alive for the whole process.
#include "common/app_state.h"

AppState App;
