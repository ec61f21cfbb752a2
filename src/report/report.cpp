#include "report/report.h"

#include "state/fatal.h"

namespace ss {

namespace {

// Appends the stored form of one record to bytes.
void encode_into(std::string &bytes, std::string_view record) {
  switch (record.empty() ? ' ' : record[0]) {
  case '0':
    bytes.append(2, '\n');
    break;
  case '1':
    bytes.push_back('\f');
    break;
  case '+':
    break;
  default:
    bytes.push_back('\n');
    break;
  }
  if (record.size() > 1) bytes.append(record.substr(1));
  bytes.push_back('\r');
}

} // namespace

std::string encode_record(std::string_view record) {
  std::string bytes;
  encode_into(bytes, record);
  return bytes;
}

Report::Report(std::ostream &out, std::string name, std::size_t block)
    : out_(&out), name_(std::move(name)), block_(block) {
  bytes_.reserve(block_ + 4 * Line::kColumns);
}

Report::Report() : name_("report") {}

Report::~Report() { flush_after_fault(); }

void Report::put(const Line &line) {
  encode_into(bytes_, line.str());
  if (out_ && bytes_.size() >= block_) write_out();
}

void Report::put_bytes(std::string_view bytes) {
  if (out_ && bytes_.size() + bytes.size() >= block_) {
    write_out();
    if (bytes.size() >= block_) {
      out_->write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      return check();
    }
  }
  bytes_.append(bytes);
}

void Report::write_out() {
  if (!out_) return;
  out_->write(bytes_.data(), static_cast<std::streamsize>(bytes_.size()));
  bytes_.clear();
  check();
}

void Report::flush() {
  write_out();
  if (!out_) return;
  out_->flush();
  check();
}

void Report::check() {
  if (!*out_) throw FatalError("write error on unit 6, file " + name_ + ": the report could not be written");
}

void Report::flush_after_fault() noexcept {
  try {
    flush();
  } catch (...) {
    // The run is ending on another diagnostic, or the stream already failed on a write that
    // flush() reported.
  }
}

} // namespace ss
