// page_bench: the first showing of each page not shown at start, in a main
// window of its own (from this program's folder, which holds the skin and
// the language library), both when the user asks for it at once and when
// the window has had the time to ready it: what the user waits when a page
// first appears.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/option_dlg.h"
#include "bench.h"
#include "framework/application.h"

namespace {

constexpr int kRuns = 11;
// Time enough for the window to ready its pages, as while a user looks.
constexpr ULONGLONG kReadyingMs = 1500;

// Runs the window's messages for `milliseconds`.
void Pump(ULONGLONG milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  } while (GetTickCount64() < end);
}

// The median over fresh main windows, given `readying` milliseconds after
// they showed, of `show` up to the page's first paint.
double FirstShowing(ULONGLONG readying, const std::function<void(COptionDlg&)>& show) {
  std::vector<double> times;
  for (int run = 0; run < kRuns; ++run) {
    auto window = std::make_unique<Window<COptionDlg>>();
    window->Create(nullptr);
    Pump(readying);
    times.push_back(MedianMilliseconds(1, [&] {
      show(*window);
      RedrawWindow(window->Hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }));
  }
  std::sort(times.begin(), times.end());
  return times[kRuns / 2];
}

// A readied page shows within one frame.
constexpr double kFrameMs = 16;

void ReportPage(const std::string& page, const std::function<void(COptionDlg&)>& show) {
  Report((page + ", asked at once").c_str(), kRuns, FirstShowing(0, show));
  Report((page + ", readied").c_str(), kRuns, FirstShowing(kReadyingMs, show), kFrameMs);
}

}  // namespace

int wmain() {
  CWinApp::EnsureCommonControls();
  ReportPage("8-tab strip", [](COptionDlg& w) { w.Pages().ShowTabStrip(true, FunctionPage::MouseFunction); });
  for (int page = 1; page < kFunctionPageCount; ++page)
    ReportPage("function page " + std::to_string(page),
               [page](COptionDlg& w) { w.Pages().ShowFunctionPage(static_cast<FunctionPage>(page)); });
  return 0;
}
