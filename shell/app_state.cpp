// The one global record of application state, alive for the whole process.
#include "shell/app_state.h"

AppState App;
