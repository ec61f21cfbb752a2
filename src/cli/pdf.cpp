#include "cli/pdf.h"

#include <algorithm>
#include <array>
#include <cairo-pdf.h>
#include <cairo.h>
#include <ctime>

#include "cli/pdf_canvas.h"

namespace ss {

namespace {

constexpr double kLetterShort = 612, kLetterLong = 792; // points
constexpr double kMargin = 36;
constexpr double kAdvance = 0.6021; // DejaVu Sans Mono: advance width per point of size
constexpr const char *kMono = "DejaVu Sans Mono";

// Printable ASCII as it is; any other byte as "?" (the deck need not be UTF-8).
std::string printable(std::string_view s) {
  std::string out(s);
  for (char &c : out)
    if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126) c = '?';
  return out;
}

std::string iso_date(long long epoch) {
  const std::time_t when = static_cast<std::time_t>(epoch);
  std::tm t{};
  if (!gmtime_r(&when, &t)) return {};
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y-%m-%dT%H:%M:%SZ", &t);
  return buf;
}

cairo_status_t append_bytes(void *closure, const unsigned char *data, unsigned int length) {
  static_cast<std::string *>(closure)->append(reinterpret_cast<const char *>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

class Writer {
public:
  Writer(const RunDocument &doc, std::string &out)
      : doc_(doc),
        surface_(cairo_pdf_surface_create_for_stream(append_bytes, &out, kLetterShort, kLetterLong)),
        cr_(cairo_create(surface_)), run_(cr_), canvas_(cr_) {}
  ~Writer() {
    canvas_.flush();
    cairo_destroy(cr_);
    cairo_surface_finish(surface_);
    cairo_surface_destroy(surface_);
  }
  void metadata(std::optional<long long> epoch);
  void summary();
  void problem(std::size_t i);

private:
  void sheet(bool landscape);
  void end_sheet();
  // Monospace text from here on at this size; it waits to be drawn with the rest of its run.
  void font(double size, bool bold = false) {
    size_ = size;
    face_ = bold ? &mono_bold_ : &mono_;
  }
  void text(double x, double y, std::string_view s) { run_.add(*face_, size_, 0, x, y, s); }
  void report_sheet(const PrintedPage &page, std::size_t first, std::size_t count);
  void diagram(const draw::Drawing &page);
  void summary_heading(double &y, const std::vector<std::size_t> &width);

  const RunDocument &doc_;
  cairo_surface_t *surface_;
  cairo_t *cr_;
  Face mono_{kMono, false}, mono_bold_{kMono, true};
  Face *face_ = &mono_;
  double size_ = 10;
  GlyphRun run_;
  CairoCanvas canvas_;
  double width_ = kLetterShort, height_ = kLetterLong;
  int page_ = 0;
};

void Writer::metadata(std::optional<long long> epoch) {
  cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_TITLE, printable(doc_.title).c_str());
  cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_CREATOR, "simple-span");
  if (!epoch) return;
  const std::string date = iso_date(*epoch);
  cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_CREATE_DATE, date.c_str());
  cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_MOD_DATE, date.c_str());
}

// A new sheet, its margin line: the deck, the run date and the page number, below the text area.
void Writer::sheet(bool landscape) {
  width_ = landscape ? kLetterLong : kLetterShort;
  height_ = landscape ? kLetterShort : kLetterLong;
  cairo_pdf_surface_set_size(surface_, width_, height_);
  ++page_;
  cairo_set_source_rgb(cr_, 0.35, 0.35, 0.35);
  font(7);
  const double y = height_ - kMargin / 2;
  text(kMargin, y, doc_.title + "   " + doc_.date);
  const std::string n = "page " + std::to_string(page_);
  text(width_ - kMargin - static_cast<double>(n.size()) * 7 * kAdvance, y, n);
  run_.flush();
  cairo_set_source_rgb(cr_, 0, 0, 0);
}

void Writer::end_sheet() {
  run_.flush();
  cairo_show_page(cr_);
}

// The verdicts table: each cell wrapped within its column, at most this many characters wide.
const std::vector<std::size_t> kCaps = {5, 26, 4, 5, 8, 44, 6, 3, 8, 7, 7, 18, 30};
constexpr double kSummarySize = 6.5, kSummaryLead = 8.2;

// Text cut into lines of at most `width` characters, at blanks where there are any.
std::vector<std::string> wrapped(const std::string &s, std::size_t width) {
  std::vector<std::string> out;
  std::size_t at = 0;
  while (at < s.size()) {
    std::size_t n = std::min(width, s.size() - at);
    if (at + n < s.size()) {
      const std::size_t blank = s.rfind(' ', at + n);
      if (blank != std::string::npos && blank > at) n = blank - at + 1;
    }
    out.push_back(trim(s.substr(at, n)));
    at += n;
  }
  if (out.empty()) out.emplace_back();
  return out;
}

void Writer::summary_heading(double &y, const std::vector<std::size_t> &width) {
  sheet(true);
  font(11, true);
  text(kMargin, kMargin, "SIMPLE SPAN VERDICTS  " + doc_.title);
  y = kMargin + 20;
  font(kSummarySize, true);
  double x = kMargin;
  for (std::size_t c = 0; c < summary_headings().size(); ++c) {
    text(x, y, summary_headings()[c]);
    x += static_cast<double>(width[c] + 1) * kSummarySize * kAdvance;
  }
  y += kSummaryLead * 1.5;
}

