#pragma once
// The process-wide ordered list of macros. It owns its elements; they are
// addressed by position, and positions after a removed element move up.
#include <memory>
#include <vector>

#include "macro_element.h"

class MacroList {
 public:
  int Count() const { return static_cast<int>(elements_.size()); }
  // Null for any index that is not a position of the list.
  tagElement* ElementAt(int index);
  const tagElement* ElementAt(int index) const;
  void Append(std::unique_ptr<tagElement> element);
  // Nothing happens for an index that is not a position of the list.
  void RemoveAt(int index);
  void Clear() { elements_.clear(); }

 private:
  bool Valid(int index) const { return index >= 0 && index < Count(); }

  std::vector<std::unique_ptr<tagElement>> elements_;
};

extern MacroList Macros;
