#pragma once
// Where the portable core gets its visible texts: the language library on
// Windows, a fixed table in tests.
#include <string>

class TextSource {
 public:
  // The text with this string ID; empty when there is none.
  virtual std::u16string Text(int id) const = 0;

 protected:
  ~TextSource() = default;
};
