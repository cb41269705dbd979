// page_bench: the first showing of each page made on demand, in a main
// window of its own (from this program's folder, which holds the skin and
// the language library): what the user waits when a page first appears.
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
// Time enough for the later pictures to decode, as while a user looks.
constexpr DWORD kSettleMs = 500;

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// The median over fresh main windows, each idle and with its later
// pictures decoded as some time after a start, of `show` up to the page's
// first paint.
double FirstShowing(const std::function<void(COptionDlg&)>& show) {
  std::vector<double> times;
  for (int run = 0; run < kRuns; ++run) {
    auto window = std::make_unique<Window<COptionDlg>>();
    window->Create(nullptr);
    Pump();
    COptionDlg::DecodeLaterPictures();
    Sleep(kSettleMs);
    times.push_back(MedianMilliseconds(1, [&] {
      show(*window);
      RedrawWindow(window->Hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }));
  }
  std::sort(times.begin(), times.end());
  return times[kRuns / 2];
}

}  // namespace

int wmain() {
  CWinApp::EnsureCommonControls();
  Report("8-tab strip, first showing", kRuns, FirstShowing([](COptionDlg& w) { w.Pages().ShowTabStrip(true, 4); }));
  for (unsigned page = 1; page <= 8; ++page) {
    const std::string what = "function page " + std::to_string(page) + ", first showing";
    Report(what.c_str(), kRuns, FirstShowing([page](COptionDlg& w) { w.Pages().ShowFunctionPage(page); }));
  }
  return 0;
}
