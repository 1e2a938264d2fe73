// libFuzzer target: PrnPDF417's control escapes and its checks. The
// conversion leaves no escape behind and changes nothing on a second pass;
// the command counts the converted bytes it carries.
#include <cstddef>
#include <cstdint>
#include <string>

#include "barcode/pdf417.h"
#include "fuzz_job.h"
#include "job/commands.h"

using vxcl::fuzz::Require;

namespace {

bool IsHex(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') ||
         (c >= 'A' && c <= 'F');
}

// "&h" or "&H" and two hexadecimal digits of a value 1 to 31.
bool HasEscape(const std::string& text) {
  for (std::size_t i = 0; i + 3 < text.size(); ++i) {
    if (text[i] != '&' || (text[i + 1] != 'h' && text[i + 1] != 'H') ||
        !IsHex(text[i + 2]) || !IsHex(text[i + 3]))
      continue;
    const int value = std::stoi(text.substr(i + 2, 2), nullptr, 16);
    if (value >= 1 && value <= 31) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  FuzzedDataProvider in(data, size);
  vxcl::JobState job = vxcl::fuzz::OpenJobState();
  const int direction = vxcl::fuzz::SmallOrAnyInt(in);
  vxcl::Pdf417Settings settings;
  for (int* value :
       {&settings.variant, &settings.moduleWidth, &settings.rowHeight,
        &settings.securityLevel, &settings.columns, &settings.rows})
    *value = vxcl::fuzz::SmallOrAnyInt(in);
  const std::string text = in.ConsumeRemainingBytesAsString();

  const std::string converted = vxcl::ConvertControlEscapes(text);
  Require(converted.size() <= text.size());
  Require(!HasEscape(converted));
  Require(vxcl::ConvertControlEscapes(converted) == converted);

  const int result =
      vxcl::AddPdf417(job, direction, 1.0, 2.0, settings, text).code;
  if (result == VXCL_PDF417_DATA) {
    Require(converted.empty() || converted.size() > vxcl::kPdf417MaxData);
    Require(job.body.empty());
    return 0;
  }
  Require(result == 1 || result == 7 ||
          (result >= VXCL_PDF417_VARIANT && result <= VXCL_PDF417_ROWS));
  const std::string length =
      vxcl::ZeroPadded(static_cast<long long>(converted.size()), 4);
  Require(job.body.find(length + converted) != std::string::npos);
  return 0;
}
