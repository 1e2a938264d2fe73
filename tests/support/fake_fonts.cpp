#include "support/fake_fonts.h"

#include "raster/bitmap_drawing.h"

namespace vxcl::test {

namespace {

void DrawFake(std::u32string_view text, int x, int y, int overhang,
              OneBitBitmap& target) {
  const int n = static_cast<int>(text.size());
  for (int i = 0; i < n; ++i) {
    const int left = x + FakeFonts::kAdvance * i;
    FillDark(target, left, y, 1, 1);
    FillDark(target, left + 2, y + 4, 6, 12);
  }
  FillDark(target, x + FakeFonts::kAdvance * n, y + 10, overhang, 1);
}

class FakeFont final : public RasterFont {
 public:
  explicit FakeFont(FakeFonts& owner) : owner_(owner) {}
  TextExtent Extent(std::u32string_view text) override {
    return {FakeFonts::kAdvance * static_cast<int>(text.size()),
            FakeFonts::kCellHeight};
  }
  void Draw(std::u32string_view text, int x, int y,
            OneBitBitmap& target) override {
    owner_.drawnTexts.emplace_back(text);
    DrawFake(text, x, y, owner_.overhang, target);
  }

 private:
  FakeFonts& owner_;
};

}  // namespace

std::shared_ptr<RasterFont> FakeFonts::Font(const FontRequest& request) {
  requests.push_back(request);
  return std::make_shared<FakeFont>(*this);
}

OneBitBitmap FakeFonts::Rendered(std::u32string_view text, int width,
                                 int height, int x, int y) const {
  OneBitBitmap bitmap(width, height);
  DrawFake(text, x, y, overhang, bitmap);
  return bitmap;
}

}  // namespace vxcl::test
