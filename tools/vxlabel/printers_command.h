// `vxlabel printers`: every printer the library sees, with what a job start
// reads from it.
#ifndef VXLABEL_PRINTERS_COMMAND_H
#define VXLABEL_PRINTERS_COMMAND_H

#include <iosfwd>

namespace vxlabel {

// One line per printer: its metrics, or why it cannot be used. Returns the
// process exit code: 0, or 1 when no printer list can be read.
int ListPrinters(std::ostream& out, std::ostream& err);

}  // namespace vxlabel

#endif
