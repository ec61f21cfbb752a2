#include "report/report.h"

#include "state/fatal.h"

namespace ss {

std::string encode_record(const std::string &record) {
  const char cc = record.empty() ? ' ' : record[0];
  std::string bytes;
  switch (cc) {
  case '0':
    bytes.assign(2, '\n');
    break;
  case '1':
    bytes.assign(1, '\f');
    break;
  case '+':
    break;
  default:
    bytes.assign(1, '\n');
    break;
  }
  if (record.size() > 1) bytes.append(record, 1, std::string::npos);
  bytes.push_back('\r');
  return bytes;
}

Report::Report(std::ostream &out, std::string name) : out_(out), name_(std::move(name)) {}

void Report::put(const Line &line) {
  const std::string bytes = encode_record(line.str());
  out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  check();
}

void Report::flush() {
  out_.flush();
  check();
}

void Report::check() {
  if (!out_) throw FatalError("write error on unit 6, file " + name_ + ": the report could not be written");
}

} // namespace ss
