#pragma once
// Skinned buttons whose windows wait until their parents have first
// painted. Until then each is a plan that its parent paints (see
// CBitmapBtn::Planned); the windows made afterwards change no pixel. So a
// window with many buttons paints without waiting for their windows. Their
// state images are cut later still: until then they paint from their
// window's pictures, and work as any button does.
#include <windows.h>

#include <functional>
#include <vector>

class CBitmapBtn;

class ButtonPlans {
 public:
  ButtonPlans() = default;
  // Forgets its plans and steps (their buttons may be gone); never makes a window.
  ~ButtonPlans();
  ButtonPlans(const ButtonPlans&) = delete;
  ButtonPlans& operator=(const ButtonPlans&) = delete;

  // While one lives, the skinned buttons made on this thread are planned.
  class Planning {
   public:
    explicit Planning(ButtonPlans& plans);
    ~Planning();
    Planning(const Planning&) = delete;
    Planning& operator=(const Planning&) = delete;

   private:
    ButtonPlans* outer_;
  };

  // The plans that buttons made now join, if a Planning is open.
  static ButtonPlans* Taking();
  void Add(CBitmapBtn& button);
  bool Pending() const { return !planned_.empty(); }

  // Paints the looks of every button planned on `parent`.
  static void PaintPlanned(HWND parent, HDC dc);
  // What follows the cutting, such as dropping the pictures the planned
  // buttons are cut from.
  void AfterCut(std::function<void()> step);
  // Makes every planned window, in the order planned (so in the same
  // z-order as if made at once).
  void MakeAll();
  bool Uncut() const { return !uncut_.empty(); }
  // Cuts the state images of the buttons made, then takes the steps after.
  void CutAll();
  void Forget();

 private:
  std::vector<CBitmapBtn*> planned_;
  std::vector<CBitmapBtn*> uncut_;
  std::vector<std::function<void()>> afterCut_;
};
