#pragma once
// The mouse of the button page, seen from above with its front up, and the
// places of its parts, where the leader lines of the page's hot spots end.
#include <optional>
#include <string>

#include "canvas.h"

void DrawMouse(Canvas& c, const Box& at);

// Where part `name` (left-button, right-button, wheel, wheel-up,
// wheel-down, dpi, forward, back, side-1 ... side-7) of a mouse drawn in
// `at` lies: its key, or for the main buttons the point a leader should
// reach (an empty box). Nothing for a name it does not have.
std::optional<Box> MousePart(const Box& at, const std::string& name);
