#include "job/commands.h"

#include <climits>
#include <cmath>

namespace vxcl {

std::string Decimal(long long value) { return std::to_string(value); }

std::string ZeroPadded(long long value, int width) {
  // Work on the magnitude as unsigned so the most negative value is safe.
  const bool negative = value < 0;
  const unsigned long long magnitude =
      negative ? 0ULL - static_cast<unsigned long long>(value)
               : static_cast<unsigned long long>(value);
  std::string digits = std::to_string(magnitude);
  if (static_cast<int>(digits.size()) < width)
    digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
  return negative ? "-" + digits : digits;
}

int MmToDots(int dotsPerMm, double mm) {
  const long double dots = static_cast<long double>(dotsPerMm) * mm + 0.5L;
  if (std::isnan(dots)) return 0;
  if (dots >= static_cast<long double>(INT_MAX)) return INT_MAX;
  if (dots <= static_cast<long double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(dots);  // truncation toward zero
}

int Saturated(long long dots) {
  if (dots > INT_MAX) return INT_MAX;
  if (dots < INT_MIN) return INT_MIN;
  return static_cast<int>(dots);
}

std::string RotationPrefix(int direction) {
  const char digit = (direction >= 1 && direction <= 3)
                         ? static_cast<char>('0' + direction)
                         : '0';
  return std::string{ESC, '%', digit};
}

}  // namespace vxcl
