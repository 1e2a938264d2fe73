// A whole script checked before anything is called: every line that cannot
// be called as written, so that a faulty script prints nothing at all.
#ifndef VXLABEL_SCRIPT_CHECK_H
#define VXLABEL_SCRIPT_CHECK_H

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "script.h"

namespace vxlabel {

// Syntax errors, unknown functions (with the nearest names), wrong
// argument counts and arguments of the wrong kind (with the parameter
// list), in the order of the lines. Data placeholders (`{column}`) are
// errors unless `dataPlaceholders`; their arguments are checked per row.
std::vector<ScriptError> CheckScript(const ScriptReading& reading,
                                     bool dataPlaceholders = false);

// Reads and checks the script file. Writes each error as
// "FILE:LINE:COLUMN: message" to `err` and returns nullopt when there is
// any, or when the file cannot be read.
std::optional<std::vector<Call>> LoadScript(const std::string& path,
                                            std::ostream& err,
                                            bool dataPlaceholders = false);

}  // namespace vxlabel

#endif
