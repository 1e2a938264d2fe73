// Label jobs collected while a batch is open, sent together as one raw
// spool job when the batch ends.
#ifndef VXCL_JOB_LABEL_BATCH_H
#define VXCL_JOB_LABEL_BATCH_H

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "job/outcome.h"
#include "job/printer_lookup.h"
#include "platform/printer_system.h"

namespace vxcl {

struct Platform;

// A growing run of bytes that takes the memory its bytes need plus a small
// margin: it grows by an eighth (at least 64 KiB) through realloc, which
// large blocks extend in place, where a string would double.
class BatchBytes {
 public:
  BatchBytes() = default;
  BatchBytes(BatchBytes&& other) noexcept;
  BatchBytes& operator=(BatchBytes&& other) noexcept;
  BatchBytes(const BatchBytes&) = delete;
  BatchBytes& operator=(const BatchBytes&) = delete;
  ~BatchBytes();

  // Room for `more` bytes; throws std::bad_alloc, keeping the bytes held.
  void Reserve(std::size_t more);
  // Never throws after Reserve made room for the pieces.
  void Append(std::initializer_list<std::string_view> pieces);
  std::string_view View() const { return {data_, size_}; }
  std::size_t Size() const { return size_; }

 private:
  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

// The batch of this process. PrnEnd consults it at one point: with a batch
// open it appends the finished job instead of submitting it.
class LabelBatch {
 public:
  // Bytes a batch may hold: well inside a 32-bit process's memory.
  static constexpr std::size_t kDefaultByteLimit = std::size_t{256} << 20;

  bool IsOpen() const { return open_; }
  std::size_t JobCount() const { return jobs_; }
  std::size_t ByteCount() const { return bytes_.Size(); }

  // VxclBeginBatch: VXCL_OK, or VXCL_BATCH_OPEN with the open batch kept.
  Outcome Begin();
  // VxclCancelBatch: drops the collected jobs unsent.
  Outcome Cancel();
  // VxclEndBatch: closes the batch, then submits its jobs as one raw job
  // (none: nothing is sent). A spooler failure cancels the whole job.
  Outcome End(const Platform& platform);

  // Why a finished job of `size` bytes for `printer` cannot join the open
  // batch (VXCL_BATCH_PRINTER, VXCL_BATCH_FULL); VXCL_OK once room for it is
  // made.
  Outcome Admit(std::string_view printer, std::size_t size);
  // Adds an admitted job's stream, in pieces; never throws.
  void Append(std::initializer_list<std::string_view> stream,
              const LabelLayout& label);

  // The printer a job start inside the open batch found under this name
  // (the host's text, byte for byte) the first time: asking the spooler
  // again for every label would cost more than building it. Null when
  // none.
  const PrinterMetrics* KnownPrinter(std::string_view name) const;
  void RememberPrinter(std::string_view name, const PrinterMetrics& printer);

  // For the jobs sent at once (the maintenance calls): with a
  // batch open they would overtake its labels, so they are refused with
  // VXCL_BATCH_OPEN.
  Outcome RefuseWhileOpen() const;

  // Tests choose a smaller limit.
  void SetByteLimit(std::size_t limit) { limit_ = limit; }

 private:
  void Clear();

  bool open_ = false;
  std::string printer_;  // the first job's printer name, as the host gave it
  std::size_t jobs_ = 0;
  BatchBytes bytes_;
  std::optional<LabelLayout> label_;  // the labels' layout when they agree
  bool labelsDiffer_ = false;
  std::size_t limit_ = kDefaultByteLimit;
  std::string knownName_;
  std::optional<PrinterMetrics> known_;
};

// Lives from library load to unload; at unload an open batch is dropped
// unsent.
LabelBatch& TheBatch();

}  // namespace vxcl

#endif
