#include "thumbs.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "artwork.h"
#include "image_files.h"

namespace {

const Rgb kFaceTop = FromColorRef(0xE6E6E6);
const Rgb kFaceBottom = FromColorRef(0x9C9C9C);
const Rgb kOutline = FromColorRef(0x3C3C3C);
constexpr double kCorner = 2;

// The thumb pointing down: a body rounded at the top over a tip as deep as
// half its width.
bool InPointer(const ThumbArt& art, double x, double y) {
  const double w = art.width, h = art.height, tip = w / 2;
  if (InRoundRect({0, 0, w, h - tip}, kCorner, x, y)) return true;
  return y >= h - tip - kCorner && y < h && std::abs(x - w / 2) <= (w / 2) * (h - y) / tip;
}

}  // namespace

bool IsThumbSection(const IniDocument& d, const std::string& name) {
  return d.Get(name, "Kind") == "thumbs";
}

std::optional<ThumbArt> ReadThumbArt(const IniDocument& d, const std::string& name, std::string& error) {
  ThumbArt art;
  if (std::sscanf(d.Get(name, "Size").c_str(), "%d,%d", &art.width, &art.height) != 2 || art.width < 4 ||
      art.height < art.width) {
    error = name + ": Size=width,height is missing or too small";
    return std::nullopt;
  }
  art.transparent = FromColorRef(static_cast<uint32_t>(std::strtoul(d.Get(name, "Transparent").c_str(), nullptr, 16)));
  art.pointDown = d.Get(name, "PointDown");
  art.pointUp = d.Get(name, "PointUp");
  if (art.pointDown.empty() || art.pointUp.empty()) {
    error = name + ": PointDown and PointUp files must be named";
    return std::nullopt;
  }
  return art;
}

Canvas RenderThumb(const ThumbArt& art, bool pointsDown) {
  // Shaded freely on the face colour, then cut out by whole pixels.
  Canvas face(art.width, art.height, kFaceBottom);
  face.Gradient({0, 0, double(art.width), double(art.height)}, kFaceTop, kFaceBottom);
  const double mid = art.width / 2.0;
  face.Line(mid, 4, mid, art.height - mid - 2, 2, FromColorRef(kAccent));

  auto inside = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < art.width && y < art.height && InPointer(art, x + 0.5, y + 0.5);
  };
  Canvas out(art.width, art.height, art.transparent);
  for (int y = 0; y < art.height; ++y) {
    for (int x = 0; x < art.width; ++x) {
      if (!inside(x, y)) continue;
      const bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
      out.Set(x, pointsDown ? y : art.height - 1 - y, edge ? kOutline : face.At(x, y));
    }
  }
  return out;
}

bool WriteThumbs(const ThumbArt& art, const std::string& outDir) {
  const bool down = WriteBmp(RenderThumb(art, true), outDir + "/" + art.pointDown);
  return WriteBmp(RenderThumb(art, false), outDir + "/" + art.pointUp) && down;
}
