#include "app/reading_order.h"

#include "app/main_frame.h"
#include "app/page_host.h"
#include "framework/focus_order.h"

namespace {

constexpr FrameButton kLeftColumn[] = {kPreviousProfileButton, kNextProfileButton, kProgramButton, kRenameButton,
                                       kImportButton,          kExportButton,      kSettingsButton};
constexpr FrameButton kClosing[] = {kOkButton, kApplyButton, kCancelButton, kMinimiseButton, kCloseButton};

void AppendButton(const MainFrame& frame, std::vector<HWND>& stops, FrameButton button) {
  if (IsFocusStop(frame.ButtonWindow(button))) stops.push_back(frame.ButtonWindow(button));
}

}  // namespace

std::vector<HWND> ReadingOrder(const MainFrame& frame, const PageHost& pages) {
  std::vector<HWND> stops;
  for (FrameButton button : kLeftColumn) AppendButton(frame, stops, button);
  pages.AppendFocusStops(stops, {PageId::Layout});
  // The three lighting choices and the eight colours, top to bottom.
  for (int button = kEffectAButton; button < kSettingsButton; ++button)
    AppendButton(frame, stops, static_cast<FrameButton>(button));
  pages.AppendFocusStops(stops, {PageId::FourTabStrip, PageId::EightTabStrip});
  pages.AppendFunctionPageFocusStops(stops);
  for (FrameButton button : kClosing) AppendButton(frame, stops, button);
  return stops;
}
