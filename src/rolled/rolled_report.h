// The rolled beam design's own report blocks.
#pragma once

#include "run/run.h"

namespace ss {

void print_row_number(Run &run);           // the chosen row of the section table
void print_beam_properties(Run &run);      // BEAM PROPERTIES
void print_cover_plates(Run &run);         // COVER PLATES
void print_plated_properties(Run &run);    // BEAM WITH PLATES PROPERTIES
void print_composite_properties(Run &run); // COMPOSITE SECTION PROPERTIES and connectors

} // namespace ss
