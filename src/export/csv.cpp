#include "export/csv.h"

#include "export/printed.h"
#include "tables/blocks.h"

namespace ss {

namespace {

using exporting::cell_f;
using exporting::cell_i;

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

// The governing-load letter the tables print; none for a code never set.
std::string letter(LoadCode code) {
  const char c = code_letter(code);
  if (c <= ' ' || c > '~') return {};
  return std::string(1, c);
}

// A field as RFC 4180 wants it: quoted when it holds a comma, a quote or a line break.
std::string quoted(const std::string &s) {
  if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
  std::string q = "\"";
  for (char c : s) q += c == '"' ? std::string("\"\"") : std::string(1, c);
  return q + "\"";
}

void put_row(std::string &out, const std::vector<std::string> &cells) {
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i) out += ',';
    out += quoted(cells[i]);
  }
  out += "\r\n";
}

// Moments (no support row in the table) and shears of twentieth point k.
void load_cells(const ProblemState &st, int k, std::vector<std::string> &c) {
  const int j = 2 * k;
  if (k == 0) {
    c.insert(c.end(), 9, std::string());
  } else {
    const float totnc = st.m_totnc[k]; // stored by the moments table as it printed it
    for (float v : {st.m_girder[j], st.m_pload[j], st.m_noncomp[j], totnc, st.m_comp[j], st.m_sidewalk[k],
                    st.m_live[k]})
      c.push_back(cell_f(1, v));
    c.push_back(letter(st.m_code[k]));
    c.push_back(cell_f(1, st.m_rri[k]));
  }
  const float totnc = (st.v_girder[j] + st.v_pload[j]) + st.v_noncomp[j];
  for (float v : {st.v_girder[j], st.v_pload[j], st.v_noncomp[j], totnc, st.v_comp[j], st.v_sidewalk_pos[k],
                  st.v_live_pos[k]})
    c.push_back(cell_f(1, v));
  c.push_back(letter(st.v_code[k]));
  c.push_back(cell_f(1, st.v_rri[k]));
}

// The stress row of twentieth point k, where the report has one.
void stress_cells(const ProblemState &st, int k, std::vector<std::string> &c) {
  if (k == 0 || !exporting::has_stress_table(st)) {
    c.insert(c.end(), 8, std::string());
    return;
  }
  const tables::StressRow r = tables::stress_row(st, k);
  c.push_back(cell_i(-r.top_min));
  c.push_back(cell_i(-r.bot_min));
  c.push_back(cell_i(r.concrete));
  c.push_back(cell_i(-r.top_max));
  c.push_back(cell_i(-r.bot_max));
  c.push_back(cell_i(exporting::allowable_stress(st, k) * 1000.0f));
  c.push_back(cell_f(3, r.top_min / r.top_max));
  c.push_back(cell_f(3, r.bot_min / r.bot_max));
}

void deflection_cells(const ProblemState &st, int k, std::vector<std::string> &c) {
  if (k == 0) {
    c.insert(c.end(), 5, cell_f(3, 0.0f));
  } else {
    for (float v :
         {st.defl_girder[k], st.defl_pload[k], st.defl_noncomp[k], st.defl_totnc[k], st.defl_comp[k]})
      c.push_back(cell_f(3, v));
  }
  const float range = tables::shear_range(st, k);
  c.push_back(cell_f(1, range));
  c.push_back(cell_f(2, tables::connector_spacing(st, k, range)));
}

} // namespace

const std::vector<std::string> &csv_columns() { return kColumns; }

std::string results_csv(const ProblemState &st) {
  std::string out;
  out.reserve(4096);
  put_row(out, kColumns);
  std::vector<std::string> c;
  c.reserve(kColumns.size());
  for (int k = 0; k <= 10; ++k) {
    c.clear();
    c.push_back(std::to_string(k));
    c.push_back(cell_f(3, st.x[2 * k]));
    load_cells(st, k, c);
    stress_cells(st, k, c);
    deflection_cells(st, k, c);
    put_row(out, c);
  }
  return out;
}

} // namespace ss
