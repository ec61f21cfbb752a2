#include "cli/report_file.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace ss {

int ReportFile::open(const std::string &name, std::ostream &console) {
  name_ = name;
  if (name == "-") {
    out_ = &console;
    return 0;
  }
  struct stat st {};
  const bool exists = ::stat(name.c_str(), &st) == 0;
  std::string where = name;
  // A report in a directory that takes no new file (but lets the report itself be written) is
  // written in place, as it always was.
  // A report the user may not write stays protected, as when it was opened in place.
  if (exists && S_ISREG(st.st_mode) && ::access(name.c_str(), W_OK) != 0) return errno;
  if (!(exists && !S_ISREG(st.st_mode))) {
    errno = 0;
    const bool created = pending_.create(name).empty();
    if (!created && !exists) return errno ? errno : EACCES;
    if (created) where = pending_.temporary();
  }
  errno = 0;
  file_.open(where, std::ios::binary | std::ios::trunc);
  if (!file_.is_open()) {
    const int err = errno ? errno : EACCES;
    pending_.abandon();
    return err;
  }
  return 0;
}

std::string ReportFile::finish() {
  out_->flush();
  bool written = static_cast<bool>(*out_);
  if (file_.is_open()) {
    file_.close();
    written = written && !file_.fail();
  }
  if (!written) {
    const bool replacing = !pending_.temporary().empty();
    pending_.abandon();
    return "write error on unit 6, file " + name_ + ": the report could not be written" +
           (replacing ? "; " + name_ + " is as it was before the run" : "");
  }
  return pending_.commit();
}

} // namespace ss
