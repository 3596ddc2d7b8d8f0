#include "toolkit/win32/fonts_win32.h"

#include <algorithm>

namespace toolkit::win32 {
namespace {

BYTE QualityOf(TextRendering rendering) {
  switch (rendering) {
    case TextRendering::ClearType:
      return CLEARTYPE_QUALITY;
    case TextRendering::AntiAliased:
      return ANTIALIASED_QUALITY;
    default:
      return DEFAULT_QUALITY;
  }
}

}  // namespace

unique_font CreateFontOf(const Font& font) {
  LOGFONTW description{};
  description.lfHeight = font.height;
  description.lfWeight = FW_NORMAL;
  description.lfCharSet = DEFAULT_CHARSET;
  description.lfQuality = QualityOf(font.rendering);
  const std::size_t length = std::min<std::size_t>(font.face.size(), LF_FACESIZE - 1);
  std::copy_n(font.face.begin(), length, description.lfFaceName);
  return unique_font(CreateFontIndirectW(&description));
}

HFONT FontCache::Get(const Font& font) {
  for (const auto& [known, handle] : fonts_)
    if (known == font) return handle.get();
  return fonts_.emplace_back(font, CreateFontOf(font)).second.get();
}

}  // namespace toolkit::win32
