#include "platform/portable/fontconfig_faces.h"

#include <algorithm>
#include <new>
#include <string_view>
#include <utility>

#include "platform/font_rasterizer.h"
#include "platform/portable/windows_faces_conf.h"

namespace vxcl {

namespace {

constexpr int kSyntheticBoldFrom = 600;
constexpr std::size_t kMaxChosenCharacters = 8192;

// Family names compare as fontconfig compares them: blanks and ASCII case
// left out.
std::string Folded(std::string_view name) {
  std::string folded;
  for (const char c : name)
    if (c != ' ')
      folded += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  return folded;
}

bool SameFamily(std::string_view a, std::string_view b) {
  return Folded(a) == Folded(b);
}

bool IsGenericFamily(std::string_view name) {
  for (const char* generic : {"sans-serif", "sans", "serif", "monospace",
                              "mono", "system-ui", "cursive", "fantasy"})
    if (SameFamily(name, generic)) return true;
  return false;
}

std::vector<std::string> Families(FcPattern* pattern) {
  std::vector<std::string> families;
  FcChar8* family = nullptr;
  for (int i = 0;
       FcPatternGetString(pattern, FC_FAMILY, i, &family) == FcResultMatch; ++i)
    families.emplace_back(reinterpret_cast<const char*>(family));
  return families;
}

// The families asked for as strongly as the name itself: the name and the
// names the configuration maps it to. Defaults added for any name (the
// generic faces' members) are weak.
std::vector<std::string> AskedFamilies(FcPattern* substituted) {
  std::vector<std::string> asked;
  FcValue value;
  FcValueBinding binding;
  for (int i = 0; FcPatternGetWithBinding(substituted, FC_FAMILY, i, &value,
                                          &binding) == FcResultMatch;
       ++i)
    if (binding != FcValueBindingWeak && value.type == FcTypeString)
      asked.emplace_back(reinterpret_cast<const char*>(value.u.s));
  return asked;
}

// A name counts as found when the face's own family is the name or one the
// configuration maps it to, ahead of any generic family (which stands for
// whatever the system's default is).
bool Replaced(const FaceQuery& query, FcPattern* substituted,
              const std::vector<std::string>& matchFamilies) {
  if (query.name.empty() || IsGenericFamily(query.name)) return false;
  for (const std::string& asked : AskedFamilies(substituted)) {
    if (IsGenericFamily(asked)) break;
    for (const std::string& own : matchFamilies)
      if (SameFamily(asked, own)) return false;
  }
  return true;
}

FaceMatch FaceOf(FcPattern* font, const FaceQuery& query) {
  FaceMatch found;
  FcChar8* file = nullptr;
  if (FcPatternGetString(font, FC_FILE, 0, &file) == FcResultMatch)
    found.file = reinterpret_cast<const char*>(file);
  FcPatternGetInteger(font, FC_INDEX, 0, &found.index);
  int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
  FcBool embolden = FcFalse;
  FcPatternGetInteger(font, FC_WEIGHT, 0, &weight);
  FcPatternGetInteger(font, FC_SLANT, 0, &slant);
  FcPatternGetBool(font, FC_EMBOLDEN, 0, &embolden);
  found.embolden = query.weight >= kSyntheticBoldFrom &&
                   (embolden || weight < FC_WEIGHT_DEMIBOLD);
  found.oblique = query.italic && slant == FC_SLANT_ROMAN;
  const std::vector<std::string> families = Families(font);
  if (!families.empty()) found.family = families.front();
  return found;
}

}  // namespace

FontconfigFaces::FontconfigFaces() {
  config_ = FcInitLoadConfig();
  if (!config_) throw FontError("fontconfig could not be started");
  // A configuration that does not parse leaves the system's names in use.
  FcConfigParseAndLoadFromMemory(
      config_, reinterpret_cast<const FcChar8*>(kWindowsFacesConf), FcFalse);
  if (!FcConfigBuildFonts(config_)) {
    FcConfigDestroy(config_);
    throw FontError("fontconfig could not list the installed fonts");
  }
}

FontconfigFaces::~FontconfigFaces() { FcConfigDestroy(config_); }

FcPattern* FontconfigFaces::Substituted(const FaceQuery& query) {
  FcPattern* pattern = FcPatternCreate();
  if (!pattern) throw std::bad_alloc();
  const std::string family = query.name.empty() ? "sans-serif" : query.name;
  FcPatternAddString(pattern, FC_FAMILY,
                     reinterpret_cast<const FcChar8*>(family.c_str()));
  if (query.weight > 0)
    FcPatternAddInteger(pattern, FC_WEIGHT,
                        FcWeightFromOpenType(std::min(query.weight, 1000)));
  FcPatternAddInteger(pattern, FC_SLANT,
                      query.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(config_, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  return pattern;
}

FaceMatch FontconfigFaces::Match(const FaceQuery& query) {
  FcPattern* pattern = Substituted(query);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(config_, pattern, &result);
  const std::string family = query.name.empty() ? "sans-serif" : query.name;
  if (!match) {
    FcPatternDestroy(pattern);
    throw FontError("no installed font matches \"" + family + "\"");
  }
  FaceMatch found = FaceOf(match, query);
  found.replaced = Replaced(query, pattern, Families(match));
  FcPatternDestroy(match);
  FcPatternDestroy(pattern);
  if (found.file.empty())
    throw FontError("no installed font matches \"" + family + "\"");
  return found;
}

FallbackFaces::FallbackFaces(std::shared_ptr<FontconfigFaces> faces,
                             FaceQuery query)
    : faces_(std::move(faces)), query_(std::move(query)) {}

FallbackFaces::~FallbackFaces() {
  for (FcCharSet* charset : charsets_) FcCharSetDestroy(charset);
}

// Scalable faces only: a stand-in must take the chosen face's em height.
// Colour faces are left out, their glyphs print as nothing.
void FallbackFaces::Sort() {
  sorted_ = true;
  FcPattern* pattern = faces_->Substituted(query_);
  FcResult result = FcResultNoMatch;
  FcFontSet* sorted =
      FcFontSort(faces_->Config(), pattern, FcTrue, nullptr, &result);
  FcPatternDestroy(pattern);
  if (!sorted) return;
  for (int i = 0; i < sorted->nfont; ++i) {
    FcPattern* font = sorted->fonts[i];
    FcBool scalable = FcFalse, colour = FcFalse;
    FcCharSet* charset = nullptr;
    FcPatternGetBool(font, FC_SCALABLE, 0, &scalable);
    FcPatternGetBool(font, FC_COLOR, 0, &colour);
    if (!scalable || colour ||
        FcPatternGetCharSet(font, FC_CHARSET, 0, &charset) != FcResultMatch)
      continue;
    FaceMatch face = FaceOf(font, query_);
    if (face.file.empty()) continue;
    charsets_.push_back(FcCharSetCopy(charset));
    candidates_.push_back(std::move(face));
  }
  FcFontSetDestroy(sorted);
}

int FallbackFaces::For(char32_t c) {
  if (const auto found = chosen_.find(c); found != chosen_.end())
    return found->second;
  if (!sorted_) Sort();
  int chosen = -1;
  for (std::size_t i = 0; i < charsets_.size() && chosen < 0; ++i)
    if (FcCharSetHasChar(charsets_[i], c)) chosen = static_cast<int>(i);
  if (chosen_.size() >= kMaxChosenCharacters) chosen_.clear();
  chosen_.emplace(c, chosen);
  return chosen;
}

}  // namespace vxcl
