#pragma once
// The sliders' thumbs: small pointed pictures, one pointing down and one
// up, on a corner colour that the sliders cut away. Every pixel is either
// exactly that colour or wholly the thumb's: an edge blended with it would
// stay in the thumb's shape as a fringe.
#include <optional>
#include <string>

#include "canvas.h"
#include "ini.h"

struct ThumbArt {
  int width = 0;
  int height = 0;
  Rgb transparent;
  std::string pointDown;  // file names
  std::string pointUp;
};

// Whether section `name` of the description draws thumbs ("Kind=thumbs").
bool IsThumbSection(const IniDocument& description, const std::string& name);
std::optional<ThumbArt> ReadThumbArt(const IniDocument& description, const std::string& name, std::string& error);
Canvas RenderThumb(const ThumbArt& art, bool pointsDown);
// Both pictures as 24-bit BMP files in `outDir`.
bool WriteThumbs(const ThumbArt& art, const std::string& outDir);
