// The library's error messages, as UTF-8 text. They keep their original
// Traditional Chinese wording; the quotation marks around a placeholder are
// part of the message. A placeholder's host text is turned into UTF-8.
#ifndef VXCL_JOB_MESSAGES_H
#define VXCL_JOB_MESSAGES_H

#include <string>
#include <string_view>

namespace vxcl {

inline constexpr std::string_view kPrinterNotValid =
    "Printer selected is not valid.....";

// "The selected "%s" printer cannot be used."
std::string PrinterUnusableMessage(std::string_view printerName);

// "There is no default printer."
inline constexpr std::string_view kNoDefaultPrinter = "無預設印表機.";

// "An error occurred while printing the "%s" document."
std::string DocumentFailedMessage(std::string_view documentName);

}  // namespace vxcl

#endif
