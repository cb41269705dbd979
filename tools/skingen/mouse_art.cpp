#include "mouse_art.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "artwork.h"

namespace {

// Positions are shares of the drawing's box: u across, v from front to back.
constexpr double kButtonsEnd = 0.40;  // where the main buttons end, at their sides
constexpr double kPanelFrom = 0.27, kPanelTo = 0.92, kPanelWidth = 0.15;  // the thumb panel

const Rgb kEdge = FromColorRef(0x555555);
const Rgb kShell = FromColorRef(0x333333);
const Rgb kPalm = FromColorRef(0x2A2A2A);
const Rgb kSeam = FromColorRef(0x121212);
const Rgb kPanel = FromColorRef(0x222222);
const Rgb kKey = FromColorRef(0x3E3E3E);
const Rgb kKeyEdge = FromColorRef(0x636363);
const Rgb kGlyph = FromColorRef(0xB4B4B4);
const Rgb kRed = FromColorRef(kAccent);

struct Point {
  double x, y;
};

// Half the body's width, as a share of the box's, at depth v: a rounded
// front, a slight waist for the grip, the widest part under the palm.
double HalfWidth(double v) {
  constexpr double kFront = 0.14, kBack = 0.66;
  if (v < 0 || v > 1) return 0;
  if (v < kFront) {
    const double t = (kFront - v) / kFront;
    return 0.88 * std::sqrt(1 - t * t);
  }
  if (v > kBack) {
    const double t = (v - kBack) / (1 - kBack);
    return std::sqrt(1 - t * t);
  }
  constexpr Point kProfile[] = {{kFront, 0.88}, {0.38, 0.85}, {kBack, 1.0}};
  const int i = v < kProfile[1].x ? 0 : 1;
  const double t = (v - kProfile[i].x) / (kProfile[i + 1].x - kProfile[i].x);
  return kProfile[i].y + (kProfile[i + 1].y - kProfile[i].y) * (1 - std::cos(t * std::numbers::pi)) / 2;
}

// The buttons' back edge bows backwards towards the middle.
double ButtonsEnd(double u) { return kButtonsEnd + 0.03 * (1 - (2 * u - 1) * (2 * u - 1)); }

double LeftEdge(double v) { return 0.5 - HalfWidth(v) / 2; }

// A lit key shows its setting by its light (the DPI key).
enum class Shape { Spot, Key, LitKey, Pill, Wheel, Up, Down };

// Side parts are placed from the body's left edge at their depth.
struct Part {
  const char* name;
  Shape shape;
  double u0, v0, u1, v1;
  bool fromEdge = false;
};

constexpr double kSideTop = 0.475, kSideStep = 0.057, kSideKey = 0.045;
constexpr Part kParts[] = {
    {"left-button", Shape::Spot, 0.18, 0.13, 0.18, 0.13},
    {"right-button", Shape::Spot, 0.82, 0.13, 0.82, 0.13},
    {"wheel-up", Shape::Up, 0.455, 0.035, 0.545, 0.075},
    {"wheel", Shape::Wheel, 0.445, 0.10, 0.555, 0.24},
    {"wheel-down", Shape::Down, 0.455, 0.265, 0.545, 0.305},
    {"dpi", Shape::LitKey, 0.455, 0.325, 0.545, 0.37},
    {"forward", Shape::Pill, 0.03, 0.31, 0.11, 0.375, true},
    {"back", Shape::Pill, 0.03, 0.39, 0.11, 0.455, true},
    {"side-1", Shape::Key, 0.03, kSideTop, 0.11, kSideTop + kSideKey, true},
    {"side-2", Shape::Key, 0.03, kSideTop + kSideStep, 0.11, kSideTop + kSideStep + kSideKey, true},
    {"side-3", Shape::Key, 0.03, kSideTop + 2 * kSideStep, 0.11, kSideTop + 2 * kSideStep + kSideKey, true},
    {"side-4", Shape::Key, 0.03, kSideTop + 3 * kSideStep, 0.11, kSideTop + 3 * kSideStep + kSideKey, true},
    {"side-5", Shape::Key, 0.03, kSideTop + 4 * kSideStep, 0.11, kSideTop + 4 * kSideStep + kSideKey, true},
    {"side-6", Shape::Key, 0.03, kSideTop + 5 * kSideStep, 0.11, kSideTop + 5 * kSideStep + kSideKey, true},
    {"side-7", Shape::Key, 0.03, kSideTop + 6 * kSideStep, 0.11, kSideTop + 6 * kSideStep + kSideKey, true},
};

Box PartBox(const Box& at, const Part& p) {
  const double w = at.right - at.left, h = at.bottom - at.top;
  const double shift = p.fromEdge ? LeftEdge((p.v0 + p.v1) / 2) : 0;
  return {at.left + (p.u0 + shift) * w, at.top + p.v0 * h, at.left + (p.u1 + shift) * w, at.top + p.v1 * h};
}

}  // namespace

