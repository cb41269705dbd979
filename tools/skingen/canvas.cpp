#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kSamples = 4;
}

bool InRoundRect(const Box& b, double r, double x, double y) {
  if (x < b.left || x >= b.right || y < b.top || y >= b.bottom) return false;
  const double cx = std::clamp(x, b.left + r, b.right - r);
  const double cy = std::clamp(y, b.top + r, b.bottom - r);
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
}

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

void Canvas::Blend(int x, int y, Rgb c, double a) {
  Rgb& p = pixels_[static_cast<std::size_t>(y) * width_ + x];
  auto mix = [a](uint8_t from, uint8_t to) { return static_cast<uint8_t>(std::lround(from * (1 - a) + to * a)); };
  p = {mix(p.r, c.r), mix(p.g, c.g), mix(p.b, c.b)};
}

void Canvas::Fill(const Box& bounds, const std::function<bool(double, double)>& inside, Rgb colour) {
  const int x0 = std::max(0, static_cast<int>(std::floor(bounds.left)));
  const int y0 = std::max(0, static_cast<int>(std::floor(bounds.top)));
  const int x1 = std::min(width_, static_cast<int>(std::ceil(bounds.right)));
  const int y1 = std::min(height_, static_cast<int>(std::ceil(bounds.bottom)));
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      int hits = 0;
      for (int j = 0; j < kSamples; ++j) {
        for (int i = 0; i < kSamples; ++i) {
          hits += inside(x + (i + 0.5) / kSamples, y + (j + 0.5) / kSamples);
        }
      }
      if (hits) Blend(x, y, colour, hits / double(kSamples * kSamples));
    }
  }
}

void Canvas::Rect(const Box& box, Rgb colour) {
  Fill(box, [&](double x, double y) { return x >= box.left && x < box.right && y >= box.top && y < box.bottom; },
       colour);
}

void Canvas::RoundRect(const Box& box, double radius, Rgb colour) {
  Fill(box, [&](double x, double y) { return InRoundRect(box, radius, x, y); }, colour);
}

void Canvas::RoundFrame(const Box& box, double radius, double width, Rgb colour) {
  const Box inner{box.left + width, box.top + width, box.right - width, box.bottom - width};
  const double innerRadius = std::max(0.0, radius - width);
  auto inside = [&](double x, double y) { return InRoundRect(box, radius, x, y) && !InRoundRect(inner, innerRadius, x, y); };
  // Only the strips along the edges can hold frame pixels.
  const double reach = std::max(radius, width) + 1;
  Fill({box.left, box.top, box.right, box.top + reach}, inside, colour);
  Fill({box.left, box.bottom - reach, box.right, box.bottom}, inside, colour);
  Fill({box.left, box.top + reach, box.left + reach, box.bottom - reach}, inside, colour);
  Fill({box.right - reach, box.top + reach, box.right, box.bottom - reach}, inside, colour);
}

void Canvas::Disc(double cx, double cy, double r, Rgb colour) {
  Fill({cx - r, cy - r, cx + r, cy + r}, [&](double x, double y) { return std::hypot(x - cx, y - cy) <= r; }, colour);
}

void Canvas::Ring(double cx, double cy, double r, double width, Rgb colour) {
  Fill({cx - r, cy - r, cx + r, cy + r},
       [&](double x, double y) {
         const double d = std::hypot(x - cx, y - cy);
         return d <= r && d >= r - width;
       },
       colour);
}

void Canvas::Triangle(double x0, double y0, double x1, double y1, double x2, double y2, Rgb colour) {
  auto side = [](double ax, double ay, double bx, double by, double x, double y) {
    return (bx - ax) * (y - ay) - (by - ay) * (x - ax);
  };
  const Box bounds{std::min({x0, x1, x2}), std::min({y0, y1, y2}), std::max({x0, x1, x2}), std::max({y0, y1, y2})};
  Fill(bounds,
       [&](double x, double y) {
         const double a = side(x0, y0, x1, y1, x, y), b = side(x1, y1, x2, y2, x, y), c = side(x2, y2, x0, y0, x, y);
         return (a >= 0 && b >= 0 && c >= 0) || (a <= 0 && b <= 0 && c <= 0);
       },
       colour);
}

void Canvas::Line(double x0, double y0, double x1, double y1, double width, Rgb colour) {
  const double half = width / 2;
  const double dx = x1 - x0, dy = y1 - y0;
  const double length2 = dx * dx + dy * dy;
  const Box bounds{std::min(x0, x1) - half, std::min(y0, y1) - half, std::max(x0, x1) + half,
                   std::max(y0, y1) + half};
  Fill(bounds,
       [&](double x, double y) {
         const double t = length2 > 0 ? std::clamp(((x - x0) * dx + (y - y0) * dy) / length2, 0.0, 1.0) : 0;
         return std::hypot(x - (x0 + t * dx), y - (y0 + t * dy)) <= half;
       },
       colour);
}

void Canvas::Gradient(const Box& box, Rgb top, Rgb bottom) {
  const int y0 = std::max(0, static_cast<int>(box.top));
  const int y1 = std::min(height_, static_cast<int>(box.bottom));
  for (int y = y0; y < y1; ++y) {
    const double t = y1 - y0 > 1 ? double(y - y0) / (y1 - y0 - 1) : 0;
    auto mix = [t](uint8_t a, uint8_t b) { return static_cast<uint8_t>(std::lround(a + (b - a) * t)); };
    const Rgb c{mix(top.r, bottom.r), mix(top.g, bottom.g), mix(top.b, bottom.b)};
    for (int x = std::max(0, static_cast<int>(box.left)); x < std::min(width_, static_cast<int>(box.right)); ++x) {
      pixels_[static_cast<std::size_t>(y) * width_ + x] = c;
    }
  }
}
