// Reading a CSV file back (RFC 4180: quoted fields, doubled quotes, CRLF rows) for the tests.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace ss::test {

struct CsvTable {
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;

  int column(const std::string &name) const {
    for (std::size_t i = 0; i < header.size(); ++i)
      if (header[i] == name) return static_cast<int>(i);
    return -1;
  }
  // The cell of row `row` (0-based, after the header) in the named column.
  const std::string &at(std::size_t row, const std::string &name) const {
    const int c = column(name);
    if (c < 0 || row >= rows.size() || static_cast<std::size_t>(c) >= rows[row].size())
      throw std::out_of_range("no cell " + name + " in row " + std::to_string(row));
    return rows[row][static_cast<std::size_t>(c)];
  }
};

inline CsvTable parse_csv(const std::string &text) {
  std::vector<std::vector<std::string>> records;
  std::vector<std::string> record;
  std::string field;
  bool quoted = false, any = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        field += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      record.push_back(field);
      field.clear();
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      record.push_back(field);
      records.push_back(record);
      record.clear();
      field.clear();
      ++i;
      continue;
    } else {
      field += c;
    }
    any = true;
  }
  if (any && (!field.empty() || !record.empty())) {
    record.push_back(field);
    records.push_back(record);
  }
  CsvTable t;
  if (!records.empty()) {
    t.header = records.front();
    t.rows.assign(records.begin() + 1, records.end());
  }
  return t;
}

} // namespace ss::test
