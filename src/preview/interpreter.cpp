#include "preview/interpreter.h"

#include <algorithm>
#include <string>

#include "preview/barcode/fixed_ratio_renderer.h"
#include "preview/barcode/pdf417_renderer.h"
#include "preview/font_cells.h"
#include "preview/graphic_renderer.h"
#include "preview/line_box_renderer.h"
#include "preview/parameters.h"

namespace vxcl::preview {

namespace {

// The print area's length: 178 mm with ESC "AR", 9999 dots with ESC "EX0"
// (and, as read here, with ESC "AX").
constexpr int kStandardAreaMm = 178;
constexpr int kLongAreaDots = 9999;
// A label whose length comes from what is drawn is at least this long.
constexpr int kLeastAutoLengthMm = 10;

// Commands that only set up the printer (speed, darkness, sensors, cutting,
// job names): nothing to draw.
constexpr std::string_view kNoImage[] = {
    "CS", "#E", "CP", "CI", "CE", "CD", "CB", "CA", "CL",
    "PO", "PM", "PH", "PG", "YE", "IG", "ID", "WK", "TP",
    "~",  "~A", "~B", "AO", "@",  "E",  "F",  "C",  std::string_view("\0", 1)};

// Commands the preview knows but does not draw: stored forms and graphics,
// symbols the library never sends, copies and mirrors.
constexpr std::string_view kNotDrawn[] = {
    "GM", "GP", "GI", "GR", "GC", "GT", "PI", "PY", "YS", "YR",
    "CC", "BV", "BP", "BQ", "2D", "DS", "DN", "FX", "T",  "K",
    "WD", "RM", "&",  "/",  "*",  "R",  "N",  "LD"};

template <std::size_t N>
bool In(const std::string_view (&names)[N], std::string_view name) {
  return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

bool AllOf(std::string_view s, char low, char high) {
  return std::all_of(s.begin(), s.end(),
                     [&](char c) { return c >= low && c <= high; });
}

bool IsBlank(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) {
    return c == ' ' || c == '\r' || c == '\n' || c == '\t' || c == '\0';
  });
}

std::string Named(const Token& token) {
  return "ESC \"" + Shown(token.name) + "\"";
}

bool IsBarcode(std::string_view name) {
  return name == "B" || name == "D" || name == "BD" || name == "DC" ||
         name == "BW" || name == "BK";
}

// What the library prints, as Code 39, in place of a barcode whose type
// letter the printer family does not accept.
constexpr std::string_view kErrorBarcodeText = "*ERROR BARCODE TYPE*";

}  // namespace

Interpreter::Interpreter(const PreviewMetrics& metrics, FontRasterizer& fonts,
                         Warnings& warnings, Findings& findings)
    : metrics_(metrics),
      fonts_(fonts),
      warnings_(warnings),
      findings_(findings) {}

void Interpreter::Warn(const Token& token, std::string_view message) {
  warnings_.Add("byte " + std::to_string(token.offset) + ": " +
                std::string(message));
}

std::vector<LabelPicture> Interpreter::Run(std::string_view stream) {
  CommandReader reader(stream);
  while (!reader.AtEnd()) {
    const Token token = reader.Next();
    switch (token.kind) {
      case Token::Kind::FrameStart:
        break;
      case Token::Kind::FrameEnd:
        if (label_.open) {
          Warn(token, "label ended by ETX without ESC \"Z\"");
          EndLabel();
        }
        break;
      case Token::Kind::Stray:
        if (!IsBlank(token.body))
          Warn(token, "bytes outside any command skipped: \"" +
                          Shown(token.body) + "\"");
        break;
      case Token::Kind::Command:
        OnCommand(token);
        previous_ = token.name;
        break;
    }
  }
  if (label_.open) {
    warnings_.Add("the stream ends inside a label");
    EndLabel();
  }
  if (labels_.empty()) {
    warnings_.Add("the stream prints no label: a blank label drawn");
    const int known = metrics_.labelLengthDots > 0 ? metrics_.labelLengthDots
                                                   : printer_.sizeLength;
    const int length = static_cast<int>(
        std::min<long long>(known, kMostPictureDots / metrics_.headWidthDots));
    labels_.push_back(
        Finished(OneBitBitmap(metrics_.headWidthDots, length), length == 0));
  }
  return std::move(labels_);
}

void Interpreter::OnCommand(const Token& token) {
  if (token.name.empty()) {
    Warn(token, "unknown command ESC \"" + Shown(token.body, 8) + "\" skipped");
    return;
  }
  if (In(kNoImage, token.name)) return;
  if (In(kNotDrawn, token.name)) {
    Warn(token, Named(token) + " is not drawn by the preview");
    return;
  }
  if (!OnSetting(token)) OnElement(token);
}

