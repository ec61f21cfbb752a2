// The report writer: turns each line's carriage-control character into the bytes stored in the
// report file. A line is stored as its vertical motion, its text without the control character,
// then a carriage return: blank (or any other character) one line feed, "0" two line feeds, "1" a
// form feed, "+" nothing. An empty record advances one line.
#pragma once

#include <ostream>
#include <string>

#include "report/line.h"

namespace ss {

class Report {
public:
  // `name` is used in the diagnostic when a write fails.
  explicit Report(std::ostream &out, std::string name = "report");

  void put(const Line &line);
  void empty() { put(Line{}); }
  // Flushes the stream; throws FatalError when the report could not be written.
  void flush();

private:
  void check();
  std::ostream &out_;
  std::string name_;
};

// The bytes one record is stored as.
std::string encode_record(const std::string &record);

} // namespace ss
