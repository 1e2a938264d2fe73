// `vxlabel check`: runs a script on virtual printers, draws every label it
// sends and reports, line by line, what would waste labels.
#ifndef VXLABEL_CHECK_COMMAND_H
#define VXLABEL_CHECK_COMMAND_H

#include <iosfwd>
#include <optional>
#include <string>

#include "run_command.h"

namespace vxlabel {

struct CheckOptions {
  std::string script;
  VirtualMetrics printer;                 // every printer the script names
  std::optional<std::string> previewDir;  // keep the pictures there
};

// Writes one line a finding, "FILE:LINE: KIND: message", then a summary.
// Returns the process exit code: 0 when clean, 1 with findings, 2 when the
// script cannot run.
int CheckScriptFile(const CheckOptions& options, std::ostream& out,
                    std::ostream& err);

}  // namespace vxlabel

#endif
