// The run as one PDF: the verdicts table, then for every problem its report pages as printed (a
// sheet at every form feed, overprints overprinted, a monospace font) and its diagram pages, with
// page numbers and the run date in the margin and a bookmark per problem. Drawn with cairo; the
// diagram pages from the same drawing calls as their SVG.
#pragma once

#include <optional>
#include <string>

#include "export/html.h"

namespace ss {

// Report lines per sheet: a longer report page continues on the next sheet.
constexpr std::size_t kPdfLinesPerSheet = 66;

// The PDF's bytes. `epoch`, when given (SOURCE_DATE_EPOCH), is the creation and modification date,
// so that two runs give the same bytes.
std::string run_pdf(const RunDocument &doc, std::optional<long long> epoch);

} // namespace ss
