#pragma once
// Skin pictures: decoding, cutting a control's part out of a full-window
// picture, and the window shape from a mask.
#include <windows.h>

#include <string>

#include "framework/gdi.h"

// Replaces `bitmap` with the picture decoded from the file (JPEG or BMP, as
// its data says) and writes its size into `size`. A missing or undecodable
// file, or a bitmap shorter than its header says, leaves both unchanged.
void LoadSkinImage(const std::wstring& path, GdiBitmap& bitmap, SIZE& size);

// Makes `target` a canvas bitmap holding the rectangle (left, top)-(right,
// bottom) of `source`. Without a source nothing changes; an empty rectangle
// leaves `target` empty.
void CutImage(GdiBitmap& target, HBITMAP source, int left, int top, int right, int bottom);

// The window shape: every pixel that is not pure white belongs to it. Null
// without a mask. An all-white mask gives an empty region.
GdiRegion RegionFromMask(HBITMAP mask);

// A BMP file as a DIB section (the slider thumbs); empty when it is
// missing, not a bitmap, or shorter than its header says.
GdiBitmap LoadBmpFile(const std::wstring& path);

// A shape from a picture: every pixel that has not exactly the colour of
// its top-left pixel, in the picture's own size. Null without a picture.
GdiRegion RegionFromImage(HBITMAP image);
