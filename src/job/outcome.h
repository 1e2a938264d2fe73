// What a call answers: its result code and, where the code needs one, the
// message VxclLastError gives; the rule that the last failing check decides
// the code; and a value or the reason there is none.
#ifndef VXCL_JOB_OUTCOME_H
#define VXCL_JOB_OUTCOME_H

#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "vxclcmd.h"

namespace vxcl {

// A result code with the message that explains it (empty: none). Expected
// failures travel as this value; exceptions are left to the unexpected.
struct Outcome {
  Outcome(VxclResult code = VXCL_OK, std::string message = {})
      : code(code), message(std::move(message)) {}

  VxclResult code;
  std::string message;
};

// Collects a call's checks: each failing check overwrites the code, so the
// last one wins, and adds its message, so the host reads every one of them;
// no failure means success.
class CheckCode {
 public:
  void Fail(VxclResult code, std::string_view message) {
    code_ = code;
    failed_ = true;
    Note(message);
  }
  // A message that leaves the code as it is.
  void Note(std::string_view message) {
    if (message.empty()) return;
    if (!messages_.empty()) messages_ += ". ";
    messages_ += message;
  }
  bool Failed() const { return failed_; }
  VxclResult Code() const { return failed_ ? code_ : VXCL_OK; }
  Outcome Result() const { return Outcome(Code(), messages_); }
  // The checks' code when one failed, else `otherwise`; with the messages.
  Outcome ResultOr(VxclResult otherwise) const {
    return Outcome(failed_ ? code_ : otherwise, messages_);
  }

 private:
  VxclResult code_ = VXCL_OK;
  bool failed_ = false;
  std::string messages_;
};

// A value, or the outcome that explains why there is none.
template <class T>
class [[nodiscard]] Expected {
 public:
  Expected(T value) : state_(std::in_place_index<0>, std::move(value)) {}
  Expected(Outcome failure)
      : state_(std::in_place_index<1>, std::move(failure)) {}

  explicit operator bool() const { return state_.index() == 0; }
  T& operator*() { return std::get<0>(state_); }
  const T& operator*() const { return std::get<0>(state_); }
  T* operator->() { return &std::get<0>(state_); }
  const T* operator->() const { return &std::get<0>(state_); }
  // Only when there is no value.
  Outcome& Failure() { return std::get<1>(state_); }

 private:
  std::variant<T, Outcome> state_;
};

}  // namespace vxcl

#endif
