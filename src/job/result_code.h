// Result codes shared by every call, and the rule that the last failing
// check decides the code.
#ifndef VXCL_JOB_RESULT_CODE_H
#define VXCL_JOB_RESULT_CODE_H

namespace vxcl {

inline constexpr int kNoJob = 0;
inline constexpr int kSuccess = 1;
inline constexpr int kBusy = 2;
inline constexpr int kPrinterNotFound = 3;
inline constexpr int kResolutionTooLow = 4;
inline constexpr int kDirectionOutOfRange = 7;
inline constexpr int kInternalFailure = 31;

// Collects a call's checks: each failing check overwrites the code, so the
// last one wins; no failure means success.
class CheckCode {
 public:
  void Fail(int code) { code_ = code; }
  bool Failed() const { return code_ != 0; }
  int Result() const { return code_ != 0 ? code_ : kSuccess; }

 private:
  int code_ = 0;
};

}  // namespace vxcl

#endif
