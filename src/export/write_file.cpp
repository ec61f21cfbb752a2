#include "export/write_file.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace ss {

namespace {

// The temporaries a signal handler must remove: fixed storage, so that the handler reads it
// without allocating. A slot is in use while `used` is set; its name is written before.
struct Slot {
  std::atomic<bool> used{false};
  char name[PATH_MAX + 1];
};
std::array<Slot, 64> slots;
char interrupt_message[512] = "simple-span: interrupted: files being written were removed, the previous "
                              "versions are unchanged\n";
std::atomic<bool> message_ready{true};
std::mutex slots_mutex;

extern "C" void remove_temporaries(int sig) {
  const int saved = errno;
  for (Slot &s : slots)
    if (s.used.load()) ::unlink(s.name);
  if (message_ready.load()) {
    const ssize_t ignored = ::write(2, interrupt_message, std::strlen(interrupt_message));
    (void)ignored;
  }
  errno = saved;
  ::signal(sig, SIG_DFL); // end the process by the signal, as without the handler
  ::raise(sig);
}

// Installs the handlers once; a signal ignored by the parent (nohup) stays ignored.
void install_handlers() {
  static std::once_flag once;
  std::call_once(once, [] {
    std::signal(SIGXFSZ, SIG_IGN);
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
      struct sigaction old {};
      if (::sigaction(sig, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
      struct sigaction sa {};
      sa.sa_handler = remove_temporaries;
      sigemptyset(&sa.sa_mask);
      for (int other : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&sa.sa_mask, other);
      ::sigaction(sig, &sa, nullptr);
    }
  });
}

int take_slot(const std::string &name) {
  if (name.size() > PATH_MAX) return -1;
  std::lock_guard<std::mutex> lock(slots_mutex);
  for (std::size_t i = 0; i < slots.size(); ++i) {
    if (slots[i].used.load()) continue;
    std::memcpy(slots[i].name, name.c_str(), name.size() + 1);
    slots[i].used.store(true);
    return static_cast<int>(i);
  }
  return -1; // more files at once than slots: this one is not removed on a signal
}

void release_slot(int slot) {
  if (slot < 0) return;
  std::lock_guard<std::mutex> lock(slots_mutex);
  slots[static_cast<std::size_t>(slot)].used.store(false);
}

// Writes all of `bytes` to `fd`; 0 or the errno of the failure.
int write_all(int fd, std::string_view bytes) {
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n > 0)
      done += static_cast<std::size_t>(n);
    else if (n < 0 && errno != EINTR)
      return errno;
    else if (n == 0)
      return EIO;
  }
  return 0;
}

// The file a name stands for: a symbolic link is followed to the file it names.
std::string target_of(const std::string &path) {
  char resolved[PATH_MAX];
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && ::realpath(path.c_str(), resolved))
    return resolved;
  return path;
}

// "dir/.name.tmp-<pid>-<n>": beside the file, so that the rename never crosses file systems.
std::string temporary_name(const std::string &path) {
  static std::atomic<unsigned> serial{0};
  const std::size_t slash = path.rfind('/');
  const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
  return path.substr(0, start) + "." + path.substr(start) + ".tmp-" + std::to_string(::getpid()) + "-" +
         std::to_string(serial++);
}

std::string failure(const std::string &path, int err) {
  return "write error on " + path + ": " + std::strerror(err);
}

} // namespace

std::string PendingFile::create(const std::string &path) {
  install_handlers();
  abandon();
  name_ = path;
  const std::string target = target_of(path);
  const std::string temp = temporary_name(target);
  slot_ = take_slot(temp); // before the file exists, so a signal never leaves it behind
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) {
    const int err = errno;
    release_slot(slot_);
    slot_ = -1;
    errno = err;
    return failure(path, err);
  }
  ::close(fd);
  struct stat st {};
  mode_ = ::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode) ? static_cast<int>(st.st_mode & 07777) : -1;
  temp_ = temp;
  path_ = target;
  return {};
}

std::string PendingFile::commit() {
  if (temp_.empty()) return {};
  // The permissions of the file replaced, given last so that a read-only file can be rewritten.
  if (mode_ >= 0) (void)::chmod(temp_.c_str(), static_cast<mode_t>(mode_));
  if (::rename(temp_.c_str(), path_.c_str()) != 0) {
    const int err = errno;
    abandon();
    return failure(name_, err);
  }
  temp_.clear();
  release_slot(slot_);
  slot_ = -1;
  return {};
}

void PendingFile::abandon() {
  if (!temp_.empty()) ::unlink(temp_.c_str());
  temp_.clear();
  release_slot(slot_);
  slot_ = -1;
}

std::string write_file_atomically(const std::string &path, std::string_view bytes) {
  PendingFile file;
  if (std::string e = file.create(path); !e.empty()) return e;
  const int fd = ::open(file.temporary().c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (fd < 0) return failure(path, errno);
  int err = write_all(fd, bytes);
  if (::close(fd) != 0 && err == 0) err = errno;
  if (err != 0) return failure(path, err); // the temporary goes with `file`
  return file.commit();
}

void set_interrupt_message(const std::string &message) {
  message_ready.store(false);
  const std::size_t n = std::min(message.size(), sizeof interrupt_message - 1);
  std::memcpy(interrupt_message, message.data(), n);
  interrupt_message[n] = '\0';
  message_ready.store(true);
}

} // namespace ss
