// The fixture of the image collection tests: every test starts as a fresh run
// (no portraits loaded yet) and drives the window one event at a time.
#pragma once

#include <string>

#include "dialog_fixture.h"
#include "dialogs/collection_window.h"
#include "media/testing.h"

class CollectionTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    Collection = CollectionWindow{};
  }
  static void click(int c, bool staysOpen = true) {
    ASSERT_EQ(media::testing::clickControl(c), 1);
    pass(collectionWindowPass, staysOpen);
  }
  static std::string ticks() {
    std::string result;
    for (const int box : Collection.boxes) result += control(box).state ? '1' : '0';
    return result;
  }
  static std::string label() { return control(Collection.countLabel).text; }
};
