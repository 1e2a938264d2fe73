// What a person would want to know about a label before printing it: parts
// that fall off the label, barcodes that will not scan, sizes that cannot be
// meant. Each finding names the command it comes from by its byte offset.
#ifndef VXCL_PREVIEW_FINDINGS_H
#define VXCL_PREVIEW_FINDINGS_H

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "preview/placement.h"

namespace vxcl::preview {

// The numbers are the public VxclFindingKind's.
enum class FindingKind {
  OutsideLabel = 1,
  PartlyOutside = 2,
  BarcodeCut = 3,
  BarcodeOverlap = 4,
  UndrawableText = 5,  // reserved: the TrueType drawing does not report yet
  FaceReplaced = 6,    // reserved, likewise
  DataMatrixEcc = 7,
  BarcodeType = 8,
  NegativeSize = 9,
};

struct Finding {
  FindingKind kind = FindingKind::OutsideLabel;
  int label = 0;               // 0: the stream's first label
  long long offset = -1;       // of the command; -1: none
  long long otherOffset = -1;  // the other element of an overlap
  DotRect extent;              // on the label, from its top-left corner
  std::string message;
};

// What one element drew and what its renderer noticed, until its label
// ends and can be measured.
struct ElementRecord {
  std::size_t offset = 0;
  bool barcode = false;
  DotRect drawn;               // canvas dots, not cut to the canvas
  std::vector<DotRect> parts;  // the filled rectangles; empty: `drawn`
  std::vector<std::pair<FindingKind, std::string>> notes;
};

// The label on the canvas: columns left..left+width-1, rows 0..length-1.
struct LabelArea {
  long long left = 0, width = 0, length = 0;
};

class Findings {
 public:
  // As with warnings, a random stream may hold a fault every few bytes.
  static constexpr std::size_t kMostKept = 64;

  // The findings of one label's elements: their notes, what lies outside
  // the label, and barcodes that touch another element.
  void ReviewLabel(int label, const LabelArea& area,
                   const std::vector<ElementRecord>& elements);

  const std::vector<Finding>& All() const { return kept_; }

 private:
  void Add(Finding finding);
  std::vector<Finding> kept_;
};

}  // namespace vxcl::preview

#endif
