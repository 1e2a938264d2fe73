#include "job/label_batch.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#include "job/raw_job.h"
#include "platform/host_text.h"

namespace vxcl {

namespace {

constexpr std::size_t kLeastGrowth = std::size_t{64} << 10;

bool SameLayout(const LabelLayout& a, const LabelLayout& b) {
  return a.dotsPerMm == b.dotsPerMm && a.headWidthDots == b.headWidthDots &&
         a.labelWidthDots == b.labelWidthDots &&
         a.labelLengthDots == b.labelLengthDots &&
         a.labelLeftDots == b.labelLeftDots;
}

std::string Quoted(std::string_view printer) {
  return "\"" + FromHostCodePage(printer) + "\"";
}

}  // namespace

BatchBytes::BatchBytes(BatchBytes&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)) {}

BatchBytes& BatchBytes::operator=(BatchBytes&& other) noexcept {
  if (this != &other) {
    std::free(data_);
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    capacity_ = std::exchange(other.capacity_, 0);
  }
  return *this;
}

BatchBytes::~BatchBytes() { std::free(data_); }

void BatchBytes::Reserve(std::size_t more) {
  if (more <= capacity_ - size_) return;
  if (more > SIZE_MAX - size_) throw std::bad_alloc();
  const std::size_t needed = size_ + more;
  std::size_t growth = capacity_ / 8;
  if (growth < kLeastGrowth) growth = kLeastGrowth;
  std::size_t capacity = capacity_ + growth;
  if (capacity < capacity_ || capacity < needed) capacity = needed;
  void* grown = std::realloc(data_, capacity);
  if (!grown && capacity > needed)
    grown = std::realloc(data_, capacity = needed);
  if (!grown) throw std::bad_alloc();
  data_ = static_cast<char*>(grown);
  capacity_ = capacity;
}

void BatchBytes::Append(std::initializer_list<std::string_view> pieces) {
  for (std::string_view piece : pieces) {
    if (piece.empty()) continue;
    std::memcpy(data_ + size_, piece.data(), piece.size());
    size_ += piece.size();
  }
}

Outcome LabelBatch::Begin() {
  if (open_)
    return {VXCL_BATCH_OPEN,
            "a batch is already open with " + std::to_string(jobs_) +
                " label jobs; it is kept as it is: end or cancel it before "
                "beginning another"};
  Clear();
  open_ = true;
  return VXCL_OK;
}

Outcome LabelBatch::Cancel() {
  if (!open_) return {VXCL_NO_BATCH, "no batch is open; nothing was dropped"};
  Clear();
  return VXCL_OK;
}

Outcome LabelBatch::End(const Platform& platform) {
  if (!open_) return {VXCL_NO_BATCH, "no batch is open; nothing was sent"};
  // The batch is closed before the submission waits: host code run by the
  // wait may print single jobs or begin the next batch.
  std::string printer = std::move(printer_);
  BatchBytes bytes = std::move(bytes_);
  std::optional<LabelLayout> label = label_;
  const std::size_t jobs = jobs_;
  Clear();
  if (jobs == 0) return VXCL_OK;
  const std::string document = printer + " Batch";
  return SubmitRawJob(platform, std::move(printer), document, bytes.View(),
                      label ? &*label : nullptr);
}

Outcome LabelBatch::Admit(std::string_view printer, std::size_t size) {
  if (jobs_ > 0 && printer != printer_)
    return {VXCL_BATCH_PRINTER,
            "printer " + Quoted(printer) + " is not the open batch's printer " +
                Quoted(printer_) +
                "; the label job was not added to the batch and stays open: "
                "end the batch, then call PrnEnd again"};
  if (size > limit_ || ByteCount() > limit_ - size)
    return {VXCL_BATCH_FULL,
            "the label job's " + std::to_string(size) +
                " bytes would take the batch's " + std::to_string(ByteCount()) +
                " bytes past its limit of " + std::to_string(limit_) +
                " bytes; the label job was not added and stays open: end "
                "the batch, then call PrnEnd again"};
  bytes_.Reserve(size);
  if (jobs_ == 0) printer_ = std::string(printer);
  return VXCL_OK;
}

void LabelBatch::Append(std::initializer_list<std::string_view> stream,
                        const LabelLayout& label) {
  bytes_.Append(stream);
  if (jobs_ == 0) {
    label_ = label;
  } else if (label_ && !labelsDiffer_ && !SameLayout(*label_, label)) {
    // Labels of several sizes: the preview takes each one's size from its
    // commands, across the whole head.
    label_->labelWidthDots = label_->headWidthDots;
    label_->labelLeftDots = 0;
    label_->labelLengthDots = 0;
    labelsDiffer_ = true;
  }
  ++jobs_;
}

const PrinterMetrics* LabelBatch::KnownPrinter(std::string_view name) const {
  return open_ && known_ && name == knownName_ ? &*known_ : nullptr;
}

void LabelBatch::RememberPrinter(std::string_view name,
                                 const PrinterMetrics& printer) {
  if (!open_ || known_) return;
  knownName_ = std::string(name);
  known_ = printer;
}

Outcome LabelBatch::RefuseWhileOpen() const {
  if (!open_) return VXCL_OK;
  return {VXCL_BATCH_OPEN,
          "a batch is open with " + std::to_string(jobs_) +
              " label jobs; a maintenance job is sent at once and would "
              "overtake them: nothing was sent, end or cancel the batch "
              "first"};
}

void LabelBatch::Clear() {
  open_ = false;
  printer_.clear();
  jobs_ = 0;
  bytes_ = BatchBytes();
  label_.reset();
  labelsDiffer_ = false;
  knownName_.clear();
  known_.reset();
}

LabelBatch& TheBatch() {
  static LabelBatch batch;
  return batch;
}

}  // namespace vxcl
