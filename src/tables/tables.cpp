#include "tables/tables.h"

namespace ss {

void RESTAB(Run &) {}
void RESTAB_moments(Run &) {}
void SHRTAB(Run &) {}

} // namespace ss
