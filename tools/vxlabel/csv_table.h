// A CSV data file read with libcsv: RFC 4180 quoting, newlines inside
// quoted fields, UTF-8 with or without a byte-order mark. The first record
// names the columns.
#ifndef VXLABEL_CSV_TABLE_H
#define VXLABEL_CSV_TABLE_H

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vxlabel {

struct CsvRow {
  int line = 0;  // the file line the record starts on
  std::vector<std::string> fields;
};

struct CsvTable {
  std::vector<std::string> columns;
  std::vector<CsvRow> rows;  // the data records, header excluded

  // The column's index; -1 when the header has no such name.
  int Column(std::string_view name) const;
};

// "PATH:LINE: message".
class DataError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads `bytes`, the contents of the file `path` (named in errors). Throws
// DataError for a malformed quote, a record whose field count differs from
// the header's, an empty or duplicate column name, a NUL byte, or a file
// without a header.
CsvTable ReadCsv(std::string_view bytes, const std::string& path);

}  // namespace vxlabel

#endif
