// The scroll bar's arithmetic with any numbers: no overflow or division by
// zero (the sanitizers watch); the parts tile the bar in order, the thumb
// lies on the track, every point is on one part, and a drag stays within
// the positions the range allows.
#include <algorithm>

#include "fuzz_check.h"
#include "skin/scroll_geometry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const int thickness = input.ConsumeIntegral<int>();
  const int length = input.ConsumeIntegral<int>();
  ScrollValues values;
  values.min = input.ConsumeIntegral<int>();
  values.max = input.ConsumeIntegral<int>();
  values.page = input.ConsumeIntegral<unsigned>();
  values.pos = input.ConsumeIntegral<int>();
  values.trackPos = input.ConsumeBool() ? -1 : input.ConsumeIntegral<int>();
  const bool forDrawing = input.ConsumeBool();
  const int along = input.ConsumeIntegral<int>();
  const int delta = input.ConsumeIntegral<int>();

  const ScrollLayout layout = LayoutScrollBar(thickness, length, values, forDrawing);
  FUZZ_CHECK(layout.length == std::max(length, 0));
  FUZZ_CHECK(layout.arrow >= 0 && 2LL * layout.arrow <= layout.length);
  FUZZ_CHECK(layout.thumb >= 0 && layout.freeTrack >= 0 && layout.steps >= 0);
  const int order[] = {kLineUpPart, kPageUpPart, kThumbPart, kPageDownPart, kLineDownPart};
  int at = 0;
  for (int part : order) {
    const ScrollSpan span = layout.Span(part);
    FUZZ_CHECK(span.begin == at && span.end >= span.begin);
    at = span.end;
  }
  FUZZ_CHECK(at == layout.length);

  const int hit = HitTestScrollBar(layout, along);
  FUZZ_CHECK(along < 0 ? hit == kNoScrollPart : hit != kNoScrollPart);
  if (along >= 0 && along < layout.length) FUZZ_CHECK(layout.Span(hit).Contains(along));

  const int start = values.pos;
  const int dragged = ThumbDragPosition(layout, values, start, delta);
  FUZZ_CHECK(dragged >= values.min && dragged <= values.min + layout.steps);
  FUZZ_CHECK(dragged <= std::max(values.min, values.max));
  return 0;
}
