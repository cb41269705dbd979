// soak_bench: the main window in this process through a long session of
// use (page switches, profile switches, language changes and applies to
// the monitor simulator, every message pumped and painted as in the
// program), and what the process holds before and after. Nothing may grow:
// a skinned program that leaks GDI objects dies after a day on a desktop.
#include <windows.h>

#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/frame_buttons.h"
#include "app/messages.h"
#include "app/option_dlg.h"
#include "bench/bench.h"
#include "bench/held_resources.h"
#include "framework/application.h"
#include "framework/dialog.h"
#include "framework/exe_folder.h"
#include "model/function_codes.h"
#include "model/settings.h"
#include "tests/e2e/simulator.h"
#include "tests/win/registry_sandbox.h"

namespace {

// 500 page switches, 200 profile switches, 50 language changes, 100 applies.
constexpr int kRounds = 50;
constexpr int kPageSwitchesPerRound = 10;
constexpr int kProfileSwitchesPerRound = 4;
constexpr int kAppliesPerRound = 2;
// What a user waits for each road, painting included: one frame for a
// switch of page or profile, a tenth of a second for a language.
constexpr double kFrameMs = 16;
constexpr double kLanguageMs = 100;
constexpr double kApplyMs = 30;
// One page switch in this many selects a button on the mouse instead,
// which shows its tab strip and the page of its function.
constexpr int kButtonSelectionEvery = 5;
constexpr int kLanguages = 5;
constexpr int kColourChoices = 8;
// Time for the window to make the pages it readies after showing.
constexpr ULONGLONG kSettleMs = 1500;
constexpr ULONGLONG kAnswerPollMs = 5;
// After warm-up, private bytes may move with the heap's own bookkeeping.
constexpr std::int64_t kPrivateBytesBound = 1 << 20;

class Soak {
 public:
  explicit Soak(const MonitorNames& monitor) : window_(std::make_unique<Window<COptionDlg>>(monitor)) {
    window_->Create(nullptr);
    Settle(kSettleMs);
  }
  bool Running() const { return window_->Hwnd() != nullptr; }

  // Each road's time over the rounds (not the warm-up).
  struct Roads {
    std::vector<double> pageSwitches, buttonSelections, profileSwitches, languageChanges, applies;
  };
  Roads& Timed() { return roads_; }

  // One round of each kind of step.
  void Round(int round) {
    for (int i = 0; i < kPageSwitchesPerRound; ++i) {
      const int step = round * kPageSwitchesPerRound + i;
      if (step % kButtonSelectionEvery == 0)
        roads_.buttonSelections.push_back(Milliseconds([&] { SelectButton(step / kButtonSelectionEvery % kButtonCount); }));
      else
        roads_.pageSwitches.push_back(Milliseconds([&] { ShowPage(step % kFunctionPageCount); }));
    }
    for (int i = 0; i < kProfileSwitchesPerRound; ++i)
      roads_.profileSwitches.push_back(
          Milliseconds([&] { Run([&] { round % 2 ? window_->Profiles().Previous() : window_->Profiles().Next(); }); }));
    roads_.languageChanges.push_back(Milliseconds([&] { SelectLanguage(round % kLanguages); }));
    for (int i = 0; i < kAppliesPerRound; ++i) Apply(round + i, &roads_.applies);
  }

  // Every page, button, profile and language once, so what is made on
  // first use and kept exists before the count.
  void WarmUp() {
    for (int page = 0; page < kFunctionPageCount; ++page) ShowPage(page);
    for (int button = 0; button < kButtonCount; ++button) SelectButton(button);
    for (int profile = 0; profile < kProfileCount; ++profile) Run([&] { window_->Profiles().Next(); });
    for (int language = 0; language < kLanguages; ++language) SelectLanguage(language);
    Apply(0);
  }

 private:
  void ShowPage(int page) { Post(WM_SHOW_FUNCTION_PAGE, page, 0); }
  void SelectButton(int button) { Post(WM_SELECT_BUTTON, kSelectButtonTag, button); }
  void SelectLanguage(int language) { Post(WM_PROFILE_ACTION, language, kProfileActionSelectLanguage); }

  // An apply of a changed colour, waited for until the monitor answers;
  // its time from the press to the answer into `timed`.
  void Apply(int colour, std::vector<double>* timed = nullptr) {
    Run([&] { window_->Frame().ChooseColour(static_cast<FrameButton>(kFirstColourButton + colour % kColourChoices)); });
    const double ms = Milliseconds([&] {
      Run([&] { window_->Apply(); });
      while (window_->Busy()) Settle(kAnswerPollMs);
    });
    if (timed) timed->push_back(ms);
  }

