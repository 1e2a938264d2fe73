// vxlabel: run label scripts through the library and inspect command
// streams.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <fstream>
#include <iostream>
#include <sstream>

#include "check_command.h"
#include "dump.h"
#include "preview_command.h"
#include "printers_command.h"
#include "result_codes.h"
#include "run_command.h"
#include "script.h"
#include "vxclcmd.h"

namespace {

// A file without the protocol's control bytes whose lines read as calls is
// a label script, not a stream.
bool LooksLikeScript(const std::string& bytes) {
  if (bytes.find_first_of("\x02\x03\x1b") != std::string::npos) return false;
  const vxlabel::ScriptReading reading = vxlabel::ReadScript(bytes);
  return reading.errors.empty() && !reading.calls.empty();
}

int Dump(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::cerr << "cannot read " << path << "\n";
    return 2;
  }
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (LooksLikeScript(bytes.str())) {
    std::cerr << path
              << " is a label script, not a command stream: `vxlabel run "
              << path << "` runs it and shows the bytes each job sends\n";
    return 2;
  }
  for (const std::string& line : vxlabel::DumpStream(bytes.str()))
    std::cout << line << "\n";
  return 0;
}

// "MAJOR.MINOR.PATCH" of a version number.
std::string VersionText(int number) {
  return std::to_string(number / 1000000) + "." +
         std::to_string(number / 1000 % 1000) + "." +
         std::to_string(number % 1000);
}

