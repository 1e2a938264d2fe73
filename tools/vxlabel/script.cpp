#include "script.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace vxlabel {

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r'; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class LineParser {
 public:
  LineParser(std::string_view line, int number) : s_(line), line_(number) {}

  bool AtEnd() {
    SkipSpace();
    return i_ >= s_.size() || s_[i_] == '#';
  }

  std::string Name() {
    const std::size_t start = i_;
    while (i_ < s_.size() &&
           (std::isalnum(static_cast<unsigned char>(s_[i_])) || s_[i_] == '_'))
      ++i_;
    if (start == i_) Fail("expected a function name");
    if (i_ < s_.size() && !IsSpace(s_[i_]) && s_[i_] != '#')
      Fail("unexpected character after the function name");
    return std::string(s_.substr(start, i_ - start));
  }

  Value Argument() {
    SkipSpace();
    const int column = Column();
    Value v;
    if (s_[i_] == '"') {
      v = Quoted();
    } else if (s_[i_] == '{') {  // a placeholder's name may hold blanks
      const std::size_t start = i_;
      const std::size_t close = s_.find('}', i_);
      if (close == std::string_view::npos) Fail("unclosed placeholder {");
      i_ = close + 1;
      if (i_ < s_.size() && !IsSpace(s_[i_]) && s_[i_] != '#')
        Fail("unexpected character after a placeholder");
      v = Bare(std::string(s_.substr(start, i_ - start)), column);
    } else {
      const std::size_t start = i_;
      while (i_ < s_.size() && !IsSpace(s_[i_]) && s_[i_] != '#') ++i_;
      v = Bare(std::string(s_.substr(start, i_ - start)), column);
    }
    v.column = column;
    return v;
  }

 private:
  [[noreturn]] void Fail(const std::string& message) const {
    throw ScriptError(line_, message, Column());
  }

 public:
  int Column() const { return static_cast<int>(i_) + 1; }

 private:
  void SkipSpace() {
    while (i_ < s_.size() && IsSpace(s_[i_])) ++i_;
  }

  Value Quoted() {
    const std::size_t start = i_++;
    const int column = Column() - 1;
    Value v;
    v.kind = Value::Kind::Text;
    for (;;) {
      if (i_ >= s_.size())
        throw ScriptError(line_, "unterminated string", column);
      const char c = s_[i_++];
      if (c == '"') break;
      if (c != '\\') {
        v.text += c;
        continue;
      }
      if (i_ >= s_.size()) Fail("unterminated string");
      const char e = s_[i_++];
      switch (e) {
        case '\\':
          v.text += '\\';
          break;
        case '"':
          v.text += '"';
          break;
        case 'n':
          v.text += '\n';
          break;
        case 'r':
          v.text += '\r';
          break;
        case 't':
          v.text += '\t';
          break;
        case '0':
          v.text += '\0';
          break;
        case 'x': {
          int value = 0, digits = 0;
          while (digits < 2 && i_ < s_.size() && HexDigit(s_[i_]) >= 0) {
            value = value * 16 + HexDigit(s_[i_++]);
            ++digits;
          }
          if (digits == 0) Fail("\\x needs hexadecimal digits");
          v.text += static_cast<char>(value);
          break;
        }
        default:
          Fail(std::string("unknown escape \\") + e);
      }
    }
    if (i_ < s_.size() && !IsSpace(s_[i_]) && s_[i_] != '#')
      Fail("unexpected character after a string");
    v.source = std::string(s_.substr(start, i_ - start));
    return v;
  }

  Value Bare(const std::string& word, int column) {
    Value v;
    v.source = word;
    if (word == "null") return v;
    if (word.size() >= 2 && word.front() == '{' && word.back() == '}') {
      v.kind = Value::Kind::Placeholder;
      v.text = word.substr(1, word.size() - 2);
      return v;
    }
    if (!ParseNumber(word, v))
      throw ScriptError(line_, "not a number, string or null: " + word, column);
    return v;
  }

  std::string_view s_;
  int line_;
  std::size_t i_ = 0;
};

}  // namespace

bool ParseNumber(const std::string& word, Value& v) {
  v.kind = Value::Kind::Number;
  v.integral = false;
  if (word == "nan") {
    v.number = NAN;
    return true;
  }
  if (word == "inf" || word == "+inf") {
    v.number = INFINITY;
    return true;
  }
  if (word == "-inf") {
    v.number = -INFINITY;
    return true;
  }
  errno = 0;
  char* end = nullptr;
  const long long integer = std::strtoll(word.c_str(), &end, 10);
  if (!word.empty() && end && *end == '\0' && errno == 0) {
    v.number = static_cast<long double>(integer);
    v.integral = true;
    return true;
  }
  errno = 0;
  const long double real = std::strtold(word.c_str(), &end);
  if (word.empty() || !end || *end != '\0' || errno == ERANGE ||
      !std::isfinite(real))
    return false;
  v.number = real;
  return true;
}

std::string ScriptError::Located(const std::string& file) const {
  std::string place = file + ":" + std::to_string(line_);
  if (column_ > 0) place += ":" + std::to_string(column_);
  return place + ": " + message_;
}

ScriptReading ReadScript(std::string_view text) {
  // Editors on Windows start UTF-8 files with a byte-order mark.
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  ScriptReading reading;
  int number = 0;
  for (std::size_t pos = 0; pos <= text.size();) {
    const std::size_t end = std::min(text.find('\n', pos), text.size());
    LineParser parser(text.substr(pos, end - pos), ++number);
    pos = end + 1;
    try {
      if (parser.AtEnd()) continue;
      Call call;
      call.line = number;
      call.column = parser.Column();
      call.name = parser.Name();
      while (!parser.AtEnd()) call.args.push_back(parser.Argument());
      reading.calls.push_back(std::move(call));
    } catch (const ScriptError& error) {
      reading.errors.push_back(error);
    }
  }
  return reading;
}

std::vector<Call> ParseScript(std::string_view text) {
  ScriptReading reading = ReadScript(text);
  if (!reading.errors.empty()) throw reading.errors.front();
  return std::move(reading.calls);
}

}  // namespace vxlabel
