// The WebAssembly module's functions, for the page's worker and the Node.js tests. `input` is a
// string or a Uint8Array of a deck's bytes, or of a problem file's when `name` ends in .toml.
//   run(input, name, date, time, maxFileDesigns, progress)
//     -> {report, diagnostic, designs, csv, svg, summary, html, deck}
//     `report`, `html`, `deck` and each file's `bytes` are Uint8Arrays (the report is bytes, not
//     text: carriage returns, form feeds and whatever the deck echoes); `summary` is
//     {headings, rows: [{cells, fails}]}, the verdicts; `progress(bytesRead, deckSize)` is called
//     as the deck is read.
//   check(input, name) -> {text, error, status, findings: [{severity, kind, line, first, last, message}]}
//     what `simple-span check` prints and its exit status; `error` when a problem file is not one.
//   convert(input, name) -> {text, error}: a deck's problem file, or a problem file's deck.
//   templates() -> [{type, analysis, about, deck, problemFile}]
//   records(deck) -> [{line, name, fields: [{key, label, first, last, format, unit, meaning, text,
//   numeric}]}]
//     every record the run reads, with its fields as the record layout table describes them.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <sstream>

#include "problem/problem_file.h"
#include "problem/templates.h"
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
  out.set("deck", bytes(r.deck));
  return out;
}

const char *severity(ss::Severity s) {
  return s == ss::Severity::Note ? "note" : s == ss::Severity::Warning ? "warning" : "fatal";
}

val check(const std::string &input, const std::string &name) {
  const ss::WebCheck c = ss::check_web(input, name);
  val findings = val::array();
  for (const ss::Finding &f : c.findings) {
    val v = val::object();
    v.set("severity", std::string(severity(f.severity)));
    v.set("kind", f.kind);
    v.set("line", static_cast<double>(f.line));
    v.set("first", f.first);
    v.set("last", f.last);
    v.set("message", f.message);
    findings.call<void>("push", v);
  }
  val out = val::object();
  out.set("text", c.text);
  out.set("error", c.error);
  out.set("status", c.status);
  out.set("findings", findings);
  return out;
}

val convert(const std::string &input, const std::string &name) {
  const ss::Converted c = ss::is_problem_file_name(name) ? ss::deck_from_problem_file(input, name)
                                                         : ss::problem_file_from_deck(input, name);
  val out = val::object();
  out.set("text", c.text);
  out.set("error", c.error);
  return out;
}

val templates() {
  val out = val::array();
  for (const ss::ProblemTemplate &t : ss::problem_templates()) {
    val v = val::object();
    v.set("type", std::string(t.type));
    v.set("analysis", t.analysis);
    v.set("about", std::string(t.about));
    v.set("deck", std::string(t.deck));
    v.set("problemFile", ss::template_problem_file(t));
    out.call<void>("push", v);
  }
  return out;
}

val field(const ss::CheckedField &cf) {
  const ss::FieldLayout &f = *cf.layout;
  val v = val::object();
  v.set("key", std::string(f.key));
  v.set("label", std::string(f.echo.empty() ? f.key : f.echo));
  v.set("first", f.first);
  v.set("last", f.last);
  v.set("format", f.format_name());
  v.set("unit", std::string(f.unit));
  v.set("meaning", std::string(f.meaning));
  v.set("text", cf.text);
  v.set("numeric", f.numeric());
  return v;
}

val records(const std::string &deck) {
  std::istringstream in(deck);
  val out = val::array();
  for (const ss::CheckedProblem &p : ss::check_deck(in, "deck").problems)
    for (const ss::CheckedRecord &r : p.records) {
      val fields = val::array();
      for (const ss::CheckedField &cf : r.fields)
        if (cf.layout->format != ss::FieldFormat::Ignored) fields.call<void>("push", field(cf));
      val v = val::object();
      v.set("line", static_cast<double>(r.line));
      v.set("name", std::string(ss::record_layout(r.kind).name));
      v.set("fields", fields);
      out.call<void>("push", v);
    }
  return out;
}

} // namespace

EMSCRIPTEN_BINDINGS(simple_span) {
  emscripten::function("run", &run);
  emscripten::function("check", &check);
  emscripten::function("convert", &convert);
  emscripten::function("templates", &templates);
  emscripten::function("records", &records);
}
