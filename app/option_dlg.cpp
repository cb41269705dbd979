#include "app/option_dlg.h"

#include <algorithm>
#include <string>

#include "app/language.h"
#include "app/messages.h"
#include "app/profile_files.h"
#include "app/message_box.h"
#include "framework/wide.h"
#include "macro/macro_buttons.h"
#include "macro/macro_list.h"
#include "model/frame_choices.h"
#include "model/settings.h"
#include "model/text.h"
#include "resource.h"
#include "skin/picture_decoder.h"
#include "skin/skin_files.h"
#include "skin/skin_font.h"
#include "store/macro_file.h"
#include "store/profile_store.h"

namespace {

const PageImageNames kMainPictures{L"main_mask.bmp", L"main_normal.JPG", L"main_over.JPG", L"main_down.JPG",
                                   L"main_normal.jpg"};
constexpr wchar_t kMainLayout[] = L"skin_main.ini";

// Where a reload from the monitor repaints.
constexpr RECT kReloadArea{308, 252, 348, 282};
// What a language change repaints besides the buttons.
constexpr RECT kLanguageAreas[] = {{221, 343, 586, 362}, {221, 382, 534, 401}, {652, 382, 780, 405}};

// Where the function pages and the start page show: x, y, width, height.
constexpr RECT kFunctionPageArea{209, 372, 551, 301};

constexpr int kLabelFontHeight = 17;
constexpr int kLabelFontWidth = 6;

// The quit code that ends the main window's modal loop.
constexpr int kEndProgramCode = -1;

void RepaintNow(HWND window) {
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
}

}  // namespace

const COptionDlg::ClickAction COptionDlg::kClickActions[kFrameButtonCount] = {
    &COptionDlg::Minimise,       &COptionDlg::EndProgram,      &COptionDlg::Ok,
    &COptionDlg::ApplyClicked,   &COptionDlg::EndProgram,      &COptionDlg::NoAction,
    &COptionDlg::PreviousProfile, &COptionDlg::NextProfile,    &COptionDlg::ChooseProgram,
    &COptionDlg::Rename,         &COptionDlg::ImportProfile,   &COptionDlg::ExportProfile,
    &COptionDlg::NoAction,       &COptionDlg::NoAction,        &COptionDlg::ChooseLight,
    &COptionDlg::ChooseLight,    &COptionDlg::ChooseLight,     &COptionDlg::ChooseColour,
    &COptionDlg::ChooseColour,   &COptionDlg::ChooseColour,    &COptionDlg::ChooseColour,
    &COptionDlg::ChooseColour,   &COptionDlg::ChooseColour,    &COptionDlg::ChooseColour,
    &COptionDlg::ChooseColour,   &COptionDlg::ShowSettings,    &COptionDlg::NoAction,
    &COptionDlg::NoAction,       &COptionDlg::NoAction,        &COptionDlg::NoAction,
};

COptionDlg::COptionDlg(MonitorNames names) : CDialog(IDD_MAIN), link_(std::move(names)), cycle_(link_, Macros, *this) {}

COptionDlg::~COptionDlg() { DestroyWindow(); }

void COptionDlg::DecodePicturesAhead() {
  // In the order of use: the start page is made before the buttons.
  const std::wstring folder = SkinFolder();
  std::vector<std::wstring> paths = PageImageSet::PicturePaths(CDlgStart::kPictures, folder);
  for (std::wstring& path : PageImageSet::PicturePaths(kMainPictures, folder)) paths.push_back(std::move(path));
  ::DecodePicturesAhead(paths);
}

const MessageMap& COptionDlg::Messages() {
  static const MessageEntry entries[] = {
      OnMessage(WM_CREATE, &COptionDlg::OnCreate),
      OnMessage(WM_INITDIALOG, &COptionDlg::OnInitDialog),
      OnMessage(WM_PAINT, &COptionDlg::OnPaint),
      OnMessage(WM_ERASEBKGND, &COptionDlg::OnEraseBkgnd),
      OnMessage(WM_QUERYDRAGICON, &COptionDlg::OnQueryDragIcon),
      OnMessage(WM_LBUTTONDOWN, &COptionDlg::OnLButtonDown),
      OnMessage(WM_SETCURSOR, &COptionDlg::OnSetCursor),
      OnMessage(WM_CLOSE, &COptionDlg::OnClose),
      OnMessage(WM_DESTROY, &COptionDlg::OnDestroy),
      OnCommand(BN_CLICKED, kAnyControl, &COptionDlg::OnButtonClicked),
      OnMessage(WM_MONITOR_RELOAD, &COptionDlg::OnMonitorReload),
      OnMessage(WM_MONITOR_SETTINGS_CHANGED, &COptionDlg::OnMonitorSettingsChanged),
      OnMessage(WM_MONITOR_APPLY_DONE, &COptionDlg::OnMonitorApplyDone),
      OnMessage(WM_MONITOR_SENSOR_CHANGED, &COptionDlg::OnMonitorSensorChanged),
  };
  static const MessageMap map{&CDialog::Messages(), entries};
  return map;
}

