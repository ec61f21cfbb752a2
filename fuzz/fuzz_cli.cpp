// libFuzzer target: the whole command line and file layer. Each input is a scene in a scratch
// directory (which files exist, links to the deck, an export directory with a file in it), a
// command line and console answers made of words from a fixed list (so no name ever leaves the
// scratch directory), and the deck's bytes. The program runs in process; a finding is a crash, a
// sanitizer report, an exit status outside 0-3, a status 1 or 2 with nothing on standard error, a
// changed deck (the file named deck, when the run read it: another deck's report may replace it
// with consent), a file replaced without consent, or a temporary file left behind.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "cli/options.h"
#include "cli/program.h"

namespace {

namespace fs = std::filesystem;

constexpr const char *kWords[] = {"deck",     "out",       "link",       "soft",      "-",   "--overwrite",
                                  "--strict", "--quiet",   "--csv",      "--plot",    "csv", "svg",
                                  "sub/out",  "dir",       "missing",    "--csv=csv", "",    "csv/P001.csv",
                                  "--help",   "--version", "--plot=dir", "y",         "n",   "out2"};
constexpr std::size_t kWordCount = sizeof kWords / sizeof kWords[0];
constexpr std::uint8_t kEnd = 0xFF;

[[noreturn]] void finding(const std::string &what) {
  std::fprintf(stderr, "fuzz_cli: %s\n", what.c_str());
  std::abort();
}

std::string read(const fs::path &p) {
  std::ifstream f(p, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

void write(const fs::path &p, const std::string &bytes) { std::ofstream(p, std::ios::binary) << bytes; }

// The scratch directory, made once and emptied before every input.
const fs::path &scratch() {
  static const fs::path dir = [] {
    std::string templ = (fs::temp_directory_path() / "simple-span-fuzz-XXXXXX").string();
    if (!::mkdtemp(templ.data())) finding("no scratch directory");
    ::setenv("SOURCE_DATE_EPOCH", "0", 1);
    std::atexit([] {
      std::error_code ec;
      fs::remove_all(scratch(), ec);
    });
    return fs::path(templ);
  }();
  return dir;
}

// Words up to the end marker.
std::vector<std::string> words(const std::uint8_t *&p, const std::uint8_t *end) {
  std::vector<std::string> w;
  for (; p < end && *p != kEnd; ++p) w.push_back(kWords[*p % kWordCount]);
  if (p < end) ++p;
  return w;
}

struct Scene {
  std::string deck, old_report = "the previous report", old_csv = "the previous csv";
  bool consent = false;
  // The run's deck is another file or standard input: the file named deck is then an ordinary
  // file that a report may replace with consent.
  bool deck_is_another = false;
};

void set_scene(std::uint8_t flags, const Scene &s) {
  for (const auto &e : fs::directory_iterator(scratch())) fs::remove_all(e.path());
  fs::current_path(scratch());
  write("deck", s.deck);
  if (flags & 1) write("out", s.old_report);
  if (flags & 2) fs::create_hard_link("deck", "link");
  if (flags & 4) fs::create_symlink("deck", "soft");
  if (flags & 8) fs::create_directory("csv"), write("csv/P001.csv", s.old_csv);
  if (flags & 16) fs::create_directory("dir");
  if (flags & 32) ::setenv("SOURCE_DATE_EPOCH", flags & 64 ? "1e9" : "", 1);
}

// Whether the run reads its deck from a name other than those of the file named deck: the
// command line's first name, or else the first answer of the dialogue that is not blank.
bool deck_is_another(const std::vector<std::string> &args, const std::string &console) {
  const auto parsed = ss::parse_args(args);
  const auto *inv = std::get_if<ss::Invocation>(&parsed);
  if (!inv || inv->command != ss::Invocation::Command::Run) return false;
  std::string name;
  if (!inv->run.names.empty()) {
    name = inv->run.names.front();
  } else {
    std::istringstream answers(console);
    while (std::getline(answers, name) && name.find_first_not_of(' ') == std::string::npos) {
    }
  }
  return !name.empty() && name != "deck" && name != "link" && name != "soft";
}

void check(int status, const std::string &err, std::uint8_t flags, const Scene &s) {
  if (status < 0 || status > 3) finding("exit status " + std::to_string(status));
  if ((status == 1 || status == 2) && err.empty()) finding("status without a message");
  if (read("deck") != s.deck && !(s.consent && s.deck_is_another)) finding("the deck changed");
  if (!s.consent && (flags & 1) && read("out") != s.old_report) finding("report replaced without consent");
  if (!s.consent && (flags & 8) && read("csv/P001.csv") != s.old_csv) finding("CSV replaced without consent");
  for (const auto &e : fs::recursive_directory_iterator(scratch()))
    if (e.path().filename().string().find(".tmp-") != std::string::npos)
      finding("temporary left: " + e.path().string());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t flags = data[0];
  const std::uint8_t *p = data + 1, *end = data + size;
  const std::vector<std::string> args = words(p, end);
  std::string console;
  for (const std::string &w : words(p, end)) console += w + "\n";
  Scene scene;
  scene.deck.assign(reinterpret_cast<const char *>(p), static_cast<std::size_t>(end - p));
  for (const std::string &a : args) scene.consent = scene.consent || a == "--overwrite";
  scene.consent = scene.consent || console.find("y\n") != std::string::npos;
  scene.deck_is_another = deck_is_another(args, console);
  set_scene(flags, scene);
  std::istringstream in(console);
  std::ostringstream out, err;
  const int status = ss::simple_span_main(args, in, out, err, ss::program_routines());
  check(status, err.str(), flags, scene);
  if (flags & 32) ::setenv("SOURCE_DATE_EPOCH", "0", 1);
  return 0;
}
