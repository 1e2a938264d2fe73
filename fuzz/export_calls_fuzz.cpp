// libFuzzer target: random sequences of calls to every export, with random
// arguments (huge, negative, NaN and infinite millimetres, out-of-range
// integers, null, empty, binary and over-long strings), against virtual
// printers. Every call must answer with a result code and leave the job
// either closed or open with a header; a job left open must still end.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "exports/export_guard.h"
#include "fuzz_job.h"
#include "job/job_state.h"
#include "job/label_batch.h"
#include "platform/platform.h"
#include "platform/virtual_printers.h"
#include "result_codes.h"
#include "support/export_calls.h"

namespace {

using vxcl::fuzz::Require;

// Printers every input starts with: ordinary ones at three resolutions, one
// too coarse for a job, one with an absurd resolution and size.
struct PrinterSetup {
  const char* name;
  int dotsPerInch, widthMm, heightMm;
};
constexpr PrinterSetup kPrinters[] = {{"VP", 203, 104, 1000},
                                      {"VP300", 300, 56, 400},
                                      {"VP600", 600, 168, 2000},
                                      {"COARSE", 50, 104, 1000},
                                      {"HUGE", INT_MAX, INT_MAX, INT_MAX}};

constexpr const char* kTexts[] = {
    "VP",
    "VP300",
    " VP\t",
    "HUGE",
    "COARSE",
    "",
    VXCL_SOURCE_DIR "/examples/logo.bmp",
    VXCL_SOURCE_DIR "/examples/logo.pcx",
    "DejaVu Sans",
    "Liberation Serif:bold",
    "(01)12345678901231(10)ABC123",
    "(00)340123450000000017",
    "&h0D&h1F&H1b&h00",
    ">G>F12>E\x01>D>I",
    "U",
    "WB1",
    "\x1b\x02\x03",
    "00123456789012345",
};

void ResetWorld() {
  vxcl::TheJob() = vxcl::JobState{};
  vxcl::TheBatch() = vxcl::LabelBatch{};
  vxcl::ClearLastError();
  VxclSetTextEncoding(nullptr);  // an earlier input may have chosen one
  auto& printers = vxcl::VirtualPrinters();
  if (auto names = printers.PrinterNames())
    for (const std::string& name : *names) printers.Remove(name);
  for (const PrinterSetup& p : kPrinters)
    printers.Add(p.name, p.dotsPerInch, p.widthMm, p.heightMm);
}

// Arguments for one call, by parameter type. A capacity that follows a
// buffer never exceeds the buffer.
class FuzzArguments {
 public:
  explicit FuzzArguments(FuzzedDataProvider& in) : in_(in) {}

  template <class T>
  T Get(std::size_t) {
    const bool afterBuffer = std::exchange(afterBuffer_, false);
    if constexpr (std::is_same_v<T, double>) {
      return vxcl::fuzz::Millimetres(in_);
    } else if constexpr (std::is_same_v<T, int>) {
      if (afterBuffer) return in_.ConsumeIntegralInRange(-2, kBufferSize);
      return Int();
    } else if constexpr (std::is_same_v<T, unsigned>) {
      return static_cast<unsigned>(Int());
    } else if constexpr (std::is_same_v<T, char>) {
      return in_.ConsumeIntegral<char>();
    } else if constexpr (std::is_same_v<T, const char*>) {
      return Text();
    } else if constexpr (std::is_same_v<T, const char**>) {
      if (in_.ConsumeIntegralInRange(0, 7) == 0) return nullptr;
      pointers_.push_back(Text());
      return &pointers_.back();
    } else if constexpr (std::is_same_v<T, char*>) {
      afterBuffer_ = true;
      return in_.ConsumeBool() ? text_ : nullptr;
    } else if constexpr (std::is_same_v<T, unsigned char*> ||
                         std::is_same_v<T, const unsigned char*>) {
      afterBuffer_ = true;
      return in_.ConsumeBool() ? bytes_ : nullptr;
    } else {
      static_assert(std::is_same_v<T, int*>);
      return in_.ConsumeBool() ? &ints_[0] : nullptr;
    }
  }

 private:
  static constexpr int kBufferSize = 256;

  int Int() {
    static constexpr int kSpecial[] = {
        INT_MIN, -1000000, -99, -1,    0,     1,      2,       3,      4,
        90,      180,      270, 65535, 65536, 999999, 1000000, INT_MAX};
    switch (in_.ConsumeIntegralInRange(0, 3)) {
      case 0:
        return in_.PickValueInArray(kSpecial);
      case 1:
        return in_.ConsumeIntegral<int>();
      default:
        return in_.ConsumeIntegralInRange(-2, 50);
    }
  }

  const char* Text() {
    switch (in_.ConsumeIntegralInRange(0, 5)) {
      case 0:
        return nullptr;
      case 1:
        return in_.PickValueInArray(kTexts);
      case 2: {  // over-long: one byte repeated, up to 64 KiB
        const char byte = in_.ConsumeIntegralInRange<char>(1, 127);
        texts_.emplace_back(in_.ConsumeIntegralInRange<std::size_t>(0, 65536),
                            byte);
        return texts_.back().c_str();
      }
      default:  // any bytes up to the first NUL
        texts_.push_back(in_.ConsumeRandomLengthString(600));
        return texts_.back().c_str();
    }
  }

