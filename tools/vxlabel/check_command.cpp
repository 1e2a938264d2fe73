#include "check_command.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <ostream>
#include <set>
#include <vector>

#include "export_table.h"
#include "job_tracker.h"
#include "result_codes.h"
#include "script_check.h"
#include "vxclcmd.h"

namespace vxlabel {

namespace {

struct Report {
  int line = 0;
  std::string kind;
  std::string message;
};

const char* KindName(int kind) {
  switch (kind) {
    case VXCL_FOUND_OUTSIDE_LABEL:
      return "outside-label";
    case VXCL_FOUND_PARTLY_OUTSIDE:
      return "partly-outside";
    case VXCL_FOUND_BARCODE_CUT:
      return "barcode-cut";
    case VXCL_FOUND_BARCODE_OVERLAP:
      return "barcode-overlap";
    case VXCL_FOUND_UNDRAWABLE_TEXT:
      return "undrawable-text";
    case VXCL_FOUND_FACE_REPLACED:
      return "face-replaced";
    case VXCL_FOUND_DATA_MATRIX_ECC:
      return "data-matrix-ecc";
    case VXCL_FOUND_BARCODE_TYPE:
      return "barcode-type";
    case VXCL_FOUND_NEGATIVE_SIZE:
      return "negative-size";
    default:
      return "finding";
  }
}

// A scratch folder for the pictures, removed with this object.
class ScratchFolder {
 public:
  ScratchFolder() {
    path_ = std::filesystem::temp_directory_path() /
            ("vxlabel-check-" + std::to_string(getpid()));
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  std::string Path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

const Call* CallOfLine(const SentJob& job, int line) {
  if (job.start->line == line) return job.start;
  for (const Call* call : job.elements)
    if (call->line == line) return call;
  return job.end;
}

// The preview's findings for one sent job, each on its script line.
bool ReviewJob(const SentJob& job, int number, const CheckOptions& options,
               const std::string& dir, std::vector<Report>& reports,
               std::ostream& err) {
  const std::string png =
      (std::filesystem::path(dir) / (std::to_string(number) + ".png")).string();
  const int drawn =
      VxclVirtualJobPreview(job.printer.c_str(), job.index, png.c_str());
  if (drawn != VXCL_OK) {
    err << options.script << ":" << job.end->line
        << ": the label could not be drawn: " << drawn << " ("
        << MeaningOf("VxclVirtualJobPreview", drawn).text << ")\n";
    return false;
  }
  const VirtualMetrics& m = options.printer;
  const std::optional<JobLayout> layout =
      ReplayLayout(job, m.dotsPerInch, m.maxWidthMm, m.maxHeightMm);
  const int count = VxclPreviewFindingCount();
  for (int i = 0; i < count; ++i) {
    int fields[VXCL_FINDING_FIELDS] = {};
    const int length =
        VxclPreviewFinding(i, fields, VXCL_FINDING_FIELDS, nullptr, 0);
    if (length < 0) continue;
    std::string message(static_cast<std::size_t>(length) + 1, '\0');
    VxclPreviewFinding(i, nullptr, 0, message.data(), length + 1);
    message.resize(static_cast<std::size_t>(length));
    const auto lineOf = [&](int offset) {
      return layout ? LineOfOffset(job, *layout, offset) : job.start->line;
    };
    const int line = lineOf(fields[VXCL_FINDING_OFFSET]);
    if (fields[VXCL_FINDING_KIND] == VXCL_FOUND_BARCODE_OVERLAP) {
      // The other element by its line, not by its byte.
      const int other = lineOf(fields[VXCL_FINDING_OTHER_OFFSET]);
      message = "the barcode overlaps the " + CallOfLine(job, other)->name +
                " of line " + std::to_string(other) +
                ": the symbol may not scan";
    }
    reports.push_back({line, KindName(fields[VXCL_FINDING_KIND]), message});
  }
  return true;
}

// The calling thread's message from the library, empty when none.
std::string LastErrorText() {
  char buffer[1024];
  const int length = VxclLastError(buffer, sizeof buffer);
  return length > 0 ? std::string(buffer) : std::string();
}

}  // namespace

int CheckScriptFile(const CheckOptions& options, std::ostream& out,
                    std::ostream& err) {
  std::optional<std::vector<Call>> loaded = LoadScript(options.script, err);
  if (!loaded) return 2;
  const std::vector<Call>& calls = *loaded;
  if (options.previewDir && !MakeFolder(*options.previewDir, "--preview", err))
    return 2;
  const std::vector<std::string> printers =
      AddVirtualPrinters(calls, options.printer);

  std::vector<Report> reports;
  std::map<int, Report> results;  // a line's result other than success
  JobTracker jobs;
  for (const Call& call : calls) {
    const int result = FindExport(call.name)->invoke(call);
    if (result != VXCL_OK && call.name.starts_with("Prn"))
      results[call.line] = {call.line, "result",
                            call.name + " -> " + std::to_string(result) + " (" +
                                std::string(MeaningOf(call.name, result).text) +
                                ")"};
    // Text that printed, but not as asked: a face replaced by another, or
    // characters no installed face has; the library's message says which.
    if (result == VXCL_OK && call.name == "PrnTrueTypeFont")
      if (const std::string note = LastErrorText(); !note.empty())
        reports.push_back({call.line, "text", note});
    jobs.Follow(call, result, PrinterOf(call));
  }
  if (const Call* start = jobs.OpenJobStart())
    reports.push_back({start->line, "job-open",
                       "the job started here is never ended with PrnEnd: "
                       "nothing of it is sent"});

  bool drawn = true;
  {
    const ScratchFolder scratch;
    const std::string dir = options.previewDir.value_or(scratch.Path());
    int number = 0;
    for (const SentJob& job : jobs.Sent())
      drawn = ReviewJob(job, ++number, options, dir, reports, err) && drawn;
  }
  for (const std::string& printer : printers)
    VxclRemoveVirtualPrinter(printer.c_str());

  // A line the preview explains needs no result code beside it.
  std::set<int> explained;
  for (const Report& r : reports) explained.insert(r.line);
  for (const auto& [line, report] : results)
    if (!explained.count(line)) reports.push_back(report);
  std::stable_sort(
      reports.begin(), reports.end(),
      [](const Report& a, const Report& b) { return a.line < b.line; });
  for (const Report& r : reports)
    out << options.script << ":" << r.line << ": " << r.kind << ": "
        << r.message << "\n";
  if (reports.empty())
    out << options.script << ": clean: " << jobs.Sent().size()
        << (jobs.Sent().size() == 1 ? " label job" : " label jobs")
        << " checked\n";
  else
    out << options.script << ": " << reports.size()
        << (reports.size() == 1 ? " finding" : " findings") << "\n";
  if (!drawn) return 2;
  return reports.empty() ? 0 : 1;
}

}  // namespace vxlabel