LRESULT COptionDlg::OnCreate(WPARAM, LPARAM) {
  if (Default() == -1) return -1;
  cycle_.StartupLoad();
  LoadLanguageModule();
  CreatePages();
  // The buttons' windows are made while the pictures still decode (they
  // were started with the program); their cut-outs follow.
  const std::vector<SkinButtonInfo> layout = CreateButtons();
  images_.Load(kMainPictures);
  if ((skinUnusable_ = ReportUnusableSkin(layout))) return -1;
  for (int i = 0; i < kFrameButtonCount; ++i) images_.CutButtonImages(buttons_[i], layout[i]);
  SetWindowPos(Hwnd(), nullptr, 0, 0, images_.size.cx, images_.size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  // The buttons keep their own cut-outs; the normal picture stays as the
  // background.
  images_.ReleaseStatePictures();
  ShowWindow(startPage_.Hwnd(), SW_SHOW);
  images_.ApplyRegion(Hwnd());
  return 0;
}

void COptionDlg::CreatePages() {
  struct Page {
    CDialog& page;
    RECT place;  // x, y, width, height
  };
  const Page pages[] = {
      {startPage_, kFunctionPageArea},
  };
  for (const Page& page : pages) {
    if (!page.page.Create(Hwnd())) continue;
    SetWindowPos(page.page.Hwnd(), nullptr, page.place.left, page.place.top, page.place.right, page.place.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  }
}

std::vector<SkinButtonInfo> COptionDlg::CreateButtons() {
  const IniSection layout = ReadButtonSection(SkinFolder() + kMainLayout);
  std::vector<SkinButtonInfo> infos;
  for (int i = 0; i < kFrameButtonCount; ++i) {
    const FrameButtonRow& row = kFrameButtons[i];
    CBitmapBtn& button = buttons_[i];
    const SkinButtonInfo& info = infos.emplace_back(CreateSkinButton(button, layout, row.key, Hwnd()));
    if (row.caption != kNoCaption) button.SetCaption(LanguageText(row.caption));
    if (row.setup & kLeftCaption) button.TextAlign = 1;
    if (row.setup & kIndentedCaption) {
      button.UseTextRect = 1;
      button.TextRect = {5, 0, info.Rect.right - info.Rect.left, info.Rect.bottom - info.Rect.top};
    }
    if (row.setup & kStartsDisabled) EnableWindow(button.Hwnd(), FALSE);
  }
  return infos;
}

bool COptionDlg::ReportUnusableSkin(const std::vector<SkinButtonInfo>& layout) const {
  std::vector<std::wstring> missing;
  if (!images_.normal)
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

LRESULT COptionDlg::OnInitDialog(WPARAM, LPARAM) {
  Default();
  icon_ = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APPLICATION_ICON));
  SendMessageW(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageW(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  SetWindowTextW(Hwnd(), kMainWindowTitle);
  RECT window;
  GetWindowRect(Hwnd(), &window);
  const int width = window.right - window.left, height = window.bottom - window.top;
  SetWindowPos(Hwnd(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
  buttons_[kSettingsButton].SetCheck(0);
  UpdateWindow(buttons_[kSettingsButton].Hwnd());
  SelectLanguage(0);
  RefreshAll();
  return TRUE;
}

void COptionDlg::SelectLanguage(int index) {
  SetCaptionNow(kLanguageCodeButton, ::SelectLanguage(index));
  // Until the next profile refresh the bar shows the library's profile text.
  const int profile = WorkingSettings.CurrentProfile;
  SetCaptionNow(kProfileBar, Wide(ProfileBarText(Utf16(LanguageText(IDS_PROFILE)), profile)));
}

void COptionDlg::SetCaptionNow(FrameButton which, std::wstring_view text) {
  buttons_[which].SetCaption(text);
  if (buttons_[which].Hwnd()) RepaintNow(buttons_[which].Hwnd());
}

void COptionDlg::RefreshAll() {
  UpdateProfileBar();
  UpdateLightEffectChoice();
  UpdateColorChoice();
}

void COptionDlg::UpdateProfileBar() {
  const int profile = WorkingSettings.CurrentProfile;
  EnableWindow(buttons_[kPreviousProfileButton].Hwnd(), profile > 0);
  EnableWindow(buttons_[kNextProfileButton].Hwnd(), profile < kProfileCount - 1);
  const ProfileRecord* active = ActiveProfile(WorkingSettings);
  const std::u16string_view name = active ? TextOf(active->ProFileName) : std::u16string_view();
  SetCaptionNow(kProfileBar, Wide(ProfileBarText(name, profile)));
}

void COptionDlg::UpdateLightEffectChoice() {
  const FrameButton lightButtons[] = {kLightOffButton, kEffectAButton, kEffectBButton};
  for (FrameButton button : lightButtons) buttons_[button].SetCheck(0);
  if (const ProfileRecord* active = ActiveProfile(WorkingSettings))
    buttons_[lightButtons[static_cast<int>(LightChoiceOf(*active))]].SetCheck(1);
}

void COptionDlg::UpdateColorChoice() {
  const ProfileRecord* active = ActiveProfile(WorkingSettings);
  const int shown = active ? ColourChoiceOf(*active) : kNoColourChoice;
  for (int i = 0; i < kColourChoiceCount; ++i) buttons_[kFirstColourButton + i].SetCheck(i == shown);
}

void COptionDlg::ReloadCaptions() {
  // The order the captions are repainted in.
  const FrameButton reloaded[] = {kProgramButton, kSettingsButton, kRenameButton, kImportButton,
                                  kExportButton,  kLanguageLabel,  kProfileLabel, kLightingLabel,
                                  kColourLabel,   kOkButton,       kApplyButton,  kCancelButton};
  for (FrameButton button : reloaded) SetCaptionNow(button, LanguageText(kFrameButtons[button].caption));
  for (const RECT& area : kLanguageAreas) InvalidateRect(Hwnd(), &area, TRUE);
  UpdateWindow(Hwnd());
}

BOOL COptionDlg::PreTranslateMessage(MSG* msg) {
  if (msg->message != WM_PROFILE_ACTION || msg->hwnd != Hwnd()) return FALSE;
  if (msg->lParam == kProfileActionSelectLanguage) {
    SelectLanguage(static_cast<int>(msg->wParam));
    ReloadCaptions();
  } else if (msg->lParam == kProfileActionRefreshAll) {
    RefreshAll();
  }
  return TRUE;
}

void COptionDlg::PaintLabels(HDC dc) const {
  GdiFont font = CreateSkinFont(kLabelFontHeight, kLabelFontWidth);
  SelectScope select(dc, font.Get());
  SetBkMode(dc, TRANSPARENT);
  for (const FrameLabel& label : kFrameLabels) {
    const std::wstring text = LanguageText(label.text);
    SetTextColor(dc, label.colour);
    TextOutW(dc, kFrameLabelX, label.y, text.c_str(), static_cast<int>(text.size()));
  }
}

LRESULT COptionDlg::OnPaint(WPARAM, LPARAM) {
  PaintBuffered(Hwnd(), [this](HDC dc) {
    images_.PaintBackground(dc);
    PaintLabels(dc);
  });
  return 0;
}

LRESULT COptionDlg::OnEraseBkgnd(WPARAM, LPARAM) { return TRUE; }

LRESULT COptionDlg::OnQueryDragIcon(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(icon_); }

LRESULT COptionDlg::OnLButtonDown(WPARAM, LPARAM lParam) {
  // A press on the background drags the borderless window.
  PostMessageW(Hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, lParam);
  return Default();
}

LRESULT COptionDlg::OnSetCursor(WPARAM, LPARAM) {
  // While an apply runs, the wait cursor stays whatever is under the pointer.
  if (!cycle_.Busy()) return Default();
  SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  return TRUE;
}

LRESULT COptionDlg::OnClose(WPARAM, LPARAM) {
  // From the task bar or Alt+F4: the same as the close button.
  EndProgram(0);
  return 0;
}

LRESULT COptionDlg::OnDestroy(WPARAM, LPARAM) {
  const LRESULT result = Default();
  link_.Close();
  images_ = PageImageSet();
  // A window that never started leaves the user's macros as they were.
  if (!skinUnusable_) SaveMacros(Macros);
  Macros.Clear();
  UnloadLanguageModule();
  startPage_.DestroyWindow();
  return result;
}

LRESULT COptionDlg::OnButtonClicked(WPARAM, LPARAM lParam) {
  const HWND clicked = reinterpret_cast<HWND>(lParam);
  for (int i = 0; i < kFrameButtonCount; ++i) {
    if (clicked && buttons_[i].Hwnd() == clicked) {
      (this->*kClickActions[i])(i);
      return 0;
    }
  }
  return Default();
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

LRESULT COptionDlg::OnMonitorReload(WPARAM, LPARAM) {
  cycle_.OnMonitorReload();
  return 0;
}

LRESULT COptionDlg::OnMonitorSettingsChanged(WPARAM, LPARAM) {
  cycle_.OnMonitorSettingsChanged();
  return 0;
}

LRESULT COptionDlg::OnMonitorApplyDone(WPARAM, LPARAM) {
  cycle_.OnMonitorApplyDone();
  return 0;
}

LRESULT COptionDlg::OnMonitorSensorChanged(WPARAM, LPARAM) {
  cycle_.OnMonitorSensorChanged();
  return 0;
}

void COptionDlg::Minimise(int) { PostMessageW(Hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0); }

void COptionDlg::EndProgram(int) { PostQuitMessage(kEndProgramCode); }

void COptionDlg::Ok(int) {
  // Unsaved settings keep the window open, so the user can try again.
  if (!ReportUnwrittenFiles(Hwnd(), IDS_SAVE_FAILED, cycle_.Apply(kApplyNormal))) EndProgram(0);
}

void COptionDlg::ApplyClicked(int) {
  RefreshAll();
  ReportUnwrittenFiles(Hwnd(), IDS_SAVE_FAILED, cycle_.Apply(kApplyNormal));
}

void COptionDlg::PreviousProfile(int) {
  WorkingSettings.CurrentProfile = ::PreviousProfile(WorkingSettings.CurrentProfile);
  RefreshAll();
}

void COptionDlg::NextProfile(int) {
  WorkingSettings.CurrentProfile = ::NextProfile(WorkingSettings.CurrentProfile);
  RefreshAll();
}

void COptionDlg::ChooseLight(int button) {
  constexpr LightChoice kChoices[] = {LightChoice::EffectA, LightChoice::EffectB, LightChoice::Off};
  if (ProfileRecord* active = ActiveProfile(WorkingSettings)) SetLightChoice(*active, kChoices[button - kEffectAButton]);
  UpdateLightEffectChoice();
}

void COptionDlg::ChooseColour(int button) {
  if (ProfileRecord* active = ActiveProfile(WorkingSettings)) SetColourChoice(*active, button - kFirstColourButton);
  UpdateColorChoice();
}

void COptionDlg::ShowSettings(int) {
  buttons_[kSettingsButton].SetCheck(1);
  UpdateWindow(buttons_[kSettingsButton].Hwnd());
}

void COptionDlg::ChooseProgram(int) {
  ProfileRecord* active = ActiveProfile(WorkingSettings);
  if (!active) return;
  programDialog_.SetPath(std::wstring(Wide(TextOf(active->GameFile))));
  if (programDialog_.DoModal(Hwnd()) == IDOK) SetText(active->GameFile, Utf16(programDialog_.GetPath()), kGameFileMaxChars);
}

void COptionDlg::Rename(int) {
  ProfileRecord* active = ActiveProfile(WorkingSettings);
  if (!active) return;
  renameDialog_.SetName(std::wstring(Wide(TextOf(active->ProFileName))));
  if (renameDialog_.DoModal(Hwnd()) != IDOK) return;
  SetText(active->ProFileName, Utf16(renameDialog_.Name()), kProfileNameMaxChars);
  UpdateProfileBar();
}

void COptionDlg::ImportProfile(int) {
  const std::wstring path = AskProfileFile(ProfileFileDialog::Open);
  if (path.empty() || !::ImportProfile(path)) return;
  MarkProfileButtonsChanged(WorkingSettings, WorkingSettings.CurrentProfile);
  ReconcileWithButtons(Macros, WorkingSettings);
  RefreshAll();
}

void COptionDlg::ExportProfile(int) {
  const std::wstring path = AskProfileFile(ProfileFileDialog::Save);
  if (!path.empty()) ReportUnwrittenFiles(Hwnd(), IDS_EXPORT_FAILED, ::ExportProfile(path));
}