void DrawMouse(Canvas& c, const Box& at) {
  const double w = at.right - at.left, h = at.bottom - at.top;
  const double cx = at.left + w / 2;
  // Inside the body by at least `margin` pixels (probed across and along).
  auto body = [&](double x, double y, double margin) {
    const double v = (y - at.top) / h, dv = margin / h;
    const double half = std::min({HalfWidth(v), HalfWidth(v - dv), HalfWidth(v + dv)}) * w / 2;
    return std::abs(x - cx) <= half - margin;
  };
  auto u = [&](double x) { return (x - at.left) / w; };
  auto v = [&](double y) { return (y - at.top) / h; };

  // Only the rows from v0 to v1 (and the columns up to u1) can hold a detail.
  auto rows = [&](double v0, double v1, double u1 = 1) {
    return Box{at.left, at.top + v0 * h, at.left + u1 * w, at.top + v1 * h};
  };

  c.Fill(at, [&](double x, double y) { return body(x, y, 0); }, kEdge);
  c.Fill(at, [&](double x, double y) { return body(x, y, 1.2); }, kPalm);
  c.Fill(rows(0, kButtonsEnd + 0.05), [&](double x, double y) { return body(x, y, 1.2) && v(y) < ButtonsEnd(u(x)); },
         kShell);
  // The seams: the buttons' back edge and the gap between them.
  c.Fill(rows(kButtonsEnd - 0.01, kButtonsEnd + 0.05),
         [&](double x, double y) { return body(x, y, 1.2) && std::abs(v(y) - ButtonsEnd(u(x))) * h < 0.7; }, kSeam);
  c.Rect({cx - 1, at.top, cx + 1, at.top + ButtonsEnd(0.5) * h}, kSeam);
  // The thumb panel down the left flank, edged in the accent colour, its
  // inner edge rounded off at both ends.
  auto panel = [&](double x, double y) {
    const double t = (v(y) - (kPanelFrom + kPanelTo) / 2) / ((kPanelTo - kPanelFrom) / 2);
    return std::abs(t) < 1 && body(x, y, 1.2) && u(x) - LeftEdge(v(y)) < kPanelWidth * std::pow(1 - t * t, 0.2);
  };
  const Box panelRows = rows(kPanelFrom, kPanelTo, 0.5);
  c.Fill(panelRows, panel, kRed);
  c.Fill(panelRows, [&](double x, double y) { return panel(x + 1.3, y) && panel(x, y - 1.3) && panel(x, y + 1.3); },
         kPanel);

  // The palm's hump, lit from above: a few nested ovals, each a shade lighter.
  for (int step = 1; step <= 6; ++step) {
    const double rx = w * (0.36 - step * 0.045), ry = h * (0.24 - step * 0.03), cy = at.top + 0.68 * h;
    const uint8_t grey = static_cast<uint8_t>(kPalm.r + step);
    c.Fill({cx - rx, cy - ry, cx + rx, cy + ry}, [&](double x, double y) {
      return (x - cx) * (x - cx) / (rx * rx) + (y - cy) * (y - cy) / (ry * ry) <= 1 && body(x, y, 1.2);
    }, {grey, grey, grey});
  }
  // The maker's mark on the palm.
  const double my = at.top + 0.74 * h;
  c.Line(cx - 6, my + 4, cx, my - 2, 1.4, kRed);
  c.Line(cx, my - 2, cx + 6, my + 4, 1.4, kRed);

  for (const Part& p : kParts) {
    const Box b = PartBox(at, p);
    const double bw = b.right - b.left;
    const double mx = (b.left + b.right) / 2;
    switch (p.shape) {
      case Shape::Spot: break;
      case Shape::Key:
      case Shape::LitKey:
      case Shape::Pill: {
        const double r = p.shape == Shape::Pill ? bw / 2 : 2;
        c.RoundRect(b, r, kKeyEdge);
        c.RoundRect({b.left + 1, b.top + 1, b.right - 1, b.bottom - 1}, r - 1, kKey);
        if (p.shape != Shape::LitKey) break;
        c.Line(mx - bw * 0.25, (b.top + b.bottom) / 2, mx + bw * 0.25, (b.top + b.bottom) / 2, 1.5, kRed);
        break;
      }
      case Shape::Wheel: {
        c.RoundRect({b.left - 1.5, b.top - 1.5, b.right + 1.5, b.bottom + 1.5}, bw / 2 + 1.5, kSeam);
        c.RoundRect(b, bw / 2, kKey);
        for (double y = b.top + 3; y < b.bottom - 2; y += 3) c.Line(b.left + 1, y, b.right - 1, y, 1, kPalm);
        c.Line(mx, b.top + 2, mx, b.bottom - 2, 1.2, kRed);
        break;
      }
      case Shape::Up: c.Triangle(b.left, b.bottom, b.right, b.bottom, mx, b.top, kGlyph); break;
      case Shape::Down: c.Triangle(b.left, b.top, b.right, b.top, mx, b.bottom, kGlyph); break;
    }
  }
}

std::optional<Box> MousePart(const Box& at, const std::string& name) {
  for (const Part& p : kParts) {
    if (name == p.name) return PartBox(at, p);
  }
  return std::nullopt;
}
