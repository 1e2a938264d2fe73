// The host's text encoding outside Windows: by default none (texts are
// decoded as UTF-8 else Windows-1252), or one chosen by name and converted
// with iconv, for programs ported from Windows that keep their code page.
#include <errno.h>
#include <iconv.h>

#include <memory>
#include <mutex>
#include <string>

#include "platform/host_text.h"

namespace vxcl {

namespace {

// Longer names are no encoding's; iconv need not see them.
constexpr std::size_t kMaxEncodingName = 64;

struct IconvCloser {
  void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using Converter = std::unique_ptr<void, IconvCloser>;

Converter Open(const std::string& to, const std::string& from) {
  const iconv_t cd = iconv_open(to.c_str(), from.c_str());
  return Converter(cd == reinterpret_cast<iconv_t>(-1) ? nullptr : cd);
}

struct HostEncoding {
  std::mutex lock;
  std::string name;  // empty: the default
  Converter toUtf8, fromUtf8;
};

HostEncoding& TheEncoding() {
  static HostEncoding encoding;
  return encoding;
}

// The length of the UTF-8 sequence a lead byte starts (1 for a stray byte).
std::size_t Utf8Length(unsigned char lead) {
  return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

// Converts all of `text`; where the input holds a sequence the converter
// cannot take, '?' is written and the sequence (one byte, or one UTF-8
// character when converting from UTF-8) skipped.
std::string Convert(iconv_t cd, std::string_view text, bool fromUtf8) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  std::string out;
  std::string chunk(4 * text.size() + 16, '\0');
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  while (inLeft > 0) {
    char* to = chunk.data();
    std::size_t toLeft = chunk.size();
    const std::size_t done = iconv(cd, &in, &inLeft, &to, &toLeft);
    out.append(chunk.data(), chunk.size() - toLeft);
    if (done != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL (a sequence cut at the end): one '?' in its stead.
    std::size_t skip =
        fromUtf8 ? Utf8Length(static_cast<unsigned char>(*in)) : 1;
    skip = std::min(skip, inLeft);
    in += skip;
    inLeft -= skip;
    out += '?';
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  char* to = chunk.data();
  std::size_t toLeft = chunk.size();
  iconv(cd, nullptr, nullptr, &to, &toLeft);  // the shift state's end
  out.append(chunk.data(), chunk.size() - toLeft);
  return out;
}

}  // namespace

EncodingChoice ChooseHostEncoding(std::string_view name) {
  std::string chosen(name.substr(0, name.find('/')));
  HostEncoding& encoding = TheEncoding();
  if (chosen.empty()) {
    const std::lock_guard<std::mutex> hold(encoding.lock);
    encoding.name.clear();
    encoding.toUtf8.reset();
    encoding.fromUtf8.reset();
    return EncodingChoice::kChosen;
  }
  if (name.size() > kMaxEncodingName) return EncodingChoice::kUnknown;
  Converter toUtf8 = Open("UTF-8", chosen);
  Converter fromUtf8 = Open(chosen, "UTF-8");
  if (!toUtf8 || !fromUtf8) return EncodingChoice::kUnknown;
  const std::lock_guard<std::mutex> hold(encoding.lock);
  encoding.name = std::move(chosen);
  encoding.toUtf8 = std::move(toUtf8);
  encoding.fromUtf8 = std::move(fromUtf8);
  return EncodingChoice::kChosen;
}

std::string HostEncodingName() {
  HostEncoding& encoding = TheEncoding();
  const std::lock_guard<std::mutex> hold(encoding.lock);
  return encoding.name.empty() ? "UTF-8, else Windows-1252" : encoding.name;
}

std::string FromHostCodePage(std::string_view hostText) {
  HostEncoding& encoding = TheEncoding();
  const std::lock_guard<std::mutex> hold(encoding.lock);
  if (!encoding.toUtf8 || hostText.empty()) return std::string(hostText);
  return Convert(static_cast<iconv_t>(encoding.toUtf8.get()), hostText, false);
}

std::string MessageForHost(std::string_view utf8) {
  HostEncoding& encoding = TheEncoding();
  const std::lock_guard<std::mutex> hold(encoding.lock);
  if (!encoding.fromUtf8 || utf8.empty()) return std::string(utf8);
  return Convert(static_cast<iconv_t>(encoding.fromUtf8.get()), utf8, true);
}

}  // namespace vxcl
