// The one event queue, the current event record, window timers and delay.
// Timers run on the back end's clock; a timer has at most one event waiting,
// so a slow consumer sees fewer ticks rather than a backlog. Queued input is
// delivered before due timers, as a desktop queue does.
#include <algorithm>
#include <deque>
#include <vector>

#include "media/core/core.h"

namespace media {
namespace {

struct Timer {
  int window = -1;
  int timer = -1;
  int periodMs = 0;
  std::int64_t dueMs = 0;
  bool pending = false;
  bool paused = false;
  std::int64_t leftMs = 0;  // while paused: what was left of the current period
};

std::deque<core::Event> queue;
std::vector<Timer> timers;
core::Event current;

Timer* findTimer(int window, int timer) {
  for (auto& t : timers)
    if (t.window == window && t.timer == timer) return &t;
  return nullptr;
}

// Queues an event for every due timer that has none waiting.
void postDueTimers() {
  const std::int64_t now = backend::clockMs();
  for (auto& t : timers) {
    if (t.pending || t.paused || now < t.dueMs) continue;
    t.pending = true;
    // Keep the beat, but never try to catch up on missed periods.
    t.dueMs += t.periodMs;
    if (t.dueMs <= now) t.dueMs = now + t.periodMs;
    queue.push_back({EventTimer, t.window, -1, 0, t.timer});
  }
}

std::int64_t nextTimerDue() {
  std::int64_t due = INT64_MAX;
  for (const auto& t : timers)
    if (!t.pending && !t.paused) due = std::min(due, t.dueMs);
  return due;
}

int takeEvent() {
  current = queue.front();
  queue.pop_front();
  if (current.kind == EventTimer)
    if (Timer* t = findTimer(current.window, current.timer)) t->pending = false;
  return current.kind;
}

}  // namespace

void core::postEvent(const Event& event) {
  if (event.kind == EventMouseMove) core::wakeSound();
  queue.push_back(event);
}

void core::forgetWindowEvents(int window) {
  std::erase_if(timers, [&](const Timer& t) { return t.window == window; });
  std::erase_if(queue, [&](const Event& e) { return e.window == window; });
}

void core::dropQueuedInput() {
  std::erase_if(queue, [](const Event& e) {
    switch (e.kind) {
      case EventControl:
      case EventMenu:
      case EventTray:
      case EventLeftClick:
      case EventRightClick:
      case EventDoubleClick:
      case EventCloseWindow:
      case EventMouseMove: return true;
      default: return false;
    }
  });
}

void core::releaseEvents() {
  queue.clear();
  timers.clear();
  current = Event{};
}

int waitEvent(int timeoutMs) {
  const std::int64_t deadline = timeoutMs < 0 ? INT64_MAX : backend::clockMs() + timeoutMs;
  bool pumped = false;  // native input is pumped at least once, even for a zero timeout
  for (;;) {
    postDueTimers();
    if (!queue.empty()) return takeEvent();
    const std::int64_t now = backend::clockMs();
    if (pumped && now >= deadline) {
      current = core::Event{};
      return EventNone;
    }
    const std::int64_t until = std::min(deadline, nextTimerDue());
    core::pauseIdleSound();
    backend::waitNative(until == INT64_MAX ? -1 : std::max<std::int64_t>(0, until - now));
    pumped = true;
  }
}

int eventWindow() { return current.window; }
int eventObject() { return current.object; }
int eventType() { return current.type; }
int eventTimer() { return current.timer; }

int addWindowTimer(int window, int timer, int periodMs) {
  if (!core::findWindow(window) || periodMs <= 0) return 0;
  Timer* t = findTimer(window, timer);
  if (!t) {
    timers.push_back({window, timer});
    t = &timers.back();
  }
  t->periodMs = periodMs;
  t->dueMs = backend::clockMs() + periodMs;
  t->paused = false;  // adding a timer again starts it afresh
  return 1;
}

int removeWindowTimer(int window, int timer) {
  if (!findTimer(window, timer)) return 0;
  std::erase_if(timers, [&](const Timer& t) { return t.window == window && t.timer == timer; });
  std::erase_if(queue, [&](const core::Event& e) {
    return e.kind == EventTimer && e.window == window && e.timer == timer;
  });
  return 1;
}

int pauseWindowTimer(int window, int timer) {
  Timer* t = findTimer(window, timer);
  if (!t) return 0;
  if (t->paused) return 1;
  t->paused = true;
  if (t->pending) {
    std::erase_if(queue, [&](const core::Event& e) {
      return e.kind == EventTimer && e.window == window && e.timer == timer;
    });
    t->pending = false;
    t->leftMs = 0;
  } else {
    t->leftMs = std::max<std::int64_t>(0, t->dueMs - backend::clockMs());
  }
  return 1;
}

int resumeWindowTimer(int window, int timer) {
  Timer* t = findTimer(window, timer);
  if (!t) return 0;
  if (!t->paused) return 1;
  t->paused = false;
  t->dueMs = backend::clockMs() + t->leftMs;
  return 1;
}

void delay(int ms) {
  if (ms > 0) backend::sleepMs(ms);
}

}  // namespace media
