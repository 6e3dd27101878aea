// The user's actions for a whole modal loop on the headless back end: each
// time the program waits with nothing queued, the next action runs. Running
// out of actions fails the test. media::initialise drops the script.
#pragma once

#include <functional>
#include <vector>

void scriptInput(std::vector<std::function<void()>> actions);
