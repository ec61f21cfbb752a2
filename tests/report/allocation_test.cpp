// Building, formatting and storing report lines allocates nothing: every operator new of this test
// binary is counted while a test asks for it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <ostream>
#include <streambuf>

#include "report/line.h"
#include "report/report.h"

namespace {

thread_local bool counting = false;
thread_local long allocations = 0;

} // namespace

// Kept out of line: GCC -O3 would otherwise see malloc paired with operator delete and refuse the
// build (-Wmismatched-new-delete).
[[gnu::noinline]] void *operator new(std::size_t n) {
  if (counting) ++allocations;
  if (void *p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void *p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void *p, std::size_t) noexcept { std::free(p); }

namespace ss {
namespace {

// A stream that takes every byte and keeps none.
class Discard : public std::streambuf {
protected:
  std::streamsize xsputn(const char *, std::streamsize n) override { return n; }
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
};

// One line of every kind of field, wide values, overflowing values and the slow rounding path.
void put_lines(Report &report, int lines) {
  for (int n = 0; n < lines; ++n) {
    const float v = static_cast<float>(n) * 1.37f - 500.0f;
    report.put(Line::cc(n % 2 ? '0' : ' ')
                   .text(2, "MOMENT AT POINT")
                   .i(18, 4, n)
                   .i(23, 3, 100000 + n)
                   .i_trunc(27, 6, v)
                   .f(34, 10, 3, v)
                   .f(45, 8, 1, v * 1e12f)
                   .f(54, 12, 10, v / 7.0f)
                   .a(67, 6, make_word("RB"))
                   .a(74, 4, "TRUCK LOADING"));
    report.empty();
  }
}

TEST(ReportAllocations, NoneForAnyFieldOrLine) {
  Discard sink;
  std::ostream out(&sink);
  for (std::size_t block : {std::size_t{0}, std::size_t{4096}, Report::kFileBlock}) {
    Report report(out, "discard", block);
    allocations = 0;
    counting = true;
    put_lines(report, 20000);
    report.flush();
    counting = false;
    EXPECT_EQ(allocations, 0) << "block " << block;
  }
}

} // namespace
} // namespace ss
