#pragma once
// Characters that an edit must never keep because they would shift the
// fields of a command or a stored profile.

#include <string_view>

#include "toolkit/edit.h"

// The field delimiter of commands and profiles.
inline constexpr std::u16string_view kFieldDelimiters = u"!";
// The take-profit and the threshold multiples also travel inside the policy
// field, whose parts are separated by '$'.
inline constexpr std::u16string_view kCommandAndTagDelimiters = u"!$";

// Removes every character of `delimiters` from the edit's text, like a
// keystroke that never happened, and puts the caret where the first one was.
// The edit's change handler then runs again, nested, on the clean text.
inline void DropDelimiters(toolkit::Edit& edit, std::u16string_view delimiters) {
  const std::u16string& text = edit.Text();
  const std::size_t first = text.find_first_of(delimiters);
  if (first == std::u16string::npos) return;
  std::u16string kept;
  for (char16_t c : text)
    if (delimiters.find(c) == std::u16string_view::npos) kept += c;
  edit.SetText(std::move(kept));
  edit.SetCaretPosition(first);
}
