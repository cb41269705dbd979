#pragma once
// The lines of the two list pages: which function each line assigns, which
// line shows a button's record, and which lines a button is offered.
// Window-free, so the rules are tested natively.
#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "model/button_record.h"

struct FunctionLine {
  std::uint8_t code;
  int text;  // string ID of the line
};

struct FunctionGroup {
  int title;  // string ID drawn above the list
  std::span<const FunctionLine> lines;
};

// A line of a page: group and line, both counted from 0.
struct ListLine {
  int group;
  int line;
  friend bool operator==(const ListLine&, const ListLine&) = default;
};

extern const std::array<FunctionGroup, 5> kMouseFunctionGroups;
extern const std::array<FunctionGroup, 4> kKeyFunctionGroups;

// The key function page's program launch line: it asks for a program first.
inline constexpr ListLine kProgramLaunchLine{0, 5};

// How many lines of mouse function group `group` `button` is offered: the
// two wheel buttons never get the last two lines of the first group.
int MouseFunctionLines(int group, int button);

// The line that shows a record on the mouse function page for `button`;
// none for a code of another page or a line the button is not offered.
std::optional<ListLine> MouseFunctionLine(const ButtonRecord& record, int button);

// The line that shows a record on the key function page: codes 0 and 6 the
// "no function" line, a key combination the line of the same fixed
// shortcut, if there is one.
std::optional<ListLine> KeyFunctionLine(const ButtonRecord& record);
