// The run date and time printed in every title block.
#pragma once

#include <ctime>
#include <optional>

#include "driver/driver.h"

namespace ss {

// "07-DEC-26" and "13:05:09" from a broken-down time.
RunStamp make_stamp(const std::tm &t);

// From SOURCE_DATE_EPOCH (UTC) when it is set, else the local clock. Throws FatalError naming the
// variable when it is set to anything but a plain non-negative decimal count of seconds.
RunStamp current_stamp();

// SOURCE_DATE_EPOCH as seconds since 1970-01-01 UTC; nothing when it is unset or not a plain count
// (current_stamp, called first in every run, refuses such a value).
std::optional<long long> source_date_epoch();

} // namespace ss
