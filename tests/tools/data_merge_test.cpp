// `vxlabel run --data`: CSV rows merged into a script, every fault found
// before anything is sent, the rows' labels in one spool job.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "csv_table.h"
#include "support/bytes.h"
#include "support/scratch_dir.h"
#include "support/vxlabel_run.h"

namespace vxcl::test {
namespace {

std::string Joined(const std::vector<std::string>& jobs) {
  std::string all;
  for (const std::string& job : jobs) all += job;
  return all;
}

TEST(DataMerge, ExampleRowsGoInOneJobHoldingTheSingleJobsBytes) {
  const std::string script = "examples/serial_labels.vxl";
  const std::string data = "examples/serial_labels.csv";
  const VxlabelRun merged = RunVxlabelScript(script, {"--data", data});
  ASSERT_EQ(merged.exitCode, 0) << merged.output;
  ASSERT_EQ(merged.jobs.size(), 1u) << merged.output;
  EXPECT_NE(merged.output.find("rows 1-5: 5 label jobs in one spool job -> 1"),
            std::string::npos)
      << merged.output;
  const VxlabelRun split =
      RunVxlabelScript(script, {"--data", data, "--batch-size", "2"});
  ASSERT_EQ(split.jobs.size(), 3u) << split.output;
  EXPECT_EQ(Joined(split.jobs), merged.jobs[0]);

  // The first row written out by hand, printed as a single job.
  const ScratchDir dir;
  const VxlabelRun single = RunVxlabelScript(dir.Write(
      "row1.vxl",
      "PrnInit \"Label Printer\" 3 4 60.0 30.0 0.0\n"
      "PrnTrueTypeFont 0 3.0 2.0 \"DejaVu Sans\" 10 0 0 7 0 0 0 0 0.0 "
      "\"Hex bolt M8 x 40, zinc\"\n"
      "PrnInternalFont 0 3.0 9.0 \"XM\" 1 1 0 \"SN 00001000  lot L2041\"\n"
      "PrnBarcode 0 3.0 14.0 \"G\" 2 2 10.0 \"00001000\"\n"
      "PrnQty 1\nPrnEnd\n"));
  ASSERT_EQ(single.jobs.size(), 1u) << single.output;
  EXPECT_TRUE(merged.jobs[0].starts_with(single.jobs[0]));
  EXPECT_EQ(split.jobs[0].find(single.jobs[0]), 0u);
}

TEST(DataMerge, FillsColumnsRowNumbersCountersAndBraces) {
  const ScratchDir dir;
  const std::string script =
      dir.Write("s.vxl",
                "PrnInit \"P\" 3 4 50 20 0\n"
                "PrnInternalFont 0 1 1 \"U\" 1 1 0 \"[{name}] #{#row} "
                "{#counter:90:5:4} {{x}}\"\n"
                "PrnQty {qty}\nPrnEnd\n");
  // Byte-order mark, CRLF, a quoted comma, a doubled quote, a line break
  // inside a field, blanks kept, a blank line skipped.
  const std::string data = dir.Write("d.csv",
                                     "\xEF\xBB\xBFname,qty\r\n"
                                     "\"a, b\",1\r\n"
                                     "\r\n"
                                     "\"say \"\"hi\"\"\",2\r\n"
                                     "\"two\nlines\",3\r\n"
                                     " blank ,1");
  const VxlabelRun run =
      RunVxlabelScript(script, {"--data", data, "--rows", "1-3"});
  ASSERT_EQ(run.exitCode, 0) << run.output;
  ASSERT_EQ(run.jobs.size(), 1u) << run.output;
  const std::string& job = run.jobs[0];
  for (const char* text :
       {"[a, b] #1 0090 {x}<ESC>Q1", "[say \"hi\"] #2 0095 {x}<ESC>Q2",
        "[two\nlines] #3 0100 {x}<ESC>Q3"})
    EXPECT_NE(job.find(B(text)), std::string::npos) << text << Show(job);
  EXPECT_EQ(job.find("blank"), std::string::npos) << "row 4 not selected";
}

struct Fault {
  const char* script;
  const char* data;
  std::vector<std::string> options;
  const char* message;
};

TEST(DataMerge, FaultsAreNamedByFileAndLineAndNothingIsSent) {
  const std::string ok =
      "PrnInit \"P\" 3 4 50 20 0\n"
      "PrnInternalFont 0 1 1 \"U\" 1 1 0 \"{name}\"\n"
      "PrnQty {qty}\nPrnEnd\n";
  const Fault faults[] = {
      {"PrnInit \"P\" 3 4 50 20 0\nPrnInternalFont 0 1 1 \"U\" 1 1 0 "
       "\"{nme}\"\nPrnQty 1\nPrnEnd\n",
       "name,qty\na,1\n",
       {},
       "s.vxl:2: column \"nme\" is not in DATA (its columns: name, qty)"},
      {nullptr,
       "name,qty\na,1\nb,2,3\n",
       {},
       "DATA:3: 3 fields, the header "
       "has 2"},
      {nullptr,
       "name,qty\na,1\nb,two\n",
       {},
       "s.vxl:3: DATA:3: {qty} is \"two\", not a number"},
      {nullptr,
       "name,qty\na,1.5\n",
       {},
       "s.vxl:3: DATA:2: PrnQty argument 1, quantity, ({qty} = \"1.5\") "
       "must be an "
       "integer"},
      {nullptr,
       "name,qty\n\"a,1\nb,2\n",
       {},
       "DATA:2: not valid CSV: a quoted field is not closed"},
      {nullptr, "name,qty\na\"b,1\n", {}, "DATA:2: not valid CSV"},
      {nullptr,
       "name,name\na,1\n",
       {},
       "DATA:1: column \"name\" is named "
       "twice"},
      {nullptr, "name,qty\na\0b,1\n", {}, "DATA:2: a field holds a NUL byte"},
      {nullptr, "", {}, "DATA: no header line"},
      {nullptr,
       "name,qty\na,1\n",
       {"--rows", "2-3"},
       "--rows 2-3: DATA has 1 data rows"},
      {"PrnInit \"P\" 3 4 50 20 0\nPrnInternalFont 0 1 1 \"U\" 1 1 0 "
       "\"a}\"\n",
       "name,qty\na,1\n",
       {},
       "s.vxl:2: a lone } in a}: write }} for a brace"},
      {"PrnInit \"P\" 3 4 50 20 0\nPrnInternalFont 0 1 1 \"U\" 1 1 0 "
       "\"{#counter:1:x}\"\n",
       "name,qty\na,1\n",
       {},
       "s.vxl:2: {#counter:1:x} is not"},
      {"VxclBeginBatch\n",
       "name,qty\na,1\n",
       {},
       "s.vxl:1: VxclBeginBatch cannot run with --data"},
  };
  for (const Fault& fault : faults) {
    const ScratchDir dir;
    const std::string script =
        dir.Write("s.vxl", fault.script ? fault.script : ok);
    std::string bytes = fault.data;
    if (bytes == "name,qty\na") bytes = std::string("name,qty\na\0b,1\n", 15);
    const std::string data = dir.Write("d.csv", bytes);
    std::vector<std::string> options = {"--data", data};
    options.insert(options.end(), fault.options.begin(), fault.options.end());
    const VxlabelRun run = RunVxlabelScript(script, options);
    std::string expected = fault.message;
    if (const auto at = expected.find("DATA"); at != std::string::npos)
      expected.replace(at, 4, data);
    if (const auto at = expected.find("s.vxl"); at != std::string::npos)
      expected.replace(at, 5, script);
    SCOPED_TRACE(expected);
    EXPECT_EQ(run.exitCode, 2) << run.output;
    EXPECT_NE(run.output.find(expected), std::string::npos) << run.output;
    EXPECT_TRUE(run.jobs.empty());
  }
}

TEST(DataMerge, RefusalInARowCancelsTheWholeBatch) {
  const ScratchDir dir;
  const std::string script = dir.Write("s.vxl",
                                       "PrnInit \"P\" 3 4 50 20 0\n"
                                       "PrnEAN128 0 1 1 2 10 \"{code}\"\n"
                                       "PrnQty 1\nPrnEnd\n");
  const std::string data =
      dir.Write("d.csv", "code\n(01)12345678901231\nnot a code\n");
  const VxlabelRun run = RunVxlabelScript(script, {"--data", data});
  EXPECT_EQ(run.exitCode, 1) << run.output;
  EXPECT_NE(run.output.find("row 2 (" + data + ":3), line 2: PrnEAN128 -> 43"),
            std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("rows 1-2: cancelled, nothing of them was sent"),
            std::string::npos)
      << run.output;
  EXPECT_TRUE(run.jobs.empty());
}

TEST(DataMerge, PreviewDrawsEachLabel) {
  const ScratchDir dir;
  const std::string pictures = (dir.Path() / "png").string();
  const VxlabelRun run = RunVxlabelScript(
      "examples/serial_labels.vxl",
      {"--data", "examples/serial_labels.csv", "--preview", pictures});
  ASSERT_EQ(run.exitCode, 0) << run.output;
  for (int label = 1; label <= 5; ++label)
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(pictures) /
                                        (std::to_string(label) + ".png")))
        << label;
  EXPECT_FALSE(
      std::filesystem::exists(std::filesystem::path(pictures) / "6.png"));
}

TEST(DataMerge, PlaceholdersNeedData) {
  const ScratchDir dir;
  const VxlabelRun run =
      RunVxlabel({"run", dir.Write("s.vxl", "PrnQty {qty}\n")});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.output.find("s.vxl:1:8: {qty} is a data placeholder: give "
                            "--data FILE.csv"),
            std::string::npos)
      << run.output;
}

}  // namespace
}  // namespace vxcl::test
