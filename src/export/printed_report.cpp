#include "export/printed_report.h"

#include <algorithm>
#include <vector>

namespace ss {

namespace {

constexpr std::string_view kTitleMark = "PROB. NO. ";
constexpr std::size_t kTitleMarkAt = 65; // column 67 of the record, after the control character
// The last heading of a design's results tables, as the report prints it.
constexpr std::string_view kResultsEnd = "                         LIVE LOAD DEFLECTIONS (INCHES)";

class Decoder {
public:
  std::vector<PrintedProblem> problems;

  void record(std::string_view rec) {
    const std::size_t i = std::min(rec.find_first_not_of("\n\f"), rec.size());
    const std::string_view text = rec.substr(i);
    if (is_title_line(text)) start_problem();
    for (char c : rec.substr(0, i)) motion(c);
    if (text.empty()) return;
    if (text == kResultsEnd) ++current().designs;
    PrintedPage &page = current().pages.back();
    if (page.lines.size() <= row_) page.lines.resize(row_ + 1);
    PrintedLine &line = page.lines[row_];
    if (line.layers.empty() || (line.layers.size() == 1 && line.layers[0].empty()))
      line.layers.assign(1, std::string(text));
    else
      line.layers.emplace_back(text);
  }

private:
  PrintedProblem &current() {
    if (problems.empty()) start_problem();
    return problems.back();
  }
  void start_problem() {
    problems.emplace_back();
    problems.back().pages.emplace_back();
    row_ = 0;
  }
  void motion(char c) {
    if (c == '\f') {
      current().pages.emplace_back();
      row_ = 0;
    } else {
      ++row_;
      PrintedPage &page = current().pages.back();
      if (page.lines.size() <= row_) page.lines.resize(row_ + 1);
    }
  }
  std::size_t row_ = 0;
};

} // namespace

std::string trim(std::string_view s) {
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(s.substr(first, s.find_last_not_of(' ') - first + 1));
}

bool is_title_line(std::string_view text) {
  return text.size() > kTitleMarkAt + kTitleMark.size() &&
         text.substr(kTitleMarkAt, kTitleMark.size()) == kTitleMark &&
         text.find("CALDERA COMMONWEALTH ROADS AUTHORITY") == 24;
}

std::vector<PrintedProblem> read_printed_report(std::string_view bytes) {
  Decoder d;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\r', start);
    if (end == std::string_view::npos) end = bytes.size();
    d.record(bytes.substr(start, end - start));
    start = end + 1;
  }
  for (PrintedProblem &p : d.problems) {
    std::erase_if(p.pages, [](const PrintedPage &page) {
      for (const PrintedLine &line : page.lines)
        for (const std::string &layer : line.layers)
          if (layer.find_first_not_of(' ') != std::string::npos) return false;
      return true;
    });
    if (p.pages.empty()) p.pages.emplace_back();
    for (PrintedPage &page : p.pages)
      for (PrintedLine &line : page.lines)
        if (line.layers.empty()) line.layers.emplace_back();
    const std::vector<PrintedLine> &first = p.pages.front().lines;
    for (const PrintedLine &line : first)
      if (is_title_line(line.text())) {
        p.number = trim(line.text().substr(kTitleMarkAt + kTitleMark.size()));
        break;
      }
  }
  return std::move(d.problems);
}

std::vector<std::string> problem_lines(const PrintedProblem &p) {
  std::vector<std::string> out;
  for (const PrintedPage &page : p.pages)
    for (const PrintedLine &line : page.lines) out.push_back(line.text());
  return out;
}

} // namespace ss
