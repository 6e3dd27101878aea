// The portrait of each new game: every portrait selected in the "Collection"
// setting is shown once per cycle, each cycle in a new random order, and a
// cycle never begins with the portrait that ended the one before.
#include <cstdint>
#include <string>

#include "common/app_state.h"
#include "common/ids.h"
#include "engine/engine_internal.h"
#include "media/media.h"

namespace engine {

namespace {

constexpr int FallbackPortrait = 1;

void RebuildCollection(const std::string& collection) {
  App.CollectionText = collection;
  App.CollectionList.clear();
  for (std::size_t i = 0; i < collection.size() && i < std::size_t{ids::PortraitCount}; ++i)
    if (collection[i] == '1') App.CollectionList.push_back(static_cast<std::int32_t>(i + 1));
  // A hand-edited setting may select nothing the library has.
  if (App.CollectionList.empty()) App.CollectionList.push_back(FallbackPortrait);
  App.CollectionPosition = App.CollectionLast = static_cast<int>(App.CollectionList.size()) - 1;
}

// The list made at start-up holds zeros, which are no portraits.
bool CollectionBuilt() {
  return !App.CollectionList.empty() && App.CollectionList.front() >= 1 &&
         App.CollectionLast == static_cast<int>(App.CollectionList.size()) - 1;
}

}  // namespace

int NextPortrait(const std::string& collection) {
  if (collection != App.CollectionText || !CollectionBuilt()) RebuildCollection(collection);
  auto& list = App.CollectionList;
  App.CollectionPosition += 1;
  if (App.CollectionPosition > App.CollectionLast || App.CollectionPosition < 0) {
    App.CollectionPosition = 0;
    if (list.size() >= 3) {
      const std::int32_t lastShown = list.back();
      do {
        media::shuffle(list.data(), sizeof list[0], 0, list.size() - 1);
      } while (list.front() == lastShown);
    }
  }
  return list[static_cast<std::size_t>(App.CollectionPosition)];
}

}  // namespace engine
