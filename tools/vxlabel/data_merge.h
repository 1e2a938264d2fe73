// A label script filled in from the rows of a CSV file.
//
// In strings, `{column}` is the row's field of that column, `{#row}` the
// data row's number (1: the first row under the header) and
// `{#counter:START:STEP:WIDTH}` START + STEP * (row - 1), zero-padded to
// WIDTH digits (START, STEP and WIDTH may be left out from the right: 1, 1
// and 0). `{{` and `}}` are literal braces. A bare placeholder argument
// such as `{weight_mm}` or `{#row}` stands for a number.
#ifndef VXLABEL_DATA_MERGE_H
#define VXLABEL_DATA_MERGE_H

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

#include "csv_table.h"
#include "script.h"

namespace vxlabel {

// "SCRIPT:LINE: message", or "SCRIPT:LINE: DATA:LINE: message".
class MergeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class DataMerge {
 public:
  // Reads every placeholder of `calls`; throws MergeError naming the
  // script line of a malformed placeholder or an unknown column.
  DataMerge(const std::vector<Call>& calls, const CsvTable& table,
            std::string scriptPath, std::string dataPath);

  // The calls for data row `index` (0: the first row); throws MergeError
  // naming the script line and the data line of a number placeholder whose
  // value is not a number.
  std::vector<Call> Expand(std::size_t index) const;

 private:
  struct Part {
    enum class Kind { Literal, Column, Row, Counter } kind = Kind::Literal;
    std::string literal;
    int column = 0;
    long long start = 1, step = 1;
    int width = 0;
  };
  struct Argument {
    Value value;
    bool merged = false;      // holds placeholders
    std::vector<Part> parts;  // when merged
  };
  struct MergedCall {
    int line = 0;
    std::string name;
    std::vector<Argument> args;
  };

  std::vector<Part> ReadParts(const std::string& text, int line) const;
  Part ReadPlaceholder(const std::string& name, int line) const;
  std::string Fill(const std::vector<Part>& parts, std::size_t index,
                   int line) const;
  [[noreturn]] void Fail(int line, const std::string& message) const;

  std::vector<MergedCall> calls_;
  const CsvTable& table_;
  std::string scriptPath_;
  std::string dataPath_;
};

}  // namespace vxlabel

#endif
