#include "cli/stamp.h"

#include <cstdio>
#include <cstdlib>

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

std::optional<long long> source_date_epoch() {
  const char *epoch = std::getenv("SOURCE_DATE_EPOCH");
  if (!epoch) return std::nullopt;
  char *end = nullptr;
  const long long v = std::strtoll(epoch, &end, 10);
  if (end == epoch || *end != '\0') return std::nullopt;
  return v;
}

RunStamp current_stamp() {
  std::tm t{};
  if (const std::optional<long long> v = source_date_epoch()) {
    const std::time_t when = static_cast<std::time_t>(*v);
    if (gmtime_r(&when, &t)) return make_stamp(t);
  }
  const std::time_t now = std::time(nullptr);
  localtime_r(&now, &t);
  return make_stamp(t);
}

} // namespace ss
