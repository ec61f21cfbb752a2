#include "web/web_run.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <streambuf>

#include "check/problem_check.h"
#include "export/export.h"
#include "problem/problem_file.h"
#include "state/fatal.h"

namespace ss {

namespace fs = std::filesystem;

namespace {

// The deck as a stream that reports how far it has been read, a block at a time.
class ProgressBuf : public std::streambuf {
public:
  ProgressBuf(const std::string &bytes, std::function<void(std::size_t, std::size_t)> progress)
      : bytes_(bytes), progress_(std::move(progress)) {}

protected:
  int_type underflow() override {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    if (next_ >= bytes_.size()) return traits_type::eof();
    char *begin = const_cast<char *>(bytes_.data()) + next_; // read only: no putback area
    const std::size_t n = std::min(kBlock, bytes_.size() - next_);
    next_ += n;
    setg(begin, begin, begin + n);
    if (progress_) progress_(next_, bytes_.size());
    return traits_type::to_int_type(*gptr());
  }

private:
  static constexpr std::size_t kBlock = 64 * 1024;
  const std::string &bytes_;
  std::function<void(std::size_t, std::size_t)> progress_;
  std::size_t next_ = 0;
};

std::string read_bytes(const fs::path &file) {
  std::ifstream f(file, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

// Every regular file of `dir`, sorted by name.
std::vector<WebFile> take_files(const fs::path &dir) {
  std::vector<WebFile> files;
  std::error_code ec;
  for (const auto &entry : fs::directory_iterator(dir, ec))
    if (entry.is_regular_file(ec))
      files.push_back({entry.path().filename().string(), read_bytes(entry.path())});
  std::sort(files.begin(), files.end(), [](const WebFile &a, const WebFile &b) { return a.name < b.name; });
  return files;
}

void run_problems_into(const std::string &deck, const WebRunOptions &options, Exporter &exporter,
                       WebRunResult &result) {
  ProgressBuf buf(deck, options.progress);
  std::istream in(&buf);
  std::ostringstream out;
  Report report(out);
  DeckReader reader(in, "deck");
  ProblemState st;
  Run run{st, report, reader};
  run.results_printed = [&](const ProblemState &s) {
    if (result.designs++ < options.max_file_designs) exporter.results_printed(s);
  };
  try {
    run_problems(run, program_routines(), options.stamp);
    report.flush();
  } catch (const FatalError &e) {
    result.diagnostic = e.what();
  }
  result.report = out.str();
}

} // namespace

bool valid_stamp(const RunStamp &stamp) {
  auto digits = [](const std::string &s, std::size_t at) {
    return std::isdigit(static_cast<unsigned char>(s[at])) &&
           std::isdigit(static_cast<unsigned char>(s[at + 1]));
  };
  const std::string &d = stamp.date, &t = stamp.time;
  if (d.size() != 9 || t.size() != 8) return false;
  const bool month = std::all_of(d.begin() + 3, d.begin() + 6, [](char c) { return c >= 'A' && c <= 'Z'; });
  return digits(d, 0) && d[2] == '-' && month && d[6] == '-' && digits(d, 7) && digits(t, 0) && t[2] == ':' &&
         digits(t, 3) && t[5] == ':' && digits(t, 6);
}

WebRunResult run_web(const std::string &input, const WebRunOptions &options) {
  WebRunResult result;
  if (!valid_stamp(options.stamp)) {
    result.diagnostic = "the run date and time must read DD-MON-YY and HH:MM:SS";
    return result;
  }
  result.deck = input;
  if (is_problem_file_name(options.deck_name)) { // read as its deck, converted before the first problem
    Converted c = deck_from_problem_file(input, options.deck_name);
    if (!c.ok()) {
      result.deck.clear();
      result.diagnostic = c.error;
      return result;
    }
    result.deck = std::move(c.text);
  }
  const std::string &deck = result.deck;
  const fs::path csv_dir = fs::path(options.work_dir) / "csv", svg_dir = fs::path(options.work_dir) / "svg";
  std::error_code ec;
  fs::remove_all(options.work_dir, ec);
  const fs::path html = fs::path(options.work_dir) / "run.html";
  Exporter exporter(ExportOptions{csv_dir.string(), svg_dir.string()}, DocumentOptions{"", html.string()});
  if (std::string problem = exporter.prepare(); !problem.empty()) {
    result.diagnostic = problem;
    return result;
  }
  run_problems_into(deck, options, exporter, result);
  // The verdicts and the web page, also of a run that stopped: they show the problems read before.
  const std::string title = fs::path(options.deck_name).filename().string();
  result.summary =
      exporter.finish(result.report, title, options.stamp.date + " " + options.stamp.time).summary;
  if (result.diagnostic.empty()) result.diagnostic = exporter.error();
  result.csv = take_files(csv_dir);
  result.svg = take_files(svg_dir);
  result.html = read_bytes(html);
  fs::remove_all(options.work_dir, ec);
  return result;
}

WebCheck check_web(const std::string &input, const std::string &name) {
  WebCheck result;
  std::ostringstream out;
  if (is_problem_file_name(name)) {
    const Converted c = deck_from_problem_file(input, name);
    if (!c.ok()) {
      result.error = c.error;
      result.status = 2;
      return result;
    }
    result.status = check_problem_file(c, name, out).exit_status();
  } else {
    std::istringstream deck(input);
    const DeckCheck check = check_deck(deck, name);
    print_check(out, check);
    result.status = check.exit_status();
    result.findings = check.all_findings();
  }
  result.text = out.str();
  return result;
}

} // namespace ss
