#include "framework/paint_children.h"

#include "framework/gdi.h"

namespace {

// What shows of a child besides its client area: nothing (a frame hidden
// outside its parent is not seen), a plain one-pixel border, or more,
// which only the child itself paints.
enum class Frame { None, Border, Other };

Frame FrameOf(HWND child, HWND parent) {
  RECT outer, client, parentClient, shown, shownClient;
  GetWindowRect(child, &outer);
  GetClientRect(child, &client);
  MapWindowPoints(child, nullptr, reinterpret_cast<POINT*>(&client), 2);
  GetClientRect(parent, &parentClient);
  MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&parentClient), 2);
  IntersectRect(&shown, &outer, &parentClient);
  IntersectRect(&shownClient, &client, &parentClient);
  if (EqualRect(&shown, &shownClient)) return Frame::None;
  const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
  const LONG_PTR edges = WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE | WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME;
  const bool plainBorder = (style & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME)) == WS_BORDER &&
                           !(GetWindowLongPtrW(child, GWL_EXSTYLE) & edges);
  InflateRect(&client, 1, 1);
  return plainBorder && EqualRect(&client, &outer) ? Frame::Border : Frame::Other;
}

}  // namespace

void PaintChildren(HWND parent, HDC dc) {
  // In the order siblings paint themselves, the top one first: where
  // siblings overlap, the last painted shows.
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!(GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE)) continue;
    // A child with more of a frame paints it itself, and with it the rest.
    const Frame frame = FrameOf(child, parent);
    if (frame == Frame::Other) continue;
    RECT place;
    GetClientRect(child, &place);
    MapWindowPoints(child, parent, reinterpret_cast<POINT*>(&place), 2);
    // A canvas of its own: the system's controls take their client area
    // at the device origin.
    const int width = place.right - place.left, height = place.bottom - place.top;
    MemoryDc canvas(dc);
    GdiBitmap pixels = CreateCanvasBitmap(width, height);
    if (!canvas || !pixels) continue;
    if (frame == Frame::Border) {
      RECT border = place;
      InflateRect(&border, 1, 1);
      FrameRect(dc, &border, GetSysColorBrush(COLOR_WINDOWFRAME));
    }
    SelectScope select(canvas.Get(), pixels.Get());
    // What a child leaves unpainted shows its parent, as on the screen.
    BitBlt(canvas.Get(), 0, 0, width, height, dc, place.left, place.top, SRCCOPY);
    SendMessageW(child, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Get()), 0);
    SendMessageW(child, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Get()), PRF_CLIENT);
    PaintChildren(child, canvas.Get());
    // A shaped child shows only its shape.
    const int saved = SaveDC(dc);
    GdiRegion shape(CreateRectRgn(0, 0, 0, 0));
    if (shape && GetWindowRgn(child, shape.Get()) != ERROR) {
      RECT outer;
      GetWindowRect(child, &outer);
      MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&outer), 2);
      OffsetRgn(shape.Get(), outer.left, outer.top);
      ExtSelectClipRgn(dc, shape.Get(), RGN_AND);
    }
    BitBlt(dc, place.left, place.top, width, height, canvas.Get(), 0, 0, SRCCOPY);
    RestoreDC(dc, saved);
    RedrawWindow(child, nullptr, nullptr, RDW_VALIDATE | RDW_NOERASE | RDW_NOFRAME | RDW_NOCHILDREN);
  }
}

bool WholeClientToPaint(HWND window) {
  GdiRegion update(CreateRectRgn(0, 0, 0, 0));
  RECT box, client;
  GetClientRect(window, &client);
  return update && GetUpdateRgn(window, update.Get(), FALSE) == SIMPLEREGION && GetRgnBox(update.Get(), &box) &&
         EqualRect(&box, &client);
}
