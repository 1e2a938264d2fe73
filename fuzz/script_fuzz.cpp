// libFuzzer target: any bytes as a vxlabel script. A script either parses
// into calls that say where they came from, or is refused with the line of
// its first fault.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "script.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

bool IsNameCharacter(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') ||
         (c >= 'A' && c <= 'Z') || c == '_';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  int lines = 1;
  for (char c : text) lines += c == '\n';
  try {
    int previous = 0;
    for (const vxlabel::Call& call : vxlabel::ParseScript(text)) {
      Require(call.line > previous && call.line <= lines);
      previous = call.line;
      Require(!call.name.empty());
      for (char c : call.name) Require(IsNameCharacter(c));
      for (const vxlabel::Value& value : call.args) {
        Require(!value.source.empty());
        if (value.kind == vxlabel::Value::Kind::Text)
          Require(value.source.front() == '"' && value.source.back() == '"');
        if (value.integral) Require(value.number == std::trunc(value.number));
      }
    }
  } catch (const vxlabel::ScriptError& error) {
    Require(error.line() >= 1 && error.line() <= lines);
  }
  return 0;
}
