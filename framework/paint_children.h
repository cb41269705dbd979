#pragma once
// A parent that paints itself whole paints its children in the same pass:
// under Wine each child's own paint is several trips to the window server.
#include <windows.h>

// Paints the shown descendants of `parent` into `dc` (in `parent`'s client
// coordinates), in the order they paint themselves, each as it paints
// itself (WM_ERASEBKGND, WM_PRINTCLIENT), and takes their pending paints.
// A child with a frame beyond a plain border paints itself.
void PaintChildren(HWND parent, HDC dc);
// Whether `window`'s pending paint is its whole client area.
bool WholeClientToPaint(HWND window);
