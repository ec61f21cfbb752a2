#include "cli/stamp.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "state/fatal.h"

namespace ss {

RunStamp make_stamp(const std::tm &t) {
  static constexpr const char *months[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                           "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
  const int month = t.tm_mon >= 0 && t.tm_mon < 12 ? t.tm_mon : 0;
  const int year = ((t.tm_year + 1900) % 100 + 100) % 100;
  char date[16], time[16];
  std::snprintf(date, sizeof date, "%02d-%s-%02d", t.tm_mday % 100, months[month], year);
  std::snprintf(time, sizeof time, "%02d:%02d:%02d", t.tm_hour % 100, t.tm_min % 100, t.tm_sec % 100);
  return {date, time};
}

namespace {

// The value of SOURCE_DATE_EPOCH as a time: a plain decimal count of seconds, no sign, no blanks,
// within what the clock and the calendar hold.
std::optional<std::time_t> epoch_seconds(const std::string &text) {
  if (text.empty() || text.size() > 18) return std::nullopt;
  long long v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  const auto when = static_cast<std::time_t>(v);
  std::tm t{};
  if (static_cast<long long>(when) != v || !gmtime_r(&when, &t)) return std::nullopt;
  return when;
}

} // namespace

std::optional<long long> source_date_epoch() {
  const char *epoch = std::getenv("SOURCE_DATE_EPOCH");
  if (!epoch) return std::nullopt;
  const auto when = epoch_seconds(epoch);
  if (!when) return std::nullopt;
  return static_cast<long long>(*when);
}

RunStamp current_stamp() {
  std::tm t{};
  if (const char *epoch = std::getenv("SOURCE_DATE_EPOCH")) {
    const auto when = epoch_seconds(epoch);
    if (!when)
      throw FatalError(std::string("SOURCE_DATE_EPOCH=") + epoch +
                       " is not a number of seconds since 1970-01-01 00:00 UTC (a plain non-negative "
                       "decimal integer)");
    gmtime_r(&*when, &t);
    return make_stamp(t);
  }
  const std::time_t now = std::time(nullptr);
  localtime_r(&now, &t);
  return make_stamp(t);
}

} // namespace ss
