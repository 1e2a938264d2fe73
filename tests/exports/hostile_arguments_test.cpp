// Every pointer argument of every export given null, and every string
// argument given 1 MiB of data, one at a time while a job is open: each call
// answers with its result code, and a clean job prints exactly afterwards.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/virtual_printers.h"
#include "result_codes.h"
#include "support/export_calls.h"
#include "support/job_fixture.h"

namespace vxcl::test {
namespace {

enum class Hostile { Null, PointerToNull, OneMebibyte };

const char* HostileName(Hostile kind) {
  switch (kind) {
    case Hostile::Null:
      return "null";
    case Hostile::PointerToNull:
      return "pointer to null";
    case Hostile::OneMebibyte:
      return "1 MiB";
  }
  return "";
}

// 1 MiB that every parser has something to chew on: identifier groups,
// control escapes, Code 128 pairs, digits.
const std::string& OneMebibyte() {
  static const std::string text = [] {
    const std::string piece = "(10)&h1F>C1234>FAB ";
    std::string t;
    while (t.size() < (1u << 20)) t += piece;
    t.resize(1u << 20);
    return t;
  }();
  return text;
}

// Arguments for one call: parameter `target` gets the hostile value, every
// other parameter a sound one (the printer "VP", 10 mm, 1).
class ArgumentSource {
 public:
  ArgumentSource(std::size_t target, Hostile kind)
      : target_(target), kind_(kind) {}

  template <class T>
  T Get(std::size_t i) {
    const bool hit = i == target_;
    if constexpr (std::is_same_v<T, const char*>) {
      return hit ? HostileText() : kPrinter;
    } else if constexpr (std::is_same_v<T, const char**>) {
      if (!hit) return &sound_;
      if (kind_ == Hostile::Null) return nullptr;
      hostile_ = HostileText();
      return &hostile_;
    } else if constexpr (std::is_same_v<T, char*>) {
      return hit ? nullptr : text_;
    } else if constexpr (std::is_same_v<T, unsigned char*> ||
                         std::is_same_v<T, const unsigned char*>) {
      return hit ? nullptr : bytes_;
    } else if constexpr (std::is_same_v<T, int*>) {
      return hit ? nullptr : &ints_[i % 16];
    } else if constexpr (std::is_same_v<T, double>) {
      return 10.0;
    } else if constexpr (std::is_same_v<T, char>) {
      return 'A';
    } else {
      static_assert(std::is_same_v<T, int> || std::is_same_v<T, unsigned>);
      return 1;
    }
  }

 private:
  const char* HostileText() const {
    return kind_ == Hostile::OneMebibyte ? OneMebibyte().c_str() : nullptr;
  }

  std::size_t target_;
  Hostile kind_;
  const char* sound_ = kPrinter;
  const char* hostile_ = nullptr;
  char text_[64] = {};
  unsigned char bytes_[64] = {};
  int ints_[16] = {};
};

struct Case {
  std::string label;  // "PrnEAN128 argument 6 1 MiB"
  int (*call)(std::size_t, Hostile);
  std::size_t parameter;
  Hostile kind;
};

// The cases of one export: each pointer parameter null; each string
// parameter 1 MiB long; each string-address parameter also pointing at null.
struct CaseCollector {
  std::string_view name;
  int (*call)(std::size_t, Hostile);
  std::vector<Case>& cases;

