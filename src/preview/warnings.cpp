#include "preview/warnings.h"

namespace vxcl::preview {

void Warnings::Add(std::string message) {
  if (kept_.size() < kMostKept)
    kept_.push_back(std::move(message));
  else
    ++dropped_;
}

std::vector<std::string> Warnings::All() const {
  std::vector<std::string> all = kept_;
  if (dropped_ > 0)
    all.push_back(std::to_string(dropped_) + " more warnings not shown");
  return all;
}

}  // namespace vxcl::preview
