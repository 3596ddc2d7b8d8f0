#pragma once
// Fuzz inputs are text, one value per line, so that seeds can be written by
// hand: valid UTF-8 gives its characters, any other byte gives the code unit
// of the same value, so every UTF-16 code unit below 0x100 and every
// character stays reachable.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fuzzing {

inline std::u16string DecodeLine(const std::uint8_t* data, std::size_t size) {
  std::u16string text;
  text.reserve(size);
  for (std::size_t i = 0; i < size;) {
    const std::uint8_t lead = data[i];
    const int extra = lead >= 0xF5 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : 0;
    char32_t code = extra == 3 ? lead & 0x07 : extra == 2 ? lead & 0x0F : lead & 0x1F;
    bool valid = extra > 0 && i + extra < size;
    for (int k = 1; valid && k <= extra; ++k) {
      if ((data[i + k] & 0xC0) != 0x80)
        valid = false;
      else
        code = (code << 6) | (data[i + k] & 0x3F);
    }
    if (!valid) {
      text.push_back(static_cast<char16_t>(lead));
      ++i;
      continue;
    }
    if (code >= 0x10000) {
      code -= 0x10000;
      text.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
      text.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
    } else {
      text.push_back(static_cast<char16_t>(code));
    }
    i += static_cast<std::size_t>(extra) + 1;
  }
  return text;
}

// The input's lines; missing lines read as empty text.
class Lines {
 public:
  Lines(const std::uint8_t* data, std::size_t size) {
    std::size_t start = 0;
    for (std::size_t i = 0; i <= size; ++i) {
      if (i == size || data[i] == '\n') {
        lines_.push_back(DecodeLine(data + start, i - start));
        start = i + 1;
      }
    }
  }
  const std::u16string& operator[](std::size_t n) const {
    static const std::u16string empty;
    return n < lines_.size() ? lines_[n] : empty;
  }
  std::size_t size() const { return lines_.size(); }
  // A line as a set of flags: bit n is whether its character n is '1'.
  bool Flag(std::size_t line, std::size_t n) const {
    const std::u16string& text = (*this)[line];
    return n < text.size() && text[n] == u'1';
  }

 private:
  std::vector<std::u16string> lines_;
};

}  // namespace fuzzing
