#include "data_merge.h"

#include <cerrno>
#include <cstdlib>

namespace vxlabel {

namespace {

bool ReadInteger(const std::string& text, long long& value) {
  if (text.empty()) return false;
  errno = 0;
  char* end = nullptr;
  value = std::strtoll(text.c_str(), &end, 10);
  return errno == 0 && end && *end == '\0';
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> pieces(1);
  for (char c : text) {
    if (c == separator)
      pieces.emplace_back();
    else
      pieces.back() += c;
  }
  return pieces;
}

}  // namespace

DataMerge::DataMerge(const std::vector<Call>& calls, const CsvTable& table,
                     std::string scriptPath, std::string dataPath)
    : table_(table),
      scriptPath_(std::move(scriptPath)),
      dataPath_(std::move(dataPath)) {
  for (const Call& call : calls) {
    MergedCall merged{call.line, call.name, {}};
    for (const Value& value : call.args) {
      Argument arg{value, false, {}};
      if (value.kind == Value::Kind::Placeholder) {
        arg.merged = true;
        arg.parts.push_back(ReadPlaceholder(value.text, call.line));
      } else if (value.kind == Value::Kind::Text &&
                 value.text.find_first_of("{}") != std::string::npos) {
        arg.merged = true;
        arg.parts = ReadParts(value.text, call.line);
      }
      merged.args.push_back(std::move(arg));
    }
    calls_.push_back(std::move(merged));
  }
}

void DataMerge::Fail(int line, const std::string& message) const {
  throw MergeError(scriptPath_ + ":" + std::to_string(line) + ": " + message);
}

std::vector<DataMerge::Part> DataMerge::ReadParts(const std::string& text,
                                                  int line) const {
  std::vector<Part> parts(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if ((c == '{' || c == '}') && i + 1 < text.size() && text[i + 1] == c) {
      parts.back().literal += c;
      ++i;
    } else if (c == '}') {
      Fail(line, "a lone } in " + text + ": write }} for a brace");
    } else if (c == '{') {
      const std::size_t close = text.find('}', i);
      if (close == std::string::npos)
        Fail(line,
             "unclosed placeholder in " + text + ": write {{ for a brace");
      parts.push_back(ReadPlaceholder(text.substr(i + 1, close - i - 1), line));
      parts.emplace_back();
      i = close;
    } else {
      parts.back().literal += c;
    }
  }
  return parts;
}

DataMerge::Part DataMerge::ReadPlaceholder(const std::string& name,
                                           int line) const {
  Part part;
  if (name == "#row") {
    part.kind = Part::Kind::Row;
    return part;
  }
  if (name == "#counter" || name.starts_with("#counter:")) {
    part.kind = Part::Kind::Counter;
    const std::vector<std::string> spec = Split(name, ':');
    long long width = 0;
    const bool ok = spec.size() <= 4 &&
                    (spec.size() < 2 || ReadInteger(spec[1], part.start)) &&
                    (spec.size() < 3 || ReadInteger(spec[2], part.step)) &&
                    (spec.size() < 4 || ReadInteger(spec[3], width)) &&
                    width >= 0 && width <= 20;
    if (!ok)
      Fail(line, "{" + name +
                     "} is not {#counter:START:STEP:WIDTH} (whole numbers, "
                     "WIDTH 0 to 20)");
    part.width = static_cast<int>(width);
    return part;
  }
  if (name.starts_with("#"))
    Fail(line, "unknown placeholder {" + name +
                   "}: {#row} and {#counter:START:STEP:WIDTH} are known");
  part.kind = Part::Kind::Column;
  part.column = table_.Column(name);
  if (part.column < 0) {
    std::string known;
    for (const std::string& column : table_.columns)
      known += (known.empty() ? "" : ", ") + column;
    Fail(line, "column \"" + name + "\" is not in " + dataPath_ +
                   " (its columns: " + known + ")");
  }
  return part;
}

std::string DataMerge::Fill(const std::vector<Part>& parts, std::size_t index,
                            int line) const {
  const CsvRow& row = table_.rows[index];
  const long long number = static_cast<long long>(index) + 1;
  std::string text;
  for (const Part& part : parts) {
    switch (part.kind) {
      case Part::Kind::Literal:
        text += part.literal;
        break;
      case Part::Kind::Column:
        text += row.fields[static_cast<std::size_t>(part.column)];
        break;
      case Part::Kind::Row:
        text += std::to_string(number);
        break;
      case Part::Kind::Counter: {
        long long offset = 0, value = 0;
        if (__builtin_mul_overflow(part.step, number - 1, &offset) ||
            __builtin_add_overflow(part.start, offset, &value))
          throw MergeError(scriptPath_ + ":" + std::to_string(line) + ": " +
                           dataPath_ + ":" + std::to_string(row.line) +
                           ": the counter leaves the 64-bit range");
        const unsigned long long magnitude =
            value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                      : static_cast<unsigned long long>(value);
        std::string digits = std::to_string(magnitude);
        if (digits.size() < static_cast<std::size_t>(part.width))
          digits.insert(0, static_cast<std::size_t>(part.width) - digits.size(),
                        '0');
        text += (value < 0 ? "-" : "") + digits;
        break;
      }
    }
  }
  return text;
}

std::vector<Call> DataMerge::Expand(std::size_t index) const {
  const CsvRow& row = table_.rows.at(index);
  std::vector<Call> calls;
  calls.reserve(calls_.size());
  for (const MergedCall& merged : calls_) {
    Call call{merged.line, 0, merged.name, {}};
    call.args.reserve(merged.args.size());
    for (const Argument& arg : merged.args) {
      if (!arg.merged) {
        call.args.push_back(arg.value);
        continue;
      }
      const std::string text = Fill(arg.parts, index, merged.line);
      Value value;
      if (arg.value.kind == Value::Kind::Placeholder) {
        if (!ParseNumber(text, value))
          throw MergeError(scriptPath_ + ":" + std::to_string(merged.line) +
                           ": " + dataPath_ + ":" + std::to_string(row.line) +
                           ": " + arg.value.source + " is \"" + text +
                           "\", not a number");
      } else {
        value.kind = Value::Kind::Text;
        value.text = text;
      }
      value.source = arg.value.source + " = \"" + text + "\"";
      call.args.push_back(std::move(value));
    }
    calls.push_back(std::move(call));
  }
  return calls;
}

}  // namespace vxlabel
