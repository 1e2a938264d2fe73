// Faces found by fontconfig, in a configuration of the library's own: the
// system's configuration plus the Windows face names the library maps, so
// the host's own fontconfig state is left alone.
#ifndef VXCL_PLATFORM_PORTABLE_FONTCONFIG_FACES_H
#define VXCL_PLATFORM_PORTABLE_FONTCONFIG_FACES_H

#include <fontconfig/fontconfig.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace vxcl {

// A face file fontconfig chose for a request, with the styles FreeType must
// synthesise because the face lacks them.
struct FaceMatch {
  std::string file;
  int index = 0;
  bool embolden = false;  // the face is lighter than asked
  bool oblique = false;   // the face is upright, italic was asked
  std::string family;     // the face's own (first) family name
  bool replaced = false;  // the asked name was not found nor mapped
};

// What a text asks of the font system, before sizes.
struct FaceQuery {
  std::string name;  // empty: the default sans face
  int weight = 0;    // 1 to 1000; 0: the face's default
  bool italic = false;
};

class FontconfigFaces;

// The faces that stand in for characters a chosen face lacks: fontconfig's
// sorted candidates for the same request, the first that has the character
// winning. Sorted once, on the first character that needs it.
class FallbackFaces {
 public:
  FallbackFaces(std::shared_ptr<FontconfigFaces> faces, FaceQuery query);
  ~FallbackFaces();
  FallbackFaces(const FallbackFaces&) = delete;
  FallbackFaces& operator=(const FallbackFaces&) = delete;

  // The candidate (an index into Candidate) that has `c`; -1 when no
  // installed face has it.
  int For(char32_t c);
  const FaceMatch& Candidate(int index) const { return candidates_[index]; }

 private:
  void Sort();

  std::shared_ptr<FontconfigFaces> faces_;
  FaceQuery query_;
  bool sorted_ = false;
  std::vector<FaceMatch> candidates_;
  std::vector<FcCharSet*> charsets_;  // owned, one per candidate
  std::unordered_map<char32_t, int> chosen_;
};

class FontconfigFaces {
 public:
  FontconfigFaces();  // throws FontError when fontconfig cannot start
  ~FontconfigFaces();
  FontconfigFaces(const FontconfigFaces&) = delete;
  FontconfigFaces& operator=(const FontconfigFaces&) = delete;

  FaceMatch Match(const FaceQuery& query);

  // The request's pattern with the configuration's substitutions applied;
  // the caller destroys it.
  FcPattern* Substituted(const FaceQuery& query);
  FcConfig* Config() const { return config_; }

 private:
  FcConfig* config_ = nullptr;
};

}  // namespace vxcl

#endif
