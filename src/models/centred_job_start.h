// The first steps of the CX208 and CT400 job starts: the shared job start,
// then a label centred across the print head.
#ifndef VXCL_MODELS_CENTRED_JOB_START_H
#define VXCL_MODELS_CENTRED_JOB_START_H

#include <string_view>

#include "job/job_state.h"
#include "job/outcome.h"

namespace vxcl {

struct Platform;

// Runs the shared job start; when it fails returns its outcome with the job
// closed. Otherwise opens the job for `family`, converts and checks the
// label size (codes 11, 12 into `code`), sets mediaOffsetDots to half the
// printable width the label leaves free, and returns VXCL_OK.
Outcome BeginCentredJob(JobState& job, const Platform& platform,
                        PrinterFamily family, std::string_view printerName,
                        double labelWidth, double labelHeight, CheckCode& code);

}  // namespace vxcl

#endif
