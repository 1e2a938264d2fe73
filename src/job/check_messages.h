// The wording of the checks' messages, so every call says alike what it was
// given, what is allowed and what it used instead.
#ifndef VXCL_JOB_CHECK_MESSAGES_H
#define VXCL_JOB_CHECK_MESSAGES_H

#include <string>
#include <string_view>

namespace vxcl {

// "ARGUMENT GIVEN is not ALLOWED; USED used".
std::string Replaced(std::string_view argument, std::string_view given,
                     std::string_view allowed, std::string_view used);

// "LOW to HIGH".
std::string Span(long long low, long long high);

// A whole number, and millimetres as the host gave them ("12.5 mm").
std::string Number(long long value);
std::string Millimetres(double mm);

// A host's character in quotes, control and non-ASCII bytes in the byte
// notation of the dumps ("\"a\"", "\"<ESC>\"").
std::string QuotedByte(char byte);

// A host's data in quotes, in the byte notation of the dumps, cut after 40
// bytes ("...").
std::string QuotedExcerpt(std::string_view bytes);

// A host's name (printer, file) in quotes, read in the host's code page.
std::string QuotedName(std::string_view hostText);

}  // namespace vxcl

#endif
