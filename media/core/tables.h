// Numbered object tables: one per kind of object. A slot number is either
// chosen by the caller or, for AnyNumber, the lowest free one. Objects live
// behind stable pointers, so records handed to a back end never move.
#pragma once

#include <map>
#include <memory>

#include "media/media.h"

namespace media::core {

template <class T>
class Table {
 public:
  // The number a creating call works on: the requested one, the lowest free one
  // for AnyNumber, or -1 for an invalid request.
  int pick(int requested) const {
    if (requested >= 0) return requested;
    if (requested != AnyNumber) return -1;
    int number = 0;
    for (const auto& [used, object] : objects_) {
      if (used != number) break;
      ++number;
    }
    return number;
  }
  T* find(int number) {
    auto it = objects_.find(number);
    return it == objects_.end() ? nullptr : it->second.get();
  }
  T& put(int number, std::unique_ptr<T> object) {
    auto& slot = objects_[number];
    slot = std::move(object);
    return *slot;
  }
  std::unique_ptr<T> take(int number) {
    auto it = objects_.find(number);
    if (it == objects_.end()) return nullptr;
    auto object = std::move(it->second);
    objects_.erase(it);
    return object;
  }
  bool empty() const { return objects_.empty(); }
  int firstNumber() const { return objects_.empty() ? -1 : objects_.begin()->first; }
  // Visits every object; the visitor must not add or remove objects.
  template <class F>
  void forEach(F&& visit) {
    for (auto& [number, object] : objects_) visit(number, *object);
  }

 private:
  std::map<int, std::unique_ptr<T>> objects_;
};

// The result of a creating call: 1 / 0 for an explicit number, the number /
// CreateFailed for AnyNumber.
inline int createResult(int requested, int number, bool ok) {
  if (requested == AnyNumber) return ok ? number : CreateFailed;
  return ok ? 1 : 0;
}

}  // namespace media::core
