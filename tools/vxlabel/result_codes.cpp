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
    {0, "PrnUCC128", "no job is open, or the data is not 17 bytes long", true},
    {0, "", "no job is open; nothing was done", true},
    {1, "", "success", false},
    {2, "", "another job start is in progress", true},
    {3, "", "printer not found", true},
    {4, "", "printer resolution below 4 dots per millimetre", true},
    {5, "PrnEnd", "no quantity was set; nothing sent", true},
    {5, "", "quantity out of range; 1 used", false},
    {6, "", "a count outside 0..9999; taken as 0", false},
    {7, "PrnUCC128",
     "direction out of range; 0 used (nothing added when the data is not 17 "
     "bytes long)",
     false},
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
    {32, "",
     "barcode type not accepted; an error text printed as a Code 39 barcode",
     false},
    {33, "", "ratio selector not 1..3; 1:2 used", false},
    {34, "", "bar height outside 1..600 dots; 10 mm used", false},
    {35, "", "narrow-bar width outside 1..12; 1 used", false},
    {36, "", "an element width outside 1..99; 1 used", false},
    {37, "", "expansion outside 1..12; 1 used", false},
    {38, "", "mode outside 0..2; 2 used", false},
    {40, "", "unknown application identifier; nothing added", true},
    {41, "", "a value's length breaks its identifier's rule; nothing added",
     true},
    {42, "", "non-digit in a digits-only value; nothing added", true},
    {43, "", "application identifier data malformed; nothing added", true},
    {80, "", "line direction not 0 or 1; horizontal used", false},
    {81, "", "a line width not 1..99; 1 used", false},
    {96, "", "PDF417 variant outside 0..2; 0 used", false},
    {97, "", "PDF417 module width outside 3..9; 3 used", false},
    {98, "", "PDF417 row height outside 4..24; 4 used", false},
    {99, "", "PDF417 security level outside 1..8; 1 used", false},
    {100, "", "PDF417 columns outside 0..30; 0 used", false},
    {101, "", "PDF417 rows not 0 or 3..40; 0 used", false},
    {102, "", "PDF417 data empty or longer than 2700 bytes; nothing added",
     true},
    {112, "", "Data Matrix format identifier not ending in 1..6; 1 used",
     false},
    {113, "",
     "Data Matrix error-correction level not 0, 5, 8, 10, 14, 20; 0 used",
     false},
    {114, "", "Data Matrix cell size outside 3..12; 3 used", false},
    {115, "", "Data Matrix option outside 1..15; 1 used", false},
    {116, "", "Data Matrix data empty or longer than 500 bytes; nothing added",
     true},
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
