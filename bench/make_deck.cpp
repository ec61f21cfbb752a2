// Writes a deterministic deck of N problems for timing the whole program: rolled beams ("RB",
// "RP", "CB"), plate girders ("PG", "CG"), T-beams ("TB") and resisting moments ("RM"), highway
// classes "H" and "HS" and railroad "RR", design and analysis modes, and about one problem in
// sixteen abandoned with an error line (never a malformed number, which would end the run).
//
//   make_deck N [SEED] > DECK
//
// The same N and SEED always give the same bytes. The deck is written as it is made.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

namespace {

// A record built by column (1-based), blank between the fields.
class Rec {
public:
  Rec &at(int col, std::string_view s) {
    const auto i = static_cast<std::size_t>(col - 1);
    if (text_.size() < i + s.size()) text_.resize(i + s.size(), ' ');
    text_.replace(i, s.size(), s);
    return *this;
  }
  // A real with an explicit decimal point (it overrides the field's implied decimals), at most w
  // characters from column col.
  Rec &num(int col, int w, double v, int decimals) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    std::string s(buf);
    if (s.find('.') == std::string::npos) s += '.';
    if (static_cast<int>(s.size()) > w) std::abort(); // a generator bug, not a deck error
    return at(col, s);
  }
  // An integer right-aligned in columns col..col+w-1.
  Rec &integer(int col, int w, long v) {
    std::string s = std::to_string(v);
    if (static_cast<int>(s.size()) > w) std::abort();
    return at(col + w - static_cast<int>(s.size()), s);
  }
  void put(std::ostream &out) const { out << text_ << '\n'; }

private:
  std::string text_;
};

// A 64-bit linear congruential generator: the same numbers on every platform.
class Numbers {
public:
  explicit Numbers(std::uint64_t seed) : s_(seed * 2862933555777941757ULL + 3037000493ULL) {}
  std::uint32_t next() {
    s_ = s_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<std::uint32_t>(s_ >> 33);
  }
  int pick(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); } // 0..n-1
  double range(double lo, double hi, double step) { // lo, lo+step, ... up to hi
    const int n = static_cast<int>((hi - lo) / step + 0.5) + 1;
    return lo + step * pick(n);
  }

private:
  std::uint64_t s_;
};

struct Problem {
  long number; // printed as PROB. NO. (4 characters)
  Numbers &rng;
  std::ostream &out;
};

void title(const Problem &p, const std::string &text) {
  char no[8];
  std::snprintf(no, sizeof no, "%04ld", p.number % 10000);
  Rec().at(1, "*B04").at(5, no).at(9, text.substr(0, 56)).put(p.out);
}

// The span record's fields that every problem has.
Rec span(const std::string &beam, int da, const std::string &cls, int number, double length, double df) {
  Rec r;
  r.at(1, "1").at(2, beam).integer(4, 1, da).at(5, cls).integer(7, 2, number);
  return std::move(r.num(12, 6, length, 1).num(18, 4, df, 2).num(22, 4, df, 2).num(26, 4, 1.0, 1));
}

std::string highway(Numbers &rng) { return rng.pick(2) ? "HS" : "H "; }

void rolled_beam(const Problem &p) {
  const bool analysis = p.rng.pick(2);
  const double length = p.rng.range(30, 60, 2);
  const std::string cls = highway(p.rng);
  title(p, analysis ? "ROLLED BEAM ANALYSIS  24 WF 76" : "ROLLED BEAM DESIGN");
  span("RB", analysis, cls, 20, length, 1.25)
      .num(32, 4, 0.9, 2)
      .num(40, 4, 0.1, 2)
      .num(44, 4, 29, 0)
      .integer(63, 3, 36)
      .put(p.out);
  if (analysis)
    Rec().at(1, "324   76").put(p.out);
  else
    Rec().at(1, "336").put(p.out);
}

void cover_plated_beam(const Problem &p) {
  const bool analysis = p.rng.pick(2);
  const double length = p.rng.range(36, 50, 2);
  title(p, analysis ? "COVER-PLATED BEAM ANALYSIS  24 WF 84" : "COVER-PLATED BEAM DESIGN  TWO LOADS");
  if (analysis) {
    span("RP", 1, "HS", 20, length, 1.2)
        .num(32, 4, 0.8, 2)
        .num(36, 4, 0.15, 2)
        .num(40, 4, 0.1, 2)
        .num(44, 4, 29, 0)
        .integer(63, 3, 36)
        .put(p.out);
    Rec().at(1, "324   84").put(p.out);
    Rec()
        .at(1, "4")
        .num(27, 4, 9, 0)
        .num(31, 5, 0.75, 2)
        .num(36, 4, 8, 0)
        .num(40, 6, length - 18, 0)
        .num(46, 4, 10, 0)
        .num(50, 5, 0.625, 3)
        .num(55, 4, 8, 0)
        .num(59, 6, length - 20, 0)
        .put(p.out);
  } else {
    span("RP", 0, "H ", 20, length, 1.1)
        .integer(30, 2, 2)
        .num(32, 4, 0.9, 2)
        .num(40, 4, 0.7, 2)
        .num(44, 4, 29, 0)
        .integer(63, 3, 36)
        .put(p.out);
    Rec().at(1, "21").num(3, 6, 15, 1).num(9, 6, 4, 1).num(15, 6, 30, 1).num(21, 6, 4, 1).put(p.out);
    Rec().at(1, "327WF  0").put(p.out);
    Rec().at(1, "4").put(p.out);
  }
}

