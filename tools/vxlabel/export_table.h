// The exports a script may call, with their parameter lists taken from the
// public header's declarations.
#ifndef VXLABEL_EXPORT_TABLE_H
#define VXLABEL_EXPORT_TABLE_H

#include <string>
#include <string_view>
#include <vector>

#include "script.h"

namespace vxlabel {

struct ExportSignature {
  std::string_view name;
  // One letter a parameter: s string, c character, i int, u unsigned,
  // d double, p address of a string pointer.
  std::string_view params;
  // Converts the arguments and calls; throws ScriptError when an argument
  // does not fit its parameter.
  int (*invoke)(const Call& call);
  // Every argument that does not fit its parameter, without calling; the
  // count is checked apart.
  void (*checkArguments)(const Call& call, std::vector<ScriptError>& errors);
};

// nullptr for an unknown name.
const ExportSignature* FindExport(std::string_view name);

const std::vector<ExportSignature>& AllExports();

// "PrnQty(int quantity)": the export as the public header declares it.
std::string DeclarationOf(std::string_view name);

// Throws ScriptError when a string argument for a zero-terminated string
// parameter holds a NUL byte, which would cut it short.
void CheckCStrings(const Call& call);

// The names of the job starts and maintenance calls, whose first argument
// is a printer name.
bool TakesPrinterName(std::string_view name);

}  // namespace vxlabel

#endif
