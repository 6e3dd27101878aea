// Scripted input through the headless back end's idle hook.
#include "scripted_input.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <utility>

#include "media/headless/headless.h"

void scriptInput(std::vector<std::function<void()>> actions) {
  media::headless::setIdleHook([actions = std::move(actions), next = std::size_t{0}]() mutable {
    ASSERT_LT(next, actions.size()) << "the window waits for more input than scripted";
    actions[next++]();
  });
}
