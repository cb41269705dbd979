#pragma once
// The main window's order of Tab: its frame and pages as a user reads them.
#include <windows.h>

#include <vector>

class MainFrame;
class PageHost;

// The focus stops of the main window that show: the frame's left column,
// the buttons of the mouse picture, the lighting and colour choices, the
// tab strip, the page of the function page area, then OK, Apply, Cancel
// and the window's own minimise and close.
std::vector<HWND> ReadingOrder(const MainFrame& frame, const PageHost& pages);
// The first of them; null for none.
HWND FirstInReadingOrder(const MainFrame& frame, const PageHost& pages);
