// The whole program run on a deck held in memory, for the page in the browser: the report bytes,
// the fatal diagnostic and the CSV and diagram files of each design, all returned as data.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "driver/driver.h"
#include "export/summary.h"

namespace ss {

struct WebFile {
  std::string name; // "<problem number>.csv" or ".svg", as the command line names it
  std::string bytes;
};

struct WebRunOptions {
  std::string deck_name;    // the title of the web page of the run
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
};

// A stamp the report can print: "DD-MON-YY" and "HH:MM:SS" (anything else would shift columns).
bool valid_stamp(const RunStamp &stamp);

// Runs every problem of `deck`. Never throws: a malformed field or a refused stamp ends the run
// with the diagnostic set and the report as far as it was written.
WebRunResult run_web(const std::string &deck, const WebRunOptions &options);

} // namespace ss
