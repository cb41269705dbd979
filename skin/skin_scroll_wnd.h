#pragma once
// A frame wrapped around a child window (a list box) that shows skinned
// scroll bars in place of the window's own. The window keeps its system
// bars, which do the scrolling, but sits inside a clipping child of the
// frame that cuts them away; two CSkinScrollBar windows beside it show and
// drive them:
//
//   parent -> frame -> limit window -> target
//          -> frame -> horizontal and vertical CSkinScrollBar
//
// The target's own procedure is wrapped so that its non-client area leaves
// only a bar-thick strip of each system bar (the part that is clipped away)
// and the frame re-lays itself out whenever that area changes.
#include <windows.h>

#include "framework/handles.h"
#include "framework/window.h"
#include "skin/skin_scroll_bar.h"

class CSkinScrollWnd : public CWnd {
 public:
  // Frames `target` (a child window) with bars drawn from `skin`, which stays
  // the caller's and must outlive the frame. The frame owns itself from then
  // on; Detach, or the end of the target or of the frame's window, ends it.
  // Gives the target's frame, or null when the target cannot be framed.
  static CSkinScrollWnd* Attach(HWND target, HBITMAP skin);
  // Gives `target` back to the parent it had, at the frame's place, with its
  // own bars and border; nothing happens to a window without a frame.
  static void Detach(HWND target);
  // The frame of `target`, or null.
  static CSkinScrollWnd* FrameOf(HWND target);

  HWND LimitWindow() const { return limit_; }
  CSkinScrollBar& HorzBar() { return horzBar_; }
  CSkinScrollBar& VertBar() { return vertBar_; }
  // 0: no corner; 1: bottom-left; 2: bottom-right.
  int CornerMode() const { return cornerMode_; }

  static constexpr UINT kHorzBarId = 100;
  static constexpr UINT kVertBarId = 101;
  static constexpr UINT kLimitWindowId = 200;
  // How often the bars are brought in step with a target that changed
  // without repainting.
  static constexpr UINT kResyncMs = 500;

  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages();

 protected:
  void PostNcDestroy() override;

 private:
  CSkinScrollWnd() = default;
  bool Wrap(HWND target, HBITMAP skin);
  // The target's procedure back and the target forgotten; idempotent.
  void Unhook();

  static LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // The rule of the target's client area: only a bar-thick strip of each
  // system bar is left, and the skinned bars take the strips' places.
  void OnTargetNcCalcSize(const RECT& window, RECT& client);
  void SyncBar(CSkinScrollBar& bar, int which, bool onlyIfChanged, bool enable);

  void OnSkinScroll(bool vertical, bool left);
  void OnSize(SIZE size);
  void OnScroll(int request, int position, HWND bar);
  void OnTimer(UINT_PTR id);
  void OnPaint();
  void OnDestroy();

  HWND target_ = nullptr;
  HWND limit_ = nullptr;
  HBITMAP skin_ = nullptr;
  int thickness_ = 16;
  CSkinScrollBar horzBar_;
  CSkinScrollBar vertBar_;
  bool inRelay_ = false;
  int cornerMode_ = 0;
  WNDPROC oldWndProc_ = nullptr;
  // What the frame took over from the target, given back by Detach.
  LONG_PTR movedStyle_ = 0;
  LONG_PTR movedExStyle_ = 0;
  bool destroying_ = false;
  WindowTimer resync_;
};