void composite_beam(const Problem &p) {
  const bool analysis = p.rng.pick(2);
  title(p, analysis ? "COMPOSITE BEAM ANALYSIS  27 WF 94" : "COMPOSITE ROLLED BEAM DESIGN");
  if (analysis) {
    span("CB", 1, "HS", 20, p.rng.range(56, 60, 2), 1.2)
        .num(32, 4, 0.85, 2)
        .num(36, 4, 0.2, 2)
        .num(44, 4, 29, 0)
        .num(56, 4, 1.4, 1)
        .at(60, "490")
        .integer(63, 3, 36)
        .put(p.out);
    Rec().at(1, "327   94").put(p.out);
    Rec().at(1, "4").at(2, "72.   7.5  1.  27.5.5    12. 1.   10. 36.   20. .5   6.  20.").put(p.out);
  } else {
    span("CB", 0, "HS", 20, p.rng.range(56, 66, 2), 1.2)
        .num(32, 4, 0.9, 2)
        .num(36, 4, 0.25, 2)
        .num(40, 4, 0.1, 2)
        .num(44, 4, 29, 0)
        .integer(63, 3, 36)
        .put(p.out);
    Rec().at(1, "333WF  0").put(p.out);
    Rec().at(1, "4 78000 7000150030002400 9").put(p.out);
  }
}

void plate_girder(const Problem &p) {
  const bool analysis = p.rng.pick(2);
  title(p, analysis ? "PLATE GIRDER ANALYSIS  H20  90 FT" : "PLATE GIRDER DESIGN");
  if (analysis) {
    span("PG", 1, "H ", 20, 90, 1.3)
        .num(32, 4, 1.1, 2)
        .num(36, 4, 0.2, 2)
        .num(44, 4, 29, 0)
        .integer(63, 3, 36)
        .put(p.out);
    Rec().at(1, "3").at(36, "48.  .437512. 1.   12. 1.").put(p.out);
    Rec().at(1, "4").at(27, "15. 1.5  14. 60.   15. 1.5  14. 60.").put(p.out);
  } else {
    span("PG", 0, "HS", 20, p.rng.range(90, 110, 5), 1.3)
        .num(32, 4, 1.0, 2)
        .num(36, 4, 0.2, 2)
        .num(44, 4, 29, 0)
        .integer(63, 3, 36)
        .put(p.out);
    Rec().at(1, "3").at(39, "0").put(p.out);
    Rec().at(1, "4").put(p.out);
  }
}

void composite_girder(const Problem &p) {
  const bool analysis = p.rng.pick(2);
  title(p, analysis ? "COMPOSITE GIRDER ANALYSIS  HS20  120 FT" : "COMPOSITE PLATE GIRDER DESIGN");
  if (analysis) {
    span("CG", 1, "HS", 20, 120, 1.3)
        .num(32, 4, 1.2, 2)
        .num(36, 4, 0.3, 2)
        .num(40, 4, 0.2, 2)
        .num(44, 4, 29, 0)
        .integer(63, 3, 36)
        .put(p.out);
    Rec().at(1, "3").at(36, "54.  .437514. 1.   14. 1.25").put(p.out);
    Rec().at(1, "4").at(2, "84.   7.5  1.5 30. 25.   20. 2.   16. 80.   10. 1.5  14. 100.").put(p.out);
  } else {
    span("CG", 0, "HS", 20, p.rng.range(110, 130, 5), 1.3)
        .num(32, 4, 1.2, 2)
        .num(36, 4, 0.3, 2)
        .num(44, 4, 29, 0)
        .integer(63, 3, 36)
        .put(p.out);
    Rec().at(1, "3").at(36, "5400").put(p.out);
    Rec().at(1, "4 90000 8000200036003000 8").put(p.out);
  }
}

void t_beam(const Problem &p) {
  const bool analysis = p.rng.pick(2);
  title(p, analysis ? "T-BEAM ANALYSIS  H20  40 FT  TWO ROWS" : "CONCRETE T-BEAM DESIGN");
  if (analysis) {
    Rec().at(1, "1TB1H 20    40000110011001000 1 600 200 100 300            150").put(p.out);
    Rec().at(1, "21 15000 10000").put(p.out);
    Rec().at(1, "31010 216000    30000    66000 7000 2 60 250 6101 275 4101 550").put(p.out);
  } else {
    span("TB", 0, highway(p.rng), 20, p.rng.range(28, 38, 2), 1.2)
        .num(32, 4, 0.5, 2)
        .num(44, 4, 3, 1)
        .put(p.out);
    Rec().at(1, "31020 215000100024000200072000 7500          6101 250 6101 550").put(p.out);
  }
}

