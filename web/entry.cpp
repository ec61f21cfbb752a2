// The WebAssembly module's one function, for the page's worker and the Node.js tests:
//   run(deck, name, date, time, maxFileDesigns, progress)
//     -> {report, diagnostic, designs, csv, svg, summary, html}
// `deck` is a string or a Uint8Array of the deck's bytes, `name` its file name; `report`, `html`
// and each file's `bytes` are Uint8Arrays (the report is bytes, not text: carriage returns, form feeds and
// whatever the deck echoes); `summary` is {headings, rows: [{cells, fails}]}, the verdicts;
// `progress(bytesRead, deckSize)` is called as the deck is read.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include "web/web_run.h"

namespace {

using emscripten::val;

val bytes(const std::string &s) {
  // A copy: a view into the module's memory would move when the memory grows.
  return val::global("Uint8Array")
      .new_(emscripten::typed_memory_view(s.size(), reinterpret_cast<const unsigned char *>(s.data())));
}

val files(const std::vector<ss::WebFile> &list) {
  val out = val::array();
  for (const ss::WebFile &f : list) {
    val file = val::object();
    file.set("name", f.name);
    file.set("bytes", bytes(f.bytes));
    out.call<void>("push", file);
  }
  return out;
}

val strings(const std::vector<std::string> &list) {
  val out = val::array();
  for (const std::string &s : list) out.call<void>("push", s);
  return out;
}

val summary(const std::vector<ss::SummaryRow> &rows) {
  val out = val::object();
  out.set("headings", strings(ss::summary_headings()));
  val list = val::array();
  for (const ss::SummaryRow &r : rows) {
    val row = val::object();
    row.set("cells", strings(ss::summary_cells(r)));
    row.set("fails", r.fails());
    list.call<void>("push", row);
  }
  out.set("rows", list);
  return out;
}

val run(const std::string &deck, const std::string &name, const std::string &date, const std::string &time,
        int max_file_designs, val progress) {
  ss::WebRunOptions options;
  options.deck_name = name;
  options.stamp = {date, time};
  options.work_dir = "/tmp/simple-span-run";
  options.max_file_designs = max_file_designs;
  if (progress.typeOf().as<std::string>() == "function")
    options.progress = [&progress](std::size_t done, std::size_t total) {
      progress(static_cast<double>(done), static_cast<double>(total));
    };
  const ss::WebRunResult r = ss::run_web(deck, options);
  val out = val::object();
  out.set("report", bytes(r.report));
  out.set("diagnostic", r.diagnostic);
  out.set("designs", r.designs);
  out.set("csv", files(r.csv));
  out.set("svg", files(r.svg));
  out.set("summary", summary(r.summary));
  out.set("html", bytes(r.html));
  return out;
}

} // namespace

EMSCRIPTEN_BINDINGS(simple_span) { emscripten::function("run", &run); }
