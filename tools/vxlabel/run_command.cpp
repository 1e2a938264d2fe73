#include "run_command.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

#include "dump.h"
#include "export_table.h"
#include "job_tracker.h"
#include "preview_command.h"
#include "result_codes.h"
#include "script.h"
#include "script_check.h"
#include "vxclcmd.h"

namespace vxlabel {

namespace {

std::string LastError() {
  const int length = VxclLastError(nullptr, 0);
  std::string message(static_cast<std::size_t>(length) + 1, '\0');
  VxclLastError(message.data(), length + 1);
  message.resize(static_cast<std::size_t>(length));
  return message;
}

std::string VirtualJob(const std::string& printer, int index) {
  const int length = VxclVirtualJob(printer.c_str(), index, nullptr, 0);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  VxclVirtualJob(printer.c_str(), index,
                 reinterpret_cast<unsigned char*>(bytes.data()), length);
  return bytes;
}

std::string VirtualJobName(const std::string& printer, int index) {
  const int length = VxclVirtualJobName(printer.c_str(), index, nullptr, 0);
  std::string name(static_cast<std::size_t>(length) + 1, '\0');
  VxclVirtualJobName(printer.c_str(), index, name.data(), length + 1);
  name.resize(static_cast<std::size_t>(length));
  return name;
}

// Every printer the script names, in order of first use.
std::vector<std::string> PrinterNames(const std::vector<Call>& calls) {
  std::vector<std::string> names;
  for (const Call& call : calls) {
    if (!TakesPrinterName(call.name) || call.args.empty() ||
        call.args[0].kind != Value::Kind::Text)
      continue;
    const std::string& name = call.args[0].text;
    if (!name.empty() &&
        std::find(names.begin(), names.end(), name) == names.end())
      names.push_back(name);
  }
  return names;
}

// Draws a received job to DIR/<n>.png; false when that failed.
bool PreviewJob(const std::string& printer, int index, int number,
                const std::string& dir, std::ostream& out, std::ostream& err) {
  const std::string path =
      (std::filesystem::path(dir) / (std::to_string(number) + ".png")).string();
  const int result =
      VxclVirtualJobPreview(printer.c_str(), index, path.c_str());
  if (result != 1) {
    err << "cannot draw " << path << ": " << result << " ("
        << MeaningOf("VxclVirtualJobPreview", result).text << ") "
        << LastError() << "\n";
    return false;
  }
  out << "  drawn to " << path << "\n";
  ShowPreviewWarnings(out);
  return true;
}

// Draws each label of a received batch to DIR/<n>.png, numbered on from
// `drawn`; false when one failed.
bool PreviewLabels(const std::string& bytes, const VirtualMetrics& metrics,
                   int& drawn, const std::string& dir, std::ostream& out,
                   std::ostream& err) {
  std::filesystem::create_directories(dir);
  for (std::string_view label : SplitLabels(bytes)) {
    const std::string path =
        (std::filesystem::path(dir) / (std::to_string(++drawn) + ".png"))
            .string();
    const int result =
        VxclPreviewStream(reinterpret_cast<const unsigned char*>(label.data()),
                          static_cast<int>(label.size()), metrics.dotsPerInch,
                          metrics.maxWidthMm, 0.0, 0.0, path.c_str());
    if (result != 1) {
      err << "cannot draw " << path << ": " << result << " ("
          << MeaningOf("VxclPreviewStream", result).text << ") " << LastError()
          << "\n";
      return false;
    }
  }
  out << "  " << drawn << " labels drawn to " << dir << "\n";
  return true;
}

}  // namespace

std::optional<VirtualMetrics> ParseVirtualMetrics(const std::string& text) {
  VirtualMetrics m;
  char colon1 = 0, colon2 = 0;
  std::istringstream in(text);
  if (!(in >> m.dotsPerInch >> colon1 >> m.maxWidthMm >> colon2 >>
        m.maxHeightMm) ||
      colon1 != ':' || colon2 != ':' || in.peek() != EOF)
    return std::nullopt;
  if (m.dotsPerInch < 1 || m.maxWidthMm < 1 || m.maxHeightMm < 1)
    return std::nullopt;
  return m;
}

bool MakeFolder(const std::string& dir, const char* option, std::ostream& err) {
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  if (!error && std::filesystem::is_directory(dir, error)) return true;
  err << option << ": cannot make the folder " << dir << ": "
      << (error ? error.message() : "a file of that name is in the way")
      << "\n";
  return false;
}

std::vector<std::string> AddVirtualPrinters(const std::vector<Call>& calls,
                                            const VirtualMetrics& m) {
  std::vector<std::string> added;
  for (const std::string& name : PrinterNames(calls))
    if (VxclAddVirtualPrinter(name.c_str(), m.dotsPerInch, m.maxWidthMm,
                              m.maxHeightMm))
      added.push_back(name);
  return added;
}

std::string PrinterOf(const Call& call) {
  if (!TakesPrinterName(call.name) || call.args.empty() ||
      call.args[0].kind != Value::Kind::Text)
    return "";
  return call.args[0].text;
}

int RunScript(const RunOptions& options, std::ostream& out, std::ostream& err) {
  if (options.previewDir && !options.virtualPrinter) {
    err << "--preview draws the jobs of virtual printers: leave out --printer "
           "or add --virtual\n";
    return 2;
  }
  std::optional<std::vector<Call>> loaded =
      LoadScript(options.script, err, options.data.has_value());
  if (!loaded) return 2;
  std::vector<Call>& calls = *loaded;
  // The folders first: a run that cannot keep its results prints nothing.
  if ((options.outDir && !MakeFolder(*options.outDir, "--out", err)) ||
      (options.previewDir &&
       !MakeFolder(*options.previewDir, "--preview", err)))
    return 2;

  if (options.printer)
    for (Call& call : calls)
      if (TakesPrinterName(call.name) && !call.args.empty()) {
        call.args[0].kind = Value::Kind::Text;
        call.args[0].text = *options.printer;
        call.args[0].source = "\"" + *options.printer + "\"";
      }

  std::vector<std::string> virtualPrinters;
  if (options.virtualPrinter)
    virtualPrinters = AddVirtualPrinters(calls, *options.virtualPrinter);

  bool refused = false;
  bool stopped = false;
  JobTracker jobs;
  std::string shownError;  // an error message is shown once, where it arose
  if (options.data) {
    const int status = RunDataRows(*options.data, calls, out, err);
    if (status == 2) return 2;
    refused = status == 1;
    calls.clear();
  }
  for (const Call& call : calls) {
    const int result = FindExport(call.name)->invoke(call);
    const CodeMeaning meaning = MeaningOf(call.name, result);
    out << "line " << call.line << ": " << call.name << " -> " << result << " ("
        << meaning.text << ")\n";
    const std::string message = LastError();
    if (meaning.refusal) {
      refused = true;
      if (!message.empty() && message != shownError)
        out << "  " << message << "\n";
    }
    shownError = message;
    jobs.Follow(call, result, PrinterOf(call));
    if (meaning.refusal && IsJobStart(call.name) && !options.keepGoing) {
      // Every later call of the job would be refused too.
      err << options.script << ":" << call.line << ": " << call.name
          << " could not start the job on \"" << PrinterOf(call)
          << "\": " << result << " (" << meaning.text << ")"
          << (message.empty() ? "" : ": " + message)
          << "\n  the rest of the script was not run; `vxlabel printers` "
             "lists the printers the library sees, --keep-going runs on\n";
      stopped = true;
      break;
    }
  }
  bool leftOpen = false;
  if (const Call* start = jobs.OpenJobStart()) {
    leftOpen = true;
    err << options.script << ":" << start->line
        << ": warning: the job started here is never ended with PrnEnd: "
           "nothing of it was sent\n";
  }

  int received = 0, labelsDrawn = 0;
  for (const std::string& printer : virtualPrinters) {
    const int count = VxclVirtualJobCount(printer.c_str());
    for (int i = 0; i < count; ++i) {
      ++received;
      const std::string bytes = VirtualJob(printer, i);
      out << "printer \"" << printer << "\" received \""
          << VirtualJobName(printer, i) << "\" (" << bytes.size()
          << " bytes):\n";
      if (!options.data)  // a batch of many labels is not listed
        for (const std::string& line : DumpStream(bytes))
          out << "  " << line << "\n";
      if (options.outDir) {
        const auto path = std::filesystem::path(*options.outDir) /
                          (std::to_string(received) + ".prn");
        std::ofstream file(path, std::ios::binary);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!file) {
          err << "cannot write " << path.string() << "\n";
          return 2;
        }
        out << "  written to " << path.string() << "\n";
      }
      if (options.previewDir && options.data) {
        if (!PreviewLabels(bytes, *options.virtualPrinter, labelsDrawn,
                           *options.previewDir, out, err))
          return 2;
      } else if (options.previewDir &&
                 !PreviewJob(printer, i, received, *options.previewDir, out,
                             err)) {
        return 2;
      }
    }
  }
  return refused || stopped || leftOpen ? 1 : 0;
}

}  // namespace vxlabel
