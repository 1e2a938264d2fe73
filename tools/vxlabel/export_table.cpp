#include "export_table.h"

#include <climits>
#include <cmath>
#include <tuple>
#include <utility>

#include "vxclcmd.h"

namespace vxlabel {

namespace {

struct ParameterRow {
  std::string_view name;
  std::string_view parameters;
};

constexpr ParameterRow kParameters[] = {
#include "export_parameters.inc"
};

std::string_view ParametersOf(std::string_view name) {
  for (const ParameterRow& row : kParameters)
    if (row.name == name) return row.parameters;
  return {};
}

// The name of parameter `index` as the header declares it, "" if unknown.
std::string ParameterName(std::string_view exportName, std::size_t index) {
  std::string_view list = ParametersOf(exportName);
  for (std::size_t i = 0; !list.empty(); ++i) {
    const std::size_t comma = list.find(',');
    std::string_view one = list.substr(0, comma);
    if (i == index) {
      const std::size_t start = one.find_last_of(" *");
      return std::string(
          start == std::string_view::npos ? one : one.substr(start + 1));
    }
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return "";
}

[[noreturn]] void Mismatch(const Call& call, std::size_t index,
                           const char* wanted) {
  const std::string parameter = ParameterName(call.name, index);
  throw ScriptError(call.line,
                    call.name + " argument " + std::to_string(index + 1) +
                        (parameter.empty() ? "" : ", " + parameter + ",") +
                        " (" + call.args[index].source + ") must be " + wanted +
                        "; expected " + DeclarationOf(call.name),
                    call.args[index].column);
}

long long Integer(const Call& call, std::size_t i, const char* wanted) {
  const Value& v = call.args[i];
  if (v.kind != Value::Kind::Number || !v.integral) Mismatch(call, i, wanted);
  return static_cast<long long>(v.number);
}

// A C string ends at its first NUL: the call would see only what stands
// before a \0, so such a string is refused rather than cut.
const std::string& WholeCString(const Call& call, std::size_t index) {
  const std::string& text = call.args[index].text;
  if (text.find('\0') != std::string::npos)
    throw ScriptError(
        call.line, call.name + " argument " + std::to_string(index + 1) + " (" +
                       call.args[index].source +
                       ") holds a \\0 byte, but the call takes a "
                       "zero-terminated string and would see only what "
                       "stands before it");
  return text;
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
    return WholeCString(c, i).c_str();
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
    slots[i % 8] = WholeCString(c, i).c_str();
    return &slots[i % 8];
  }
};

template <class F>
struct Signature;

template <class... A>
struct Signature<int(VXCL_CALL*)(A...)> {
  static constexpr char letters[] = {Arg<A>::letter..., '\0'};

  static void CheckCount(const Call& call) {
    if (call.args.size() != sizeof...(A))
      throw ScriptError(
          call.line, call.name + " takes " + std::to_string(sizeof...(A)) +
                         " arguments, not " + std::to_string(call.args.size()));
  }

  template <auto Fn>
  static int Invoke(const Call& call) {
    CheckCount(call);
    return Apply<Fn>(call, std::index_sequence_for<A...>{});
  }

  static void Check(const Call& call, std::vector<ScriptError>& errors) {
    if (call.args.size() != sizeof...(A)) return;
    CheckEach(call, errors, std::index_sequence_for<A...>{});
  }

  template <std::size_t... I>
  static void CheckEach(const Call& call, std::vector<ScriptError>& errors,
                        std::index_sequence<I...>) {
    (void)call;
    (void)errors;
    (CheckOne<A>(call, I, errors), ...);
  }

  template <class T>
  static void CheckOne(const Call& call, std::size_t i,
                       std::vector<ScriptError>& errors) {
    try {
      (void)Arg<T>::From(call, i);
    } catch (const ScriptError& error) {
      errors.push_back(error);
    }
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
  return ExportSignature{name, S::letters, &S::template Invoke<Fn>, &S::Check};
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
      // Batches.
      VXL_ROW(VxclBeginBatch),
      VXL_ROW(VxclEndBatch),
      VXL_ROW(VxclCancelBatch),
      // The encoding of the script's strings, for scripts kept in a code page.
      VXL_ROW(VxclSetTextEncoding),
      // How long a submission may wait for the printer's queue.
      VXL_ROW(VxclSetSpoolerTimeout),
      // Label preview: a script can draw the jobs it sent.
      VXL_ROW(VxclVirtualJobPreview),
      // The library's version, for scripts that note it.
      VXL_ROW(VxclVersion),
  };
  return table;
}

const ExportSignature* FindExport(std::string_view name) {
  for (const ExportSignature& e : AllExports())
    if (e.name == name) return &e;
  return nullptr;
}

std::string DeclarationOf(std::string_view name) {
  return std::string(name) + "(" + std::string(ParametersOf(name)) + ")";
}

void CheckCStrings(const Call& call) {
  const ExportSignature* signature = FindExport(call.name);
  if (!signature) return;
  for (std::size_t i = 0; i < call.args.size() && i < signature->params.size();
       ++i)
    if ((signature->params[i] == 's' || signature->params[i] == 'p') &&
        call.args[i].kind == Value::Kind::Text)
      WholeCString(call, i);
}

bool TakesPrinterName(std::string_view name) {
  return name.starts_with("PrnInit") || name == "PrnCXCalibrate" ||
         name == "PrnCTDefault" || name == "VxclVirtualJobPreview";
}

}  // namespace vxlabel
