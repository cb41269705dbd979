#include "skin/slider_math.h"

#include <algorithm>
#include <climits>

namespace {

int Top(SliderRange range) {
  return std::max(range.min, range.max);
}

// The whole value of an exact reading: truncated, or rounded half up, then
// clamped. The reading is first held within a step of the range and within
// int, which changes no result and keeps the conversion to int defined.
int WholeValue(float exact, SliderRange range, bool roundToNearest) {
  double f = static_cast<double>(exact) + (roundToNearest ? 0.5 : 0.0);
  f = std::clamp(f, std::max(range.min - 1.0, double{INT_MIN}), std::min(Top(range) + 1.0, double{INT_MAX}));
  return ClampToRange(static_cast<int>(f), range);
}

// min + numerator / denominator in single precision, the numerator an
// integer product.
float Exact(SliderRange range, long long product, long long denominator) {
  return static_cast<float>(range.min) + static_cast<float>(product) / static_cast<float>(denominator);
}

long long Width(SliderRange range) {
  return static_cast<long long>(range.max) - range.min;
}

// A thumb that could travel further than any int is taken to travel that
// far (a track likewise), so a span times a range's width fits 64 bits.
long long TravelSpan(ThumbTravel travel) {
  return std::min<long long>(travel.Span(), INT_MAX);
}

// How far `at` lies into [from, from + span]: a place beyond either end
// reads as that end, as the value it gives is held in the range anyway.
long long OffsetInto(int at, int from, long long span) {
  return std::clamp<long long>(static_cast<long long>(at) - from, 0, span);
}

}  // namespace

int ClampToRange(int value, SliderRange range) {
  return std::max(range.min, std::min(value, range.max));
}

int ThumbLeftFor(int value, SliderRange range, ThumbTravel travel) {
  const long long span = TravelSpan(travel);
  if (span <= 0 || Width(range) <= 0) return travel.start;
  const long long steps = static_cast<long long>(ClampToRange(value, range)) - range.min;
  return static_cast<int>(std::min<long long>(travel.start + span * steps / Width(range), INT_MAX));
}

SliderReading ClickReading(int x, int left, int right, SliderRange range, bool roundToNearest, int current) {
  const long long width = std::min<long long>(static_cast<long long>(right) - left, INT_MAX);
  if (width <= 0) return {static_cast<float>(current), ClampToRange(current, range)};
  const float exact = Exact(range, Width(range) * OffsetInto(x, left, width), width);
  return {exact, WholeValue(exact, range, roundToNearest)};
}

int ClampDrag(int dx, int left, ThumbTravel travel) {
  if (travel.Span() <= 0) return 0;
  const long long first = static_cast<long long>(travel.start) - left;
  const long long last = first + travel.Span();
  return static_cast<int>(std::clamp<long long>(std::clamp<long long>(dx, first, last), INT_MIN, INT_MAX));
}

int DragValue(int left, SliderRange range, ThumbTravel travel, int current) {
  const long long span = TravelSpan(travel);
  if (span <= 0) return ClampToRange(current, range);
  const long long value = range.min + OffsetInto(left, travel.start, span) * Width(range) / span;
  return static_cast<int>(std::clamp<long long>(value, range.min, Top(range)));
}

SliderReading ReleaseReading(int left, SliderRange range, ThumbTravel travel, bool snap, int current) {
  const long long span = TravelSpan(travel);
  if (span <= 0) return {static_cast<float>(current), ClampToRange(current, range)};
  const float exact = Exact(range, Width(range) * OffsetInto(left, travel.start, span), span);
  return {exact, WholeValue(exact, range, snap)};
}

int SteppedValue(SliderStep step, int current, SliderRange range) {
  const long long page = std::max(1LL, (static_cast<long long>(range.max) - range.min) / 10);
  long long value = current;
  switch (step) {
    case SliderStep::Back: value -= 1; break;
    case SliderStep::Forward: value += 1; break;
    case SliderStep::PageBack: value -= page; break;
    case SliderStep::PageForward: value += page; break;
    case SliderStep::First: return ClampToRange(range.min, range);
    case SliderStep::Last: return ClampToRange(range.max, range);
  }
  return ClampToRange(static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX)), range);
}
