// Label scripts: one export call per line, arguments in the export's order.
//
//   # a comment
//   PrnInit "Label Printer" 3 4 100 50 0
//   PrnDrawLine 10 20 0 2 50.0
//
// Strings are in double quotes with C escapes (\x1b, \", \\, \n, \t, \0:
// refused in a string the call takes zero-terminated);
// `null` is a null pointer; numbers are decimal integers, decimals, or
// nan / inf / -inf.
#ifndef VXLABEL_SCRIPT_H
#define VXLABEL_SCRIPT_H

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vxlabel {

struct Value {
  enum class Kind { Number, Text, Null };
  Kind kind = Kind::Null;
  long double number = 0;  // Kind::Number
  bool integral = false;   // written without a fraction or exponent
  std::string text;        // Kind::Text: any bytes
  std::string source;      // as written, for messages
};

struct Call {
  int line = 0;
  std::string name;
  std::vector<Value> args;
};

class ScriptError : public std::runtime_error {
 public:
  ScriptError(int line, const std::string& message)
      : std::runtime_error("line " + std::to_string(line) + ": " + message),
        line_(line) {}
  int line() const { return line_; }

 private:
  int line_;
};

// Throws ScriptError naming the line of the first syntax error.
std::vector<Call> ParseScript(std::string_view text);

}  // namespace vxlabel

#endif
