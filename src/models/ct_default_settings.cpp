#include "models/ct_default_settings.h"

#include "job/commands.h"
#include "models/checked_setting.h"
#include "models/maintenance_job.h"

namespace vxcl {

namespace {

struct CtField {
  int low;
  int high;
  int replacement;
  int bytes;      // 1, or 2 sent most significant byte first
  bool nulAfter;  // a reserved NUL byte follows the field
};

// Settings 1 to 21 in record order, from offset 8.
constexpr CtField kFields[kCtSettingCount] = {
    {0, 4, 2, 1, true},        {0, 2, 0, 1, false},
    {0, 1, 0, 1, true},        {41, 46, 41, 1, false},
    {1, 5, 3, 1, false},       {0, 2, 1, 1, false},
    {0, 1, 1, 1, true},        {0, 1, 0, 1, false},
    {0, 1, 0, 1, false},       {0, 1, 0, 1, false},
    {0, 3200, 3200, 2, false}, {0, 832, 832, 2, false},
    {-792, 792, 0, 2, false},  {-792, 792, 0, 2, false},
    {0, 63, 0, 1, false},      {-99, 99, 0, 1, false},
    {-99, 99, 0, 1, false},    {-99, 99, 0, 1, false},
    {0, 1, 0, 1, false},       {0, 40, 0, 1, false},
    {0, 1, 0, 1, false},
};

// The low eight bits of a value: two's complement for negative ones.
char LowByte(int value) {
  return static_cast<char>(static_cast<unsigned>(value) & 0xFFu);
}

}  // namespace

std::string CtSettingsRecord(const CtSettings& settings, CheckCode& code) {
  std::string record{STX, ESC, 'A', ESC, 'P', 'G', NUL, NUL};
  record.reserve(kCtRecordSize);
  for (int i = 0; i < kCtSettingCount; ++i) {
    const CtField& field = kFields[i];
    const int value = CheckedSetting(
        "Setting" + std::to_string(i + 1),
        settings[static_cast<std::size_t>(i)],
        {field.low, field.high, field.replacement, CtSettingCode(i + 1)}, code);
    if (field.bytes == 2) record += LowByte(value >> 8);
    record += LowByte(value);
    if (field.nulAfter) record += NUL;
  }
  record += std::string{ESC, 'Z', ETX};
  return record;
}

Outcome SendCtDefaults(JobState& job, const Platform& platform,
                       std::string_view printerName,
                       const CtSettings& settings) {
  MaintenanceJob defaults(job, platform);
  Outcome found = defaults.LookUp(printerName, ResolutionTest::None);
  if (found.code != VXCL_OK) return found;
  CheckCode code;
  const std::string record = CtSettingsRecord(settings, code);
  return defaults.Submit(record, code);
}

}  // namespace vxcl
