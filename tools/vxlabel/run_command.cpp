#include "run_command.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

#include "dump.h"
#include "export_table.h"
#include "preview_command.h"
#include "result_codes.h"
#include "script.h"
#include "vxclcmd.h"

namespace vxlabel {

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

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
  std::filesystem::create_directories(dir);
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

int RunScript(const RunOptions& options, std::ostream& out, std::ostream& err) {
  if (options.previewDir && !options.virtualPrinter) {
    err << "--preview draws the jobs of virtual printers: leave out --printer "
           "or add --virtual\n";
    return 2;
  }
  std::vector<Call> calls;
  try {
    calls = ParseScript(ReadFile(options.script));
    for (const Call& call : calls) {
      if (!FindExport(call.name))
        throw ScriptError(call.line, "unknown function " + call.name);
      CheckCStrings(call);
    }
  } catch (const std::exception& e) {
    err << options.script << ": " << e.what() << "\n";
    return 2;
  }

  if (options.printer)
    for (Call& call : calls)
      if (TakesPrinterName(call.name) && !call.args.empty()) {
        call.args[0].kind = Value::Kind::Text;
        call.args[0].text = *options.printer;
        call.args[0].source = "\"" + *options.printer + "\"";
      }

  std::vector<std::string> virtualPrinters;
  if (options.virtualPrinter) {
    for (const std::string& name : PrinterNames(calls)) {
      const VirtualMetrics& m = *options.virtualPrinter;
      if (VxclAddVirtualPrinter(name.c_str(), m.dotsPerInch, m.maxWidthMm,
                                m.maxHeightMm))
        virtualPrinters.push_back(name);
    }
  }

  bool refused = false;
  std::string shownError;  // an error message is shown once, where it arose
  for (const Call& call : calls) {
    int result = 0;
    try {
      result = FindExport(call.name)->invoke(call);
    } catch (const ScriptError& e) {
      err << options.script << ": " << e.what() << "\n";
      return 2;
    }
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
  }

  int received = 0;
  for (const std::string& printer : virtualPrinters) {
    const int jobs = VxclVirtualJobCount(printer.c_str());
    for (int i = 0; i < jobs; ++i) {
      ++received;
      const std::string bytes = VirtualJob(printer, i);
      out << "printer \"" << printer << "\" received \""
          << VirtualJobName(printer, i) << "\" (" << bytes.size()
          << " bytes):\n";
      for (const std::string& line : DumpStream(bytes))
        out << "  " << line << "\n";
      if (options.outDir) {
        std::filesystem::create_directories(*options.outDir);
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
      if (options.previewDir &&
          !PreviewJob(printer, i, received, *options.previewDir, out, err))
        return 2;
    }
  }
  return refused ? 1 : 0;
}

}  // namespace vxlabel
