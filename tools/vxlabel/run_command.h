// `vxlabel run`: runs a label script against a printer.
#ifndef VXLABEL_RUN_COMMAND_H
#define VXLABEL_RUN_COMMAND_H

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "script.h"

#include "data_run.h"

namespace vxlabel {

struct VirtualMetrics {
  int dotsPerInch = 203;
  int maxWidthMm = 104;
  int maxHeightMm = 1000;
};

struct RunOptions {
  std::string script;
  std::optional<std::string> printer;            // replaces the script's names
  std::optional<VirtualMetrics> virtualPrinter;  // print to virtual printers
  std::optional<std::string> outDir;             // where received jobs go
  std::optional<std::string> previewDir;         // where their pictures go
  std::optional<DataOptions> data;  // once per row of a CSV file (script
                                    // and data file named there)
  bool keepGoing = false;                        // past a job start that failed
};

// Parses "DPI:WIDTH_MM:HEIGHT_MM"; nullopt when malformed.
std::optional<VirtualMetrics> ParseVirtualMetrics(const std::string& text);

// Checks the whole script first and calls nothing when a line is wrong.
// Returns the process exit code: 0 when every call succeeded or warned, 1
// when a call was refused or a job was left open, 2 on a script or file
// error.
int RunScript(const RunOptions& options, std::ostream& out, std::ostream& err);

// Creates the folder (and its parents); false, with the reason on `err`,
// when it cannot be made.
bool MakeFolder(const std::string& dir, const char* option, std::ostream& err);

// Adds a virtual printer of these metrics for every printer the script
// names; the names added.
std::vector<std::string> AddVirtualPrinters(const std::vector<Call>& calls,
                                            const VirtualMetrics& metrics);

// The printer a job start call names ("" for others).
std::string PrinterOf(const Call& call);

}  // namespace vxlabel

#endif
