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

using Section = void (*)(const MainFrame& frame, const PageHost& pages, std::vector<HWND>& stops);

// The window's parts in the order a user reads them.
constexpr Section kSections[] = {
    [](const MainFrame& frame, const PageHost&, std::vector<HWND>& stops) {
      for (FrameButton button : kLeftColumn) AppendButton(frame, stops, button);
    },
    [](const MainFrame&, const PageHost& pages, std::vector<HWND>& stops) {
      pages.AppendFocusStops(stops, {PageId::Layout});
    },
    // The three lighting choices and the eight colours, top to bottom.
    [](const MainFrame& frame, const PageHost&, std::vector<HWND>& stops) {
      for (int button = kEffectAButton; button < kSettingsButton; ++button)
        AppendButton(frame, stops, static_cast<FrameButton>(button));
    },
    [](const MainFrame&, const PageHost& pages, std::vector<HWND>& stops) {
      pages.AppendFocusStops(stops, {PageId::FourTabStrip, PageId::EightTabStrip});
    },
    [](const MainFrame&, const PageHost& pages, std::vector<HWND>& stops) { pages.AppendFunctionPageFocusStops(stops); },
    [](const MainFrame& frame, const PageHost&, std::vector<HWND>& stops) {
      for (FrameButton button : kClosing) AppendButton(frame, stops, button);
    },
};

}  // namespace

std::vector<HWND> ReadingOrder(const MainFrame& frame, const PageHost& pages) {
  std::vector<HWND> stops;
  for (Section section : kSections) section(frame, pages, stops);
  return stops;
}

HWND FirstInReadingOrder(const MainFrame& frame, const PageHost& pages) {
  // Section by section: the start asks only the first few controls.
  std::vector<HWND> stops;
  for (Section section : kSections) {
    section(frame, pages, stops);
    if (!stops.empty()) return stops.front();
  }
  return nullptr;
}
