// `vxlabel run --data`: a script once per CSV row, the rows' labels sent
// together in batches.
#ifndef VXLABEL_DATA_RUN_H
#define VXLABEL_DATA_RUN_H

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "script.h"

namespace vxlabel {

struct RowRange {
  long first = 1;  // data rows, 1: the first under the header
  long last = 0;   // 0: to the end
};

struct DataOptions {
  std::string script;
  std::string dataFile;
  std::optional<RowRange> rows;
  long batchSize = 0;     // rows per spool job; 0: all in one
  bool progress = false;  // a progress line on stderr (a terminal)
};

// "N", "N-M" or "N-"; nullopt when malformed or not 1 <= N <= M.
std::optional<RowRange> ParseRowRange(const std::string& text);

// Checks every selected row before anything is sent (exit code 2 on a data
// or script fault, nothing sent), then runs them. Returns 0, 1 when a call
// was refused or a batch could not be sent (that batch is cancelled), or 2.
int RunDataRows(const DataOptions& options, const std::vector<Call>& calls,
                std::ostream& out, std::ostream& err);

}  // namespace vxlabel

#endif
