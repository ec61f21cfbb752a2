// The run date and time printed in every title block.
#pragma once

#include <ctime>

#include "driver/driver.h"

namespace ss {

// "07-DEC-26" and "13:05:09" from a broken-down time.
RunStamp make_stamp(const std::tm &t);

// From SOURCE_DATE_EPOCH (UTC) when it is set, else the local clock. Throws FatalError naming the
// variable when it is set to anything but a plain non-negative decimal count of seconds.
RunStamp current_stamp();

} // namespace ss
