// Writing a whole file so that it is never seen half-written: the bytes go to a temporary name in
// the same directory, which is then renamed over the file.
#pragma once

#include <string>
#include <string_view>

namespace ss {

// Writes `bytes` as `path`, replacing it in one step. Returns a message naming the file and the
// reason when it fails (the file is then as it was and no temporary is left), empty when written.
std::string write_file_atomically(const std::string &path, std::string_view bytes);

} // namespace ss
