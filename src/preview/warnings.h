// What a preview could not draw as the printer would, in words for the
// user: unknown commands, malformed parameters, symbols drawn as
// placeholders.
#ifndef VXCL_PREVIEW_WARNINGS_H
#define VXCL_PREVIEW_WARNINGS_H

#include <cstddef>
#include <string>
#include <vector>

namespace vxcl::preview {

class Warnings {
 public:
  // A stream of random bytes may hold a fault every few bytes: the list
  // keeps the first ones and counts the rest.
  static constexpr std::size_t kMostKept = 64;

  void Add(std::string message);
  // The kept messages, then one that counts those dropped.
  std::vector<std::string> All() const;

 private:
  std::vector<std::string> kept_;
  std::size_t dropped_ = 0;
};

}  // namespace vxcl::preview

#endif
