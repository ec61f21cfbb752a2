// The report writer: turns each line's carriage-control character into the bytes stored in the
// report file. A line is stored as its vertical motion, its text without the control character,
// then a carriage return: blank (or any other character) one line feed, "0" two line feeds, "1" a
// form feed, "+" nothing. An empty record advances one line.
//
// The bytes gather in one buffer, reserved once, and go to the stream in blocks of `block` bytes
// (0: every line as it is put). A report without a stream keeps every byte until they are taken.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

#include "report/line.h"

namespace ss {

class Report {
public:
  static constexpr std::size_t kFileBlock = std::size_t{1} << 20; // the program's report file

  // `name` is used in the diagnostic when a write fails.
  explicit Report(std::ostream &out, std::string name = "report", std::size_t block = 0);
  // A report held in memory.
  Report();
  // Writes what is still buffered; a failure here goes unreported (flush() reports it).
  ~Report();
  Report(const Report &) = delete;
  Report &operator=(const Report &) = delete;

  void put(const Line &line);
  void empty() { put(Line{}); }
  // Appends bytes already encoded by another report.
  void put_bytes(std::string_view bytes);
  // Writes the buffer and flushes the stream; throws FatalError when the report could not be
  // written.
  void flush();
  // The same after a fatal diagnostic: keeps every line put before it, whatever happens.
  void flush_after_fault() noexcept;

  // The bytes not yet written (all of them in memory), and dropping those past the first n.
  std::string_view buffered() const { return bytes_; }
  void truncate(std::size_t n) { bytes_.resize(n < bytes_.size() ? n : bytes_.size()); }
  void clear() { bytes_.clear(); }
  // Room for `n` bytes held in memory, so that they are not copied as the buffer grows.
  void reserve(std::size_t n) { bytes_.reserve(n); }

private:
  void write_out();
  void check();
  std::ostream *out_ = nullptr;
  std::string name_;
  std::size_t block_ = 0;
  std::string bytes_;
};

// The bytes one record is stored as.
std::string encode_record(std::string_view record);

} // namespace ss
