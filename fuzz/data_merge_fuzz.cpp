// libFuzzer target: a script and a CSV file, both any bytes, merged as
// `vxlabel run --data` merges them. A file is read into rows of the
// header's width or refused with a message naming it; placeholders fill in
// or are refused naming the script line; nothing else is thrown.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "csv_table.h"
#include "data_merge.h"
#include "script.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string scriptText = in.ConsumeRandomLengthString(2000);
  const std::string csv = in.ConsumeRemainingBytesAsString();
  std::optional<vxlabel::CsvTable> table;
  try {
    table = vxlabel::ReadCsv(csv, "d.csv");
  } catch (const vxlabel::DataError& e) {
    Require(std::string(e.what()).starts_with("d.csv"));
    return 0;
  }
  Require(!table->columns.empty());
  int previousLine = 0;
  for (const vxlabel::CsvRow& row : table->rows) {
    Require(row.fields.size() == table->columns.size());
    // Records ended by a lone CR share the line they stand on.
    Require(row.line >= previousLine && row.line > 0);
    previousLine = row.line;
  }
  std::vector<vxlabel::Call> calls;
  try {
    calls = vxlabel::ParseScript(scriptText);
  } catch (const vxlabel::ScriptError&) {
    return 0;
  }
  try {
    const vxlabel::DataMerge merge(calls, *table, "s.vxl", "d.csv");
    for (std::size_t i = 0; i < table->rows.size() && i < 64; ++i) {
      try {
        const std::vector<vxlabel::Call> filled = merge.Expand(i);
        Require(filled.size() == calls.size());
        for (std::size_t c = 0; c < calls.size(); ++c) {
          Require(filled[c].args.size() == calls[c].args.size());
          for (const vxlabel::Value& value : filled[c].args)
            Require(value.kind != vxlabel::Value::Kind::Placeholder);
        }
      } catch (const vxlabel::MergeError& e) {
        Require(std::string(e.what()).starts_with("s.vxl:"));
      }
    }
  } catch (const vxlabel::MergeError& e) {
    Require(std::string(e.what()).starts_with("s.vxl:"));
  }
  return 0;
}
