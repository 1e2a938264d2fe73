// Opening a label job: the steps every job start shares, and the job start
// of CL/CLe and e-series printers.
#ifndef VXCL_JOB_JOB_START_H
#define VXCL_JOB_JOB_START_H

#include "job/job_state.h"
#include "job/result_code.h"
#include "platform/platform.h"

namespace vxcl {

inline constexpr int kLabelWidthOutOfRange = 11;
inline constexpr int kLabelHeightOutOfRange = 12;
inline constexpr int kShiftOutOfRange = 19;

// The busy guard, the job reset, the printer name, the lookup and the
// resolution test. Returns 1 when the job may open; 2, 3 or 4 otherwise,
// with the job closed (and on 2 nothing touched but BusyCount). A lookup
// error is recorded for VxclLastError and answered with 3.
int BeginJobStart(JobState& job, const Platform& platform,
                  const char* printerName);

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

enum class LabelPrinter { CL, ESeries };

// PrnInit and PrnInitESeries.
int InitLabelJob(JobState& job, const Platform& platform, LabelPrinter model,
                 const char* printerName, int darkness, int speed,
                 double labelWidth, double labelHeight, double shift);

}  // namespace vxcl

#endif
