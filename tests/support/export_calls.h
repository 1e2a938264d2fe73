// Every function of the public header, and a way to call any of them with
// arguments chosen by parameter type: for the tests and the fuzz target that
// must reach every export.
#ifndef VXCL_TESTS_EXPORT_CALLS_H
#define VXCL_TESTS_EXPORT_CALLS_H

#include <cstddef>
#include <string_view>
#include <tuple>
#include <utility>

#include "vxclcmd.h"

namespace vxcl::test {

// X(name) for every export, in the header's order.
#define VXCL_FOR_EACH_EXPORT(X) \
  X(PrnInit)                    \
  X(PrnInitESeries)             \
  X(PrnDrawBMP)                 \
  X(PrnDrawPCX)                 \
  X(PrnInitCX208)               \
  X(PrnInitCT400)               \
  X(PrnCXCalibrate)             \
  X(PrnCTDefault)               \
  X(PrnDrawLine)                \
  X(PrnDrawBox)                 \
  X(PrnReverseImage)            \
  X(PrnInternalFont)            \
  X(PrnVectorFont)              \
  X(PrnAGFARasterFont)          \
  X(PrnTrueTypeFont)            \
  X(PrnBarcode)                 \
  X(PrnVariableBarcode)         \
  X(PrnUCC128)                  \
  X(PrnEAN128)                  \
  X(PrnPDF417)                  \
  X(PrnDataMatrix)              \
  X(PrnQty)                     \
  X(PrnCutter)                  \
  X(PrnEnd)                     \
  X(VxclBeginBatch)             \
  X(VxclEndBatch)               \
  X(VxclCancelBatch)            \
  X(VxclAddVirtualPrinter)      \
  X(VxclRemoveVirtualPrinter)   \
  X(VxclVirtualJobCount)        \
  X(VxclVirtualJob)             \
  X(VxclVirtualJobName)         \
  X(VxclLastError)              \
  X(VxclVersion)                \
  X(VxclSetTextEncoding)        \
  X(VxclVirtualJobPreview)      \
  X(VxclPreviewStream)          \
  X(VxclPreviewWarnings)        \
  X(VxclPreviewFindingCount)    \
  X(VxclPreviewFinding)         \
  X(VxclSetSpoolerTimeout)      \
  X(VxclPrinterCount)           \
  X(VxclPrinterName)            \
  X(VxclPrinterMetrics)

// The label calls and the previews answer with a result code of the list;
// the other extensions answer with a count, a length or 0/1.
inline bool ReturnsResultCode(std::string_view name) {
  return name.starts_with("Prn") || name.ends_with("Batch") ||
         name == "VxclVirtualJobPreview" || name == "VxclPreviewStream" ||
         name == "VxclSetTextEncoding";
}

// Calls `fn` with source.template Get<T>(i) as its parameter i of type T,
// the arguments taken in parameter order.
template <class Source, class... A, std::size_t... I>
int CallIndexed(int(VXCL_CALL* fn)(A...), Source& source,
                std::index_sequence<I...>) {
  (void)source;
  std::tuple<A...> args{source.template Get<A>(I)...};
  return std::apply(fn, args);
}

template <class Source, class... A>
int CallWith(int(VXCL_CALL* fn)(A...), Source& source) {
  return CallIndexed(fn, source, std::index_sequence_for<A...>{});
}

// The parameter types of `fn`, for a visitor's template Visit<T>(i).
template <class Visitor, class... A, std::size_t... I>
void VisitIndexed(int(VXCL_CALL*)(A...), Visitor& visitor,
                  std::index_sequence<I...>) {
  (void)visitor;
  (visitor.template Visit<A>(I), ...);
}

template <class Visitor, class... A>
void VisitParameters(int(VXCL_CALL* fn)(A...), Visitor& visitor) {
  VisitIndexed(fn, visitor, std::index_sequence_for<A...>{});
}

// Calls visit(name, fn) for every export.
template <class Visit>
void ForEachExport(Visit&& visit) {
#define VXCL_VISIT_EXPORT(fn) visit(std::string_view(#fn), &fn);
  VXCL_FOR_EACH_EXPORT(VXCL_VISIT_EXPORT)
#undef VXCL_VISIT_EXPORT
}

}  // namespace vxcl::test

#endif
