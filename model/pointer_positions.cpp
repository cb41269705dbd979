#include "pointer_positions.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// The double-click slider runs from the slowest time at its left end.
constexpr int kSlowestDoubleClickMs = 900;
constexpr int kDoubleClickPositions = 700;
constexpr int kFirstStep = 1;
constexpr int kLastStep = 8;

// The system's pointer speed of positions 1-8.
constexpr std::array<int, kLastStep> kPointerSpeeds = {1, 3, 6, 9, 12, 15, 18, 20};
constexpr int kSpeedOfOtherPositions = 10;
// The position of system speeds 0-20.
constexpr std::array<int, 21> kSpeedPositions = {1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5, 6, 6, 7, 7, 8, 8};
constexpr int kPositionOfOtherSpeeds = 6;

// The acceleration row the switch turns on.
constexpr int kAccelerationOn = 8;

int Clamped(std::int64_t value, PointerSliderRange range) {
  return static_cast<int>(std::clamp<std::int64_t>(value, range.min, range.max));
}

}  // namespace

PointerSliderRange RangeOf(PointerSlider slider) {
  return slider == PointerSlider::DoubleClick ? PointerSliderRange{0, kDoubleClickPositions}
                                              : PointerSliderRange{kFirstStep, kLastStep};
}

int PositionToPointerSpeed(int position) {
  if (position < kFirstStep || position > kLastStep) return kSpeedOfOtherPositions;
  return kPointerSpeeds[static_cast<std::size_t>(position - kFirstStep)];
}

int PointerSpeedToPosition(int speed) {
  if (speed < 0 || speed >= static_cast<int>(kSpeedPositions.size())) return kPositionOfOtherSpeeds;
  return kSpeedPositions[static_cast<std::size_t>(speed)];
}

int PositionOf(const ProfileRecord& profile, PointerSlider slider) {
  const PointerSliderRange range = RangeOf(slider);
  switch (slider) {
    // In 64 bits: a time read from a file may be any int.
    case PointerSlider::DoubleClick:
      return Clamped(std::int64_t{kSlowestDoubleClickMs} - profile.DbleClickSpeed, range);
    case PointerSlider::PointerSpeed: return PointerSpeedToPosition(profile.MouseSpeed);
    case PointerSlider::WheelLines: return Clamped(profile.ScrollWheelSpeed, range);
    case PointerSlider::TiltSpeed: return Clamped(profile.TiltSpeed, range);
  }
  return range.min;
}

void StorePosition(ProfileRecord& profile, PointerSlider slider, int position) {
  const int p = Clamped(position, RangeOf(slider));
  switch (slider) {
    case PointerSlider::DoubleClick: profile.DbleClickSpeed = kSlowestDoubleClickMs - p; break;
    // The speed table has its own answer for other positions.
    case PointerSlider::PointerSpeed: profile.MouseSpeed = PositionToPointerSpeed(position); break;
    case PointerSlider::WheelLines: profile.ScrollWheelSpeed = p; break;
    case PointerSlider::TiltSpeed: profile.TiltSpeed = p; break;
  }
}

void StoreAcceleration(ProfileRecord& profile, bool on) {
  profile.AccelerationFlag = on ? 1 : 0;
  profile.Acceleration = on ? kAccelerationOn : 0;
}
