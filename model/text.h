#pragma once
// Texts in records are fixed UTF-16 buffers that may come from a file or
// another process, so a terminator is never assumed: reads stop at the end
// of the buffer, writes always terminate.
#include <algorithm>
#include <cstddef>
#include <string_view>

// The text of a buffer of n units: up to its first NUL, or all n without one.
inline std::u16string_view TextOf(const char16_t* buffer, std::size_t n) {
  const char16_t* end = std::find(buffer, buffer + n, u'\0');
  return std::u16string_view(buffer, static_cast<std::size_t>(end - buffer));
}

template <std::size_t N>
std::u16string_view TextOf(const char16_t (&buffer)[N]) {
  return TextOf(buffer, N);
}

// Zero-fills the buffer of n units (n > 0), then stores at most maxChars
// characters of text and a terminator (maxChars is capped so the terminator
// always fits).
inline void SetText(char16_t* buffer, std::size_t n, std::u16string_view text, std::size_t maxChars) {
  const std::size_t count = std::min({text.size(), maxChars, n - 1});
  std::fill(buffer, buffer + n, u'\0');
  std::copy_n(text.data(), count, buffer);
}

template <std::size_t N>
void SetText(char16_t (&buffer)[N], std::u16string_view text, std::size_t maxChars = N - 1) {
  static_assert(N > 0);
  SetText(buffer, N, text, maxChars);
}

// Cuts a text that runs past maxChars (or has no terminator) to maxChars
// characters; a text within bounds keeps every unit of its buffer.
template <std::size_t N>
void TerminateText(char16_t (&buffer)[N], std::size_t maxChars = N - 1) {
  static_assert(N > 0);
  maxChars = std::min(maxChars, N - 1);
  if (TextOf(buffer).size() > maxChars) buffer[maxChars] = u'\0';
}
