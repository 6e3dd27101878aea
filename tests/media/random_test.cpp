// Random numbers and shuffling: the range of Random, a replayable sequence,
// the shuffle's order of draws, its uniformity, ranges and element sizes, and
// a seed that differs between runs.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <numeric>
#include <set>
#include <string>

#include "contract.h"
#include "media/testing.h"
#include "tests/support/run_copy.h"
#include "tests/support/scratch_dir.h"

namespace {

TEST(Random, StaysWithinZeroToMaximumAndReachesBothEnds) {
  std::set<std::uint32_t> seen;
  for (int i = 0; i < 2000; ++i) {
    const std::uint32_t value = media::random(4);
    ASSERT_LE(value, 4u);
    seen.insert(value);
  }
  EXPECT_EQ(seen.size(), 5u);
  for (int i = 0; i < 100; ++i) ASSERT_EQ(media::random(0), 0u);
  bool high = false;
  for (int i = 0; i < 100 && !high; ++i) high = media::random(0xffffffffu) > 0x80000000u;
  EXPECT_TRUE(high) << "the largest maximum does not overflow";
}

TEST(Random, IsUniformOverItsRange) {
  constexpr int Buckets = 10, Draws = 100000;
  std::vector<int> counts(Buckets);
  for (int i = 0; i < Draws; ++i) ++counts[media::random(Buckets - 1)];
  double chiSquare = 0;
  for (int count : counts) chiSquare += std::pow(count - Draws / Buckets, 2) / (Draws / Buckets);
  EXPECT_LT(chiSquare, 27.9) << "beyond the 0.1% point of 9 degrees of freedom";
}

TEST(Random, TheSameSeedReplaysTheSameSequence) {
  media::testing::seedRandom(1234);
  std::vector<std::uint32_t> first;
  for (int i = 0; i < 20; ++i) first.push_back(media::random(1000000));
  media::testing::seedRandom(1234);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(media::random(1000000), first[i]) << i;
  media::testing::seedRandom(1235);
  int same = 0;
  for (int i = 0; i < 20; ++i) same += media::random(1000000) == first[i];
  EXPECT_LT(same, 3);
}

TEST(Shuffle, DrawsFrontToBackWithinTheRange) {
  // The definition: for i = first + 1 .. last, j = first + Random(i - first),
  // swap when i and j differ. Replaying the generator must give the same order.
  std::vector<int> values(12);
  std::iota(values.begin(), values.end(), 0);
  std::vector<int> expected = values;
  media::testing::seedRandom(99);
  for (std::size_t i = 4; i <= 9; ++i) std::swap(expected[i], expected[3 + media::random(std::uint32_t(i - 3))]);
  media::testing::seedRandom(99);
  media::shuffle(values.data(), sizeof(int), 3, 9);
  EXPECT_EQ(values, expected);
  for (int outside : {0, 1, 2, 10, 11}) EXPECT_EQ(values[outside], outside) << "outside the range";
}

TEST(Shuffle, EveryOrderOfThreeIsEquallyLikely) {
  // A fixed seed, so the test does not fail once in a thousand runs by chance;
  // a biased shuffle is far beyond the bound with any seed.
  media::testing::seedRandom(20261208);
  std::map<std::string, int> orders;
  constexpr int Rounds = 60000;
  for (int i = 0; i < Rounds; ++i) {
    char letters[] = "abc";
    media::shuffle(letters, 1, 0, 2);
    ++orders[letters];
  }
  ASSERT_EQ(orders.size(), 6u);
  double chiSquare = 0;
  for (const auto& [order, count] : orders) chiSquare += std::pow(count - Rounds / 6.0, 2) / (Rounds / 6.0);
  EXPECT_LT(chiSquare, 20.5) << "beyond the 0.1% point of 5 degrees of freedom";
}

TEST(Shuffle, MovesWholeElementsOfAnySize) {
  struct Triple {
    unsigned char bytes[3];
  };
  std::vector<Triple> triples;
  for (unsigned char i = 0; i < 30; ++i) triples.push_back({{i, static_cast<unsigned char>(i + 100), static_cast<unsigned char>(i + 200)}});
  media::shuffle(triples.data(), sizeof(Triple), 0, triples.size() - 1);
  std::set<int> firsts;
  bool moved = false;
  for (std::size_t k = 0; k < triples.size(); ++k) {
    const Triple& t = triples[k];
    EXPECT_EQ(t.bytes[1], t.bytes[0] + 100);
    EXPECT_EQ(t.bytes[2], t.bytes[0] + 200);
    firsts.insert(t.bytes[0]);
    moved = moved || t.bytes[0] != k;
  }
  EXPECT_EQ(firsts.size(), 30u) << "a permutation";
  EXPECT_TRUE(moved);
  int single[] = {7};
  media::shuffle(single, sizeof(int), 0, 0);
  EXPECT_EQ(single[0], 7);
}

// Runs this program again to print its first random numbers.
std::string firstNumbersOfAnotherRun() {
  const test_support::ScratchDir dir;
  const std::string output = test_support::runCopyOfThisProgram(dir.path(), "random",
                                                                {"--gtest_filter=Random.PrintsFirstNumbersWhenAsked"},
                                                                {"MEDIA_PRINT_RANDOM=1"})
                                 .output;
  const std::size_t at = output.find("numbers:");
  return at == std::string::npos ? std::string() : output.substr(at, output.find('\n', at) - at);
}

TEST(Random, PrintsFirstNumbersWhenAsked) {
  if (!std::getenv("MEDIA_PRINT_RANDOM")) GTEST_SKIP() << "the helper of the seeding test";
  std::printf("numbers:");
  for (int i = 0; i < 4; ++i) std::printf(" %u", media::random(0xffffffffu));
  std::printf("\n");
}

TEST(Random, EachRunIsSeededDifferently) {
  if (std::getenv("MEDIA_PRINT_RANDOM")) GTEST_SKIP();
  const std::string first = firstNumbersOfAnotherRun();
  const std::string second = firstNumbersOfAnotherRun();
  ASSERT_FALSE(first.empty());
  EXPECT_NE(first, second);
}

}  // namespace
