// The range test every printer setting goes through.
#ifndef VXCL_MODELS_CHECKED_SETTING_H
#define VXCL_MODELS_CHECKED_SETTING_H

#include "job/check_messages.h"
#include "job/outcome.h"

namespace vxcl {

struct SettingRange {
  int low;
  int high;
  int replacement;     // sent instead of a value outside low..high
  VxclResult failure;  // the code that reports the replacement
};

// The value when it lies in the range; otherwise the replacement, with the
// range's code recorded in `code`.
inline int CheckedSetting(std::string_view argument, int value,
                          const SettingRange& range, CheckCode& code) {
  if (value >= range.low && value <= range.high) return value;
  code.Fail(range.failure,
            Replaced(argument, Number(value), Span(range.low, range.high),
                     Number(range.replacement)));
  return range.replacement;
}

}  // namespace vxcl

#endif
