// The CT default-settings job: one "PG" command carrying 21 settings as raw
// bytes, sent at once outside the label job cycle.
#ifndef VXCL_MODELS_CT_DEFAULT_SETTINGS_H
#define VXCL_MODELS_CT_DEFAULT_SETTINGS_H

#include <array>
#include <string>

#include "job/job_state.h"
#include "job/result_code.h"
#include "platform/platform.h"

namespace vxcl {

inline constexpr int kCtSettingCount = 21;
inline constexpr int kCtRecordSize = 39;

// Setting n (1 to 21) out of range gives this plus n (256 to 276).
inline constexpr int kCtSettingOutOfRangeBase = 255;

using CtSettings = std::array<int, kCtSettingCount>;

// The 39-byte record, NUL bytes included. Settings out of range are
// replaced and fail `code` with 255 + their number.
std::string CtSettingsRecord(const CtSettings& settings, CheckCode& code);

// PrnCTDefault: 0 (printer not found), a submission code other than 1, the
// last failing setting's code (256 to 276), or 1. Drops any open job once
// the record was handed to the spooler.
int SendCtDefaults(JobState& job, const Platform& platform,
                   const char* printerName, const CtSettings& settings);

}  // namespace vxcl

#endif
