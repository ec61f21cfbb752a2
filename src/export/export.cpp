#include "export/export.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "export/csv.h"
#include "export/summary.h"
#include "export/svg.h"
#include "export/write_file.h"

namespace ss {

namespace fs = std::filesystem;

std::string prepare_output_dir(const std::string &dir, const char *what) {
  const std::string head = std::string("cannot write the ") + what + " directory " + dir + ": ";
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (ec) return head + ec.message();
  if (!fs::is_directory(dir, ec)) return head + "not a directory";
  // Permission bits do not tell (root writes anywhere, a read-only mount refuses everyone): try.
  const fs::path probe = fs::path(dir) / (".simple-span-probe-" + std::to_string(::getpid()));
  errno = 0;
  std::ofstream f(probe, std::ios::binary | std::ios::trunc);
  if (!f.is_open()) return head + std::strerror(errno ? errno : EACCES);
  f.close();
  fs::remove(probe, ec);
  return {};
}

std::string problem_file_stem(const Word &number) {
  std::string s(number.begin(), number.end());
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return "problem";
  s = s.substr(first, s.find_last_not_of(' ') - first + 1);
  for (char &c : s) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (!(std::isalnum(u) && u < 128) && c != '-' && c != '_') c = '_';
  }
  return s;
}

std::string check_output_file(const std::string &path, const char *what) {
  const std::string head = std::string("cannot write the ") + what + " file " + path + ": ";
  std::error_code ec;
  if (fs::is_directory(path, ec)) return head + "it is a directory";
  const fs::path dir = fs::path(path).parent_path();
  if (!dir.empty() && !fs::is_directory(dir, ec)) return head + "no directory " + dir.string();
  return {};
}

std::string Exporter::prepare() const {
  std::string e;
  if (!options_.csv_dir.empty()) e = prepare_output_dir(options_.csv_dir, "CSV");
  if (e.empty() && !options_.plot_dir.empty()) e = prepare_output_dir(options_.plot_dir, "plot");
  if (e.empty() && !documents_.pdf_file.empty()) e = check_output_file(documents_.pdf_file, "PDF");
  if (e.empty() && !documents_.html_file.empty()) e = check_output_file(documents_.html_file, "HTML");
  return e;
}

std::string Exporter::unique_stem(const Word &number) {
  auto lower = [](std::string s) {
    for (char &c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  };
  const std::string base = problem_file_stem(number);
  std::string stem = base;
  int &n = next_.try_emplace(lower(base), 2).first->second;
  while (used_.count(lower(stem))) stem = base + "-" + std::to_string(n++);
  used_.insert(lower(stem));
  return stem;
}

void Exporter::protect(bool may_replace, const std::string &deck) {
  may_replace_ = may_replace;
  deck_ = deck;
}

std::string Exporter::refused_run_file() const {
  std::vector<std::string> files{documents_.pdf_file, documents_.html_file};
  if (!options_.csv_dir.empty()) files.push_back((fs::path(options_.csv_dir) / "summary.csv").string());
  for (const std::string &file : files)
    if (std::string r = file.empty() ? std::string() : refusal(file); !r.empty()) return r;
  return {};
}

std::string Exporter::refusal(const std::string &file) const {
  std::error_code ec;
  if (!fs::exists(file, ec)) return {};
  if (!deck_.empty() && fs::equivalent(file, deck_, ec))
    return file + " would be the deck " + deck_ + " itself: not written";
  if (!may_replace_) return file + " exists: --overwrite (or Y to the overwrite question) replaces it";
  return {};
}

std::vector<std::string> Exporter::claim_files(const Word &number) {
  const std::string stem = unique_stem(number);
  std::vector<std::string> files;
  if (!options_.csv_dir.empty()) files.push_back((fs::path(options_.csv_dir) / (stem + ".csv")).string());
  if (!options_.plot_dir.empty()) files.push_back((fs::path(options_.plot_dir) / (stem + ".svg")).string());
  return files;
}

void Exporter::write(const std::string &file, const std::string &bytes) {
  if (!error_.empty()) return; // one diagnostic is enough; the report goes on regardless
  error_ = refusal(file);
  if (error_.empty()) error_ = write_file_atomically(file, bytes);
}

void Exporter::results_printed(const ProblemState &st) {
  const std::vector<std::string> files = claim_files(st.problem_number);
  draw::Drawing diagram;
  if (!options_.plot_dir.empty() || documents_.any()) diagram = results_drawing(st);
  for (const std::string &file : files)
    write(file, file.ends_with(".csv") ? results_csv(st) : svg_text(diagram));
  if (documents_.any())
    diagrams_.emplace_back(trim(std::string_view(st.problem_number.data(), st.problem_number.size())),
                           std::move(diagram));
  ++written_;
}

RunDocument Exporter::finish(std::string_view report, const std::string &title, const std::string &date) {
  RunDocument doc = run_document(report, std::move(diagrams_));
  diagrams_.clear();
  doc.title = title;
  doc.date = date;
  if (!options_.csv_dir.empty())
    write((fs::path(options_.csv_dir) / "summary.csv").string(), summary_csv(doc.summary));
  if (!documents_.html_file.empty()) {
    const std::string failure = write_file_atomically(documents_.html_file, run_html(doc));
    if (error_.empty()) error_ = failure;
  }
  return doc;
}

} // namespace ss
