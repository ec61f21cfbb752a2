#include "cli/documents.h"

#include <filesystem>

#include "cli/pdf.h"
#include "cli/stamp.h"
#include "export/write_file.h"

namespace ss {

CopyingBuf::int_type CopyingBuf::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  if (traits_type::eq_int_type(to_->sputc(traits_type::to_char_type(c)), traits_type::eof()))
    return traits_type::eof();
  copy_.push_back(traits_type::to_char_type(c));
  return c;
}

std::streamsize CopyingBuf::xsputn(const char *s, std::streamsize n) {
  const std::streamsize done = to_->sputn(s, n);
  if (done > 0) copy_.append(s, static_cast<std::size_t>(done));
  return done;
}

std::string finish_documents(Exporter &exporter, const DocumentOptions &documents, std::string_view report,
                             const std::string &deck_name, const RunStamp &stamp) {
  const std::string title = std::filesystem::path(deck_name).filename().string();
  const RunDocument doc = exporter.finish(report, title, stamp.date + " " + stamp.time);
  if (!exporter.error().empty()) return exporter.error();
  if (documents.pdf_file.empty()) return {};
  return write_file_atomically(documents.pdf_file, run_pdf(doc, source_date_epoch()));
}

} // namespace ss
