#include "girder/plateg.h"

namespace ss {

void PLATEG(Run &) {}

} // namespace ss
