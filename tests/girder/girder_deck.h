// Plate girder problems as deck text, and a run of them that keeps the problem state PLATEG left.
#pragma once

#include <string>
#include <vector>

#include "driver/driver.h"
#include "girder/plateg.h"
#include "support/deck_text.h"
#include "support/run_deck.h"

namespace ss::test {

// The fields of one plate girder problem, written with explicit decimal points.
struct GirderProblem {
  std::string number = "G001";
  std::string beam = "PG";
  std::string da = "0";
  std::string live = "HS20";
  std::string length = "110.";
  std::string dfm = "1.3";
  std::string dfd = "1.";
  std::string wdlnc = "1.1";
  std::string wdlc = "0.2";
  std::string swll = "";
  std::string e = "29.";
  std::string fs = "";
  std::string fc = "";
  std::string type_steel = "36";
  // section record: web D, T, top flange W, T, bottom flange W, T, CONSTANT W, T flags
  std::string d, tw, btf, ttf, bbf, tbf, flag_w, flag_t;
  // slab and cover plate record
  std::string slab_w, slab_t, coping, capacity, strength, n;
  std::string bxb, btp_t, bbp_w, blen, txb, ttp_t, ttp_w, tlen;

  std::string deck() const {
    std::string s = Cols().at(1, "*B04").at(5, number).at(9, "PLATE GIRDER " + beam).line();
    s += Cols()
             .at(1, "1")
             .at(2, beam)
             .at(4, da)
             .at(5, live)
             .at(12, length)
             .at(18, dfm)
             .at(22, dfm)
             .at(26, dfd)
             .at(32, wdlnc)
             .at(36, wdlc)
             .at(40, swll)
             .at(44, e)
             .at(52, fs)
             .at(56, fc)
             .at(66 - static_cast<int>(type_steel.size()), type_steel)
             .line();
    s += Cols()
             .at(1, "3")
             .at(36, d)
             .at(41, tw)
             .at(46, btf)
             .at(50, ttf)
             .at(55, bbf)
             .at(59, tbf)
             .at(64, flag_w)
             .at(65, flag_t)
             .line();
    s += Cols()
             .at(1, "4")
             .at(2, slab_w)
             .at(8, slab_t)
             .at(13, coping)
             .at(17, capacity)
             .at(21, strength)
             .at(27 - static_cast<int>(n.size()), n)
             .at(27, bxb)
             .at(31, btp_t)
             .at(36, bbp_w)
             .at(40, blen)
             .at(46, txb)
             .at(50, ttp_t)
             .at(55, ttp_w)
             .at(59, tlen)
             .line();
    return s;
  }
};

// A composite girder with a slab.
inline GirderProblem composite_problem() {
  GirderProblem p;
  p.beam = "CG";
  p.length = "130.";
  p.wdlnc = "1.2";
  p.wdlc = "0.3";
  p.d = "54.";
  p.slab_w = "90.";
  p.slab_t = "8.";
  p.coping = "2.";
  p.capacity = "36.";
  p.strength = "30.";
  p.n = "8";
  return p;
}

struct GirderRun {
  std::vector<ProblemState> states; // the state PLATEG left, one per call
  std::string report;
};

// Runs the deck through the program, keeping a copy of the state after every PLATEG call.
inline GirderRun run_girders(const std::string &deck) {
  GirderRun out;
  DesignRoutines routines = program_routines();
  routines.plateg = [&out](Run &run) {
    PLATEG(run);
    out.states.push_back(run.st);
  };
  out.report = run_deck(deck, routines).report;
  return out;
}

} // namespace ss::test
