// The one process-wide record of the label job in progress.
#ifndef VXCL_JOB_JOB_STATE_H
#define VXCL_JOB_JOB_STATE_H

#include <cstddef>
#include <string>
#include <vector>

namespace vxcl {

// The printers a label job is built for. CL is also the family of a closed
// job.
enum class PrinterFamily { CL, ESeries, CX208, CT400 };

// A TrueType text that did not print quite as asked: characters no
// installed face has (printed as the face's missing-glyph shape), or a face
// name that was replaced. Kept for the preview's findings.
struct TextNote {
  std::size_t bodyOffset = 0;  // where the text's element starts in body
  std::string faceAsked;       // UTF-8, as the host named it
  std::string faceUsed;        // the family name of the face drawn
  bool faceReplaced = false;
  std::u32string undrawable;  // each character once
};

// Every command string is a counted byte string: any byte, NUL included.
struct JobState {
  bool open = false;
  int busyCount = 0;  // job starts in their first steps
  PrinterFamily family = PrinterFamily::CL;
  std::string printerName;  // as the host gave it
  std::string destination;  // the installed printer it matched: jobs go there
  int dotsPerMm = 0;
  int maxWidthDots = 0;
  int maxHeightDots = 0;
  int labelWidthDots = 0;
  int labelHeightDots = 0;
  int mediaOffsetDots = 0;
  int shiftDots = 0;
  std::string settingsCommand;
  std::string header;
  std::string body;
  std::string cutCommand;
  std::string quantityCommand;
  std::vector<TextNote> textNotes;  // in the order of the body

  // CX208 and CT400 labels are centred on the print head.
  bool CentresLabel() const {
    return family == PrinterFamily::CX208 || family == PrinterFamily::CT400;
  }

  // Empties the job's commands and closes it: what a job start does before
  // its lookup, and what the job end and maintenance jobs do.
  void Reset();
};

// The job of this process. Lives from library load to unload; at unload its
// strings are released and an open job is dropped unsent.
JobState& TheJob();

}  // namespace vxcl

#endif
