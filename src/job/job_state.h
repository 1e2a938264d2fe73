// The one process-wide record of the label job in progress.
#ifndef VXCL_JOB_JOB_STATE_H
#define VXCL_JOB_JOB_STATE_H

#include <string>

namespace vxcl {

// Every command string is a counted byte string: any byte, NUL included.
struct JobState {
  bool JobOpen = false;
  int BusyCount = 0;
  bool ESeriesMode = false;
  bool Cx208Mode = false;
  int ApplyMediaOffset = 0;
  std::string PrinterName;
  int DotsPerMm = 0;
  int MaxWidthDots = 0;
  int MaxHeightDots = 0;
  int LabelWidthDots = 0;
  int LabelHeightDots = 0;
  int MediaOffsetDots = 0;
  int ShiftDots = 0;
  std::string SettingsCommand;
  std::string JobHeader;
  std::string JobBody;
  std::string CutCommand;
  std::string QuantityCommand;

  // Empties the job's commands and clears its mode flags: what a job start
  // does before its lookup, and what the job end and maintenance jobs do.
  void ResetJob();
};

// The job of this process. Lives from library load to unload; at unload its
// strings are released and an open job is dropped unsent.
JobState& TheJob();

}  // namespace vxcl

#endif
