#include "result_codes.h"

#include <algorithm>
#include <vector>

#include "vxclcmd.h"

namespace vxlabel {

namespace {

// The list's kind tokens.
namespace kinds {
constexpr CodeKind SUCCESS = CodeKind::Success;
constexpr CodeKind WARNING = CodeKind::Warning;
constexpr CodeKind REFUSAL = CodeKind::Refusal;
constexpr CodeKind SPOOLER = CodeKind::Spooler;
constexpr CodeKind EXTENSION = CodeKind::Extension;
}  // namespace kinds

constexpr ResultRow kRows[] = {
#define VXCL_RESULT(name, value, kind, calls, meaning) \
  {#name, value, kinds::kind, calls, meaning},
#define VXCL_RESULT_FOR(name, kind, calls, meaning) \
  {#name, name, kinds::kind, calls, meaning},
#include "vxclcmd_results.def"
#undef VXCL_RESULT
#undef VXCL_RESULT_FOR
};

bool Names(std::string_view list, std::string_view name) {
  while (!list.empty()) {
    const std::size_t blank = list.find(' ');
    if (list.substr(0, blank) == name) return true;
    if (blank == std::string_view::npos) break;
    list.remove_prefix(blank + 1);
  }
  return false;
}

std::string_view KindName(CodeKind kind) {
  switch (kind) {
    case CodeKind::Success:
      return "success";
    case CodeKind::Warning:
      return "warning";
    case CodeKind::Refusal:
      return "refusal";
    case CodeKind::Spooler:
      return "spooler failure";
    case CodeKind::Extension:
      return "extension";
  }
  return "";
}

// "`PrnInit`, `PrnInitESeries`", or "any call".
std::string CallList(std::string_view calls) {
  if (calls == "*") return "any call";
  std::string text;
  while (!calls.empty()) {
    const std::size_t blank = calls.find(' ');
    if (!text.empty()) text += ", ";
    text += "`" + std::string(calls.substr(0, blank)) + "`";
    if (blank == std::string_view::npos) break;
    calls.remove_prefix(blank + 1);
  }
  return text;
}

}  // namespace

const ResultRow* FindResultRow(std::string_view exportName, int code) {
  const ResultRow* general = nullptr;
  for (const ResultRow& row : kRows) {
    if (row.code != code) continue;
    if (Names(row.calls, exportName)) return &row;
    if (row.calls == "*") general = &row;
  }
  return general;
}

CodeMeaning MeaningOf(std::string_view exportName, int code) {
  const ResultRow* row = FindResultRow(exportName, code);
  if (!row) return {"unknown result code", true};
  return {row->meaning,
          row->kind != CodeKind::Success && row->kind != CodeKind::Warning};
}

std::string ResultCodeTable() {
  std::vector<const ResultRow*> rows;
  for (const ResultRow& row : kRows) rows.push_back(&row);
  std::stable_sort(
      rows.begin(), rows.end(),
      [](const ResultRow* a, const ResultRow* b) { return a->code < b->code; });
  std::string table =
      "| Code | Name | Kind | Returned by | Meaning |\n"
      "|---|---|---|---|---|\n";
  for (const ResultRow* row : rows) {
    std::string meaning(row->meaning);
    // A bar would end the cell.
    for (std::size_t at = 0; (at = meaning.find('|', at)) != std::string::npos;
         at += 2)
      meaning.replace(at, 1, "\\|");
    table += "| " + std::to_string(row->code) + " | `" +
             std::string(row->name) + "` | " +
             std::string(KindName(row->kind)) + " | " + CallList(row->calls) +
             " | " + meaning + " |\n";
  }
  return table;
}

}  // namespace vxlabel
