#include "export/summary.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <limits>
#include <optional>
#include <sstream>

namespace ss {

namespace {

constexpr double kOverflow = std::numeric_limits<double>::infinity();

std::vector<std::string> tokens(const std::string &line) {
  std::vector<std::string> out;
  std::istringstream in(line);
  for (std::string t; in >> t;) out.push_back(t);
  return out;
}

// A printed number; infinity for a field of asterisks, nothing for anything else.
std::optional<double> value(const std::string &tok) {
  if (!tok.empty() && tok.find_first_not_of('*') == std::string::npos) return kOverflow;
  double v = 0;
  const char *end = tok.data() + tok.size();
#ifdef __EMSCRIPTEN__
  // Its libc++ has no from_chars for double: strtod, without the blanks, "+" and hexadecimal
  // that from_chars refuses.
  if (tok.empty()) return std::nullopt;
  const std::size_t digits = tok[0] == '-' ? 1 : 0;
  if (std::isspace(static_cast<unsigned char>(tok[0])) || tok[0] == '+' ||
      (tok.size() > digits + 1 && tok[digits] == '0' && (tok[digits + 1] == 'x' || tok[digits + 1] == 'X')))
    return std::nullopt;
  char *ptr = nullptr;
  errno = 0;
  v = std::strtod(tok.c_str(), &ptr);
  if (errno == ERANGE || ptr != end) return std::nullopt;
#else
  const auto [ptr, ec] = std::from_chars(tok.data(), end, v);
  if (ec != std::errc() || ptr != end) return std::nullopt;
#endif
  return v;
}

// The printed numbers of a line, or nothing when any word is not one.
std::optional<std::vector<double>> numbers(const std::string &line) {
  std::vector<double> out;
  for (const std::string &t : tokens(line)) {
    const auto v = value(t);
    if (!v) return std::nullopt;
    out.push_back(*v);
  }
  return out;
}

// The printed numbers of fixed fields (start, width) of a line: fields can touch when a value
// fills its field with asterisks. Nothing when a field holds something else.
std::optional<std::vector<double>> fields(const std::string &line,
                                          std::initializer_list<std::pair<std::size_t, std::size_t>> at) {
  std::vector<double> out;
  for (const auto &[start, width] : at) {
    const auto v = value(start < line.size() ? trim(std::string_view(line).substr(start, width)) : "");
    if (!v) return std::nullopt;
    out.push_back(*v);
  }
  return out;
}

bool starts(const std::string &s, std::string_view prefix) { return s.rfind(prefix, 0) == 0; }

std::string column(const std::string &s, std::size_t at, std::size_t n) {
  return at < s.size() ? trim(std::string_view(s).substr(at, n)) : std::string();
}

std::string fixed(double v, int decimals) {
  if (std::isinf(v)) return "****";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  return buf;
}

// What the design being read has printed so far.
struct Design {
  std::string section;
  std::vector<std::string> plates;
  bool full_span_plates = false;
  std::vector<std::vector<double>> stress_rows; // SP, 5 stresses, FS, 2 R factors
  std::vector<double> total_moment;             // T-beam: TOT.NC + COMP. + SIDEWK + LIVE + RR-I at SP 1..
  std::vector<std::vector<double>> resisting;   // T-beam: ROW SIZE NUMBER KD JD MS MC LENGTH SPACING
  std::string tbeam_web;
};

// Reads one problem's lines top to bottom, a row at the end of each design and at each line that
// ends the problem.
class Reader {
public:
  explicit Reader(const PrintedProblem &p) : lines_(problem_lines(p)) { base_.number = p.number; }
  std::vector<SummaryRow> rows();

private:
  const std::string &line(std::size_t i) const {
    static const std::string none;
    return i < lines_.size() ? lines_[i] : none;
  }
  std::size_t next_filled(std::size_t i) const {
    while (i < lines_.size() && trim(lines_[i]).empty()) ++i;
    return i;
  }
  // Reads the rows after line i while `take` accepts them (blank lines between them skipped);
  // i is left on the last row taken.
  template <class Take> void rows_after(std::size_t &i, Take take) const {
    for (std::size_t j = next_filled(i + 1); j < lines_.size() && take(lines_[j]); j = next_filled(j + 1))
      i = j;
  }
  void title_and_span(std::size_t &i);
  void load_lines(std::size_t &i);
  void section_block(std::size_t &i);
  void plates(const std::vector<std::string> &t);
  void table_rows(std::size_t &i);
  bool ending_line(const std::string &s);
  void finish_design(const std::vector<double> &defl);
  void stress_ratio(SummaryRow &row) const;
  void moment_ratio(SummaryRow &row) const;
  void notes(SummaryRow &row) const;
  bool loads_symmetric() const;

