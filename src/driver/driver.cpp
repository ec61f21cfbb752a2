#include "driver/driver.h"

#include <optional>

#include "driver/echo.h"
#include "loads/dead_loads.h"
#include "state/fatal.h"

namespace ss {

namespace {

// Error n: the problem is abandoned with its error line.
struct ProblemError {
  std::int32_t code;
};
// The problem is abandoned with the unavailable-section line.
struct SectionUnavailable {};

void beampl(Run &run, const DesignRoutines &r) {
  std::int32_t status = 0;
  r.beampl(run, status);
  if (status == 1) throw ProblemError{4};
  if (status == 2) throw SectionUnavailable{};
}

void tbeam(Run &run, const DesignRoutines &r) {
  std::int32_t status = 0;
  r.tbeam(run, status);
  if (status == 1) throw ProblemError{4};
  if (status == 2) throw ProblemError{5};
}

// The next record of the deck, the one the problem expects as `what`.
Record next(Run &run, const char *what) {
  run.reading = what;
  return run.deck.read();
}

// Step 1: seek the title record (EndOfDeck when there is none left).
Record seek_title(Run &run) {
  Record title = next(run, "title record");
  while (title.column(1) != '*') title = run.deck.read();
  return title;
}

// Steps 2-5: print the title block, read the continuations and the span.
void read_title_and_span(Run &run, const Record &title, const RunStamp &stamp) {
  ProblemState &st = run.st;
  read_title(title, st);
  print_title_block(run.out, st, stamp);
  if (title.text(2, 3) != "B04") throw ProblemError{1};
  Record last = title;
  while (last.text(65, 4) == "CONT") {
    last = next(run, "title continuation record");
    print_continuation(run.out, last);
    if (last.column(1) != '*') throw ProblemError{1};
  }
  const Record span = next(run, "span record");
  const std::int32_t type = read_span(span, st);
  print_span_data(run.out, st);
  if (type != 1) throw ProblemError{1};
}

// Step 7: the concentrated-load records, with the stations and the deflection limit.
void read_loads(Run &run) {
  ProblemState &st = run.st;
  set_stations(st);
  set_deflection_limit(st);
  if (st.npl >= 1) {
    print_load_heading(run.out);
    const auto records = static_cast<std::int32_t>(0.25f * static_cast<float>(st.npl) + 0.999f);
    for (std::int32_t n = 1; n <= records; ++n) {
      const Record rec = next(run, "concentrated-load record");
      const LoadRecord loads = read_load_record(rec, n, st);
      print_load_line(run.out, loads);
      if (loads.type != 20 + n) throw ProblemError{2};
    }
    if (st.npl > kMaxLoads) throw ProblemError{1};
  } else if (st.npl == 0) {
    st.load_x[0] = st.length;
    st.load_p[0] = 0.0f;
    st.npl = 1;
  }
}

// Step 8: the span loading analysis.
void span_loading(ProblemState &st, const DesignRoutines &r) {
  concentrated_load_effects(st);
  if (word_is(st.class_code, "H"))
    st.live_class = 1;
  else if (word_is(st.class_code, "HS"))
    st.live_class = 2;
  else if (word_is(st.class_code, "RR"))
    st.live_class = 3;
  else
    throw ProblemError{1};
  dead_load_effects(st);
  sidewalk_effects(st);
  clear_live_loads(st);
  r.live_loads(st);
}

std::int32_t beam_type_of(const Word &code) {
  static constexpr const char *codes[] = {"RB", "RP", "CB", "PG", "CG", "TB"};
  for (std::int32_t i = 0; i < 6; ++i)
    if (word_is(code, codes[i])) return i + 1;
  return 0;
}

// Step 10: the section record and, but for "RB", the slab and cover-plate record.
void read_section(Run &run) {
  ProblemState &st = run.st;
  const Record section = next(run, "section record");
  const std::int32_t type = read_section_record(section, st);
  print_beam_data(run.out, st);
  if (type != 3) throw ProblemError{3};
  if (st.beam_type == 1) return;
  const Record slab = next(run, "slab and cover-plate record");
  const std::int32_t slab_type = read_slab_record(slab, st);
  if (st.beam_type == 3 || st.beam_type == 5) print_composite_slab(run.out, st);
  print_cover_plates(run.out, st);
  if (slab_type != 4) throw ProblemError{4};
}

// Step 11: the design passes chosen by TYPE STEEL.
void steel_type_pass(Run &run, const DesignRoutines &r) {
  ProblemState &st = run.st;
  const bool rolled = st.beam_type <= 3;
  auto design = [&] {
    if (rolled)
      beampl(run, r);
    else
      r.plateg(run);
  };
  if (st.type_steel == 572) {
    design();
  } else if (st.type_steel <= 36) {
    if (st.fs <= 0.0f) st.fs = 20.0f;
    design();
  } else if (st.type_steel == 441) {
    st.fs = 0.0f;
    if (rolled) beampl(run, r);
  } else if (st.type_steel == 588) {
    if (st.fs <= 0.0f) st.fs = 27.0f;
    design();
  }
}

// Step 12: the rolled-beam alternatives, with and without cover plates, on both sections.
void section_alternatives(Run &run, const DesignRoutines &r) {
  ProblemState &st = run.st;
  if (st.da > 0) return;
  if (st.np_flag >= 1) {
    st.bottom_plate.width = 0.25f; // a width this small means no cover plates
    beampl(run, r);
  }
  if (st.second_depth <= 0) return;
  st.rolled_depth = st.second_depth;
  st.rolled_weight = st.second_weight;
  if (st.p_flag >= 1) {
    st.bottom_plate.width = 0.0f;
    beampl(run, r);
  }
  if (st.np_flag >= 1) {
    st.bottom_plate.width = 0.25f;
    beampl(run, r);
  }
}

void run_problem(Run &run, const Record &title, const DesignRoutines &r, const RunStamp &stamp) {
  ProblemState &st = run.st;
  read_title_and_span(run, title, stamp);
  if (st.length <= 0.0f || st.dfm <= 0.0f) st.beam_code = make_word("RM");
  if (word_is(st.beam_code, "RM")) return tbeam(run, r);
  if (st.e > 0.0f) st.e = st.e / 0.012f;
  read_loads(run);
  span_loading(st, r);
  st.beam_type = beam_type_of(st.beam_code);
  if (st.beam_type == 0) throw ProblemError{1};
  if (st.beam_type == 6) return tbeam(run, r);
  read_section(run);
  steel_type_pass(run, r);
  section_alternatives(run, r);
}

// The routines, each design pass counted in `designs`.
DesignRoutines counting(const DesignRoutines &r, int &designs) {
  DesignRoutines c = r;
  c.beampl = [&r, &designs](Run &run, std::int32_t &status) { ++designs, r.beampl(run, status); };
  c.plateg = [&r, &designs](Run &run) { ++designs, r.plateg(run); };
  c.tbeam = [&r, &designs](Run &run, std::int32_t &status) { ++designs, r.tbeam(run, status); };
  return c;
}

std::string trimmed(const Word &w) {
  const std::string s(w.begin(), w.end());
  const std::size_t first = s.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The diagnostic of a malformed field with the record the problem expected there, and why a
// problem that names no T-beam reads T-beam records.
std::string in_context(const std::string &what, const Run &run) {
  const ProblemState &st = run.st;
  std::string s =
      what + "; while reading the " + run.reading + " of problem " + printable(trimmed(st.problem_number));
  if (std::string(run.reading).rfind("T-beam", 0) == 0) {
    if (st.length <= 0.0f)
      s += "; a LENGTH of zero or less sends a problem to the T-beam records";
    else if (st.dfm <= 0.0f)
      s += "; a D.F.M. of zero or less sends a problem to the T-beam records";
  }
  return s;
}

void ended(const Run &run, ProblemOutcome::Kind kind, std::int32_t code = 0) {
  if (run.problem_ended) run.problem_ended({kind, code, trimmed(run.st.problem_number)});
}

} // namespace

void run_next_problem(Run &run, const DesignRoutines &routines, const RunStamp &stamp) {
  using Kind = ProblemOutcome::Kind;
  const Record title = seek_title(run); // the end of the deck between problems ends the run
  int designs = 0;
  const DesignRoutines counted = counting(routines, designs);
  try {
    run_problem(run, title, counted, stamp);
    ended(run, designs > 0 ? Kind::Designed : Kind::NotDesigned);
  } catch (const ProblemError &e) {
    print_error(run.out, e.code, run.st.problem_number);
    ended(run, Kind::Error, e.code);
  } catch (const SectionUnavailable &) {
    print_unavailable(run.out, run.st.problem_number);
    ended(run, Kind::Unavailable);
  } catch (const EndOfDeck &) {
    ended(run, Kind::CutShort); // the end of the deck inside a problem ends the run as well
    throw;
  } catch (const FatalError &e) {
    if (std::string(e.what()).rfind("input conversion error", 0) != 0) throw;
    throw FatalError(in_context(e.what(), run));
  }
}

void run_problems(Run &run, const DesignRoutines &routines, const RunStamp &stamp) {
  try {
    for (;;) run_next_problem(run, routines, stamp);
  } catch (const EndOfDeck &) {
    // The end of the deck ends the run normally, at whatever record it is met.
  }
}

} // namespace ss
