// Label scripts: one export call per line, arguments in the export's order.
//
//   # a comment
//   PrnInit "Label Printer" 3 4 100 50 0
//   PrnDrawLine 10 20 0 2 50.0
//
// Strings are in double quotes with C escapes (\x1b, \", \\, \n, \t, \0:
// refused in a string the call takes zero-terminated);
// `null` is a null pointer; numbers are decimal integers, decimals, or
// nan / inf / -inf. A bare `{name}` is a data placeholder, filled in from a
// data file by `vxlabel run --data` (data_merge.h).
#ifndef VXLABEL_SCRIPT_H
#define VXLABEL_SCRIPT_H

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vxlabel {

struct Value {
  enum class Kind { Number, Text, Null, Placeholder };
  Kind kind = Kind::Null;
  long double number = 0;  // Kind::Number
  bool integral = false;   // written without a fraction or exponent
  std::string text;        // Kind::Text: any bytes; Kind::Placeholder: the
                           // text between the braces
  std::string source;      // as written, for messages
  int column = 0;          // where it starts on its line, from 1
};

struct Call {
  int line = 0;
  int column = 0;  // of the name
  std::string name;
  std::vector<Value> args;
};

class ScriptError : public std::runtime_error {
 public:
  ScriptError(int line, const std::string& message, int column = 0)
      : std::runtime_error("line " + std::to_string(line) + ": " + message),
        line_(line),
        column_(column),
        message_(message) {}
  int line() const { return line_; }
  int column() const { return column_; }  // 0: the whole line
  const std::string& message() const { return message_; }
  // "FILE:LINE:COLUMN: message", as compilers write it.
  std::string Located(const std::string& file) const;

 private:
  int line_;
  int column_;
  std::string message_;
};

// A number written as a script writes it (integer, decimal, nan, inf);
// false when `word` is none.
bool ParseNumber(const std::string& word, Value& value);

struct ScriptReading {
  std::vector<Call> calls;          // of the lines that read
  std::vector<ScriptError> errors;  // one a faulty line, in order
};

// Reads every line; a UTF-8 byte-order mark at the start is skipped.
ScriptReading ReadScript(std::string_view text);

// Throws ScriptError naming the line of the first syntax error.
std::vector<Call> ParseScript(std::string_view text);

}  // namespace vxlabel

#endif
