// A problem state for the rolled design tests, with its report captured in memory.
#pragma once

#include <memory>
#include <sstream>
#include <string>

#include "deck/deck_reader.h"
#include "loads/dead_loads.h"
#include "report/report.h"
#include "rolled/beampl.h"
#include "rolled/section_table.h"
#include "run/run.h"
#include "state/problem_state.h"

namespace ss::test {

struct RolledProblem {
  std::unique_ptr<ProblemState> st = std::make_unique<ProblemState>();
  std::ostringstream report_bytes;
  std::istringstream no_deck;
  Report out{report_bytes};
  DeckReader deck{no_deck};
  Run run{*st, out, deck};

  // A span of `length` ft with no load at all, E = 0 (no deflections), TYPE STEEL 36 (20 ksi).
  explicit RolledProblem(float length = 40.0f, std::int32_t beam_type = 1) {
    st->problem_number = make_word("T001");
    st->length = length;
    st->beam_type = beam_type;
    st->live_class = 2;
    st->type_steel = 36;
    st->fs = 20.0f;
    st->wg = 0.49f;
    st->dfm = 1.0f;
    st->dfd = 1.0f;
    set_stations(*st);
    set_deflection_limit(*st);
  }

  std::int32_t beampl() {
    std::int32_t status = -1;
    BEAMPL(run, status);
    return status;
  }

  // Loads a row into the section variables, as the design does.
  void row(std::int32_t r) {
    const RolledRow &t = rolled_row(r);
    RolledState &s = st->rolled;
    s.depth = t.depth;
    s.weight = t.weight;
    s.area = t.area;
    s.d = t.d;
    s.bf = t.bf;
    s.tf = t.tf;
    s.tw = t.tw;
    s.inertia = t.inertia;
    s.yc = t.d * 0.5f;
    st->wbm = static_cast<float>(t.weight) / 1000.0f;
  }

  // Report lines without carriage returns, "<FF>" for a form feed.
  std::string text() const {
    std::string s;
    for (char c : report_bytes.str()) {
      if (c == '\r') continue;
      if (c == '\f')
        s += "<FF>";
      else
        s += c;
    }
    return s;
  }
};

} // namespace ss::test
