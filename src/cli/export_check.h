// Before a run with --csv or --plot: the files it would replace, found by running the deck once
// with the report dropped, so that a run without consent stops before any problem runs.
#pragma once

#include <string>

#include "cli/setio.h"
#include "driver/driver.h"
#include "export/export.h"

namespace ss {

// The first file the run would write that `exporter` refuses (it exists without consent, or it is
// the deck), empty when there is none. The deck is read to its end and rewound; a deck that
// cannot be rewound (standard input) is not read, and the refusal comes when the file is due.
std::string first_refused_file(const Exporter &exporter, const ExportOptions &options, Units &units,
                               const DesignRoutines &routines);

} // namespace ss
