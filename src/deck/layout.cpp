#include "deck/layout.h"

namespace ss {

std::string FieldLayout::format_name() const {
  const std::string w = std::to_string(width());
  switch (format) {
  case FieldFormat::Text:
    return "A" + w;
  case FieldFormat::Integer:
    return "I" + w;
  case FieldFormat::Real:
    return "F" + w + "." + std::to_string(decimals);
  case FieldFormat::Scaled: {
    std::string divisor = "1";
    for (int i = 0; i < scale; ++i) divisor += '0';
    return "F" + w + "." + std::to_string(decimals) + "/" + divisor;
  }
  case FieldFormat::Ignored:
    break;
  }
  return "-";
}

const RecordLayout *find_record_layout(std::string_view key) {
  for (const RecordLayout &r : record_layouts())
    if (r.key == key) return &r;
  return nullptr;
}

} // namespace ss