bool Interpreter::OnSetting(const Token& token) {
  const std::string_view name = token.name;
  Parameters p(token.body);
  if (name == "A") {
    if (IsBlank(token.body))
      BeginLabel();
    else if (!AllOf(token.body, '0', '9'))  // digits: the e-series cut
      Warn(token, "malformed ESC \"A" + Shown(token.body) + "\" skipped");
  } else if (name == "Z") {
    if (label_.open) EndLabel();
  } else if (name == "A1") {
    OnLabelSize(token);
  } else if (name == "A3") {
    OnBaseReference(token);
  } else if (name == "AR") {
    printer_.longPrintArea = false;
  } else if (name == "AX" || name == "EX") {
    printer_.longPrintArea = true;
  } else if (name == "H" || name == "V") {
    const auto value = p.Number(9, true);
    if (!value)
      Warn(token, Named(token) + " without a position");
    else
      (name == "H" ? label_.h : label_.v) = *value;
  } else if (name == "%") {
    const auto turn = p.Digits(1);
    label_.rotation = turn && *turn <= 3 ? *turn : 0;
    if (turn && *turn > 3)
      Warn(token, "rotation " + std::to_string(*turn) + " invalid: 0 used");
  } else if (name == "L") {
    const auto h = p.Digits(2), v = p.Digits(2);
    if (!h || !v) {
      Warn(token, "malformed expansion ESC \"L" + Shown(token.body) + "\"");
    } else {
      const bool valid = *h >= 1 && *h <= 12 && *v >= 1 && *v <= 12;
      if (!valid)
        Warn(token, "expansion ESC \"L" + Shown(token.body) +
                        "\" outside 1..12: 1 used");
      label_.text.hExpansion = *h >= 1 && *h <= 12 ? *h : 1;
      label_.text.vExpansion = *v >= 1 && *v <= 12 ? *v : 1;
    }
  } else if (name == "P") {
    const auto pitch = p.Number(2);
    if (pitch)
      label_.text.pitch = static_cast<int>(*pitch);
    else
      Warn(token, "pitch ESC \"P\" without its digits");
  } else if (name == "PS" || name == "PR") {
    label_.text.proportional = name == "PS";
  } else if (name == "Q") {
    const auto quantity = p.Number(6);
    if (!label_.open) BeginLabel();
    label_.quantity = quantity ? static_cast<int>(*quantity) : 1;
    if (label_.quantity == 0)
      Warn(token,
           "quantity 0: the printer prints no label (drawn all the "
           "same)");
  } else if (name == "B" && IsBlank(token.body)) {
    // The e-series cut option: no image.
  } else {
    return false;
  }
  return true;
}

void Interpreter::OnLabelSize(const Token& token) {
  Parameters p(token.body);
  const std::string_view body = token.body;
  if (body.size() <= 3 && AllOf(body, '0', '9')) return;  // e-series cut 1..
  const auto length = p.Digits(4), width = p.Digits(4);
  if (!length || !width) {
    Warn(token, "malformed label size ESC \"A1" + Shown(body) + "\" skipped");
    return;
  }
  if (!p.AtEnd())
    Warn(token, "label size ESC \"A1" + Shown(body) +
                    "\": only the first eight digits read");
  printer_.sizeLength = *length;
}

void Interpreter::OnBaseReference(const Token& token) {
  const std::string_view body = token.body;
  if (body.size() <= 3 && AllOf(body, '0', '9')) return;  // e-series cut 3..
  Parameters p(body);
  std::optional<long long> h, v;
  while (!p.AtEnd()) {
    if (p.Take('H'))
      h = p.Number(4, true);
    else if (p.Take('V'))
      v = p.Number(4, true);
    else
      break;
  }
  if (!p.AtEnd() || (!h && !v)) {
    Warn(token,
         "malformed base reference ESC \"A3" + Shown(body) + "\" skipped");
    return;
  }
  if (h) printer_.baseH = *h;
  if (v) printer_.baseV = *v;
}

void Interpreter::BeginLabel() {
  if (label_.open) EndLabel();
  label_ = LabelState{};
  label_.open = true;
}

OneBitBitmap& Interpreter::Canvas() {
  if (!label_.canvas) {
    int length = metrics_.labelLengthDots > 0 ? metrics_.labelLengthDots
                                              : printer_.sizeLength;
    label_.autoLength = length <= 0;
    if (label_.autoLength)
      length =
          printer_.longPrintArea
              ? kLongAreaDots
              : std::min(kLongAreaDots, kStandardAreaMm * metrics_.dotsPerMm);
    const long long most = kMostPictureDots / metrics_.headWidthDots;
    if (length > most) {
      warnings_.Add("label length " + std::to_string(length) + " dots cut to " +
                    std::to_string(most));
      length = static_cast<int>(most);
    }
    label_.canvas.emplace(metrics_.headWidthDots, length);
  }
  return *label_.canvas;
}

void Interpreter::EndLabel() {
  if (label_.drawn || label_.quantity >= 0) {
    if (labels_.size() < kMostLabels) {
      Canvas();
      labels_.push_back(Finished(std::move(*label_.canvas), label_.autoLength));
      const LabelPicture& picture = labels_.back();
      findings_.ReviewLabel(
          static_cast<int>(labels_.size() - 1),
          {picture.labelLeft, picture.labelWidth, picture.dots.Height()},
          label_.elements);
    } else if (!tooManyLabels_) {
      tooManyLabels_ = true;
      warnings_.Add("labels after the " + std::to_string(kMostLabels) +
                    "th are not drawn");
    }
  }
  label_ = LabelState{};
}

