#pragma once
// An RGB picture and the few shapes the skin is drawn with. Edges are
// smoothed by 4 x 4 sampling of each pixel's coverage.
#include <cstdint>
#include <functional>
#include <vector>

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// From a Windows colour value 0x00BBGGRR, the form the layouts use.
constexpr Rgb FromColorRef(uint32_t c) {
  return {static_cast<uint8_t>(c & 0xFF), static_cast<uint8_t>((c >> 8) & 0xFF), static_cast<uint8_t>((c >> 16) & 0xFF)};
}

struct Box {
  double left, top, right, bottom;
};

class Canvas {
 public:
  Canvas(int width, int height, Rgb fill);
  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  const std::vector<Rgb>& Pixels() const { return pixels_; }
  void Set(int x, int y, Rgb c) { pixels_[static_cast<std::size_t>(y) * width_ + x] = c; }

  // Blends `colour` over the pixels of `bounds` by the share of each
  // pixel that `inside` covers.
  void Fill(const Box& bounds, const std::function<bool(double, double)>& inside, Rgb colour);

  void Rect(const Box& box, Rgb colour);
  void RoundRect(const Box& box, double radius, Rgb colour);
  // A rounded frame `width` thick just inside `box`.
  void RoundFrame(const Box& box, double radius, double width, Rgb colour);
  void Disc(double cx, double cy, double radius, Rgb colour);
  void Ring(double cx, double cy, double radius, double width, Rgb colour);
  void Triangle(double x0, double y0, double x1, double y1, double x2, double y2, Rgb colour);
  // A straight stroke of `width` between two points.
  void Line(double x0, double y0, double x1, double y1, double width, Rgb colour);
  // A vertical gradient from `top` to `bottom` colour.
  void Gradient(const Box& box, Rgb top, Rgb bottom);

 private:
  void Blend(int x, int y, Rgb colour, double amount);
  int width_, height_;
  std::vector<Rgb> pixels_;
};

bool InRoundRect(const Box& box, double radius, double x, double y);
