// Reads a command stream as the printer does and draws its labels.
#ifndef VXCL_PREVIEW_INTERPRETER_H
#define VXCL_PREVIEW_INTERPRETER_H

#include <cstddef>
#include <string_view>
#include <vector>

#include "platform/font_rasterizer.h"
#include "preview/command_reader.h"
#include "preview/element_context.h"
#include "preview/findings.h"
#include "preview/label_picture.h"
#include "preview/label_state.h"
#include "preview/warnings.h"

namespace vxcl::preview {

class Interpreter {
 public:
  // A stream of random bytes can open a label every few bytes: labels past
  // this many are read but not drawn.
  static constexpr std::size_t kMostLabels = 16;

  // The metrics must pass CheckMetrics.
  Interpreter(const PreviewMetrics& metrics, FontRasterizer& fonts,
              Warnings& warnings, Findings& findings);

  // Every label of the stream that prints (one with elements or a
  // quantity), in order. A stream that prints none gives one blank label.
  std::vector<LabelPicture> Run(std::string_view stream);

 private:
  void OnCommand(const Token& token);
  // The commands that set something; false when `token` is not one.
  bool OnSetting(const Token& token);
  void OnBaseReference(const Token& token);
  void OnLabelSize(const Token& token);
  void OnElement(const Token& token);
  void DrawElement(const Token& token, OneBitBitmap& canvas);
  void DrawOne(const Token& token, const ElementContext& context);

  void BeginLabel();
  void EndLabel();
  OneBitBitmap& Canvas();
  LabelPicture Finished(OneBitBitmap dots, bool autoLength) const;
  void Warn(const Token& token, std::string_view message);

  const PreviewMetrics& metrics_;
  FontRasterizer& fonts_;
  Warnings& warnings_;
  Findings& findings_;
  PrinterSettings printer_;
  LabelState label_;
  std::string_view previous_;  // the name of the command before this one
  std::vector<LabelPicture> labels_;
  bool tooManyLabels_ = false;
};

}  // namespace vxcl::preview

#endif
