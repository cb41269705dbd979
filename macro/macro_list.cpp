#include "macro_list.h"

MacroList Macros;

tagElement* MacroList::ElementAt(int index) {
  return Valid(index) ? elements_[static_cast<std::size_t>(index)].get() : nullptr;
}

const tagElement* MacroList::ElementAt(int index) const {
  return Valid(index) ? elements_[static_cast<std::size_t>(index)].get() : nullptr;
}

void MacroList::Append(std::unique_ptr<tagElement> element) {
  if (element) elements_.push_back(std::move(element));
}

void MacroList::RemoveAt(int index) {
  if (Valid(index)) elements_.erase(elements_.begin() + index);
}
