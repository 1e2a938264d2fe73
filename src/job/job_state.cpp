#include "job/job_state.h"

namespace vxcl {

void JobState::Reset() {
  open = false;
  header.clear();
  body.clear();
  textNotes.clear();
  quantityCommand.clear();
  cutCommand.clear();
  family = PrinterFamily::CL;
  busyCount = 0;
}

JobState& TheJob() {
  static JobState job;
  return job;
}

}  // namespace vxcl
