// What the run leaves besides the report at its end: the verdicts (summary.csv), the web page and
// the PDF, all made from the report's bytes as written.
#pragma once

#include <streambuf>
#include <string>

#include "driver/driver.h"
#include "export/export.h"

namespace ss {

// A stream buffer that passes every byte on to another and keeps a copy of what that one took.
class CopyingBuf : public std::streambuf {
public:
  CopyingBuf(std::streambuf *to, std::string &copy) : to_(to), copy_(copy) {}

protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char *s, std::streamsize n) override;
  int sync() override { return to_->pubsync(); }

private:
  std::streambuf *to_;
  std::string &copy_;
};

// Writes summary.csv, the web page and the PDF the options ask for. Returns the first failure,
// empty when every file was written.
std::string finish_documents(Exporter &exporter, const DocumentOptions &documents, std::string_view report,
                             const std::string &deck_name, const RunStamp &stamp);

} // namespace ss
