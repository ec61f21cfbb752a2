// Writing a file so that it is never seen half-written: the bytes go to a temporary name in the
// same directory, which is renamed over the file once everything is written. A temporary file is
// removed when the write fails and when the process is stopped by SIGINT, SIGTERM or SIGHUP (the
// signal then ends the process as it would have); SIGXFSZ is ignored, so a file-size limit is a
// write error like a full disk.
#pragma once

#include <string>
#include <string_view>

namespace ss {

// A file being written under a temporary name beside `path`.
class PendingFile {
public:
  PendingFile() = default;
  ~PendingFile() { abandon(); }
  PendingFile(const PendingFile &) = delete;
  PendingFile &operator=(const PendingFile &) = delete;

  // Creates the temporary file (with the permissions of an existing regular `path`). A symbolic
  // link is followed, so the file it names is the one replaced. Returns a message naming `path`
  // and the reason when it cannot be created, empty when it was.
  std::string create(const std::string &path);
  // The temporary file's name, to be opened for writing (empty before create).
  const std::string &temporary() const { return temp_; }
  // Renames the temporary file over the file: a message when that fails (the temporary is then
  // removed), empty when done.
  std::string commit();
  // Removes the temporary file, leaving the file as it was.
  void abandon();

private:
  std::string name_, path_, temp_; // as given, the file replaced, the temporary
  int slot_ = -1;                  // in the list of temporaries removed on a signal
  int mode_ = -1;                  // the permissions of the file replaced, -1 for a new file
};

// Writes `bytes` as `path`, replacing it in one step. Returns a message naming the file and the
// reason when it fails (the file is then as it was and no temporary is left), empty when written.
std::string write_file_atomically(const std::string &path, std::string_view bytes);

// A diagnostic written on standard error when a signal removes the temporaries, so that a run
// stopped by a signal always says what became of its files.
void set_interrupt_message(const std::string &message);

} // namespace ss
