#include "preview/parameters.h"

namespace vxcl::preview {

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::optional<int> Parameters::Digits(std::size_t count) {
  if (rest_.size() < count) return std::nullopt;
  int value = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (!IsDigit(rest_[i])) return std::nullopt;
    value = value * 10 + (rest_[i] - '0');
  }
  rest_.remove_prefix(count);
  return value;
}

std::optional<long long> Parameters::Number(std::size_t most, bool signed_) {
  std::size_t i = 0;
  bool negative = false;
  if (signed_ && !rest_.empty() && (rest_[0] == '-' || rest_[0] == '+')) {
    negative = rest_[0] == '-';
    i = 1;
  }
  const std::size_t first = i;
  long long value = 0;
  while (i < rest_.size() && i - first < most && IsDigit(rest_[i]))
    value = value * 10 + (rest_[i++] - '0');
  if (i == first) return std::nullopt;
  rest_.remove_prefix(i);
  return negative ? -value : value;
}

bool Parameters::Take(char c) {
  if (rest_.empty() || rest_[0] != c) return false;
  rest_.remove_prefix(1);
  return true;
}

std::optional<char> Parameters::Char() {
  if (rest_.empty()) return std::nullopt;
  const char c = rest_[0];
  rest_.remove_prefix(1);
  return c;
}

}  // namespace vxcl::preview