  template <class T>
  void Visit(std::size_t i) {
    if constexpr (std::is_pointer_v<T>) {
      Add(i, Hostile::Null);
      if constexpr (std::is_same_v<T, const char**>)
        Add(i, Hostile::PointerToNull);
      if constexpr (std::is_same_v<T, const char*> ||
                    std::is_same_v<T, const char**>)
        Add(i, Hostile::OneMebibyte);
    }
  }
  void Add(std::size_t i, Hostile kind) {
    cases.push_back({std::string(name) + " argument " + std::to_string(i + 1) +
                         " " + HostileName(kind),
                     call, i, kind});
  }
};

template <auto Fn>
int CallHostile(std::size_t parameter, Hostile kind) {
  ArgumentSource source(parameter, kind);
  return CallWith(Fn, source);
}

std::vector<Case> AllCases() {
  std::vector<Case> cases;
#define VXCL_COLLECT(fn)                                    \
  {                                                         \
    CaseCollector collector{#fn, &CallHostile<&fn>, cases}; \
    VisitParameters(&fn, collector);                        \
  }
  VXCL_FOR_EACH_EXPORT(VXCL_COLLECT)
#undef VXCL_COLLECT
  return cases;
}

// What each case answers. The sound arguments decide some of these (a
// character size of 1 dot gives 70, type "A" is no variable-ratio type).
const std::map<std::string, int, std::less<>> kExpected = {
    {"PrnInit argument 1 null", 3},
    {"PrnInit argument 1 1 MiB", 3},
    {"PrnInitESeries argument 1 null", 3},
    {"PrnInitESeries argument 1 1 MiB", 3},
    {"PrnDrawBMP argument 6 null", 48},
    {"PrnDrawBMP argument 6 1 MiB", 49},
    {"PrnDrawPCX argument 6 null", 48},
    {"PrnDrawPCX argument 6 1 MiB", 49},
    {"PrnInitCX208 argument 1 null", 3},
    {"PrnInitCX208 argument 1 1 MiB", 3},
    {"PrnInitCT400 argument 1 null", 3},
    {"PrnInitCT400 argument 1 1 MiB", 3},
    {"PrnCXCalibrate argument 1 null", 0},
    {"PrnCXCalibrate argument 1 1 MiB", 0},
    {"PrnCTDefault argument 1 null", 0},
    {"PrnCTDefault argument 1 1 MiB", 0},
    {"PrnInternalFont argument 4 null", 1},
    {"PrnInternalFont argument 4 1 MiB", 1},
    {"PrnInternalFont argument 8 null", 1},
    {"PrnInternalFont argument 8 1 MiB", 1},
    {"PrnVectorFont argument 9 null", 70},
    {"PrnVectorFont argument 9 1 MiB", 70},
    {"PrnAGFARasterFont argument 9 null", 70},
    {"PrnAGFARasterFont argument 9 1 MiB", 70},
    {"PrnTrueTypeFont argument 4 null", 1},  // the default face
    {"PrnTrueTypeFont argument 4 1 MiB", 1},
    {"PrnTrueTypeFont argument 14 null", 1},    // no text, an empty graphic
    {"PrnTrueTypeFont argument 14 1 MiB", 31},  // too large to draw
    {"PrnBarcode argument 8 null", 1},
    {"PrnBarcode argument 8 1 MiB", 1},
    {"PrnVariableBarcode argument 11 null", 32},
    {"PrnVariableBarcode argument 11 1 MiB", 32},
    {"PrnUCC128 argument 7 null", 0},
    {"PrnUCC128 argument 7 1 MiB", 0},
    {"PrnEAN128 argument 6 null", 43},
    {"PrnEAN128 argument 6 1 MiB", 1},  // 55189 valid groups
    {"PrnPDF417 argument 10 null", 102},
    {"PrnPDF417 argument 10 pointer to null", 102},
    {"PrnPDF417 argument 10 1 MiB", 102},
    {"PrnDataMatrix argument 10 null", 116},
    {"PrnDataMatrix argument 10 pointer to null", 116},
    {"PrnDataMatrix argument 10 1 MiB", 116},
    {"VxclAddVirtualPrinter argument 1 null", 0},
    {"VxclAddVirtualPrinter argument 1 1 MiB", 1},
    {"VxclRemoveVirtualPrinter argument 1 null", 0},
    {"VxclRemoveVirtualPrinter argument 1 1 MiB", 0},
    {"VxclVirtualJobCount argument 1 null", -1},
    {"VxclVirtualJobCount argument 1 1 MiB", -1},
    {"VxclVirtualJob argument 1 null", -1},
    {"VxclVirtualJob argument 1 1 MiB", -1},
    {"VxclVirtualJob argument 3 null", 26},  // the second job's length
    {"VxclVirtualJobName argument 1 null", -1},
    {"VxclVirtualJobName argument 1 1 MiB", -1},
    {"VxclVirtualJobName argument 3 null", 6},
    {"VxclLastError argument 1 null", 0},
    {"VxclSetTextEncoding argument 1 null", 1},  // the default
    {"VxclSetTextEncoding argument 1 1 MiB", 180},
    {"VxclVirtualJobPreview argument 1 null", 0},
    {"VxclVirtualJobPreview argument 1 1 MiB", 0},
    {"VxclVirtualJobPreview argument 3 null", 160},
    {"VxclVirtualJobPreview argument 3 1 MiB", 162},  // no such file name
    {"VxclPreviewStream argument 1 null", 161},
    {"VxclPreviewStream argument 7 null", 160},
    {"VxclPreviewStream argument 7 1 MiB", 161},  // 1 dpi: no canvas
    {"VxclPreviewWarnings argument 1 null", 0},
    {"VxclPreviewFinding argument 2 null", -1},
    {"VxclPreviewFinding argument 4 null", -1},
    {"VxclPrinterName argument 2 null", 3},  // "VP2"
    {"VxclPrinterMetrics argument 1 null", 0},
    {"VxclPrinterMetrics argument 1 1 MiB", 0},
    {"VxclPrinterMetrics argument 2 null", 1},
    {"VxclPrinterMetrics argument 3 null", 1},
    {"VxclPrinterMetrics argument 4 null", 1},
};

// The list these tests and the fuzz target go by holds every export the
// public header declares.
TEST(ExportList, HoldsEveryDeclaredExport) {
  std::ifstream header(VXCL_SOURCE_DIR "/include/vxclcmd.h");
  ASSERT_TRUE(header);
  const std::string text{std::istreambuf_iterator<char>(header), {}};
  const std::regex declaration(R"(VXCL_API int VXCL_CALL\s+(\w+)\s*\()");
  std::set<std::string> declared;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), declaration);
       it != std::sregex_iterator(); ++it)
    declared.insert((*it)[1]);
  std::set<std::string> listed;
  ForEachExport([&](std::string_view name, auto) { listed.emplace(name); });
  EXPECT_EQ(listed, declared);
  EXPECT_GT(declared.size(), 30u);
}

