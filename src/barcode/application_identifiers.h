// The application identifiers an EAN-128 symbol may carry, and the rule
// each one sets for its value.
#ifndef VXCL_BARCODE_APPLICATION_IDENTIFIERS_H
#define VXCL_BARCODE_APPLICATION_IDENTIFIERS_H

#include <optional>
#include <string_view>

namespace vxcl {

struct IdentifierRule {
  bool fixedLength;  // the value has exactly `length` characters ...
  bool digitsOnly;
  int length;  // ... or at most `length` when not fixed
};

// The rule of an identifier from the list (exact text), or of a four-digit
// identifier from the measure ranges 3100-3699 and 3900-3939; nullopt for
// any other text.
std::optional<IdentifierRule> FindIdentifierRule(std::string_view identifier);

}  // namespace vxcl

#endif
