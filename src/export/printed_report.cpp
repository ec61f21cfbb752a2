#include "export/printed_report.h"

#include <algorithm>
#include <vector>

namespace ss {

namespace {
constexpr std::string_view kTitleMark = "PROB. NO. ";
constexpr std::size_t kTitleMarkAt = 65; // column 67 of the record, after the control character
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

namespace {

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

// Calls `each` with every record of the bytes (its motion, its text), in order.
template <class Each> void for_each_record(std::string_view bytes, Each each) {
  for (std::size_t start = 0; start < bytes.size();) {
    std::size_t end = bytes.find('\r', start);
    if (end == std::string_view::npos) end = bytes.size();
    each(start, bytes.substr(start, end - start));
    start = end + 1;
  }
}

// Blank pages dropped (a form feed just before the next title block), the number read.
void tidy(PrintedProblem &p) {
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
  for (const PrintedLine &line : p.pages.front().lines)
    if (is_title_line(line.text())) {
      p.number = trim(line.text().substr(kTitleMarkAt + kTitleMark.size()));
      break;
    }
}

} // namespace

std::vector<std::string_view> problem_slices(std::string_view bytes) {
  std::vector<std::size_t> starts{0};
  for_each_record(bytes, [&starts](std::size_t at, std::string_view rec) {
    const std::size_t i = std::min(rec.find_first_not_of("\n\f"), rec.size());
    if (at > 0 && is_title_line(rec.substr(i))) starts.push_back(at);
  });
  starts.push_back(bytes.size());
  std::vector<std::string_view> out;
  for (std::size_t k = 0; k + 1 < starts.size(); ++k)
    if (starts[k + 1] > starts[k]) out.push_back(bytes.substr(starts[k], starts[k + 1] - starts[k]));
  return out;
}

PrintedProblem read_printed_problem(std::string_view slice) {
  Decoder d;
  for_each_record(slice, [&d](std::size_t, std::string_view rec) { d.record(rec); });
  if (d.problems.empty()) d.problems.emplace_back().pages.emplace_back();
  PrintedProblem p = std::move(d.problems.front());
  tidy(p);
  return p;
}

std::vector<PrintedProblem> read_printed_report(std::string_view bytes) {
  std::vector<PrintedProblem> out;
  for (std::string_view slice : problem_slices(bytes)) out.push_back(read_printed_problem(slice));
  return out;
}

std::vector<std::string> problem_lines(const PrintedProblem &p) {
  std::vector<std::string> out;
  for (const PrintedPage &page : p.pages)
    for (const PrintedLine &line : page.lines) out.push_back(line.text());
  return out;
}

} // namespace ss
