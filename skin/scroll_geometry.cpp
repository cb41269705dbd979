#include "skin/scroll_geometry.h"

#include <algorithm>

ScrollSpan ScrollLayout::Span(int part) const {
  const int thumbEnd = thumbBegin + thumb;
  switch (part) {
    case kLineUpPart: return {0, arrow};
    case kPageUpPart: return {arrow, thumbBegin};
    case kThumbPart: return {thumbBegin, thumbEnd};
    case kPageDownPart: return {thumbEnd, length - arrow};
    case kLineDownPart: return {length - arrow, length};
    default: return {};
  }
}

ScrollLayout LayoutScrollBar(int thickness, int length, const ScrollValues& values, bool forDrawing) {
  ScrollLayout layout;
  const int t = std::max(thickness, 0);
  layout.length = std::max(length, 0);
  const int track = static_cast<int>(std::max<int64_t>(layout.length - int64_t{2} * t, 0));
  // A bar too short for two arrows is all arrows.
  layout.arrow = track == 0 ? layout.length / 2 : t;

  // 64 bits: a range may span every int and a page every unsigned. A range
  // given upside down counts as empty, a page beyond it leaves no steps; a
  // page of 0 scrolls as one of 1 does, up to the range's end and no further.
  const int64_t range = std::max<int64_t>(int64_t{values.max} - values.min, 0);
  layout.steps = std::max<int64_t>(range - std::max(values.page, 1u) + 1, 0);

  if (track >= kMinThumbLength) {
    const uint64_t share = uint64_t{values.page} * static_cast<uint64_t>(track) / static_cast<uint64_t>(range + 1);
    layout.thumb = static_cast<int>(std::clamp<uint64_t>(share, kMinThumbLength, static_cast<uint64_t>(track)));
  }
  if (forDrawing && layout.steps == 0) layout.thumb = 0;
  layout.freeTrack = track - layout.thumb;

  const int at = values.trackPos != -1 ? values.trackPos : values.pos;
  int offset = layout.freeTrack / 2;
  if (layout.steps != 0) {
    // Measured from the range's start; a position outside the range puts
    // the thumb at the track's end, never past it.
    const int64_t step = std::clamp<int64_t>(int64_t{at} - values.min, 0, layout.steps);
    offset = static_cast<int>(step * layout.freeTrack / layout.steps);
  }
  layout.thumbBegin = layout.arrow + offset;
  return layout;
}

int HitTestScrollBar(const ScrollLayout& layout, int along) {
  if (along < 0) return kNoScrollPart;
  for (int part : {kLineUpPart, kPageUpPart, kThumbPart}) {
    if (layout.Span(part).Contains(along)) return part;
  }
  return along >= layout.length - layout.arrow ? kLineDownPart : kPageDownPart;
}

int ThumbDragPosition(const ScrollLayout& layout, const ScrollValues& values, int startPos, int delta) {
  const int64_t moved = layout.freeTrack != 0 ? layout.steps * delta / layout.freeTrack : 0;
  const int64_t highest = int64_t{values.min} + layout.steps;
  return static_cast<int>(std::clamp<int64_t>(startPos + moved, values.min, highest));
}

int ScrollSkinColumn(int part, bool horizontal) {
  int column = -1;
  switch (part) {
    case kLineUpPart: column = 0; break;
    case kLineDownPart: column = 1; break;
    case kThumbPart: column = 2; break;
    case kPageUpPart:
    case kPageDownPart: column = 3; break;
    default: return -1;
  }
  return horizontal ? column + 4 : column;
}
