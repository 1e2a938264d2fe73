// The library's own error classes. Each carries its message and the result
// code the failing step recorded, so the export that catches it can return
// that code.
#ifndef VXCL_JOB_ERRORS_H
#define VXCL_JOB_ERRORS_H

#include <stdexcept>
#include <string>

namespace vxcl {

// A printer lookup or a spooler step failed.
class ERAWPrintError : public std::runtime_error {
 public:
  ERAWPrintError(int code, const std::string& message)
      : std::runtime_error(message), code_(code) {}
  int code() const noexcept { return code_; }

 private:
  int code_;
};

// The printer cannot be opened, or there is no default printer.
class ERAWPrintErrorPrinterName : public ERAWPrintError {
 public:
  using ERAWPrintError::ERAWPrintError;
};

}  // namespace vxcl

#endif
