#include "export/html.h"

#include <map>

#include "export/svg.h"

namespace ss {

namespace {

constexpr const char *kStyle =
    R"(body{font-family:"DejaVu Sans",sans-serif;margin:1.5em;color:#000;background:#fff}
h1{font-size:1.4em}h2{font-size:1.15em;margin:1.5em 0 .5em}
table.summary{border-collapse:collapse;font-size:.8em}
table.summary th,table.summary td{border:1px solid #888;padding:2px 5px;vertical-align:top;text-align:left}
table.summary th{background:#eee}
table.summary td:nth-child(2){min-width:14em}table.summary td:nth-child(6){min-width:18em}
table.summary td:nth-child(13){min-width:12em}
.fail{font-weight:bold;color:#a00000}
pre.page{font-family:"DejaVu Sans Mono",monospace;font-size:9pt;line-height:1.2;border:1px solid #bbb;
padding:.6em 1em;margin:0 0 1em;width:max-content;background:#fff}
.op{display:inline-grid}.op>span{grid-area:1/1}
.diagram{margin:0 0 1em;max-width:816px}.diagram svg{width:100%;height:auto;border:1px solid #bbb}
@page{size:letter;margin:.5in}@page verdicts{size:letter landscape;margin:.4in}
@media print{body{margin:0}pre.page{font-size:7.5pt;border:none;padding:0;margin:0;break-after:page;
break-inside:avoid}section.problem{break-before:page}h2{margin-top:0}.diagram{break-before:page;
break-after:page;break-inside:avoid;max-width:none}.diagram svg{border:none;height:9.5in;width:auto}
nav{page:verdicts;break-after:page}table.summary{font-size:6.5pt;width:100%}
table.summary td{min-width:0!important}table.summary td:nth-child(6){width:28%}h1{font-size:12pt;margin:0}}
)";

bool plain(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  return u >= 32 && u <= 126 && c != '&' && c != '<' && c != '>' && c != '"' && c != '\'';
}

void append_escaped(std::string &out, std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    std::size_t j = i;
    while (j < s.size() && plain(s[j])) ++j;
    out.append(s.data() + i, j - i); // runs of plain text in one piece
    if (j == s.size()) break;
    switch (s[j]) {
    case '&':
      out += "&amp;";
      break;
    case '<':
      out += "&lt;";
      break;
    case '>':
      out += "&gt;";
      break;
    case '"':
      out += "&quot;";
      break;
    case '\'':
      out += "&#39;";
      break;
    default:
      out += '?';
    }
    i = j + 1;
  }
}

void summary_table(std::string &out, const RunDocument &doc) {
  out += "<table class=\"summary\"><thead><tr>";
  for (const std::string &c : summary_headings()) out += "<th>" + html_escape(c) + "</th>";
  out += "</tr></thead><tbody>\n";
  std::size_t p = 0; // the problem of the row
  for (std::size_t r = 0; r < doc.summary.size(); ++r) {
    while (p + 1 < doc.first_row.size() && doc.first_row[p + 1] <= r) ++p;
    const SummaryRow &row = doc.summary[r];
    const std::vector<std::string> cells = summary_cells(row);
    out += "<tr>";
    for (std::size_t c = 0; c < cells.size(); ++c) {
      const bool verdict = summary_columns()[c] == "verdict";
      out += verdict && row.fails() ? "<td class=\"fail\">" : "<td>";
      if (c == 0 && p < doc.anchors.size())
        out += "<a href=\"#" + html_escape(doc.anchors[p]) + "\">" + html_escape(cells[c]) + "</a>";
      else
        append_escaped(out, cells[c]);
      out += "</td>";
    }
    out += "</tr>\n";
  }
  out += "</tbody></table></nav>\n";
}

void page(std::string &out, const PrintedPage &page) {
  out += "<pre class=\"page\">";
  for (const PrintedLine &line : page.lines) {
    if (line.layers.size() == 1) {
      append_escaped(out, line.text());
    } else {
      out += "<span class=\"op\">";
      for (const std::string &layer : line.layers) {
        out += "<span>";
        append_escaped(out, layer);
        out += "</span>";
      }
      out += "</span>";
    }
    out += '\n';
  }
  out += "</pre>\n";
}

// An SVG document as an element of the page: without its XML declaration.
std::string_view inline_svg(std::string_view svg) {
  const std::size_t at = svg.find("<svg");
  return at == std::string_view::npos ? std::string_view() : svg.substr(at);
}

} // namespace

std::string html_escape(std::string_view s) {
  std::string out;
  append_escaped(out, s);
  return out;
}

RunDocument run_document(std::string_view report,
                         std::vector<std::pair<std::string, draw::Drawing>> diagrams) {
  RunDocument doc;
  std::map<std::string, int> seen;
  std::size_t next = 0; // the next diagram page to place
  for (std::string_view slice : problem_slices(report)) {
    const PrintedProblem p = read_printed_problem(slice);
    doc.problems.push_back(slice);
    const int n = ++seen[p.number];
    doc.anchors.push_back("p-" + p.number + (n > 1 ? "-" + std::to_string(n) : ""));
    doc.first_row.push_back(doc.summary.size());
    for (SummaryRow &row : summarize(p)) doc.summary.push_back(std::move(row));
    // The problem takes the diagram pages of the designs its report completed, in order.
    doc.diagrams.emplace_back();
    for (int d = 0; d < p.designs && next < diagrams.size() && diagrams[next].first == p.number; ++d)
      doc.diagrams.back().push_back(std::move(diagrams[next++].second));
  }
  return doc;
}

std::string run_html(const RunDocument &doc) {
  std::size_t size = 4096 + 300 * doc.summary.size();
  for (std::string_view p : doc.problems) size += p.size() + p.size() / 8;
  for (const auto &pages : doc.diagrams) size += pages.size() * 20000; // about a diagram page of SVG
  std::string out;
  out.reserve(size);
  out += "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>";
  append_escaped(out, doc.title);
  out += "</title>\n<style>\n";
  out += kStyle;
  out += "</style>\n</head>\n<body>\n<nav>\n<h1>";
  append_escaped(out, doc.title);
  out += "</h1>\n<p>Simple span run of ";
  append_escaped(out, doc.date);
  out += "</p>\n";
  summary_table(out, doc);
  for (std::size_t i = 0; i < doc.problems.size(); ++i) {
    const PrintedProblem p = read_printed_problem(doc.problems[i]);
    out += "<section class=\"problem\" id=\"" + html_escape(doc.anchors[i]) + "\">\n<h2>Problem ";
    append_escaped(out, p.number);
    out += "</h2>\n";
    for (const PrintedPage &pg : p.pages) page(out, pg);
    for (const draw::Drawing &diagram : doc.diagrams[i]) {
      out += "<div class=\"diagram\">";
      out += inline_svg(svg_text(diagram));
      out += "</div>\n";
    }
    out += "</section>\n";
  }
  out += "</body>\n</html>\n";
  return out;
}

} // namespace ss
