// The slider's arithmetic with any numbers the window could hand it: no
// overflow or division by zero (the sanitizers watch), every value within
// the range, every thumb place and drag within the travel.
#include <algorithm>
#include <climits>

#include "fuzz_check.h"
#include "skin/slider_math.h"

namespace {

bool InRange(int value, SliderRange range) { return value >= range.min && value <= std::max(range.min, range.max); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const SliderRange range{input.ConsumeIntegral<int>(), input.ConsumeIntegral<int>()};
  const ThumbTravel travel{input.ConsumeIntegral<int>(), input.ConsumeIntegral<int>(), input.ConsumeIntegral<int>()};
  const int value = input.ConsumeIntegral<int>();
  const int left = input.ConsumeIntegral<int>();
  const int x = input.ConsumeIntegral<int>();
  const int trackLeft = input.ConsumeIntegral<int>();
  const int trackRight = input.ConsumeIntegral<int>();
  const bool round = input.ConsumeBool();
  const auto step = static_cast<SliderStep>(input.ConsumeIntegralInRange(0, static_cast<int>(SliderStep::Last)));

  FUZZ_CHECK(InRange(ClampToRange(value, range), range));
  const long long lastLeft = static_cast<long long>(travel.end) - travel.thumbWidth;
  const bool travels = lastLeft > travel.start;
  const int thumbLeft = ThumbLeftFor(value, range, travel);
  FUZZ_CHECK(thumbLeft == travel.start || (travels && thumbLeft > travel.start && thumbLeft <= lastLeft));
  FUZZ_CHECK(InRange(ClickReading(x, trackLeft, trackRight, range, round, value).value, range));
  // A drag ends within the travel, or as far towards it as an int moves.
  const long long moved = left + static_cast<long long>(ClampDrag(x, left, travel));
  const long long first = std::max<long long>(travel.start, left + static_cast<long long>(INT_MIN));
  const long long last = std::min<long long>(lastLeft, left + static_cast<long long>(INT_MAX));
  FUZZ_CHECK(travels ? moved >= std::min(first, last) && moved <= std::max(first, last) : moved == left);
  FUZZ_CHECK(InRange(DragValue(left, range, travel, value), range));
  FUZZ_CHECK(InRange(ReleaseReading(left, range, travel, round, value).value, range));
  FUZZ_CHECK(InRange(SteppedValue(step, value, range), range));
  return 0;
}
