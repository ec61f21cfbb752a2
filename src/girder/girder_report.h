// The plate girder's own report: dimensions and properties, cover plates, composite properties with
// the shear connectors, and the web stiffeners.
#pragma once

#include <string_view>

#include "run/run.h"

namespace ss {

// Shear connectors (composite girder), longitudinal and transverse stiffeners, into st.girder.
void girder_stiffeners(ProblemState &st);

// Page header and every block of the girder's report, in order.
void print_girder(Run &run);

// The record of a girder left undesigned: "PLATE GIRDER NOT DESIGNED - <reason>  PROBLEM NUMBER  "
// followed by the problem number.
void print_not_designed(Run &run, std::string_view reason);

} // namespace ss
