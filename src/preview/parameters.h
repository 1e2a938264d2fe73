// Reading a command's parameters the way the printer reads them: fields of
// a fixed number of digits, plain numbers, separators.
#ifndef VXCL_PREVIEW_PARAMETERS_H
#define VXCL_PREVIEW_PARAMETERS_H

#include <cstddef>
#include <optional>
#include <string_view>

namespace vxcl::preview {

class Parameters {
 public:
  explicit Parameters(std::string_view body) : rest_(body) {}

  // Exactly `count` digits; nothing is taken when they are not all there.
  std::optional<int> Digits(std::size_t count);
  // One to `most` digits, with an optional leading "-" (or "+") when
  // `signed_`; nothing is taken when no digit follows.
  std::optional<long long> Number(std::size_t most, bool signed_ = false);
  // The character `c`, when it is next.
  bool Take(char c);
  // Any one character.
  std::optional<char> Char();
  // Everything not read yet.
  std::string_view Rest() const { return rest_; }
  bool AtEnd() const { return rest_.empty(); }

 private:
  std::string_view rest_;
};

}  // namespace vxcl::preview

#endif
