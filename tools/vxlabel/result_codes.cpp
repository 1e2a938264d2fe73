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
    {0, "PrnCXCalibrate PrnCTDefault", "printer not found; nothing sent", true},
    {0, "VxclVirtualJobPreview", "no such printer or job; nothing drawn", true},
    {0, "", "no job is open; nothing was done", true},
    {1, "", "success", false},
    {2, "", "another job start is in progress", true},
    {3, "", "printer not found", true},
    {4, "", "printer resolution below 4 dots per millimetre", true},
    {5, "PrnEnd", "no quantity was set; nothing sent", true},
    {5, "", "quantity out of range; 1 used", false},
    {6, "", "a count outside 0..9999; taken as 0", false},
    {7, "PrnTrueTypeFont",
     "rotation not 0..3, 90, 180 or 270; 0 used (unturned)", false},
    {7, "PrnUCC128",
     "direction out of range; 0 used (nothing added when the data is not 17 "
     "bytes long)",
     false},
    {7, "", "direction or rotation out of range; 0 used", false},
    {8, "PrnInitCT400", "\"YE\" value not 0..1; 0 used", false},
    {9, "PrnInitCT400", "\"PH\" value not 0..1; 0 used", false},
    {10, "PrnInitCT400", "darkness letter not A..F; A used", false},
    {11, "",
     "label width negative or wider than the printer; printer width used",
     false},
    {12, "", "label height negative or longer than the printer; 200 dots used",
     false},
    {13, "PrnInitCT400", "\"PM\" value not 0..8; 1 used", false},
    {13, "PrnInitCX208 PrnCXCalibrate", "\"CP\" value not 0..1; 1 used", false},
    {14, "PrnInitCT400", "\"IG\" value not 0..2; 0 used", false},
    {14, "PrnInitCX208 PrnCXCalibrate", "\"CI\" value not 0..2; 0 used", false},
    {15, "PrnInitCX208 PrnCXCalibrate", "\"CE\" value not 0..1; 0 used", false},
    {16, "PrnInitCX208 PrnCXCalibrate",
     "first \"CD\" value not 0..400; 200 used", false},
    {17, "PrnInitCX208 PrnCXCalibrate",
     "second \"CD\" value not 0..6000; 3300 used", false},
    {18, "PrnInitCT400", "\"PO\" value not -99..99; 19 used", false},
    {18, "PrnInitCX208 PrnCXCalibrate", "\"CB\" value not -98..98; 19 used",
     false},
    {19, "", "shift more than half the printable width; 0 used", false},
    {31, "PrnTrueTypeFont",
     "text too large to draw, or the font could not be drawn; nothing added "
     "(see VxclLastError)",
     true},
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
    {48, "", "picture file name is a null pointer; nothing added", true},
    {49, "", "no picture file of that name; nothing added", true},
    {50, "",
     "picture file unreadable or unsupported; nothing added (see "
     "VxclLastError)",
     true},
    {51, "", "picture size converts to no dots; nothing added", true},
    {64, "", "font type not \"A\" or \"B\"; \"A\" used", false},
    {65, "", "option not 0 or 1; 0 used", false},
    {66, "", "pitch not 0..99; 0 used", false},
    {67, "", "horizontal expansion not 1..12; 1 used", false},
    {68, "", "vertical expansion not 1..12; 1 used", false},
    {69, "PrnVectorFont", "character width not 50..999; 50 used", false},
    {69, "PrnAGFARasterFont", "character width not 16..999; 16 used", false},
    {70, "PrnVectorFont", "character height not 50..999; 50 used", false},
    {70, "PrnAGFARasterFont", "character height not 16..999; 16 used", false},
    {71, "", "variation not 0..9; 0 used", false},
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
    {160, "", "the PNG file name is null or empty; nothing drawn", true},
    {161, "",
     "resolution, head width or label size out of range, or the picture "
     "too large; nothing drawn",
     true},
    {162, "", "the PNG could not be written (see VxclLastError)", true},
    {256, "PrnCTDefault", "setting 1 not 0..4; 2 used", false},
    {257, "PrnCTDefault", "setting 2 not 0..2; 0 used", false},
    {258, "PrnCTDefault", "setting 3 not 0..1; 0 used", false},
    {259, "PrnCTDefault", "setting 4 not 41..46; 41 used", false},
    {260, "PrnCTDefault", "setting 5 not 1..5; 3 used", false},
    {261, "PrnCTDefault", "setting 6 not 0..2; 1 used", false},
    {262, "PrnCTDefault", "setting 7 not 0..1; 1 used", false},
    {263, "PrnCTDefault", "setting 8 not 0..1; 0 used", false},
    {264, "PrnCTDefault", "setting 9 not 0..1; 0 used", false},
    {265, "PrnCTDefault", "setting 10 not 0..1; 0 used", false},
    {266, "PrnCTDefault", "setting 11 not 0..3200; 3200 used", false},
    {267, "PrnCTDefault", "setting 12 not 0..832; 832 used", false},
    {268, "PrnCTDefault", "setting 13 not -792..792; 0 used", false},
    {269, "PrnCTDefault", "setting 14 not -792..792; 0 used", false},
    {270, "PrnCTDefault", "setting 15 not 0..63; 0 used", false},
    {271, "PrnCTDefault", "setting 16 not -99..99; 0 used", false},
    {272, "PrnCTDefault", "setting 17 not -99..99; 0 used", false},
    {273, "PrnCTDefault", "setting 18 not -99..99; 0 used", false},
    {274, "PrnCTDefault", "setting 19 not 0..1; 0 used", false},
    {275, "PrnCTDefault", "setting 20 not 0..40; 0 used", false},
    {276, "PrnCTDefault", "setting 21 not 0..1; 0 used", false},
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
