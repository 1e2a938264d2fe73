// The CT default-settings job: one "PG" command carrying 21 settings as raw
// bytes, sent at once outside the label job cycle.
#ifndef VXCL_MODELS_CT_DEFAULT_SETTINGS_H
#define VXCL_MODELS_CT_DEFAULT_SETTINGS_H

#include <array>
#include <string>
#include <string_view>

#include "job/job_state.h"
#include "job/outcome.h"

namespace vxcl {

struct Platform;

inline constexpr int kCtSettingCount = 21;
inline constexpr int kCtRecordSize = 39;

// Setting n (1 to 21) out of range: VXCL_CT_SETTING_1 to VXCL_CT_SETTING_21.
inline VxclResult CtSettingCode(int n) {
  return static_cast<VxclResult>(VXCL_CT_SETTING(n));
}

using CtSettings = std::array<int, kCtSettingCount>;

// The 39-byte record, NUL bytes included. Settings out of range are
// replaced and fail `code` with 255 + their number.
std::string CtSettingsRecord(const CtSettings& settings, CheckCode& code);

// PrnCTDefault: 0 (printer not found), a submission code other than 1, the
// last failing setting's code (256 to 276), or 1. Drops any open job once
// the record was handed to the spooler.
Outcome SendCtDefaults(JobState& job, const Platform& platform,
                       std::string_view printerName,
                       const CtSettings& settings);

}  // namespace vxcl

#endif
