#include "cli/setio.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>

#include "state/fatal.h"

namespace ss {

namespace {

constexpr std::size_t kNameLength = 35;

bool read_line(Console con, std::string &line) {
  if (!std::getline(con.in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

// Asks on the console for a name; nothing at the end of console input.
std::optional<std::string> ask_name(Console con, const char *prompt) {
  con.out << prompt << std::flush;
  std::string line;
  if (!read_line(con, line)) return std::nullopt;
  return dialogue_name(line);
}

// A blank name is asked for once more, naming the unit, until one is given.
std::optional<std::string> non_blank(Console con, std::string name, int unit) {
  while (name.empty()) {
    con.out << "File name missing or blank - please enter file name\n"
            << "UNIT " << unit << "?\n"
            << std::flush;
    std::string line;
    if (!read_line(con, line)) return std::nullopt;
    name = dialogue_name(line);
  }
  return name;
}

bool exists(const std::string &name) {
  std::error_code ec;
  return std::filesystem::exists(name, ec);
}

// The overwrite question: only a first character "Y" or "y" agrees.
bool may_overwrite(Console con) {
  con.out << "OUTPUT FILE ALREADY EXISTS. "
          << " DO YOU WISH TO DELETE IT [DEFAULT IS N]? (Y/N) " << '\n'
          << std::flush;
  std::string answer;
  const bool agreed = read_line(con, answer) && !answer.empty() && (answer[0] == 'Y' || answer[0] == 'y');
  if (!agreed) con.out << "EXITING PROGRAM\n" << std::flush;
  return agreed;
}

[[noreturn]] void open_error(int unit, const std::string &name, int err) {
  throw FatalError("open error on unit " + std::to_string(unit) + ", file " + name + ": " +
                   std::strerror(err));
}

// Whether two names stand for one file (links, symbolic or hard, included).
bool same_file(const std::string &a, const std::string &b) {
  struct stat sa {
  }, sb{};
  return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

void open_deck(Console con, const std::string &name, Units &units) {
  units.deck_name = name;
  if (name == "-") {
    units.deck = &con.in;
    return;
  }
  errno = 0;
  units.deck_file.open(name, std::ios::binary);
  if (!units.deck_file.is_open() || std::filesystem::is_directory(name))
    open_error(5, name, errno ? errno : EISDIR);
}

// Settles whether an existing report may be replaced; false when it may not.
bool replace_allowed(Console con, const std::optional<FileNames> &names, const std::string &report,
                     Units &units) {
  if (names && names->overwrite) units.consent = true; // for every file of the run, a new report or not
  if (report == "-" || !exists(report)) return true;
  if (units.deck_name != "-" && same_file(units.deck_name, report))
    throw FatalError("the report " + report + " is the deck " + units.deck_name +
                     " itself: give the report another name");
  if (names && names->overwrite) return true;
  if (units.deck_name == "-")
    throw FatalError("the report " + report +
                     " exists and the overwrite question cannot be asked while the deck is read from "
                     "standard input: --overwrite replaces it");
  units.report_name = report;
  units.consent = may_overwrite(con);
  units.report_kept = !units.consent;
  return units.consent;
}

} // namespace

std::string dialogue_name(const std::string &line) {
  std::string name = line.substr(0, kNameLength);
  const std::size_t end = name.find_last_not_of(' ');
  return end == std::string::npos ? std::string() : name.substr(0, end + 1);
}

bool SETIO(Console con, const std::optional<FileNames> &names, Units &units) {
  std::optional<std::string> deck, report;
  if (names) {
    deck = names->deck;
    report = names->report;
  } else {
    deck = ask_name(con, " ENTER INPUT FILE NAME:");
    if (!deck) return false;
    report = ask_name(con, " ENTER OUTPUT FILE NAME:");
    if (!report) return false;
  }
  deck = non_blank(con, *deck, 5);
  if (!deck) return false;
  open_deck(con, *deck, units);
  // The report's name is settled before the existence test, so a name given at the blank-name
  // question is protected like any other.
  report = non_blank(con, *report, 6);
  if (!report) return false;
  if (!replace_allowed(con, names, *report, units)) return false;
  if (const int e = units.report.open(*report, con.out)) open_error(6, *report, e);
  units.report_name = *report;
  return true;
}

} // namespace ss
