// Running decks through the program in process, for the tests.
#pragma once

#include <functional>
#include <string>

#include "driver/driver.h"

namespace ss::test {

// The stamp every report test uses.
RunStamp fixed_stamp();

struct DeckRun {
  std::string report;     // the report bytes
  std::string diagnostic; // the fatal diagnostic, empty when the run ended normally
};

// Runs the deck text through the problem loop with the given routines; `listen` may set the
// run's callbacks first.
DeckRun run_deck(const std::string &deck, const DesignRoutines &routines,
                 const std::string &name = "test.deck", const std::function<void(Run &)> &listen = {});
// The same with the program's own routines.
DeckRun run_deck(const std::string &deck);

std::string read_file(const std::string &path);
void write_file(const std::string &path, const std::string &bytes);

// The report with its carriage returns dropped and form feeds shown as "<FF>", for messages.
std::string readable(const std::string &report);

} // namespace ss::test