  std::vector<std::string> lines_;
  SummaryRow base_;
  std::string da_;
  double span_ = 0;
  std::vector<std::pair<double, double>> loads_; // (X, P) of the concentrated loads echoed
  Design d_;
  std::string table_; // the title of the table being read
  std::vector<SummaryRow> out_;
};

void Reader::title_and_span(std::size_t &i) {
  const std::string t = trim(line(i));
  if (starts(t, "REVISED:") && base_.title.empty()) {
    const std::size_t n = next_filled(i + 1);
    if (n < lines_.size() && trim(line(n)) != "SPAN DATA") base_.title = trim(line(n));
  } else if (starts(t, "BEAM    D/A")) {
    i = next_filled(i + 1);
    const std::string &v = line(i);
    base_.beam = column(v, 2, 2);
    base_.live_class = column(v, 17, 4);
    base_.span = column(v, 29, 10);
    da_ = column(v, 9, 3);
    span_ = value(base_.span).value_or(0);
  }
}

void Reader::load_lines(std::size_t &i) {
  if (!starts(trim(line(i)), "X1       P1")) return;
  rows_after(i, [this](const std::string &s) {
    const auto n = numbers(s);
    if (!n || n->size() != 8) return false;
    for (std::size_t k = 0; k < 8; k += 2)
      if ((*n)[k + 1] != 0) loads_.emplace_back((*n)[k], (*n)[k + 1]);
    return true;
  });
}

void Reader::plates(const std::vector<std::string> &t) {
  if (t.size() < 8) return;
  const char *names[] = {"bottom", "top"};
  for (std::size_t k = 0; k < 2; ++k) {
    const double x = value(t[4 * k]).value_or(0), thick = value(t[4 * k + 1]).value_or(0);
    const double len = value(t[4 * k + 3]).value_or(0);
    if (!(thick > 0)) continue;
    d_.plates.push_back(std::string(names[k]) + " plate " + t[4 * k + 2] + " x " + t[4 * k + 1] + " from " +
                        t[4 * k] + " ft, " + t[4 * k + 3] + " ft long");
    if (x == 0 && span_ > 0 && len >= span_ - 0.005) d_.full_span_plates = true;
  }
}

// The blocks that say what the section is.
void Reader::section_block(std::size_t &i) {
  const std::string t = trim(line(i));
  if (t == "BEAM PROPERTIES") {
    i = next_filled(next_filled(i + 1) + 1);
    d_.section = column(line(i), 0, 8);
  } else if (t == "PLATE GIRDER PROPERTIES") {
    i = next_filled(next_filled(next_filled(i + 1) + 1) + 1);
    const std::vector<std::string> v = tokens(line(i));
    if (v.size() >= 6)
      d_.section = "web " + v[0] + " x " + v[1] + ", top flange " + v[2] + " x " + v[3] + ", bottom flange " +
                   v[4] + " x " + v[5];
  } else if (t == "COVER PLATES" || t == "WEB AND COVER PLATES") {
    i = next_filled(next_filled(next_filled(i + 1) + 1) + 1);
    d_.plates.clear();
    plates(tokens(line(i)));
  } else if (starts(t, "WIDTH = ")) {
    const std::vector<std::string> v = tokens(t);
    if (v.size() >= 6) d_.tbeam_web = "web " + v[2] + " wide, " + v[5] + " deep";
  }
}

// The rows of the moment, stress, resisting-moment and live-load deflection tables.
void Reader::table_rows(std::size_t &i) {
  const std::string t = trim(line(i));
  if (starts(t, "MOMENTS (K-FT.)")) table_ = "moments", d_.total_moment.clear();
  if (starts(t, "SHEARS (KIPS)")) table_ = "shears";
  if (starts(t, "SP  GIRDER") && table_ == "moments") {
    rows_after(i, [this](const std::string &s) {
      const std::vector<std::string> v = tokens(s);
      if (v.size() < 9 || !value(v[0])) return false;
      double total = 0;
      for (const std::string &w : {v[4], v[5], v[6], v[7], v.back()}) total += value(w).value_or(kOverflow);
      d_.total_moment.push_back(total);
      return true;
    });
  } else if (starts(t, "SP    TOP-S    BOT-S")) {
    d_.stress_rows.clear();
    rows_after(i, [this](const std::string &s) {
      const auto n =
          fields(s, {{0, 5}, {5, 9}, {14, 9}, {23, 9}, {32, 9}, {41, 9}, {50, 9}, {59, 9}, {68, 9}});
      if (n) d_.stress_rows.push_back(*n);
      return n.has_value();
    });
  } else if (starts(t, "ROW  SIZE NUMBER")) {
    d_.resisting.clear();
    i = next_filled(i + 1); // the modular ratios under the headings
    rows_after(i, [this](const std::string &s) {
      const auto n = numbers(s);
      if (n && n->size() >= 8) d_.resisting.push_back(*n);
      return n && n->size() >= 8;
    });
  } else if (starts(t, "TRUCK      LANE      MILITARY")) {
    i = next_filled(i + 1);
    const auto n = fields(line(i), {{5, 6}, {11, 10}, {21, 13}, {34, 14}, {48, 13}, {61, 13}});
    if (n) finish_design(*n);
  }
}

bool Reader::ending_line(const std::string &s) {
  std::string verdict;
  if (starts(s, "ERROR")) {
    const std::vector<std::string> v = tokens(s);
    verdict = "ERROR " + (v.size() > 1 ? v[1] : std::string("?"));
  } else if (starts(s, "ROLLED BEAM UNAVAILABLE")) {
    verdict = "UNAVAILABLE";
  } else if (starts(s, "PLATE GIRDER NOT DESIGNED")) {
    verdict = "NOT DESIGNED";
  } else {
    return false;
  }
  SummaryRow row = base_;
  row.section = trim(s);
  row.verdict = verdict;
  notes(row);
  out_.push_back(row);
  d_ = Design{};
  return true;
}

// Rows that print no allowable stress (FS 0) are left out and noted.
void Reader::stress_ratio(SummaryRow &row) const {
  bool unchecked = false;
  for (const std::vector<double> &r : d_.stress_rows) {
    const double fs = r[6];
    if (!(fs > 0)) {
      unchecked = true;
      continue;
    }
    for (double f : {r[1], r[2], r[4], r[5]}) {
      const double q = std::fabs(f) / fs;
      if (q > row.ratio) row.ratio = q, row.ratio_sp = r[0] >= 0 && r[0] <= 20 ? static_cast<int>(r[0]) : 0;
    }
  }
  if (unchecked) row.notes.push_back("rows with FS 0 not checked");
}

// The rows in force at a station are those whose bars reach it: row r stops (L - LENGTH) / 2 short
// of each support (LENGTH printed to the thousandth).
void Reader::moment_ratio(SummaryRow &row) const {
  for (std::size_t k = 1; k <= d_.total_moment.size() && !d_.resisting.empty(); ++k) {
    const double x = static_cast<double>(k) * span_ / 20.0;
    std::size_t in_force = 0;
    for (std::size_t r = 0; r < d_.resisting.size(); ++r)
      if ((span_ - d_.resisting[r][7]) / 2.0 <= x + 5e-4) in_force = r;
    const double m = std::min(d_.resisting[in_force][5], d_.resisting[in_force][6]);
    const double total = d_.total_moment[k - 1];
    const double q = m > 0 ? total / m : kOverflow;
    if (q > row.ratio) row.ratio = q, row.ratio_sp = static_cast<int>(k);
  }
}

void Reader::finish_design(const std::vector<double> &defl) {
  SummaryRow row = base_;
  row.section = d_.section.empty() ? d_.tbeam_web : d_.section;
  for (const std::vector<double> &r : d_.resisting)
    row.section += ", row " + fixed(r[0], 0) + ": " + fixed(r[2], 0) + " #" + fixed(r[1], 0);
  for (const std::string &p : d_.plates) row.section += "; " + p;
  if (!d_.stress_rows.empty())
    stress_ratio(row);
  else
    moment_ratio(row);
  if (row.ratio >= 0) row.ratio_x = row.ratio_sp * span_ / 20.0;
  row.deflection = std::max({defl[0], defl[1], defl[2], defl[3]}) + defl[4];
  row.allowed = defl[5];
  const bool over = row.ratio > 1.0, sagging = row.deflection > row.allowed;
  row.verdict = over && sagging ? "OVERSTRESSED, DEFLECTION EXCEEDED"
                : over          ? "OVERSTRESSED"
                : sagging       ? "DEFLECTION EXCEEDED"
                                : "OK";
  notes(row);
  if (d_.full_span_plates) row.notes.push_back("cover plates run the full span");
  if (std::isinf(row.ratio) || std::isinf(row.deflection))
    row.notes.push_back("a printed value overflowed its field");
  out_.push_back(row);
  d_ = Design{};
}

bool Reader::loads_symmetric() const {
  std::vector<bool> used(loads_.size(), false);
  for (std::size_t a = 0; a < loads_.size(); ++a) {
    bool found = false;
    for (std::size_t b = 0; b < loads_.size() && !found; ++b)
      if (!used[b] && std::fabs(loads_[a].first + loads_[b].first - span_) <= 0.0015 &&
          std::fabs(loads_[a].second - loads_[b].second) <= 0.0005)
        used[b] = found = true;
    if (!found) return false;
  }
  return true;
}

void Reader::notes(SummaryRow &row) const {
  if (!loads_symmetric())
    row.notes.push_back("concentrated loads not symmetric about midspan: the tables print the left half, "
                        "the right half is not checked");
  if (da_ == "1") row.notes.push_back("input section analysed, not designed");
}

std::vector<SummaryRow> Reader::rows() {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    title_and_span(i);
    load_lines(i);
    if (ending_line(line(i))) continue;
    section_block(i);
    table_rows(i);
  }
  if (out_.empty()) {
    SummaryRow row = base_;
    row.verdict = "NOT CHECKED";
    row.section = d_.tbeam_web;
    notes(row);
    row.notes.push_back("no results tables printed");
    out_.push_back(row);
  }
  return out_;
}

// RFC 4180: a field holding a comma, a quote or a line break is quoted.
std::string csv_field(const std::string &s) {
  if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
  std::string q = "\"";
  for (char c : s) q += c == '"' ? std::string("\"\"") : std::string(1, c);
  return q + "\"";
}

std::string joined(const std::vector<std::string> &parts, const char *sep) {
  std::string out;
  for (const std::string &p : parts) out += (out.empty() ? "" : sep) + p;
  return out;
}

} // namespace

