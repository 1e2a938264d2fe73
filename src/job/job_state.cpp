#include "job/job_state.h"

namespace vxcl {

void JobState::ResetJob() {
  JobOpen = false;
  JobHeader.clear();
  JobBody.clear();
  QuantityCommand.clear();
  CutCommand.clear();
  ESeriesMode = false;
  Cx208Mode = false;
  BusyCount = 0;
}

JobState& TheJob() {
  static JobState job;
  return job;
}

}  // namespace vxcl
