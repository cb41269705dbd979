#pragma once
// Pictures made and read pixel by pixel for the drawing tests.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/gdi.h"

// A 32-bit top-down DIB section whose pixel (x, y) is colour(x, y) as 0x00BBGGRR.
GdiBitmap MakePicture(int width, int height, const std::function<COLORREF(int, int)>& colour);

// The pixels of a bitmap, row by row from the top, as 0x00BBGGRR.
std::vector<COLORREF> ReadPixels(HBITMAP bitmap, int& width, int& height);

// What the window shows now (client area), row by row from the top.
std::vector<COLORREF> CaptureClient(HWND window, int& width, int& height);

// Writes pixels as a 24-bit BMP file.
bool WriteBmp(const std::wstring& path, const std::vector<COLORREF>& pixels, int width, int height);
// Writes pixels as a PNG file (stored, uncompressed deflate blocks).
bool WritePng(const std::wstring& path, const std::vector<COLORREF>& pixels, int width, int height);
