// What a result code means for the function that returned it, read from the
// library's one list of result codes (vxclcmd_results.def).
#ifndef VXLABEL_RESULT_CODES_H
#define VXLABEL_RESULT_CODES_H

#include <string>
#include <string_view>

namespace vxlabel {

enum class CodeKind { Success, Warning, Refusal, Spooler, Extension };

// One row of the list: a code's meaning for the functions it names ("*":
// any function without a row of its own for the number).
struct ResultRow {
  std::string_view name;  // the public name, e.g. "VXCL_BAR_HEIGHT"
  int code;
  CodeKind kind;
  std::string_view calls;  // function names separated by blanks, or "*"
  std::string_view meaning;
};

// The row that explains `code` returned by `exportName`; null when the list
// has none, which no code a function returns may lack.
const ResultRow* FindResultRow(std::string_view exportName, int code);

struct CodeMeaning {
  std::string_view text;
  bool refusal;  // the call did nothing (or the job was not sent)
};

CodeMeaning MeaningOf(std::string_view exportName, int code);

// The reference of every code as a Markdown table, as docs/result-codes.md
// holds it.
std::string ResultCodeTable();

}  // namespace vxlabel

#endif
