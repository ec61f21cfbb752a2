#include "export/documents_check.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "cli/pdf.h"
#include "export/export_run.h"
#include "export/html.h"
#include "export/printed_report.h"

namespace ss::test {

namespace {

// Words separated by single blanks, as pdftotext's layout and the report agree on them.
std::string words_of(const std::string &s) {
  std::istringstream in(s);
  std::string out;
  for (std::string w; in >> w;) out += (out.empty() ? "" : " ") + w;
  return out;
}

std::size_t count(const std::string &s, const std::string &what) {
  std::size_t n = 0;
  for (std::size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + 1)) ++n;
  return n;
}

} // namespace

std::string command_output(const std::string &command) {
  std::string out;
  if (FILE *p = ::popen(command.c_str(), "r")) {
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
    ::pclose(p);
  }
  return out;
}

std::string check_pdf(const std::string &report, const std::string &pdf_path) {
  const std::string text = command_output("pdftotext -layout '" + pdf_path + "' -");
  std::vector<std::vector<std::string>> pages(1);
  for (std::istringstream in(text); !in.eof();) {
    std::string line;
    std::getline(in, line);
    for (std::size_t ff; (ff = line.find('\f')) != std::string::npos; line.erase(0, ff + 1)) {
      pages.back().push_back(words_of(line.substr(0, ff)));
      pages.emplace_back();
    }
    pages.back().push_back(words_of(line));
  }
  std::size_t verdict_pages = 0;
  while (verdict_pages < pages.size() && !pages[verdict_pages].empty() &&
         pages[verdict_pages][0].rfind("SIMPLE SPAN VERDICTS", 0) == 0)
    ++verdict_pages;
  if (verdict_pages == 0) return "no verdict page first";
  std::size_t sheets = verdict_pages;
  for (const PrintedProblem &p : read_printed_report(report)) {
    for (const PrintedPage &page : p.pages)
      sheets += std::max<std::size_t>(1, (page.lines.size() + kPdfLinesPerSheet - 1) / kPdfLinesPerSheet);
    sheets += static_cast<std::size_t>(p.designs);
  }
  const std::string info = command_output("pdfinfo '" + pdf_path + "' | sed -n 's/^Pages: *//p'");
  if (std::stoul("0" + info) != sheets) return "pages " + info + " expected " + std::to_string(sheets);
  // Everything is drawn as vectors and text: an image would be cairo rasterising what the PDF
  // cannot say, a page slow to make and blurred to read.
  const std::string images = command_output("pdfimages -list '" + pdf_path + "' | tail -n +3");
  if (!images.empty()) return "images in the PDF:\n" + images;
  // Every non-blank record, in order, from the first report page on.
  std::size_t page = verdict_pages, line = 0;
  for (const std::string &record : report_records(report)) {
    std::string want = words_of(record);
    for (char &c : want)
      if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126) c = '?';
    if (want.empty()) continue;
    while (page < pages.size() && (line >= pages[page].size() || pages[page][line] != want))
      if (++line >= pages[page].size()) ++page, line = 0;
    if (page >= pages.size()) return "report line not found in order: " + want;
    ++line;
  }
  return {};
}

std::string check_pdf_diagrams(const std::string &pdf_path, const std::string &svg_dir) {
  std::map<std::string, int> words; // SVG text words counted up, PDF diagram page words down
  std::istringstream pages(command_output("pdftotext -layout '" + pdf_path + "' -"));
  for (std::string page; std::getline(pages, page, '\f');) {
    if (words_of(page).rfind("SIMPLE SPAN PROBLEM NUMBER", 0) != 0) continue;
    page.erase(std::min(page.find_last_not_of(" \n"), page.size())); // the last line is the margin's
    page.erase(std::min(page.rfind('\n'), page.size()));
    for (std::istringstream in(page); in >> page;) --words[page];
  }
  const std::regex text("<text[^>]*>([^<]*)</text>");
  if (std::filesystem::is_directory(svg_dir))
    for (const auto &e : std::filesystem::directory_iterator(svg_dir)) {
      std::ifstream in(e.path());
      const std::string svg((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      for (std::sregex_iterator m(svg.begin(), svg.end(), text), end; m != end; ++m) {
        std::string t = (*m)[1];
        for (const auto &[from, to] :
             {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}})
          for (std::size_t at; (at = t.find(from)) != std::string::npos;)
            t.replace(at, std::strlen(from), to);
        for (std::istringstream w(t); w >> t;) ++words[t];
      }
    }
  for (const auto &[word, n] : words)
    if (n != 0) return "\"" + word + "\" " + (n > 0 ? "missing from" : "extra on") + " the diagram pages";
  return {};
}

std::string check_html(const std::string &report, const std::string &html) {
  const std::vector<PrintedProblem> problems = read_printed_report(report);
  std::size_t designs = 0;
  for (const PrintedProblem &p : problems) {
    designs += static_cast<std::size_t>(p.designs);
    if (html.find("id=\"p-" + html_escape(p.number)) == std::string::npos)
      return "no anchor for problem " + p.number;
  }
  if (count(html, "<section class=\"problem\"") != problems.size()) return "not one section per problem";
  if (count(html, "<svg ") != designs) return "not one inline SVG per design";
  if (html.find("<script") != std::string::npos || html.find(" src=") != std::string::npos)
    return "scripts or external files";
  return {};
}

} // namespace ss::test
