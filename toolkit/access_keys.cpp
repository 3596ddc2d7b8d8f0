#include "toolkit/access_keys.h"

#include <algorithm>

namespace toolkit {
namespace {

// Access keys match without regard to case; the captions are Latin and
// Cyrillic, so those are the cases folded.
char16_t Folded(char16_t c) {
  if (c >= u'A' && c <= u'Z') return c + (u'a' - u'A');
  if (c >= 0x0410 && c <= 0x042F) return c + 0x20;
  if (c >= 0x0400 && c <= 0x040F) return c + 0x50;
  if (c >= 0x00C0 && c <= 0x00DE && c != 0x00D7) return c + 0x20;
  return c;
}

bool CanBeAccessKey(char16_t c) {
  if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')) return true;
  if (c >= 0x00C0 && c <= 0x024F) return c != 0x00D7 && c != 0x00F7;
  return c >= 0x0400 && c <= 0x04FF;
}

std::u16string Escaped(const std::u16string& caption, std::size_t keyAt) {
  std::u16string shown;
  shown.reserve(caption.size() + 2);
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (i == keyAt) shown += u'&';
    shown += caption[i];
    if (caption[i] == u'&') shown += u'&';
  }
  return shown;
}

}  // namespace

std::vector<std::u16string> ShownMenuCaptions(const std::vector<std::u16string>& captions, bool autoHotkeys) {
  std::vector<std::u16string> shown;
  shown.reserve(captions.size());
  std::u16string usedKeys;
  for (const std::u16string& caption : captions) {
    std::size_t keyAt = std::u16string::npos;
    if (autoHotkeys) {
      for (std::size_t i = 0; i < caption.size(); ++i) {
        if (!CanBeAccessKey(caption[i]) || usedKeys.find(Folded(caption[i])) != std::u16string::npos) continue;
        keyAt = i;
        usedKeys += Folded(caption[i]);
        break;
      }
    }
    shown.push_back(Escaped(caption, keyAt));
  }
  return shown;
}

}  // namespace toolkit
