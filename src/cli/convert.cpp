#include "cli/convert.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "export/write_file.h"
#include "problem/problem_file.h"

namespace ss {

namespace {

constexpr const char *kConvertUsage =
    "usage: simple-span convert IN OUT [--overwrite]\n"
    "\n"
    "Converts a deck to a problem file or back. IN is read as a problem file (TOML) when its name\n"
    "ends in .toml, else as a deck; OUT gets the other form and must be named accordingly (.toml\n"
    "for a problem file). OUT - writes to standard output. An existing OUT is replaced only with\n"
    "--overwrite. The report of the deck and of its problem file are the same byte for byte.\n";

std::optional<std::string> read_all(std::istream &in) {
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return text.str();
}

int fail(std::ostream &err, const std::string &message) {
  err << "simple-span convert: " << message << "\n";
  return 1;
}

} // namespace

int convert_command(const std::vector<std::string> &operands, std::istream &, std::ostream &out,
                    std::ostream &err) {
  std::vector<std::string> names;
  bool overwrite = false;
  for (const std::string &w : operands) {
    if (w == "--help") return out << kConvertUsage, 0;
    if (w == "--overwrite")
      overwrite = true;
    else if (w.size() > 1 && w[0] == '-')
      return err << "simple-span convert: unknown option " << w << "\nTry 'simple-span convert --help'.\n", 2;
    else
      names.push_back(w);
  }
  if (names.size() != 2)
    return err << "simple-span convert: IN and OUT are needed\nTry 'simple-span convert --help'.\n", 2;
  const std::string &in_name = names[0], &out_name = names[1];
  const bool from_toml = is_problem_file_name(in_name);
  if (out_name != "-" && is_problem_file_name(out_name) == from_toml)
    return fail(err, out_name + (from_toml ? " would get a deck: name it without .toml"
                                           : " would get a problem file: name it NAME.toml"));
  std::error_code ec;
  if (out_name != "-" && !overwrite && std::filesystem::exists(out_name, ec))
    return fail(err, out_name + " exists; add --overwrite to replace it");
  std::ifstream in(in_name, std::ios::binary);
  if (!in) return fail(err, "cannot open " + in_name);
  const auto text = read_all(in);
  if (!text) return fail(err, "read error on " + in_name);
  const Converted c =
      from_toml ? deck_from_problem_file(*text, in_name) : problem_file_from_deck(*text, in_name);
  if (!c.ok()) return fail(err, c.error);
  if (out_name == "-") return out << c.text, out ? 0 : 1;
  if (const std::string problem = write_file_atomically(out_name, c.text); !problem.empty())
    return fail(err, problem);
  return 0;
}

} // namespace ss

namespace ss {

Converted problem_file_deck(std::istream &file, const std::string &name) {
  const auto text = read_all(file);
  if (!text) return {"", "read error on " + name, {}};
  return deck_from_problem_file(*text, name);
}

} // namespace ss
