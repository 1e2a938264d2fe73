#include "result_codes.h"

namespace vxlabel {

namespace {

struct Row {
  int code;
  std::string_view exports;  // space-separated; empty: any export
  std::string_view text;
  bool refusal;
};

// More specific rows stand before the general row of the same code.
constexpr Row kCodes[] = {
    {0, "", "no job is open; nothing was done", true},
    {1, "", "success", false},
    {2, "", "another job start is in progress", true},
    {3, "", "printer not found", true},
    {4, "", "printer resolution below 4 dots per millimetre", true},
    {5, "PrnEnd", "no quantity was set; nothing sent", true},
    {5, "", "quantity out of range; 1 used", false},
    {6, "", "a count outside 0..9999; taken as 0", false},
    {7, "", "direction or rotation out of range; 0 used", false},
    {11, "",
     "label width negative or wider than the printer; printer width used",
     false},
    {12, "", "label height negative or longer than the printer; 200 dots used",
     false},
    {19, "", "shift more than half the printable width; 0 used", false},
    {31, "",
     "failure inside the library (out of memory or system error); nothing "
     "added",
     true},
    {48, "", "picture file name is a null pointer; nothing added", true},
    {49, "", "no picture file of that name; nothing added", true},
    {50, "",
     "picture file unreadable or unsupported; nothing added (see "
     "VxclLastError)",
     true},
    {51, "", "picture size converts to no dots; nothing added", true},
    {80, "", "line direction not 0 or 1; horizontal used", false},
    {81, "", "a line width not 1..99; 1 used", false},
    {144, "", "no printer name; sent to the default printer", false},
    {145, "", "the printer could not be opened", true},
    {146, "", "the spooler refused to start the document", true},
    {147, "", "writing the data failed", true},
    {148, "", "fewer bytes were written than the data holds", true},
    {149, "", "the spooler refused to end the page", true},
    {150, "", "the spooler refused to end the document", true},
};

bool Names(std::string_view list, std::string_view name) {
  while (!list.empty()) {
    const std::size_t space = list.find(' ');
    if (list.substr(0, space) == name) return true;
    if (space == std::string_view::npos) break;
    list.remove_prefix(space + 1);
  }
  return false;
}

}  // namespace

CodeMeaning MeaningOf(std::string_view exportName, int code) {
  for (const Row& row : kCodes)
    if (row.code == code &&
        (row.exports.empty() || Names(row.exports, exportName)))
      return {row.text, row.refusal};
  return {"unknown result code", true};
}

}  // namespace vxlabel
