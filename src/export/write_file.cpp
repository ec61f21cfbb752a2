#include "export/write_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace ss {

namespace {

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

// "dir/.name.tmp-<pid>-<n>": beside the file, so that the rename never crosses file systems.
std::string temporary_name(const std::string &path) {
  static unsigned serial = 0;
  const std::size_t slash = path.rfind('/');
  const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
  return path.substr(0, start) + "." + path.substr(start) + ".tmp-" + std::to_string(::getpid()) + "-" +
         std::to_string(serial++);
}

} // namespace

std::string write_file_atomically(const std::string &path, std::string_view bytes) {
  const std::string temp = temporary_name(path);
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return "write error on " + path + ": " + std::strerror(errno);
  int failure = write_all(fd, bytes);
  if (::close(fd) != 0 && failure == 0) failure = errno;
  if (failure == 0 && ::rename(temp.c_str(), path.c_str()) != 0) failure = errno;
  if (failure == 0) return {};
  ::unlink(temp.c_str());
  return "write error on " + path + ": " + std::strerror(failure);
}

} // namespace ss
