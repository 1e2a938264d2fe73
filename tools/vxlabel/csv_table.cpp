#include "csv_table.h"

#include <csv.h>

#include <memory>

namespace vxlabel {

namespace {

// Blanks around unquoted fields are data, as RFC 4180 has it.
int NoSpace(unsigned char) { return 0; }

struct Collector {
  std::vector<std::vector<std::string>> records;
  std::vector<int> lines;
  std::vector<std::string> fields;
  int recordLine = 0;  // where the record being read started
  int chunkLine = 0;   // the line being fed
  bool nul = false;
};

void OnField(void* data, std::size_t length, void* target) {
  auto& c = *static_cast<Collector*>(target);
  std::string field(data ? static_cast<const char*>(data) : "", length);
  if (field.find('\0') != std::string::npos) c.nul = true;
  if (c.recordLine == 0) c.recordLine = c.chunkLine;  // lines ended by CR
  c.fields.push_back(std::move(field));
}

void OnRecord(int, void* target) {
  auto& c = *static_cast<Collector*>(target);
  c.records.push_back(std::move(c.fields));
  c.lines.push_back(c.recordLine);
  c.fields.clear();
  c.recordLine = 0;
}

struct ParserDeleter {
  void operator()(csv_parser* p) const {
    csv_free(p);
    delete p;
  }
};

[[noreturn]] void Fail(const std::string& path, int line,
                       const std::string& message) {
  throw DataError(path + ":" + std::to_string(line) + ": " + message);
}

bool Blank(std::string_view line) {
  return line.find_first_not_of("\r\n") == std::string_view::npos;
}

}  // namespace

int CsvTable::Column(std::string_view name) const {
  for (std::size_t i = 0; i < columns.size(); ++i)
    if (columns[i] == name) return static_cast<int>(i);
  return -1;
}

CsvTable ReadCsv(std::string_view bytes, const std::string& path) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  std::unique_ptr<csv_parser, ParserDeleter> parser(new csv_parser);
  if (csv_init(parser.get(), CSV_STRICT | CSV_STRICT_FINI) != 0) {
    delete parser.release();
    throw DataError(path + ": cannot start the CSV reader");
  }
  csv_set_space_func(parser.get(), NoSpace);
  Collector c;
  // Line by line, so that each record knows the line it starts on.
  for (std::size_t pos = 0; pos < bytes.size();) {
    std::size_t end = bytes.find('\n', pos);
    end = end == std::string_view::npos ? bytes.size() : end + 1;
    const std::string_view line = bytes.substr(pos, end - pos);
    ++c.chunkLine;
    if (c.recordLine == 0 && c.fields.empty() && !Blank(line))
      c.recordLine = c.chunkLine;
    if (csv_parse(parser.get(), line.data(), line.size(), OnField, OnRecord,
                  &c) != line.size())
      Fail(path, c.chunkLine,
           std::string("not valid CSV: ") +
               csv_strerror(csv_error(parser.get())) +
               " (a quote inside a field is written twice, and a quoted "
               "field ends with its quote)");
    if (c.nul) Fail(path, c.chunkLine, "a field holds a NUL byte");
    pos = end;
  }
  if (csv_fini(parser.get(), OnField, OnRecord, &c) != 0)
    Fail(path, c.recordLine ? c.recordLine : c.chunkLine,
         "not valid CSV: a quoted field is not closed before the end of the "
         "file");
  if (c.nul) Fail(path, c.chunkLine, "a field holds a NUL byte");

  if (c.records.empty()) throw DataError(path + ": no header line");
  CsvTable table;
  table.columns = std::move(c.records[0]);
  for (std::size_t i = 0; i < table.columns.size(); ++i) {
    const std::string& name = table.columns[i];
    if (name.empty())
      Fail(path, c.lines[0],
           "column " + std::to_string(i + 1) + " of the header has no name");
    if (name.find_first_of("{}\r\n") != std::string::npos)
      Fail(path, c.lines[0],
           "column name \"" + name + "\" holds a brace or a line break");
    if (table.Column(name) != static_cast<int>(i))
      Fail(path, c.lines[0], "column \"" + name + "\" is named twice");
  }
  for (std::size_t r = 1; r < c.records.size(); ++r) {
    if (c.records[r].size() != table.columns.size())
      Fail(path, c.lines[r],
           std::to_string(c.records[r].size()) + " fields, the header has " +
               std::to_string(table.columns.size()));
    table.rows.push_back(CsvRow{c.lines[r], std::move(c.records[r])});
  }
  return table;
}

}  // namespace vxlabel
