// The five printer settings a CX printer takes ahead of every label job and
// calibration: "CP", "CI", "CE", "CD" and "CB".
#ifndef VXCL_MODELS_CX_SETTINGS_H
#define VXCL_MODELS_CX_SETTINGS_H

#include <string>

#include "job/outcome.h"

namespace vxcl {

struct CxSettings {
  int cp = 1;
  int ci = 0;
  int ce = 0;
  int cd1 = 200;
  int cd2 = 3300;
  int cb = 0;
};

// The five frames in that order. Each value out of range is replaced by its
// default and fails `code` (13 to 18, checked in that order).
std::string CxSettingFrames(CxSettings settings, CheckCode& code);

}  // namespace vxcl

#endif
