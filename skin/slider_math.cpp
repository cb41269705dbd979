#include "skin/slider_math.h"

#include <algorithm>

namespace {

int Top(SliderRange range) {
  return std::max(range.min, range.max);
}

// The whole value of an exact reading: truncated, or rounded half up, then
// clamped. The reading is first held within a step of the range, which
// changes no result and keeps the conversion to int defined.
int WholeValue(float exact, SliderRange range, bool roundToNearest) {
  double f = std::clamp(static_cast<double>(exact), range.min - 1.0, Top(range) + 1.0);
  if (roundToNearest) f += 0.5;
  return ClampToRange(static_cast<int>(f), range);
}

// min + numerator / denominator in single precision, the numerator an
// integer product.
float Exact(SliderRange range, long long product, int denominator) {
  return static_cast<float>(range.min) + static_cast<float>(product) / static_cast<float>(denominator);
}

long long Width(SliderRange range) {
  return static_cast<long long>(range.max) - range.min;
}

}  // namespace

int ClampToRange(int value, SliderRange range) {
  return std::max(range.min, std::min(value, range.max));
}

int ThumbLeftFor(int value, SliderRange range, ThumbTravel travel) {
  const int span = travel.Span();
  if (span <= 0 || Width(range) <= 0) return travel.start;
  const long long steps = static_cast<long long>(ClampToRange(value, range)) - range.min;
  return travel.start + static_cast<int>(span * steps / Width(range));
}

SliderReading ClickReading(int x, int left, int right, SliderRange range, bool roundToNearest, int current) {
  const int width = right - left;
  if (width <= 0) return {static_cast<float>(current), ClampToRange(current, range)};
  const float exact = Exact(range, Width(range) * (static_cast<long long>(x) - left), width);
  return {exact, WholeValue(exact, range, roundToNearest)};
}

int ClampDrag(int dx, int left, ThumbTravel travel) {
  if (travel.Span() <= 0) return 0;
  dx = std::max(dx, travel.start - left);
  return std::min(dx, travel.end - (left + travel.thumbWidth));
}

int DragValue(int left, SliderRange range, ThumbTravel travel, int current) {
  const int span = travel.Span();
  if (span <= 0) return ClampToRange(current, range);
  const long long value = range.min + (static_cast<long long>(left) - travel.start) * Width(range) / span;
  return static_cast<int>(std::clamp<long long>(value, range.min, Top(range)));
}

SliderReading ReleaseReading(int left, SliderRange range, ThumbTravel travel, bool snap, int current) {
  const int span = travel.Span();
  if (span <= 0) return {static_cast<float>(current), ClampToRange(current, range)};
  const float exact = Exact(range, Width(range) * (static_cast<long long>(left) - travel.start), span);
  return {exact, WholeValue(exact, range, snap)};
}