LabelPicture Interpreter::Finished(OneBitBitmap dots, bool autoLength) const {
  LabelPicture picture;
  if (autoLength) {
    // What is drawn and a millimetre more, in whole millimetres.
    int last = dots.Height() - 1;
    const auto bytes = dots.BytesPerRow();
    while (last >= 0 && std::all_of(dots.Row(last), dots.Row(last) + bytes,
                                    [](std::uint8_t b) { return b == 0; }))
      --last;
    const int mm = metrics_.dotsPerMm;
    const int length =
        std::max(kLeastAutoLengthMm * mm, (last + 2 * mm) / mm * mm);
    dots.Resize(dots.Width(), std::min(length, kMostPictureSide));
  }
  picture.dots = std::move(dots);
  picture.labelWidth = metrics_.labelWidthDots > 0 ? metrics_.labelWidthDots
                                                   : metrics_.headWidthDots;
  const int spare = metrics_.headWidthDots - picture.labelWidth;
  // The job starts that send a label size centre the label on the head;
  // the others put it at the head's far edge.
  picture.labelLeft = metrics_.labelLeftDots.value_or(
      printer_.sizeLength > 0 ? spare / 2 : spare);
  picture.quantity = label_.quantity;
  return picture;
}

void Interpreter::OnElement(const Token& token) {
  if (!label_.open) BeginLabel();
  if (labels_.size() >= kMostLabels) return;  // read, not drawn
  // The vector font's, variable ratio's and Data Matrix's settings print
  // nothing themselves.
  const std::string_view name = token.name;
  if (name != "$" && name != "BT" && name != "BX") label_.drawn = true;
  DrawElement(token, Canvas());
}

void Interpreter::DrawElement(const Token& token, OneBitBitmap& canvas) {
  const std::string_view name = token.name;
  Placement placement(canvas, printer_.baseH + label_.h,
                      printer_.baseV + label_.v, label_.rotation);
  ElementRecord record;
  record.offset = token.offset;
  record.barcode = IsBarcode(name);
  const ElementContext context{placement,          fonts_,       warnings_,
                               metrics_.dotsPerMm, token.offset, record};
  if (record.barcode &&
      token.body.find(kErrorBarcodeText) != std::string_view::npos)
    context.Find(FindingKind::BarcodeType,
                 "the printer family does not accept the barcode's type "
                 "letter: \"" +
                     std::string(kErrorBarcodeText) + "\" prints instead");
  DrawOne(token, context);
  record.drawn = placement.Drawn();
  record.parts = placement.Parts();
  if (!record.drawn.Empty() || !record.notes.empty())
    label_.elements.push_back(std::move(record));
}

void Interpreter::DrawOne(const Token& token, const ElementContext& context) {
  const std::string_view name = token.name;
  if (FindBitmapFont(name, metrics_.dotsPerMm)) {
    DrawBitmapFontText(context, name, token.body, label_.text);
    label_.text.pitch = TextSettings{}.pitch;  // given again for each text
  } else if (name == "$") {
    if (auto font = ReadVectorFont(context, token.body))
      label_.vectorFont = font;
  } else if (name == "$=") {
    if (label_.vectorFont)
      DrawVectorFontText(context, *label_.vectorFont, token.body, label_.text);
    else
      Warn(token, "vector font text without ESC \"$\": not drawn");
    label_.text.pitch = TextSettings{}.pitch;
  } else if (name == "RD") {
    DrawRasterFontText(context, token.body, label_.text);
    label_.text.pitch = TextSettings{}.pitch;
  } else if (name == "BT") {
    if (auto ratio = ReadVariableRatio(context, token.body))
      label_.variableRatio = ratio;
  } else if (name == "BW") {
    if (label_.variableRatio)
      DrawVariableRatioBarcode(context, *label_.variableRatio, token.body);
    else
      Warn(token, "ESC \"BW\" without ESC \"BT\": not drawn");
  } else if (name == "BX") {
    label_.dataMatrix = ReadDataMatrixSettings(context, token.body);
  } else if (name == "DC" && previous_ == "BX") {
    if (label_.dataMatrix)
      DrawDataMatrix(context, *label_.dataMatrix, token.body);
  } else if (name == "DC") {
    // Not after ESC "BX": ESC "D" and the Code 93 type letter.
    DrawFixedRatioBarcode(
        context, "D",
        std::string_view(token.body.data() - 1, token.body.size() + 1));
  } else if (name == "B" || name == "D" || name == "BD") {
    DrawFixedRatioBarcode(context, name, token.body);
  } else if (name == "BK") {
    DrawPdf417(context, token.body);
  } else if (name == "FW") {
    DrawLineOrBox(context, token.body);
  } else if (name == "(") {
    ReverseArea(context, token.body);
  } else if (name == "GB" || name == "GH") {
    DrawGraphic(context, token.body, name == "GH");
  } else {
    Warn(token, Named(token) + " is not drawn by the preview");
  }
}

}  // namespace vxcl::preview