  FuzzedDataProvider& in_;
  bool afterBuffer_ = false;
  std::deque<std::string> texts_;
  std::deque<const char*> pointers_;
  char text_[kBufferSize];
  unsigned char bytes_[kBufferSize];
  int ints_[1];
};

using Call = int (*)(FuzzArguments&);

template <auto Fn>
int CallExport(FuzzArguments& arguments) {
  return vxcl::test::CallWith(Fn, arguments);
}

// The preview calls write a picture file: they draw into a scratch file,
// never into a path the fuzzer made up.
const char* ScratchPicture() {
  static const std::string path =
      (std::filesystem::temp_directory_path() /
       ("vxcl_export_calls_fuzz_" + std::to_string(getpid()) + ".png"))
          .string();
  return path.c_str();
}

template <>
int CallExport<&VxclVirtualJobPreview>(FuzzArguments& arguments) {
  const char* name = arguments.Get<const char*>(0);
  const int index = arguments.Get<int>(1);
  return VxclVirtualJobPreview(name, index, ScratchPicture());
}

template <>
int CallExport<&VxclPreviewStream>(FuzzArguments& arguments) {
  const unsigned char* stream = arguments.Get<const unsigned char*>(0);
  const int length = arguments.Get<int>(1);
  const int dotsPerInch = arguments.Get<int>(2);
  const double headWidthMm = arguments.Get<double>(3);
  const double labelWidthMm = arguments.Get<double>(4);
  const double labelLengthMm = arguments.Get<double>(5);
  return VxclPreviewStream(stream, length, dotsPerInch, headWidthMm,
                           labelWidthMm, labelLengthMm, ScratchPicture());
}

// The fields go to a record of the full size, whatever count is asked for.
template <>
int CallExport<&VxclPreviewFinding>(FuzzArguments& arguments) {
  static int fields[VXCL_FINDING_FIELDS];
  const int index = arguments.Get<int>(0);
  const bool withFields = arguments.Get<int>(1) % 2 == 0;
  const int fieldCount = arguments.Get<int>(2);
  char* message = arguments.Get<char*>(3);
  const int capacity = arguments.Get<int>(4);
  return VxclPreviewFinding(index, withFields ? fields : nullptr, fieldCount,
                            message, capacity);
}

constexpr Call kCalls[] = {
#define VXCL_CALL_ENTRY(fn) &CallExport<&fn>,
    VXCL_FOR_EACH_EXPORT(VXCL_CALL_ENTRY)
#undef VXCL_CALL_ENTRY
};
constexpr const char* kNames[] = {
#define VXCL_NAME_ENTRY(fn) #fn,
    VXCL_FOR_EACH_EXPORT(VXCL_NAME_ENTRY)
#undef VXCL_NAME_ENTRY
};

// VXCL_FUZZ_TRACE=1 lists every call and its result, to read a finding.
const bool kTrace = std::getenv("VXCL_FUZZ_TRACE") != nullptr;

// The job is closed, or open with what a job start leaves.
void RequireConsistentJob() {
  const vxcl::JobState& job = vxcl::TheJob();
  Require(job.busyCount == 0);
  if (job.open) Require(!job.header.empty() && job.dotsPerMm >= 4);
  const vxcl::LabelBatch& batch = vxcl::TheBatch();
  if (!batch.IsOpen()) Require(batch.JobCount() == 0 && batch.ByteCount() == 0);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  vxcl::Platform platform = vxcl::CurrentPlatform();
  platform.printers = &vxcl::VirtualPrinters();  // never the system's
  vxcl::ReplacePlatform(platform);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  ResetWorld();
  FuzzedDataProvider in(data, size);
  for (int calls = 0; calls < 32 && in.remaining_bytes() > 0; ++calls) {
    FuzzArguments arguments(in);
    const std::size_t which =
        in.ConsumeIntegralInRange<std::size_t>(0, std::size(kCalls) - 1);
    const int result = kCalls[which](arguments);
    if (kTrace) std::fprintf(stderr, "%s -> %d\n", kNames[which], result);
    // Label calls and previews answer with a result code of the list; the
    // other extensions may also answer with a length (of a name, a job, a
    // message).
    Require(result >= -1);
    if (vxcl::test::ReturnsResultCode(kNames[which]))
      Require(vxlabel::FindResultRow(kNames[which], result) != nullptr);
    RequireConsistentJob();
  }
  // A batch left open still ends, then a job left open (their printer may
  // have been removed).
  if (vxcl::TheBatch().IsOpen()) {
    const int end = VxclEndBatch();
    Require(end == 1 || end == 144 || end == 145);
    Require(!vxcl::TheBatch().IsOpen());
  }
  if (vxcl::TheJob().open) {
    Require(PrnQty(1) == 1);
    const int end = PrnEnd();
    Require(end == 1 || end == 144 || end == 145);
    Require(!vxcl::TheJob().open);
  }
  return 0;
}
