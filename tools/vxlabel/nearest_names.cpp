#include "nearest_names.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace vxlabel {

namespace {

char Lower(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// Levenshtein distance, one row at a time.
std::size_t Distance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      const std::size_t change = Lower(a[i - 1]) == Lower(b[j - 1]) ? 0 : 1;
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + change});
      diagonal = above;
    }
  }
  return row[b.size()];
}

}  // namespace

std::vector<std::string> NearestNames(
    std::string_view name, const std::vector<std::string_view>& candidates) {
  const std::size_t most = std::max<std::size_t>(2, name.size() / 3);
  std::vector<std::pair<std::size_t, std::string_view>> near;
  for (std::string_view candidate : candidates) {
    const std::size_t d = Distance(name, candidate);
    if (d <= most) near.emplace_back(d, candidate);
  }
  std::stable_sort(near.begin(), near.end(), [](const auto& a, const auto& b) {
    return a.first < b.first;
  });
  std::vector<std::string> names;
  for (const auto& [distance, candidate] : near) {
    // Only the nearest ones: a worse match beside a good one misleads.
    if (distance > near.front().first) break;
    if (names.size() == 3) break;
    names.emplace_back(candidate);
  }
  return names;
}

}  // namespace vxlabel