using HostileArgumentTest = JobTest;

TEST_F(HostileArgumentTest, EveryPointerNullAndEveryStringOneMebibyte) {
  ASSERT_TRUE(VirtualPrinters().Add("VP2", 203, 104, 1000));
  const std::vector<Case> cases = AllCases();
  EXPECT_EQ(cases.size(), kExpected.size());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    OpenJob();
    // The job "VP" received last time is there to be copied.
    const int result = c.call(c.parameter, c.kind);
    const auto expected = kExpected.find(c.label);
    ASSERT_NE(expected, kExpected.end());
    EXPECT_EQ(result, expected->second);
    // A result code has its row in the list; the other extensions refuse
    // with 0 or -1.
    const std::string_view name =
        std::string_view(c.label).substr(0, c.label.find(' '));
    bool refusal = result <= 0;
    if (ReturnsResultCode(name)) {
      EXPECT_NE(vxlabel::FindResultRow(name, result), nullptr);
      refusal = vxlabel::MeaningOf(name, result).refusal;
    }
    if (refusal && PrnQty(1) == 1) {
      EXPECT_EQ(PrintedElements(), "") << "a refusal adds nothing";
    }

    // Printers a call added (a 1 MiB name) go; "VP" and "VP2" stay.
    const auto names = VirtualPrinters().PrinterNames();
    for (const std::string& name : *names)
      if (name != kPrinter && name != "VP2") VirtualPrinters().Remove(name);
    ASSERT_EQ(PrnInit(kPrinter, 3, 4, 100.0, 50.0, 0.0), 1);
    ASSERT_EQ(PrnQty(1), 1);
    ASSERT_EQ(PrnEnd(), 1);
    ASSERT_EQ(LastSentJob(), OpenJobHeader() + B("<ESC>Q1<ESC>Z<ETX>"));
  }
  VirtualPrinters().Remove("VP2");
}

}  // namespace
}  // namespace vxcl::test
