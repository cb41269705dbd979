#pragma once
// Writing the skin's picture files: JPEG for the state pictures, 24-bit BMP
// for the masks (exact pixels: pure white is cut away).
#include <string>

#include "canvas.h"

bool WriteJpeg(const Canvas& canvas, const std::string& path, int quality);
bool WriteBmp(const Canvas& canvas, const std::string& path);
// A black-and-white mask as a 1-bit BMP: pure white pixels are white, all
// others black. A twentieth of the 24-bit file, so quick to load.
bool WriteMaskBmp(const Canvas& canvas, const std::string& path);
