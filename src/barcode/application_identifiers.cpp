#include "barcode/application_identifiers.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace vxcl {

namespace {

constexpr std::string_view kIdentifierList =
    "00,01,02,10,11,12,13,15,17,20,21,22,230,231,232,233,234,235,236,237,238,"
    "239,240,241,250,251,30,37,400,401,402,403,410,411,412,413,414,415,420,"
    "421,422,423,424,425,426,7001,7002,7030,8001,8002,8003,8004,8005,8006,"
    "8007,8018,8020,8100,8101,8102,90,91,92,93,94,95,96,97,98,99";

constexpr std::size_t kIdentifierCount = 70;

// Three tables parallel to the list: one entry an identifier.
constexpr unsigned char kFixedLength[kIdentifierCount] = {
    1, 1, 1, 0, 1, 1, 1, 1, 1, 1, 0, 0,  // 00 .. 22
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0,        // 230 .. 239
    0, 0, 0, 0, 0, 0,                    // 240 .. 37
    0, 0, 1, 0,                          // 400 .. 403
    1, 1, 1, 1, 1, 1, 1,                 // 410 .. 420
    0, 1, 1, 1, 1, 1,                    // 421 .. 426
    1, 0, 0,                             // 7001 .. 7030
    1, 1, 0, 0, 1, 1, 0, 1, 0,           // 8001 .. 8020
    1, 1, 1,                             // 8100 .. 8102
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0,        // 90 .. 99
};

constexpr unsigned char kDigitsOnly[kIdentifierCount] = {
    1, 1, 1, 0, 1, 1, 1, 1, 1, 1, 0, 0,  // 00 .. 22
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1,        // 230 .. 239
    0, 0, 0, 0, 1, 1,                    // 240 .. 37
    0, 0, 1, 0,                          // 400 .. 403
    1, 1, 1, 1, 1, 1, 1,                 // 410 .. 420
    0, 1, 1, 1, 1, 1,                    // 421 .. 426
    1, 0, 0,                             // 7001 .. 7030
    1, 1, 0, 0, 1, 1, 0, 1, 0,           // 8001 .. 8020
    1, 0, 0,                             // 8100 .. 8102
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0,        // 90 .. 99
};

constexpr int kLength[kIdentifierCount] = {
    18, 14, 14, 20, 6,  6,  6,  6,  6,  2,  20, 29,  // 00 .. 22
    1,  3,  5,  7,  9,  11, 13, 15, 17, 19,          // 230 .. 239
    30, 30, 30, 30, 8,  8,                           // 240 .. 37
    30, 30, 17, 30,                                  // 400 .. 403
    13, 13, 13, 13, 13, 13, 13,                      // 410 .. 420
    12, 3,  15, 3,  3,  3,                           // 421 .. 426
    13, 30, 30,                                      // 7001 .. 7030
    14, 30, 30, 30, 6,  18, 30, 18, 25,              // 8001 .. 8020
    6,  10, 2,                                       // 8100 .. 8102
    30, 30, 30, 30, 30, 30, 30, 30, 30, 30,          // 90 .. 99
};

constexpr std::array<std::string_view, kIdentifierCount> SplitList() {
  std::array<std::string_view, kIdentifierCount> entries{};
  std::string_view rest = kIdentifierList;
  for (std::string_view& entry : entries) {
    const std::size_t comma = rest.find(',');
    entry = rest.substr(0, comma);
    rest = comma == std::string_view::npos ? std::string_view{}
                                           : rest.substr(comma + 1);
  }
  return entries;
}

constexpr std::array<std::string_view, kIdentifierCount> kIdentifiers =
    SplitList();
static_assert(std::count(kIdentifierList.begin(), kIdentifierList.end(), ',') ==
                      kIdentifierCount - 1 &&
                  kIdentifiers.back() == "99",
              "the list holds one entry a row of the tables");

// Measures (weights, lengths, areas, volumes) and amounts carry a decimal
// point position in their last digit, so they come in ranges. Measures have
// six digits; amounts up to 15 digits, or 18 with an ISO currency code
// (3910-3919 and 3930-3939).
std::optional<IdentifierRule> RangeRule(std::string_view identifier) {
  if (identifier.size() != 4) return std::nullopt;
  int number = 0;
  for (char c : identifier) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
  }
  auto in = [number](int low, int high) {
    return number >= low && number <= high;
  };
  if (in(3100, 3169) || in(3200, 3379) || in(3400, 3579) || in(3600, 3699))
    return IdentifierRule{true, true, 6};
  if (in(3900, 3909) || in(3920, 3929)) return IdentifierRule{false, true, 15};
  if (in(3910, 3919) || in(3930, 3939)) return IdentifierRule{false, true, 18};
  return std::nullopt;
}

}  // namespace

std::optional<IdentifierRule> FindIdentifierRule(std::string_view identifier) {
  for (std::size_t i = 0; i < kIdentifierCount; ++i)
    if (kIdentifiers[i] == identifier)
      return IdentifierRule{kFixedLength[i] != 0, kDigitsOnly[i] != 0,
                            kLength[i]};
  return RangeRule(identifier);
}

}  // namespace vxcl
