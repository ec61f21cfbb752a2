// The driver's report blocks: the title block, the echo of each record, the error lines.
#pragma once

#include <cstdint>

#include "deck/record.h"
#include "deck/records.h"
#include "driver/driver.h"
#include "report/report.h"

namespace ss {

void print_title_block(Report &out, const ProblemState &st, const RunStamp &stamp);
void print_continuation(Report &out, const Record &rec);
void print_span_data(Report &out, const ProblemState &st);
void print_load_heading(Report &out);
void print_load_line(Report &out, const LoadRecord &loads);
void print_beam_data(Report &out, const ProblemState &st);
void print_composite_slab(Report &out, const ProblemState &st);
void print_cover_plates(Report &out, const ProblemState &st);
void print_error(Report &out, std::int32_t code, const Word &problem_number);
void print_unavailable(Report &out, const Word &problem_number);

} // namespace ss