  void Post(UINT message, WPARAM wParam, LPARAM lParam) {
    PostMessageW(window_->Hwnd(), message, wParam, lParam);
    Settle(0);
  }

  // What a frame button's click runs, then its messages.
  template <class Action>
  void Run(Action action) {
    action();
    Settle(0);
  }

  // Runs the window's messages as its modal loop does, for at least
  // `milliseconds`, and paints what they left to paint.
  void Settle(ULONGLONG milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    do {
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        const PreTranslation outcome = PreTranslateChain(msg, window_->Hwnd());
        if (outcome == PreTranslation::Consumed) continue;
        if (outcome == PreTranslation::Continue && IsDialogMessageW(window_->Hwnd(), &msg)) continue;
        TranslateAndDispatch(msg);
      }
      RedrawWindow(window_->Hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
      if (GetTickCount64() < end) MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (GetTickCount64() < end);
  }

  std::unique_ptr<Window<COptionDlg>> window_;
  Roads roads_;
};

void ReportRoad(const char* what, std::vector<double>& times, double targetMs) {
  const int runs = static_cast<int>(times.size());
  Report(what, runs, Median(times), targetMs);
}

// One line per measure; true when it stayed within its bound.
bool ReportGrowth(const char* what, const HeldCount& before, const HeldCount& after, std::int64_t bound) {
  const std::int64_t growth = static_cast<std::int64_t>(after.value - before.value);
  const std::string target = bound == 0 ? "growth 0" : "growth under " + std::to_string(bound >> 20) + " MiB";
  std::printf("%-14s before %10" PRIu64 "  after %10" PRIu64 "  growth %+8" PRId64 "  (target: %s; %s)\n", what,
              before.value, after.value, growth, target.c_str(), before.method.c_str());
  return bound == 0 ? growth <= 0 : growth < bound;
}

void RemoveSettingsFiles() {
  std::error_code ignored;
  std::filesystem::remove(std::filesystem::path(ExeFolder()) / L"config.ini", ignored);
  std::filesystem::remove_all(std::filesystem::path(ExeFolder()) / L"config", ignored);
}

}  // namespace

int wmain() {
  CWinApp::EnsureCommonControls();
  RegistrySandbox registry;
  RemoveSettingsFiles();
  // The monitor answers the window by its standard title.
  Simulator monitor(Simulator::Names::Standard);
  if (!monitor.Serve({L"--done-delay", L"0"})) {
    std::printf("the monitor simulator did not start\n");
    return 1;
  }
  HeldResources before, after;
  Soak::Roads roads;
  {
    Soak soak(monitor.names());
    if (!soak.Running()) return 1;
    soak.WarmUp();
    before = MeasureHeldResources();
    for (int round = 0; round < kRounds; ++round) soak.Round(round);
    after = MeasureHeldResources();
    roads = soak.Timed();
  }
  RemoveSettingsFiles();
  std::printf("%d page switches, %d profile switches, %d language changes, %d applies to the monitor simulator\n",
              kRounds * kPageSwitchesPerRound, kRounds * kProfileSwitchesPerRound, kRounds,
              kRounds * kAppliesPerRound);
  // Every line printed, then the verdict.
  bool held = ReportGrowth("kernel handles", before.handles, after.handles, 0);
  held = ReportGrowth("GDI objects", before.gdiObjects, after.gdiObjects, 0) && held;
  held = ReportGrowth("USER objects", before.userObjects, after.userObjects, 0) && held;
  held = ReportGrowth("private bytes", before.privateBytes, after.privateBytes, kPrivateBytesBound) && held;
  std::printf("%s\n", held ? "nothing grew" : "SOMETHING GREW: a leak");
  // The same session's roads, each up to its paint (pages readied).
  ReportRoad("switch between built pages", roads.pageSwitches, kFrameMs);
  ReportRoad("button chosen on the mouse", roads.buttonSelections, kFrameMs);
  ReportRoad("profile switch (RefreshAll)", roads.profileSwitches, kFrameMs);
  ReportRoad("language change", roads.languageChanges, kLanguageMs);
  ReportRoad("Apply, connected, to the answer", roads.applies, kApplyMs);
  return 0;
}
