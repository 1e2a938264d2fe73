#include "job/check_messages.h"

#include <cmath>
#include <cstdio>

#include "language/byte_notation.h"
#include "platform/host_text.h"

namespace vxcl {

std::string Replaced(std::string_view argument, std::string_view given,
                     std::string_view allowed, std::string_view used) {
  std::string message(argument);
  message += ' ';
  message += given;
  message += " is not ";
  message += allowed;
  message += "; ";
  message += used;
  message += " used";
  return message;
}

std::string Span(long long low, long long high) {
  return Number(low) + " to " + Number(high);
}

std::string Number(long long value) { return std::to_string(value); }

std::string Millimetres(double mm) {
  if (std::isnan(mm)) return "NaN mm";
  if (std::isinf(mm)) return mm > 0 ? "infinite mm" : "-infinite mm";
  char text[64];
  std::snprintf(text, sizeof text, "%.10g mm", mm);
  return text;
}

std::string QuotedByte(char byte) {
  return "\"" + ByteNotation(std::string_view(&byte, 1)) + "\"";
}

std::string QuotedExcerpt(std::string_view bytes) {
  constexpr std::size_t kShown = 40;
  std::string text = "\"" + ByteNotation(bytes, kShown) + "\"";
  if (bytes.size() > kShown) text += "...";
  return text;
}

std::string QuotedName(std::string_view hostText) {
  return "\"" + FromHostCodePage(hostText) + "\"";
}

}  // namespace vxcl
