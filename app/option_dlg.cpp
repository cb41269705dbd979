#include "app/option_dlg.h"

#include <algorithm>
#include <optional>
#include <string>

#include "app/language.h"
#include "app/message_box.h"
#include "app/messages.h"
#include "app/reading_order.h"
#include "framework/focus_order.h"
#include "framework/input_target.h"
#include "macro/macro_list.h"
#include "model/settings.h"
#include "resource.h"
#include "skin/picture_decoder.h"
#include "skin/skin_files.h"
#include "store/macro_file.h"

namespace {

const PageImageNames kMainPictures{L"main_mask.bmp", L"main_normal.JPG", L"main_over.JPG", L"main_down.JPG",
                                   L"main_normal.jpg"};
constexpr wchar_t kMainLayout[] = L"skin_main.ini";

// Where a reload from the monitor repaints.
constexpr RECT kReloadArea{308, 252, 348, 282};

// The quit code that ends the main window's modal loop.
constexpr int kEndProgramCode = -1;

// Once the window shows (a timer comes only when nothing else, painting
// included, waits) the pictures of the pages hidden at start decode; then
// the planned buttons' state images are cut and those pages are made, one
// a tick: each is ready before the user first asks for it, and between two
// the user's input is taken.
constexpr UINT_PTR kPicturesAheadTimer = 1;
constexpr UINT_PTR kPagesAheadTimer = 2;
constexpr UINT kPagesAheadMs = 30;

}  // namespace

COptionDlg::COptionDlg(MonitorNames names, ControlsMade made)
    : CSkinnedWindow(IDD_MAIN, kMainPictures, Drag::Itself),
      link_(std::move(names)),
      cycle_({WorkingSettings, AppliedSettings}, link_, Macros, *this),
      profiles_(*this),
      dispatch_(*this, pages_),
      controlsMade_(made) {}

void COptionDlg::DecodePicturesAhead() {
  ::DecodePicturesAhead(PageHost::StartPicturePaths(PageImageSet::PicturePaths(kMainPictures, SkinFolder())));
}

void COptionDlg::DecodeLaterPictures() { ::DecodePicturesAhead(PageHost::LaterPicturePaths()); }

const MessageMap& COptionDlg::Messages() {
  static const MessageEntry entries[] = {
      msg::Create<&COptionDlg::OnCreate>(),
      msg::InitDialog<&COptionDlg::OnInitDialog>(),
      msg::QueryDragIcon<&COptionDlg::OnQueryDragIcon>(),
      msg::SetCursor<&COptionDlg::OnSetCursor>(),
      msg::Close<&COptionDlg::OnClose>(),
      msg::Timer<&COptionDlg::OnTimer>(),
      msg::Signal<&COptionDlg::OnMakeControls>(WM_MAKE_CONTROLS),
      msg::Signal<&COptionDlg::OnMonitor<&SettingsCycle::OnMonitorReload>>(WM_MONITOR_RELOAD),
      msg::Signal<&COptionDlg::OnMonitor<&SettingsCycle::OnMonitorSettingsChanged>>(WM_MONITOR_SETTINGS_CHANGED),
      msg::Signal<&COptionDlg::OnMonitor<&SettingsCycle::OnMonitorApplyDone>>(WM_MONITOR_APPLY_DONE),
      msg::Signal<&COptionDlg::OnMonitor<&SettingsCycle::OnMonitorSensorChanged>>(WM_MONITOR_SENSOR_CHANGED),
      msg::Forwarded<&COptionDlg::OnPageMessage<WM_PROFILE_ACTION>>(WM_PROFILE_ACTION),
      msg::Forwarded<&COptionDlg::OnPageMessage<WM_SHOW_FUNCTION_PAGE>>(WM_SHOW_FUNCTION_PAGE),
      msg::Forwarded<&COptionDlg::OnPageMessage<WM_ASSIGN_FUNCTION>>(WM_ASSIGN_FUNCTION),
      msg::Forwarded<&COptionDlg::OnPageMessage<WM_SELECT_BUTTON>>(WM_SELECT_BUTTON),
  };
  static const MessageMap map{&CSkinnedWindow::Messages(), entries};
  return map;
}

