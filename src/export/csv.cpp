#include "export/csv.h"

#include "export/printed.h"
#include "tables/blocks.h"

namespace ss {

namespace {

const std::vector<std::string> kColumns = {"k",
                                           "x_ft",
                                           "M_girder_kft",
                                           "M_pload_kft",
                                           "M_nc_kft",
                                           "M_totnc_kft",
                                           "M_comp_kft",
                                           "M_sidewalk_kft",
                                           "M_live_kft",
                                           "M_load",
                                           "M_rri_kft",
                                           "V_girder_kips",
                                           "V_pload_kips",
                                           "V_nc_kips",
                                           "V_totnc_kips",
                                           "V_comp_kips",
                                           "V_sidewalk_kips",
                                           "V_live_kips",
                                           "V_load",
                                           "V_rri_kips",
                                           "f_min_top_steel_psi",
                                           "f_min_bot_steel_psi",
                                           "f_max_top_conc_psi",
                                           "f_max_top_steel_psi",
                                           "f_max_bot_steel_psi",
                                           "fs_allow_psi",
                                           "R_top",
                                           "R_bot",
                                           "defl_girder_in",
                                           "defl_pload_in",
                                           "defl_nc_in",
                                           "defl_totnc_in",
                                           "defl_comp_in",
                                           "shear_range_kips",
                                           "connector_spacing_in"};

// A field as RFC 4180 wants it: quoted when it holds a comma, a quote or a line break.
std::string quoted(const std::string &s) {
  if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
  std::string q = "\"";
  for (char c : s) q += c == '"' ? std::string("\"\"") : std::string(1, c);
  return q + "\"";
}

// One row, cell by cell, straight into the text of the file.
class Row {
public:
  explicit Row(std::string &out) : out_(out) {}
  ~Row() { out_ += "\r\n"; }
  void f(int d, float v) { exporting::append_cell_f(next(), d, v); }
  void i(float v) { exporting::append_cell_i(next(), v); }
  void text(const std::string &s) { next() += quoted(s); }
  void empty(int n) {
    for (int c = 0; c < n; ++c) next();
  }

private:
  std::string &next() {
    if (!first_) out_ += ',';
    first_ = false;
    return out_;
  }
  std::string &out_;
  bool first_ = true;
};

// The governing-load letter the tables print; none for a code never set.
std::string letter(LoadCode code) {
  const char c = code_letter(code);
  if (c <= ' ' || c > '~') return {};
  return std::string(1, c);
}

// Moments (no support row in the table) and shears of twentieth point k.
void load_cells(const ProblemState &st, int k, Row &row) {
  const int j = 2 * k;
  if (k == 0) {
    row.empty(9);
  } else {
    const float totnc = st.m_totnc[k]; // stored by the moments table as it printed it
    for (float v : {st.m_girder[j], st.m_pload[j], st.m_noncomp[j], totnc, st.m_comp[j], st.m_sidewalk[k],
                    st.m_live[k]})
      row.f(1, v);
    row.text(letter(st.m_code[k]));
    row.f(1, st.m_rri[k]);
  }
  const float totnc = (st.v_girder[j] + st.v_pload[j]) + st.v_noncomp[j];
  for (float v : {st.v_girder[j], st.v_pload[j], st.v_noncomp[j], totnc, st.v_comp[j], st.v_sidewalk_pos[k],
                  st.v_live_pos[k]})
    row.f(1, v);
  row.text(letter(st.v_code[k]));
  row.f(1, st.v_rri[k]);
}

// The stress row of twentieth point k, where the report has one.
void stress_cells(const ProblemState &st, int k, Row &row) {
  if (k == 0 || !exporting::has_stress_table(st)) {
    row.empty(8);
    return;
  }
  const tables::StressRow r = tables::stress_row(st, k);
  row.i(-r.top_min);
  row.i(-r.bot_min);
  row.i(r.concrete);
  row.i(-r.top_max);
  row.i(-r.bot_max);
  row.i(exporting::allowable_stress(st, k) * 1000.0f);
  row.f(3, r.top_min / r.top_max);
  row.f(3, r.bot_min / r.bot_max);
}

void deflection_cells(const ProblemState &st, int k, Row &row) {
  if (k == 0) {
    for (int c = 0; c < 5; ++c) row.f(3, 0.0f);
  } else {
    for (float v :
         {st.defl_girder[k], st.defl_pload[k], st.defl_noncomp[k], st.defl_totnc[k], st.defl_comp[k]})
      row.f(3, v);
  }
  const float range = tables::shear_range(st, k);
  row.f(1, range);
  row.f(2, tables::connector_spacing(st, k, range));
}

} // namespace

const std::vector<std::string> &csv_columns() { return kColumns; }

std::string results_csv(const ProblemState &st) {
  std::string out;
  out.reserve(4096);
  {
    Row header(out);
    for (const std::string &name : kColumns) header.text(name);
  }
  for (int k = 0; k <= 10; ++k) {
    Row row(out);
    row.text(std::to_string(k));
    row.f(3, st.x[2 * k]);
    load_cells(st, k, row);
    stress_cells(st, k, row);
    deflection_cells(st, k, row);
  }
  // The right half: the dead-load moments are held at every fortieth point of the span; the other
  // quantities only for the half span the tables print.
  for (int k = 11; k <= 20; ++k) {
    Row row(out);
    row.text(std::to_string(k));
    row.f(3, st.x[2 * k]);
    const int j = 2 * k;
    for (float v : {st.m_girder[j], st.m_pload[j], st.m_noncomp[j]}) row.f(1, v);
    row.empty(1);
    row.f(1, st.m_comp[j]);
    row.empty(static_cast<int>(kColumns.size()) - 7);
  }
  return out;
}

} // namespace ss