std::vector<SummaryRow> summarize(const PrintedProblem &problem) { return Reader(problem).rows(); }

std::vector<SummaryRow> summarize(const std::vector<PrintedProblem> &problems) {
  std::vector<SummaryRow> out;
  for (const PrintedProblem &p : problems) {
    std::vector<SummaryRow> rows = summarize(p);
    out.insert(out.end(), rows.begin(), rows.end());
  }
  return out;
}

const std::vector<std::string> &summary_columns() {
  static const std::vector<std::string> columns = {"problem",
                                                   "title",
                                                   "beam",
                                                   "live_load_class",
                                                   "span_ft",
                                                   "section",
                                                   "ratio",
                                                   "ratio_sp",
                                                   "ratio_x_ft",
                                                   "ll_deflection_in",
                                                   "allowed_deflection_in",
                                                   "verdict",
                                                   "notes"};
  return columns;
}

const std::vector<std::string> &summary_headings() {
  static const std::vector<std::string> headings = {"PROB",    "TITLE",   "BEAM", "LLC",   "SPAN FT",
                                                    "SECTION", "RATIO",   "SP",   "AT FT", "LL DEFL",
                                                    "ALLOWED", "VERDICT", "NOTES"};
  return headings;
}

std::vector<std::string> summary_cells(const SummaryRow &r) {
  const bool ratio = r.ratio >= 0, defl = r.deflection >= 0;
  return {r.number,
          r.title,
          r.beam,
          r.live_class,
          r.span,
          r.section,
          ratio ? fixed(r.ratio, 3) : "",
          ratio ? std::to_string(r.ratio_sp) : "",
          ratio ? fixed(r.ratio_x, 3) : "",
          defl ? fixed(r.deflection, 3) : "",
          defl ? fixed(r.allowed, 3) : "",
          r.verdict,
          joined(r.notes, "; ")};
}

std::string summary_text(const std::vector<SummaryRow> &rows) {
  std::vector<std::vector<std::string>> table = {summary_columns()};
  for (const SummaryRow &r : rows) table.push_back(summary_cells(r));
  std::vector<std::size_t> width(summary_columns().size(), 0);
  for (const auto &cells : table)
    for (std::size_t c = 0; c < cells.size(); ++c) width[c] = std::max(width[c], cells[c].size());
  std::string out;
  for (const auto &cells : table) {
    std::string line;
    for (std::size_t c = 0; c < cells.size(); ++c)
      line += cells[c] + std::string(c + 1 < cells.size() ? width[c] - cells[c].size() + 2 : 0, ' ');
    out += line + "\n";
  }
  return out;
}

std::string summary_csv(const std::vector<SummaryRow> &rows) {
  std::string out;
  auto put = [&out](const std::vector<std::string> &cells) {
    std::vector<std::string> quoted;
    for (const std::string &c : cells) quoted.push_back(csv_field(c));
    out += joined(quoted, ",") + "\r\n";
  };
  put(summary_columns());
  for (const SummaryRow &r : rows) put(summary_cells(r));
  return out;
}

} // namespace ss