bool COptionDlg::OnCreate(const CREATESTRUCTW&) {
  if (Default() == -1) return false;
  cycle_.StartupLoad();
  LoadLanguageModule();
  // The frame's buttons are made while the pictures still decode (started
  // with the program); then the pages, each with its pictures (queued
  // first); the frame's cut-outs come last (a planned button's, a timer
  // tick after it is made).
  std::optional<ButtonPlans::Planning> planning;
  if (controlsMade_ == ControlsMade::AfterFirstPaint) planning.emplace(plans_);
  const std::vector<SkinButtonInfo> layout = frame_.Create(*this, ReadButtonSection(SkinFolder() + kMainLayout));
  pages_.CreateStartPages(Hwnd());
  LoadPictures();
  if ((skinUnusable_ = ReportUnusableSkin(layout))) return false;
  frame_.CutImages(Images(), layout);
  TakeShape();
  pages_.ShowFunctionPage(FunctionPage::Start);
  return true;
}

bool COptionDlg::ReportUnusableSkin(const std::vector<SkinButtonInfo>& layout) const {
  std::vector<std::wstring> missing;
  if (!Images().normal)
    missing.push_back(LanguageText(IDS_SKIN_NO_PICTURE) + L"\n" + SkinFolder() + kMainPictures.normal);
  const bool anyButton = std::ranges::any_of(layout, [](const SkinButtonInfo& info) {
    return info.Rect.right > info.Rect.left && info.Rect.bottom > info.Rect.top;
  });
  if (!anyButton) missing.push_back(LanguageText(IDS_SKIN_NO_BUTTONS) + L"\n" + SkinFolder() + kMainLayout);
  if (missing.empty()) return false;
  missing.insert(missing.begin(), LanguageText(IDS_SKIN_UNUSABLE));
  missing.push_back(LanguageText(IDS_REINSTALL));
  ShowMessage(nullptr, MB_OK | MB_ICONERROR, missing);
  return true;
}

