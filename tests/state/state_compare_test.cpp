// The member-by-member comparison sees every bit of the problem state: a change of any byte of
// any member, at any depth, is found and named.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <type_traits>

#include "state/state_compare.h"

namespace ss {
namespace {

static_assert(std::is_trivially_copyable_v<ProblemState>);

TEST(StateCompare, EveryByteOfEveryMemberCounts) {
  const auto a = std::make_unique<ProblemState>();
  const auto b = std::make_unique<ProblemState>();
  EXPECT_EQ(state_difference(*a, *b), "");
  // Bytes no member covers: the padding after GirderState's two bools (3 bytes each).
  constexpr int kPadding = 6;
  // Between problems, the concentrated loads too: each problem writes those it reads.
  constexpr int kRewritten = static_cast<int>(sizeof a->load_x + sizeof a->load_p);
  int unseen = 0, uncarried = 0;
  for (std::size_t i = 0; i < sizeof(ProblemState); ++i) {
    std::memcpy(b.get(), a.get(), sizeof(ProblemState));
    reinterpret_cast<unsigned char *>(b.get())[i] ^= 0x40u;
    if (state_difference(*a, *b).empty()) ++unseen;
    if (carried_difference(*a, *b).empty()) ++uncarried;
  }
  EXPECT_EQ(unseen, kPadding) << "a member of the problem state is missing from the comparison";
  EXPECT_EQ(uncarried, kPadding + kRewritten) << "the comparison between problems leaves out another member";
}

TEST(StateCompare, NamesTheFirstDifferenceAndComparesBits) {
  ProblemState a, b;
  b.load_x[4] = 1.0f;
  b.rolled.steel[2].inertia = 5.0f;
  EXPECT_EQ(state_difference(a, b), "load_x[4]");
  b.load_x[4] = 0.0f;
  EXPECT_EQ(state_difference(a, b), "rolled.steel[2].inertia");
  b = a;
  b.tbeam.row[3].dist = -0.0f; // equal to 0 as a number, not as bits
  EXPECT_EQ(state_difference(a, b), "tbeam.row[3].dist");
}

} // namespace
} // namespace ss
