#include "data_run.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iostream>
#include <sstream>

#include "csv_table.h"
#include "data_merge.h"
#include "export_table.h"
#include "result_codes.h"
#include "vxclcmd.h"

namespace vxlabel {

namespace {

using Clock = std::chrono::steady_clock;

std::string ReadData(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw DataError("cannot read " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string LastErrorText() {
  const int length = VxclLastError(nullptr, 0);
  std::string message(static_cast<std::size_t>(length) + 1, '\0');
  VxclLastError(message.data(), length + 1);
  message.resize(static_cast<std::size_t>(length));
  return message;
}

// Calls that cannot run inside the run's own batches.
bool SendsOutsideTheBatch(const std::string& name) {
  return name.ends_with("Batch") || name == "PrnCXCalibrate" ||
         name == "PrnCTDefault";
}

// Shows the line while rows run on a terminal.
class Progress {
 public:
  Progress(bool shown, std::size_t rows, std::ostream& err)
      : shown_(shown), rows_(rows), err_(err) {}
  void Update(std::size_t done, long labels, bool last = false) {
    if (!shown_) return;
    const auto now = Clock::now();
    if (!last && now - shownAt_ < std::chrono::milliseconds(200)) return;
    shownAt_ = now;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    err_ << "\rrows " << done << "/" << rows_ << ", "
         << static_cast<long>(seconds > 0 ? labels / seconds : 0)
         << " labels/s   " << (last ? "\n" : "") << std::flush;
  }

 private:
  bool shown_;
  std::size_t rows_;
  std::ostream& err_;
  Clock::time_point start_ = Clock::now();
  Clock::time_point shownAt_{};
};

}  // namespace

std::optional<RowRange> ParseRowRange(const std::string& text) {
  RowRange range;
  char dash = 0;
  std::istringstream in(text);
  if (!(in >> range.first) || range.first < 1) return std::nullopt;
  if (in.peek() == EOF) {
    range.last = range.first;
    return range;
  }
  if (!(in >> dash) || dash != '-') return std::nullopt;
  if (in.peek() == EOF) return range;
  if (!(in >> range.last) || in.peek() != EOF || range.last < range.first)
    return std::nullopt;
  return range;
}

int RunDataRows(const DataOptions& options, const std::vector<Call>& calls,
                std::ostream& out, std::ostream& err) {
  const std::string& data = options.dataFile;
  std::size_t first = 0, end = 0;
  std::optional<CsvTable> table;
  std::optional<DataMerge> merge;
  try {
    for (const Call& call : calls)
      if (SendsOutsideTheBatch(call.name))
        throw MergeError(options.script + ":" + std::to_string(call.line) +
                         ": " + call.name +
                         " cannot run with --data, whose rows are sent in "
                         "batches of their own");
    table = ReadCsv(ReadData(data), data);
    merge.emplace(calls, *table, options.script, data);
    const std::size_t count = table->rows.size();
    const RowRange range = options.rows.value_or(RowRange{});
    first = static_cast<std::size_t>(range.first - 1);
    end = range.last == 0 ? count : static_cast<std::size_t>(range.last);
    if (first >= count || end > count)
      throw DataError("--rows " + std::to_string(range.first) + "-" +
                      (range.last ? std::to_string(range.last) : "") + ": " +
                      data + " has " + std::to_string(count) + " data rows");
    // Every selected row is filled in and checked before anything is sent.
    for (std::size_t i = first; i < end; ++i)
      for (const Call& call : merge->Expand(i)) {
        std::vector<ScriptError> errors;
        FindExport(call.name)->checkArguments(call, errors);
        if (!errors.empty())
          throw MergeError(options.script + ":" + std::to_string(call.line) +
                           ": " + data + ":" +
                           std::to_string(table->rows[i].line) + ": " +
                           errors.front().message());
      }
  } catch (const std::exception& e) {
    err << e.what() << "\n";
    return 2;
  }

  const std::size_t perBatch = options.batchSize > 0
                                   ? static_cast<std::size_t>(options.batchSize)
                                   : end - first;
  Progress progress(options.progress, end - first, err);
  long labels = 0;
  for (std::size_t batchStart = first; batchStart < end;
       batchStart += perBatch) {
    const std::size_t batchEnd = std::min(end, batchStart + perBatch);
    const std::string rows = "rows " + std::to_string(batchStart + 1) + "-" +
                             std::to_string(batchEnd);
    if (const int begun = VxclBeginBatch(); begun != 1) {
      err << "VxclBeginBatch -> " << begun << ": " << LastErrorText() << "\n";
      return 1;
    }
    long batchLabels = 0;
    for (std::size_t i = batchStart; i < batchEnd; ++i) {
      for (const Call& call : merge->Expand(i)) {
        const int result = FindExport(call.name)->invoke(call);
        if (call.name == "PrnEnd" && result == 1) ++batchLabels;
        if (result == 1) continue;
        const CodeMeaning meaning = MeaningOf(call.name, result);
        out << "row " << i + 1 << " (" << data << ":" << table->rows[i].line
            << "), line " << call.line << ": " << call.name << " -> " << result
            << " (" << meaning.text << ")\n";
        if (!meaning.refusal) continue;
        if (const std::string message = LastErrorText(); !message.empty())
          out << "  " << message << "\n";
        VxclCancelBatch();
        progress.Update(i - first, labels, true);
        out << rows << ": cancelled, nothing of them was sent\n";
        return 1;
      }
      progress.Update(i + 1 - first, labels + batchLabels);
    }
    const int sent = VxclEndBatch();
    labels += batchLabels;
    progress.Update(batchEnd - first, labels, batchEnd == end || sent != 1);
    out << rows << ": " << batchLabels << " label jobs in one spool job -> "
        << sent << " (" << MeaningOf("VxclEndBatch", sent).text << ")\n";
    if (MeaningOf("VxclEndBatch", sent).refusal) {
      out << "  " << LastErrorText() << "\n";
      return 1;
    }
  }
  return 0;
}

}  // namespace vxlabel
