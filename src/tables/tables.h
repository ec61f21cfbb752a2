// The results tables that end every designed problem's report: moments, stresses, shears,
// dead-load deflections with shear range and connector spacing, live-load deflections.
#pragma once

#include "run/run.h"

namespace ss {

// The page header that opens the results pages and the designs' own pages: a new page with the
// problem number.
void print_page_header(Run &run);
// Page header, moments table; unless the beam type is 6 the stress table and all of SHRTAB.
void RESTAB(Run &run);
// The same sequence without the page header (the rolled beam design prints it itself).
void RESTAB_moments(Run &run);
// From the shears page on: shears, dead-load deflections, live-load deflections.
void SHRTAB(Run &run);

} // namespace ss
