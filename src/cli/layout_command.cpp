#include "cli/layout_command.h"

#include <cctype>
#include <iomanip>
#include <sstream>

namespace ss {

namespace {

constexpr const char *kLayoutUsage =
    "usage: simple-span layout [RECORD | --roff]\n"
    "\n"
    "Prints the layout of every deck record, or of one: title, continuation, span, loads,\n"
    "section, slab, tbeam, tbeam-rows. Each record comes under a column ruler with its fields\n"
    "marked, then one line per field: columns, format, the name the report's echo prints, the key,\n"
    "the unit, the plausible range and the meaning. Iw is an integer of w columns, Fw.d a real\n"
    "with d implied decimals unless a decimal point is written, An text, F3.0/1000 a number\n"
    "divided by 1000. --roff prints the manual page's record tables.\n";

std::string columns(const FieldLayout &f) {
  return f.first == f.last ? std::to_string(f.first) : std::to_string(f.first) + "-" + std::to_string(f.last);
}

std::string number(double v) {
  std::ostringstream s;
  s << v;
  return s.str();
}

std::string range(const FieldLayout &f) {
  return f.has_range() ? number(f.low) + " to " + number(f.high) : "";
}

// The ruler (tens, then units) and the fields drawn under it: <--> for a field, ^ for one column,
// . for columns not read.
void print_ruler(std::ostream &out, const RecordLayout &rec) {
  const int width = rec.fields.back().last;
  std::string tens(static_cast<std::size_t>(width), ' '), units = tens, marks = tens;
  for (int c = 1; c <= width; ++c) {
    if (c % 10 == 0) tens[static_cast<std::size_t>(c - 1)] = static_cast<char>('0' + c / 10 % 10);
    units[static_cast<std::size_t>(c - 1)] = static_cast<char>('0' + c % 10);
  }
  for (const FieldLayout &f : rec.fields)
    for (int c = f.first; c <= f.last; ++c)
      marks[static_cast<std::size_t>(c - 1)] = f.format == FieldFormat::Ignored ? '.'
                                               : f.first == f.last              ? '^'
                                               : c == f.first                   ? '<'
                                               : c == f.last                    ? '>'
                                                                                : '-';
  tens.erase(tens.find_last_not_of(' ') + 1);
  out << tens << "\n" << units << "\n" << marks << "\n";
}

} // namespace

void print_layout(std::ostream &out, const RecordLayout &rec) {
  out << rec.name << " (" << rec.key << "): " << rec.when << "\n\n";
  print_ruler(out, rec);
  out << "\n";
  for (const FieldLayout &f : rec.fields) {
    out << "  " << std::left << std::setw(7) << columns(f) << std::setw(11) << f.format_name()
        << std::setw(18) << f.echo << std::setw(24) << f.key << std::setw(10) << f.unit << std::setw(16)
        << range(f) << f.meaning << "\n";
  }
}

void print_layout_roff(std::ostream &out, const RecordLayout &rec) {
  std::string when(rec.when);
  when[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(when[0])));
  out << ".SS " << rec.name << " (" << rec.key << ")\n" << when << ".\n.PD 0\n";
  for (const FieldLayout &f : rec.fields) {
    out << ".TP 14\n" << columns(f) << " " << f.format_name() << "\n";
    if (f.format == FieldFormat::Ignored) {
      out << "(not read) " << f.meaning << "\n";
      continue;
    }
    std::string detail = std::string(f.unit);
    if (f.has_range()) detail += (detail.empty() ? "" : ", ") + range(f);
    out << "\\fB" << f.echo << "\\fR " << (detail.empty() ? "" : "(" + detail + ") ") << f.meaning << "\n";
  }
  out << ".PD\n";
}

int layout_command(const std::vector<std::string> &args, std::ostream &out, std::ostream &err) {
  if (args.size() == 1 && args[0] == "--help") return out << kLayoutUsage, 0;
  if (args.size() == 1 && args[0] == "--roff") {
    for (const RecordLayout &rec : record_layouts()) print_layout_roff(out, rec);
    return 0;
  }
  if (args.size() > 1)
    return err << "simple-span layout: one record at most. Try 'simple-span layout --help'\n", 2;
  if (args.empty()) {
    for (const RecordLayout &rec : record_layouts()) {
      if (&rec != &record_layouts().front()) out << "\n";
      print_layout(out, rec);
    }
    return 0;
  }
  const RecordLayout *rec = find_record_layout(args[0]);
  if (!rec) {
    err << "simple-span layout: no record " << args[0] << "; the records are";
    for (const RecordLayout &r : record_layouts()) err << " " << r.key;
    return err << ". Try 'simple-span layout --help'\n", 2;
  }
  print_layout(out, *rec);
  return 0;
}

} // namespace ss
