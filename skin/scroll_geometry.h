#pragma once
// The skinned scroll bar's arithmetic: where its arrows, track and thumb lie
// along its axis, which part a point is on, and where a thumb drag leads.
// Portable, so every boundary is tested without a window.
#include <cstdint>

// The parts of a bar, numbered by the scroll code each one sends; the thumb
// by the code of a thumb drag.
enum ScrollPart : int {
  kNoScrollPart = -1,
  kLineUpPart = 0,    // first arrow
  kLineDownPart = 1,  // second arrow
  kPageUpPart = 2,    // track before the thumb
  kPageDownPart = 3,  // track after the thumb
  kThumbPart = 5,
};

// The bar's own copy of its scroll information.
struct ScrollValues {
  int min = 0;
  int max = 0;
  unsigned page = 0;
  int pos = 0;
  int trackPos = -1;  // -1 except while the thumb is dragged
};

// A stretch along the axis, [begin, end).
struct ScrollSpan {
  int begin = 0;
  int end = 0;
  bool Contains(int along) const { return along >= begin && along < end; }
  bool operator==(const ScrollSpan&) const = default;
};

inline constexpr int kMinThumbLength = 12;

struct ScrollLayout {
  int length = 0;      // the bar along its axis
  int arrow = 0;       // each arrow's length
  int thumbBegin = 0;  // where the thumb starts
  int thumb = 0;       // the thumb's length, 0 for none
  int freeTrack = 0;   // the track the thumb does not cover
  int64_t steps = 0;   // positions beyond the first the thumb can take

  ScrollSpan Span(int part) const;
};

// `thickness` is the skin's cell width, the arrows' length when the bar has
// room for both. A bar that has nothing to scroll still has a thumb to hit,
// but none to draw (`forDrawing`).
ScrollLayout LayoutScrollBar(int thickness, int length, const ScrollValues& values, bool forDrawing);

// The part at `along` (negative: none); anything beyond the bar's end is the
// second arrow.
int HitTestScrollBar(const ScrollLayout& layout, int along);

// The position a thumb drag that began at `startPos` reaches after `delta`
// pixels, kept within the range.
int ThumbDragPosition(const ScrollLayout& layout, const ScrollValues& values, int startPos, int delta);

// The skin column a part is drawn from (-1 for none).
int ScrollSkinColumn(int part, bool horizontal);
