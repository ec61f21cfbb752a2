// The run date and time printed in every title block.
#pragma once

#include <ctime>
#include <optional>

#include "driver/driver.h"

namespace ss {

// "07-DEC-26" and "13:05:09" from a broken-down time.
RunStamp make_stamp(const std::tm &t);

// SOURCE_DATE_EPOCH when it is set to a number, seconds since 1970-01-01 UTC.
std::optional<long long> source_date_epoch();
// From SOURCE_DATE_EPOCH (UTC) when it is set to a number, else the local clock.
RunStamp current_stamp();

} // namespace ss
