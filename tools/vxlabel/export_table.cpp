#include "export_table.h"

#include <climits>
#include <cmath>
#include <tuple>
#include <utility>

#include "vxclcmd.h"

namespace vxlabel {

namespace {

[[noreturn]] void Mismatch(const Call& call, std::size_t index,
                           const char* wanted) {
  throw ScriptError(
      call.line, call.name + " argument " + std::to_string(index + 1) + " (" +
                     call.args[index].source + ") must be " + wanted);
}

long long Integer(const Call& call, std::size_t i, const char* wanted) {
  const Value& v = call.args[i];
  if (v.kind != Value::Kind::Number || !v.integral) Mismatch(call, i, wanted);
  return static_cast<long long>(v.number);
}

// One converter a parameter type. Strings stay alive in the Call.
template <class T>
struct Arg;

template <>
struct Arg<int> {
  static constexpr char letter = 'i';
  static int From(const Call& c, std::size_t i) {
    const long long n = Integer(c, i, "an integer");
    if (n < INT_MIN || n > UINT_MAX) Mismatch(c, i, "a 32-bit integer");
    return static_cast<int>(static_cast<unsigned>(n));
  }
};

template <>
struct Arg<unsigned> {
  static constexpr char letter = 'u';
  static unsigned From(const Call& c, std::size_t i) {
    return static_cast<unsigned>(Arg<int>::From(c, i));
  }
};

template <>
struct Arg<double> {
  static constexpr char letter = 'd';
  static double From(const Call& c, std::size_t i) {
    if (c.args[i].kind != Value::Kind::Number) Mismatch(c, i, "a number");
    return static_cast<double>(c.args[i].number);
  }
};

template <>
struct Arg<char> {
  static constexpr char letter = 'c';
  static char From(const Call& c, std::size_t i) {
    const Value& v = c.args[i];
    if (v.kind == Value::Kind::Text && v.text.size() == 1) return v.text[0];
    return static_cast<char>(Integer(c, i, "one character or its code"));
  }
};

template <>
struct Arg<const char*> {
  static constexpr char letter = 's';
  static const char* From(const Call& c, std::size_t i) {
    const Value& v = c.args[i];
    if (v.kind == Value::Kind::Null) return nullptr;
    if (v.kind != Value::Kind::Text) Mismatch(c, i, "a string or null");
    return v.text.c_str();
  }
};

// The address of a string pointer: the pointer lives as long as the call.
template <>
struct Arg<const char**> {
  static constexpr char letter = 'p';
  static thread_local inline const char* slots[8];
  static const char** From(const Call& c, std::size_t i) {
    const Value& v = c.args[i];
    if (v.kind == Value::Kind::Null) return nullptr;
    if (v.kind != Value::Kind::Text) Mismatch(c, i, "a string or null");
    slots[i % 8] = v.text.c_str();
    return &slots[i % 8];
  }
};

template <class F>
struct Signature;

template <class... A>
struct Signature<int(VXCL_CALL*)(A...)> {
  static constexpr char letters[] = {Arg<A>::letter..., '\0'};

  template <auto Fn>
  static int Invoke(const Call& call) {
    if (call.args.size() != sizeof...(A))
      throw ScriptError(
          call.line, call.name + " takes " + std::to_string(sizeof...(A)) +
                         " arguments, not " + std::to_string(call.args.size()));
    return Apply<Fn>(call, std::index_sequence_for<A...>{});
  }

  template <auto Fn, std::size_t... I>
  static int Apply(const Call& call, std::index_sequence<I...>) {
    (void)call;
    // Convert every argument before the call, in order.
    std::tuple<A...> args{Arg<A>::From(call, I)...};
    return Fn(std::get<I>(args)...);
  }
};

template <auto Fn>
ExportSignature Row(std::string_view name) {
  using S = Signature<decltype(Fn)>;
  return ExportSignature{name, S::letters, &S::template Invoke<Fn>};
}

#define VXL_ROW(fn) Row<&fn>(#fn)

}  // namespace

const std::vector<ExportSignature>& AllExports() {
  static const std::vector<ExportSignature> table = {
      // Job start.
      VXL_ROW(PrnInit),
      VXL_ROW(PrnInitESeries),
      // Model setup and maintenance jobs.
      VXL_ROW(PrnInitCX208),
      VXL_ROW(PrnInitCT400),
      VXL_ROW(PrnCXCalibrate),
      VXL_ROW(PrnCTDefault),
      // Pictures, lines, boxes and reversed areas.
      VXL_ROW(PrnDrawBMP),
      VXL_ROW(PrnDrawPCX),
      VXL_ROW(PrnDrawLine),
      VXL_ROW(PrnDrawBox),
      VXL_ROW(PrnReverseImage),
      // Text.
      VXL_ROW(PrnInternalFont),
      VXL_ROW(PrnVectorFont),
      VXL_ROW(PrnAGFARasterFont),
      VXL_ROW(PrnTrueTypeFont),
      // Barcodes.
      VXL_ROW(PrnBarcode),
      VXL_ROW(PrnVariableBarcode),
      VXL_ROW(PrnUCC128),
      VXL_ROW(PrnEAN128),
      VXL_ROW(PrnPDF417),
      VXL_ROW(PrnDataMatrix),
      // Quantity, cutting and job end.
      VXL_ROW(PrnQty),
      VXL_ROW(PrnCutter),
      VXL_ROW(PrnEnd),
      // How long a submission may wait for the printer's queue.
      VXL_ROW(VxclSetSpoolerTimeout),
      // Label preview: a script can draw the jobs it sent.
      VXL_ROW(VxclVirtualJobPreview),
  };
  return table;
}

const ExportSignature* FindExport(std::string_view name) {
  for (const ExportSignature& e : AllExports())
    if (e.name == name) return &e;
  return nullptr;
}

bool TakesPrinterName(std::string_view name) {
  return name.starts_with("PrnInit") || name == "PrnCXCalibrate" ||
         name == "PrnCTDefault" || name == "VxclVirtualJobPreview";
}

}  // namespace vxlabel
