// The CX calibration job: the CX settings, the label size and the
// calibration command "CA", sent at once outside the label job cycle.
#ifndef VXCL_MODELS_CX_CALIBRATION_H
#define VXCL_MODELS_CX_CALIBRATION_H

#include <string>
#include <string_view>

#include "job/job_state.h"
#include "models/cx_settings.h"

namespace vxcl {

struct Platform;

// The calibration stream for a label `heightDots` long (not tested: any
// value is written). Settings out of range fail `code` (13 to 18).
std::string CxCalibrationStream(int heightDots, const CxSettings& settings,
                                CheckCode& code);

// PrnCXCalibrate: 0 (printer not found), 4, a submission code other than 1,
// the last failing setting's code (13 to 18), or 1. Drops any open job once
// the stream was handed to the spooler.
Outcome SendCxCalibration(JobState& job, const Platform& platform,
                          std::string_view printerName, double labelHeight,
                          const CxSettings& settings);

}  // namespace vxcl

#endif
