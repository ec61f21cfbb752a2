// The whole program run on a deck or problem file held in memory, for the page in the browser: the
// report bytes, the fatal diagnostic and the CSV and diagram files of each design, the deck check
// and the conversions between deck and problem file, all returned as data.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "check/check.h"
#include "driver/driver.h"
#include "export/summary.h"

namespace ss {

struct WebFile {
  std::string name; // "<problem number>.csv" or ".svg", as the command line names it
  std::string bytes;
};

struct WebRunOptions {
  std::string deck_name;    // the title of the web page of the run; NAME.toml: a problem file
  RunStamp stamp;           // "07-DEC-26" and "13:05:09", printed in every title block
  std::string work_dir;     // a scratch directory for the files, emptied before and after the run
  int max_file_designs = 0; // designs whose CSV and SVG files are kept (the first ones)
  // Called as the deck is read: bytes read so far, deck size.
  std::function<void(std::size_t, std::size_t)> progress{};
};

struct WebRunResult {
  std::string report;              // the report bytes, as the command line writes the file
  std::string diagnostic;          // why the run ended early, empty when it ran to the end of the deck
  std::vector<WebFile> csv;        // by name, with summary.csv (the verdicts)
  std::vector<WebFile> svg;        // by name
  int designs = 0;                 // designs whose results tables were completed
  std::vector<SummaryRow> summary; // the verdicts of every design and every problem's ending line
  std::string html;                // the run as one self-contained web page, as --html writes it
  std::string deck;                // the deck that ran: the input, or the deck of a problem file
};

struct WebCheck {
  std::string text;              // what `simple-span check` prints
  std::string error;             // a problem file that is not one: why (nothing was checked)
  int status = 0;                // its exit status
  std::vector<Finding> findings; // a deck's findings, by its lines and columns (none for a problem file)
};

// A stamp the report can print: "DD-MON-YY" and "HH:MM:SS" (anything else would shift columns).
bool valid_stamp(const RunStamp &stamp);

// Runs every problem of `input`, a deck or (by its name) a problem file. Never throws: a malformed
// field, a problem file that is not one or a refused stamp ends the run with the diagnostic set and
// the report as far as it was written.
WebRunResult run_web(const std::string &input, const WebRunOptions &options);

// The deck check of `input`, a deck or (by its name) a problem file, as `simple-span check` gives it.
WebCheck check_web(const std::string &input, const std::string &name);

} // namespace ss