// The tool's version (the header it was built with) and the loaded
// library's, which differ when another library is found at run time.
std::string Versions() {
  return "vxlabel " + VersionText(VXCL_VERSION_NUMBER) + "\nlibrary " +
         VersionText(VxclVersion());
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"vxlabel: print labels on SATO printers from scripts"};
  app.require_subcommand(1);
  app.set_version_flag("--version", Versions,
                       "Show the tool's and the loaded library's versions");

  vxlabel::RunOptions run;
  std::string virtualSpec;
  auto* runCommand =
      app.add_subcommand("run", "Run a label script, one call per line");
  runCommand->add_option("script", run.script, "The label script")
      ->required()
      ->check(CLI::ExistingFile);
  auto* printerOption =
      runCommand
          ->add_option("--printer",
                       "Print to this printer instead of the script's")
          ->option_text("NAME");
  auto* virtualOption =
      runCommand
          ->add_option("--virtual", virtualSpec,
                       "Print to virtual printers (the default when no "
                       "--printer is given: 203:104:1000)")
          ->option_text("DPI:WIDTH_MM:HEIGHT_MM");
  auto* outOption =
      runCommand
          ->add_option("--out",
                       "Write each job a virtual printer receives to "
                       "DIR/<n>.prn (the folder is made)")
          ->option_text("DIR");
  auto* previewOption =
      runCommand
          ->add_option("--preview",
                       "Draw each job a virtual printer receives to "
                       "DIR/<n>.png (the folder is made; with --data: each "
                       "label)")
          ->option_text("DIR");
  auto* dataOption =
      runCommand
          ->add_option("--data",
                       "Run the script once per row of this CSV file, "
                       "filling in {column} placeholders; the rows' labels "
                       "go in one spool job")
          ->option_text("FILE.csv");
  dataOption->check(CLI::ExistingFile);
  auto* rowsOption =
      runCommand->add_option("--rows", "With --data: only these data rows")
          ->option_text("N|N-M|N-");
  long batchSize = 0;
  auto* batchSizeOption =
      runCommand
          ->add_option("--batch-size", batchSize,
                       "With --data: at most N rows a spool job (default: "
                       "all in one)")
          ->option_text("N");
  batchSizeOption->check(CLI::PositiveNumber);
  runCommand->add_flag("--keep-going", run.keepGoing,
                       "Run on after a job start that failed");

  vxlabel::CheckOptions check;
  std::string checkVirtualSpec;
  auto* checkCommand = app.add_subcommand(
      "check",
      "Run a script on virtual printers, draw its labels and report what "
      "would waste labels, by line");
  checkCommand->add_option("script", check.script, "The label script")
      ->required()
      ->check(CLI::ExistingFile);
  auto* checkVirtualOption =
      checkCommand
          ->add_option("--virtual", checkVirtualSpec,
                       "The printers' resolution, head width and longest "
                       "label (default 203:104:1000)")
          ->option_text("DPI:HEAD_MM:MAX_MM");
  auto* checkPreviewOption =
      checkCommand
          ->add_option("--preview",
                       "Keep the pictures of the labels in DIR/<n>.png")
          ->option_text("DIR");

  auto* helpCommand =
      app.add_subcommand("help", "Show the help of vxlabel or of a command");
  std::string helpTopic;
  helpCommand->add_option("command", helpTopic, "The command to explain");

  std::string dumpFile;
  auto* dumpCommand =
      app.add_subcommand("dump", "Show a command stream one command per line");
  dumpCommand->add_option("file", dumpFile, "A saved command stream")
      ->required()
      ->check(CLI::ExistingFile);

  vxlabel::PreviewOptions preview;
  auto* previewCommand = app.add_subcommand(
      "preview", "Draw a saved command stream as a PNG picture");
  previewCommand->add_option("file", preview.stream, "A saved command stream")
      ->required()
      ->check(CLI::ExistingFile);
  previewCommand->add_option("-o,--output", preview.png, "The PNG to write")
      ->required()
      ->option_text("PNG");
  previewCommand
      ->add_option("--dpi", preview.dotsPerInch,
                   "The printer's resolution (default 203)")
      ->check(CLI::PositiveNumber)
      ->option_text("N");
  previewCommand
      ->add_option("--head-width-mm", preview.headWidthMm,
                   "The print head's width (default 104)")
      ->check(CLI::PositiveNumber)
      ->option_text("MM");
  previewCommand
      ->add_option("--label-width-mm", preview.labelWidthMm,
                   "The label's width (default: the whole head)")
      ->option_text("MM");
  previewCommand
      ->add_option("--label-height-mm", preview.labelLengthMm,
                   "The label's length (default: the stream's label size, "
                   "else what is drawn)")
      ->option_text("MM");

  auto* printersCommand = app.add_subcommand(
      "printers",
      "List the printers the library sees, with their resolution and "
      "printable area in dots");

  auto* codesCommand = app.add_subcommand(
      "codes", "List every result code with its meaning, as a Markdown table");

  CLI11_PARSE(app, argc, argv);

  if (*helpCommand) {
    if (helpTopic.empty()) {
      // app.help() would show the help of the command given, `help` itself.
      std::cout << app.get_formatter()->make_help(&app, app.get_name(),
                                                  CLI::AppFormatMode::Normal);
      return 0;
    }
    for (const CLI::App* command : app.get_subcommands({}))
      if (command->get_name() == helpTopic && command != helpCommand) {
        std::cout << command->help();
        return 0;
      }
    std::cerr << "vxlabel has no command " << helpTopic
              << "; `vxlabel help` lists them\n";
    return 2;
  }
  if (*checkCommand) {
    if (*checkVirtualOption) {
      const auto metrics = vxlabel::ParseVirtualMetrics(checkVirtualSpec);
      if (!metrics) {
        std::cerr << "--virtual wants DPI:HEAD_MM:MAX_MM, all at least 1\n";
        return 2;
      }
      check.printer = *metrics;
    }
    if (*checkPreviewOption)
      check.previewDir = checkPreviewOption->as<std::string>();
    return vxlabel::CheckScriptFile(check, std::cout, std::cerr);
  }

  if (*dumpCommand) return Dump(dumpFile);
  if (*previewCommand)
    return vxlabel::PreviewFile(preview, std::cout, std::cerr);
  if (*printersCommand) return vxlabel::ListPrinters(std::cout, std::cerr);
  if (*codesCommand) {
    std::cout << vxlabel::ResultCodeTable();
    return 0;
  }

  if (*printerOption) run.printer = printerOption->as<std::string>();
  if (*outOption) run.outDir = outOption->as<std::string>();
  if (*previewOption) run.previewDir = previewOption->as<std::string>();
  if ((*rowsOption || *batchSizeOption) && !*dataOption) {
    std::cerr << "--rows and --batch-size go with --data\n";
    return 2;
  }
  if (*dataOption) {
    vxlabel::DataOptions data;
    data.script = run.script;
    data.dataFile = dataOption->as<std::string>();
    data.batchSize = batchSize;
    data.progress = isatty(STDERR_FILENO) != 0;
    if (*rowsOption) {
      data.rows = vxlabel::ParseRowRange(rowsOption->as<std::string>());
      if (!data.rows) {
        std::cerr << "--rows wants N, N-M or N- (data rows from 1)\n";
        return 2;
      }
    }
    run.data = data;
  }
  if (*virtualOption) {
    run.virtualPrinter = vxlabel::ParseVirtualMetrics(virtualSpec);
    if (!run.virtualPrinter) {
      std::cerr << "--virtual wants DPI:WIDTH_MM:HEIGHT_MM, all at least 1\n";
      return 2;
    }
  } else if (!run.printer) {
    run.virtualPrinter = vxlabel::VirtualMetrics{};
  }
  return vxlabel::RunScript(run, std::cout, std::cerr);
}