void Writer::summary() {
  cairo_pdf_surface_add_outline(surface_, CAIRO_PDF_OUTLINE_ROOT, "Verdicts", "page=1",
                                CAIRO_PDF_OUTLINE_FLAG_OPEN);
  std::vector<std::size_t> width(summary_headings().size());
  for (std::size_t c = 0; c < width.size(); ++c)
    width[c] = std::min(kCaps[c], std::max<std::size_t>(summary_headings()[c].size(), 2));
  for (const SummaryRow &row : doc_.summary) {
    const std::vector<std::string> cells = summary_cells(row);
    for (std::size_t c = 0; c < width.size(); ++c)
      width[c] = std::max(width[c], std::min(kCaps[c], cells[c].size()));
  }
  double y = 0;
  summary_heading(y, width);
  for (const SummaryRow &row : doc_.summary) {
    const std::vector<std::string> cells = summary_cells(row);
    std::vector<std::vector<std::string>> lines;
    std::size_t tall = 1;
    for (std::size_t c = 0; c < cells.size(); ++c)
      tall = std::max(tall, lines.emplace_back(wrapped(cells[c], width[c])).size());
    if (y + static_cast<double>(tall) * kSummaryLead > height_ - kMargin) {
      end_sheet();
      summary_heading(y, width);
    }
    double x = kMargin;
    for (std::size_t c = 0; c < cells.size(); ++c) {
      font(kSummarySize, c == 11 && row.fails());
      for (std::size_t l = 0; l < lines[c].size(); ++l)
        text(x, y + static_cast<double>(l) * kSummaryLead, lines[c][l]);
      x += static_cast<double>(width[c] + 1) * kSummarySize * kAdvance;
    }
    y += static_cast<double>(tall) * kSummaryLead + 2;
  }
  end_sheet();
}

// Lines first .. first + count - 1 of a report page on one sheet: as wide as the widest line
// needs, landscape when portrait would make the text too small.
void Writer::report_sheet(const PrintedPage &page, std::size_t first, std::size_t count) {
  std::size_t widest = 80;
  for (std::size_t l = first; l < first + count; ++l)
    for (const std::string &layer : page.lines[l].layers) widest = std::max(widest, layer.size());
  const double need = static_cast<double>(widest) * kAdvance;
  const bool landscape = (kLetterShort - 2 * kMargin) / need < 7.0;
  sheet(landscape);
  const double size = std::min(8.5, (width_ - 2 * kMargin) / need);
  const double lead = (height_ - 2 * kMargin - 6) / static_cast<double>(kPdfLinesPerSheet);
  // The whole sheet in one run of glyphs: a monospace font places each character by its column.
  std::vector<cairo_glyph_t> glyphs;
  for (std::size_t l = first; l < first + count; ++l) {
    const double y = kMargin + static_cast<double>(l - first + 1) * std::min(lead, size * 1.25);
    for (const std::string &layer : page.lines[l].layers)
      for (std::size_t c = 0; c < layer.size(); ++c)
        if (layer[c] != ' ')
          glyphs.push_back(
              {mono_.glyph(cr_, layer[c]), kMargin + static_cast<double>(c) * size * kAdvance, y});
  }
  cairo_set_font_face(cr_, mono_.face());
  cairo_set_font_size(cr_, size);
  cairo_show_glyphs(cr_, glyphs.data(), static_cast<int>(glyphs.size()));
  end_sheet();
}

// The diagram page scaled to fit the sheet above the margin line, centred across it.
void Writer::diagram(const draw::Drawing &page) {
  sheet(false);
  if (page.width() > 0 && page.height() > 0) {
    const double scale = std::min(width_ / page.width(), (height_ - kMargin) / page.height());
    canvas_.place((width_ - page.width() * scale) / 2, scale);
    page.replay(canvas_);
    canvas_.flush();
  }
  end_sheet();
}

void Writer::problem(std::size_t i) {
  const PrintedProblem p = read_printed_problem(doc_.problems[i]);
  const std::string mark = "Problem " + p.number;
  cairo_pdf_surface_add_outline(surface_, CAIRO_PDF_OUTLINE_ROOT, printable(mark).c_str(),
                                ("page=" + std::to_string(page_ + 1)).c_str(), CAIRO_PDF_OUTLINE_FLAG_OPEN);
  for (const PrintedPage &page : p.pages) {
    const std::size_t n = std::max<std::size_t>(page.lines.size(), 1);
    for (std::size_t first = 0; first < n; first += kPdfLinesPerSheet)
      report_sheet(page, first,
                   std::min(kPdfLinesPerSheet, page.lines.size() - std::min(first, page.lines.size())));
  }
  if (i < doc_.diagrams.size())
    for (const draw::Drawing &page : doc_.diagrams[i]) diagram(page);
}

} // namespace

std::string run_pdf(const RunDocument &doc, std::optional<long long> epoch) {
  std::string out;
  {
    Writer w(doc, out);
    w.metadata(epoch);
    w.summary();
    for (std::size_t i = 0; i < doc.problems.size(); ++i) w.problem(i);
  }
  return out;
}

} // namespace ss