bool COptionDlg::OnInitDialog() {
  Default();
  icon_ = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APPLICATION_ICON));
  SendMessageW(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageW(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  SetWindowTextW(Hwnd(), kMainWindowTitle);
  pages_.ShowTabStrip(false, FunctionPage::Start);
  frame_.CheckSettingsButton(false);
  pages_.ShowFunctionPage(FunctionPage::Start);
  SelectLanguage(0);
  RefreshAll();
  if (!plans_.Pending()) ControlsReady();
  return false;
}

void COptionDlg::Painted() {
  // A posted message comes before any input: none finds a control missing.
  if (plans_.Pending()) PostMessageW(Hwnd(), WM_MAKE_CONTROLS, 0, 0);
}

void COptionDlg::OnMakeControls() { MakeControls(); }

void COptionDlg::MakeControls() {
  if (!plans_.Pending()) return;
  // The pages paint their plans first: a control made on a page that has
  // not painted would leave its place bare.
  RedrawWindow(Hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  plans_.MakeAll();
  controlsMadeAt_ = GetTickCount();
  ControlsReady();
}

void COptionDlg::ControlsReady() {
  pagesAhead_.Start(Hwnd(), kPicturesAheadTimer, 0);
  // The first control in reading order, without its mark until the
  // keyboard is used; the dialog manager would pick the first window made.
  // Not through WM_NEXTDLGCTL: it looks for a default button through
  // every window (a trip to the window server each, under Wine), and the
  // window has none.
  if (HWND first = FirstInReadingOrder(frame_, pages_)) SetFocus(first);
}

void COptionDlg::OnTimer(UINT_PTR timer) {
  if (timer == kPicturesAheadTimer) {
    DecodeLaterPictures();
    pagesAhead_.Start(Hwnd(), kPagesAheadTimer, kPagesAheadMs);
  } else if (timer == kPagesAheadTimer) {
    if (plans_.Uncut()) {
      plans_.CutAll();
    } else if (!pages_.MakeNextPage()) {
      pagesAhead_.Stop();
    }
  } else {
    Default();
  }
}

void COptionDlg::SelectLanguage(int index) { frame_.ShowLanguage(::SelectLanguage(index)); }

void COptionDlg::ReloadCaptions() {
  frame_.ReloadCaptions(Hwnd());
  pages_.RefreshTexts();
}

void COptionDlg::RefreshAll() {
  frame_.UpdateProfileBar();
  pages_.ShowActiveProfile();
  frame_.UpdateLightEffectChoice();
  frame_.UpdateColorChoice();
  pages_.RefreshFunctionPages();
}

PreTranslation COptionDlg::PreTranslateMessage(MSG* msg) {
  if (IsUserInput(msg->message)) {
    if (plans_.Pending()) MakeControls();
    // Input queued before the controls had windows is theirs.
    if (controlsMadeAt_ && static_cast<LONG>(msg->time - *controlsMadeAt_) <= 0) RetargetInput(*msg);
  }
  if (const std::optional<FocusStep> step = TabStep(*msg)) {
    MoveFocus(ReadingOrder(frame_, pages_), *step);
    return PreTranslation::Consumed;
  }
  return dispatch_.PreTranslate(*msg);
}

void COptionDlg::PaintContent(HDC dc) { frame_.PaintLabels(dc); }

std::optional<POINT> COptionDlg::PlaceFor(SIZE size) const {
  return POINT{(GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2, (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2};
}

HICON COptionDlg::OnQueryDragIcon() { return icon_; }

bool COptionDlg::OnSetCursor() {
  // While an apply runs, the wait cursor stays whatever is under the pointer.
  if (!cycle_.Busy()) return Default() != FALSE;
  SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  return true;
}

// From the task bar or Alt+F4: the same as the close button.
void COptionDlg::OnClose() { EndProgram(); }

void COptionDlg::DestroyContent() {
  plans_.Forget();
  link_.Close();
  // A window that never started leaves the user's macros as they were.
  if (!skinUnusable_) SaveMacros(Macros);
  Macros.Clear();
  UnloadLanguageModule();
  pages_.DestroyAll();
}

void COptionDlg::BeginBusy() {
  SetCapture(Hwnd());
  SetCursor(LoadCursorW(nullptr, IDC_WAIT));
}

void COptionDlg::EndBusy() {
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  ReleaseCapture();
}

void COptionDlg::ReportNoAnswer() { ShowMessage(Hwnd(), MB_OK | MB_ICONWARNING, {LanguageText(IDS_NO_ANSWER)}); }

void COptionDlg::InvalidateReloadArea() { InvalidateRect(Hwnd(), &kReloadArea, TRUE); }

void COptionDlg::Minimise() { PostMessageW(Hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0); }

void COptionDlg::EndProgram() { PostQuitMessage(kEndProgramCode); }

bool COptionDlg::ApplyAndTell(WPARAM kind) { return !ReportUnwrittenFiles(Hwnd(), IDS_SAVE_FAILED, cycle_.Apply(kind)); }

void COptionDlg::Ok() {
  // A recording or capture still open belongs in what is applied.
  pages_.EndCaptures();
  // Unsaved settings keep the window open, so the user can try again.
  if (ApplyAndTell(kApplyNormal)) EndProgram();
}

void COptionDlg::Apply() {
  RefreshAll();
  ApplyAndTell(kApplyNormal);
}

void COptionDlg::ShowSettings() {
  pages_.ShowSettings();
  frame_.CheckSettingsButton(true);
}
