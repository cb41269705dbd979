#pragma once
// The skinned slider's arithmetic: where the thumb sits for a value, and the
// value a click on the track, a drag of the thumb or its release gives.
// Portable, so the rounding is tested without windows.

struct SliderRange {
  int min = 0;
  int max = 10;
};

// The thumb's horizontal travel in its track's client coordinates: its left
// edge starts at `start`, its right edge never passes `end`.
struct ThumbTravel {
  int start = 0;
  int end = 0;
  int thumbWidth = 0;
  // Pixels the left edge can move; zero or less for a track no wider than
  // its thumb. In 64 bits: any three ints give a difference that fits.
  long long Span() const { return static_cast<long long>(end) - start - thumbWidth; }
};

// A value read from a position: the exact figure (single precision, as
// the diagnostics print it) and the whole value it gives.
struct SliderReading {
  float exact = 0;
  int value = 0;
};

// `value` within [min, max]; a range whose max lies below its min holds
// everything at min.
int ClampToRange(int value, SliderRange range);

// The thumb's left edge for a value (clamped first). A range of one value
// or a thumb that cannot travel keeps it at the start.
int ThumbLeftFor(int value, SliderRange range, ThumbTravel travel);

// A click at `x` on a track spanning [left, right) (same coordinates).
// A track of no width gives `current`.
SliderReading ClickReading(int x, int left, int right, SliderRange range, bool roundToNearest, int current);

// How far a drag moves the thumb whose left edge is at `left` when the
// pointer moved `dx`: never past either end, not at all when it cannot
// travel.
int ClampDrag(int dx, int left, ThumbTravel travel);

// The value while dragging (integer arithmetic) and on release (single
// precision, rounded when snapping) for the thumb's left edge. A thumb that
// cannot travel keeps `current`.
int DragValue(int left, SliderRange range, ThumbTravel travel, int current);
SliderReading ReleaseReading(int left, SliderRange range, ThumbTravel travel, bool snap, int current);

// A key's move of the slider: one value, a page (a tenth of the range, at
// least one value), or to either end.
enum class SliderStep { Back, Forward, PageBack, PageForward, First, Last };

// The value `step` gives from `current`, within the range.
int SteppedValue(SliderStep step, int current, SliderRange range);
