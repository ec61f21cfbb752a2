// `simple-span layout [RECORD]`: the record layouts of the deck, each under a column ruler.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "deck/layout.h"

namespace ss {

// `args` follows the word "layout": nothing (every record), a record's name, or --roff (the
// manual page's record tables). Returns 0, or 2 for an unknown record.
int layout_command(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

// One record's layout as `layout` prints it, and as the manual page's tbl table.
void print_layout(std::ostream &out, const RecordLayout &rec);
void print_layout_roff(std::ostream &out, const RecordLayout &rec);

} // namespace ss
