// Opening a label job: the steps every job start shares, and the job start
// of CL/CLe and e-series printers.
#ifndef VXCL_JOB_JOB_START_H
#define VXCL_JOB_JOB_START_H

#include <string_view>

#include "job/job_state.h"
#include "job/outcome.h"

namespace vxcl {

struct Platform;

// The busy guard, the job reset, the printer name, the lookup and the
// resolution test. VXCL_OK when the job may open; VXCL_BUSY,
// VXCL_PRINTER_NOT_FOUND (with the lookup's message) or
// VXCL_RESOLUTION_TOO_LOW otherwise, with the job closed (and on busy
// nothing touched but busyCount).
Outcome BeginJobStart(JobState& job, const Platform& platform,
                      std::string_view printerName);

// Leaves a job start that failed half-way (an exception) closed and
// unguarded.
void CloseFailedStart(JobState& job);

// Converts and checks the label size (codes 11, then 12).
void CheckLabelSize(JobState& job, double widthMm, double heightMm,
                    CheckCode& code);

// Converts and checks the shift: more than half the printable width gives
// 0 and code 19; there is no lower bound.
void CheckShift(JobState& job, double shiftMm, CheckCode& code);

// Labels longer than 178 mm need the long print-area command.
bool IsLongLabel(const JobState& job);

// PrnInit (family CL) and PrnInitESeries (family ESeries).
Outcome OpenLabelJob(JobState& job, const Platform& platform,
                     PrinterFamily family, std::string_view printerName,
                     int darkness, int speed, double labelWidth,
                     double labelHeight, double shift);

}  // namespace vxcl

#endif