void resisting_moments(const Problem &p) {
  title(p, "RESISTING MOMENTS OF A GIVEN T-SECTION");
  Rec().at(1, "1RM1HS20        0   0   0   0").put(p.out);
  Rec().at(1, "31010 216000    28000    60000 7000          4 9  300 4 9  600").put(p.out);
}

void railroad(const Problem &p) {
  const int number = 60 + 4 * p.rng.pick(6); // Cooper E60 .. E80
  if (p.rng.pick(2)) {
    title(p, "ROLLED BEAM  RAILROAD");
    span("RB", 0, "RR", number, p.rng.range(24, 36, 2), 0.5)
        .num(22, 4, 0.3, 2)
        .num(32, 4, 1.0, 2)
        .num(44, 4, 29, 0)
        .integer(63, 3, 36)
        .put(p.out);
    Rec().at(1, "336WF  0").put(p.out);
  } else {
    title(p, "COVER-PLATED ROLLED BEAM  RAILROAD");
    span("RP", 2, "RR", number, 40, 0.5)
        .num(22, 4, 0.35, 2)
        .num(32, 4, 1.2, 2)
        .num(44, 4, 29, 0)
        .integer(63, 3, 572)
        .put(p.out);
    Rec().at(1, "333").put(p.out);
    Rec().at(1, "4").put(p.out);
  }
}

// A problem abandoned with an error line, then the records it leaves behind.
void error_problem(const Problem &p) {
  switch (p.rng.pick(6)) {
  case 0: // error 1: span record of type 2
    title(p, "SPAN RECORD OF TYPE 2");
    Rec().at(1, "2RB0HS20   40.   1.  1.  1.                          36").put(p.out);
    Rec().at(1, "336").put(p.out);
    break;
  case 1: // error 1: live-load class "XX"
    title(p, "UNKNOWN LIVE-LOAD CLASS");
    span("RB", 0, "XX", 20, 40, 1).num(44, 4, 29, 0).integer(63, 3, 36).put(p.out);
    Rec().at(1, "336").put(p.out);
    break;
  case 2: // error 2: the second load record numbered 23
    title(p, "LOAD RECORDS OUT OF SEQUENCE");
    span("RB", 0, "HS", 20, 40, 1).integer(30, 2, 6).num(44, 4, 29, 0).integer(63, 3, 36).put(p.out);
    Rec().at(1, "21").num(3, 6, 10, 1).num(9, 6, 2, 1).put(p.out);
    Rec().at(1, "23").num(3, 6, 20, 1).num(9, 6, 2, 1).put(p.out);
    break;
  case 3: // error 3: section record of type 5
    title(p, "SECTION RECORD OF TYPE 5");
    span("RB", 0, "H ", 20, 40, 1).num(44, 4, 29, 0).integer(63, 3, 36).put(p.out);
    Rec().at(1, "536").put(p.out);
    break;
  case 4: // error 4: slab record of type 5
    title(p, "SLAB RECORD OF TYPE 5");
    span("RP", 0, "HS", 20, 40, 1).num(44, 4, 29, 0).integer(63, 3, 36).put(p.out);
    Rec().at(1, "333").put(p.out);
    Rec().at(1, "5").put(p.out);
    break;
  default: // rolled beam unavailable: a designation the table does not hold
    title(p, "DESIGNATION NOT IN THE TABLE  18 WF 77");
    span("RB", 0, "HS", 20, 40, 1).num(44, 4, 29, 0).integer(63, 3, 36).put(p.out);
    Rec().at(1, "318   77").put(p.out);
    break;
  }
}

} // namespace

int main(int argc, char **argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: make_deck N [SEED] > DECK\n";
    return 2;
  }
  const long n = std::strtol(argv[1], nullptr, 10);
  Numbers rng(argc == 3 ? std::strtoull(argv[2], nullptr, 10) : 1);
  std::ios::sync_with_stdio(false);
  std::cout << "GENERATED DECK OF " << n << " MIXED PROBLEMS\n";
  // Weights out of 16: the kinds a bridge office runs most come most often.
  using Kind = void (*)(const Problem &);
  static constexpr Kind kinds[16] = {rolled_beam,       rolled_beam,      rolled_beam,    cover_plated_beam,
                                     cover_plated_beam, composite_beam,   composite_beam, plate_girder,
                                     plate_girder,      composite_girder, t_beam,         t_beam,
                                     resisting_moments, railroad,         railroad,       error_problem};
  for (long i = 1; i <= n; ++i) kinds[rng.pick(16)](Problem{i, rng, std::cout});
  return std::cout.good() ? 0 : 1;
}
