#pragma once
// Texts in records are fixed UTF-16 buffers that may come from a file or
// another process, so a terminator is never assumed: reads stop at the end
// of the buffer, writes always terminate.
#include <algorithm>
#include <cstddef>
#include <string_view>

// The text of a buffer: up to its first NUL, or the whole buffer without one.
template <std::size_t N>
std::u16string_view TextOf(const char16_t (&buffer)[N]) {
  const char16_t* end = std::find(buffer, buffer + N, u'\0');
  return std::u16string_view(buffer, static_cast<std::size_t>(end - buffer));
}

// Zero-fills the buffer, then stores at most maxChars characters of text and
// a terminator (maxChars is capped so the terminator always fits).
template <std::size_t N>
void SetText(char16_t (&buffer)[N], std::u16string_view text, std::size_t maxChars = N - 1) {
  static_assert(N > 0);
  const std::size_t count = std::min({text.size(), maxChars, N - 1});
  std::fill(buffer, buffer + N, u'\0');
  std::copy_n(text.data(), count, buffer);
}

// Cuts a text that runs past maxChars (or has no terminator) to maxChars
// characters; a text within bounds keeps every unit of its buffer.
template <std::size_t N>
void TerminateText(char16_t (&buffer)[N], std::size_t maxChars = N - 1) {
  static_assert(N > 0);
  maxChars = std::min(maxChars, N - 1);
  if (TextOf(buffer).size() > maxChars) buffer[maxChars] = u'\0';
}
