#include "problem/toml_text.h"

#include <cstdio>

namespace ss {

std::string toml_string(std::string_view s) {
  std::string out = "\"";
  for (char c : s) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20 || u == 0x7f) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04X", u);
      out += buf;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

bool valid_utf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    int more = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xe ? 2 : (c >> 3) == 0x1e ? 3 : -1;
    if (more < 0 || c == 0xc0 || c == 0xc1 || c > 0xf4 || i + static_cast<std::size_t>(more) >= s.size())
      return false;
    for (int k = 1; k <= more; ++k)
      if ((static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]) >> 6) != 0x2) return false;
    if (more == 2) { // no surrogates, no overlong three-byte forms
      const auto c1 = static_cast<unsigned char>(s[i + 1]);
      if ((c == 0xed && c1 >= 0xa0) || (c == 0xe0 && c1 < 0xa0)) return false;
    }
    if (more == 3) {
      const auto c1 = static_cast<unsigned char>(s[i + 1]);
      if ((c == 0xf0 && c1 < 0x90) || (c == 0xf4 && c1 >= 0x90)) return false;
    }
    i += static_cast<std::size_t>(more) + 1;
  }
  return true;
}

std::string_view record_table(RecordKind kind) {
  return kind == RecordKind::Title ? "problem" : record_layout(kind).key;
}

std::string table_header(RecordKind kind) {
  const std::string name = std::string(record_table(kind));
  if (kind == RecordKind::Title) return "[[problem]]";
  if (kind == RecordKind::Continuation || kind == RecordKind::Loads) return "[[problem." + name + "]]";
  return "[problem." + name + "]";
}

int expected_record_type(RecordKind kind, int load_number) {
  switch (kind) {
  case RecordKind::Span:
    return 1;
  case RecordKind::Loads:
    return 20 + load_number;
  case RecordKind::Section:
  case RecordKind::TBeamSection:
    return 3;
  case RecordKind::Slab:
  case RecordKind::TBeamRows:
    return 4;
  default:
    return 0;
  }
}

} // namespace ss
