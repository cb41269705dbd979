#include "pages/perf/dlg_setting.h"

#include <shellapi.h>

#include "app/language.h"
#include "app/messages.h"
#include "lang/string_ids.h"
#include "pages/perf/program_version.h"
#include "skin/skin_files.h"
#include "skin/skin_font.h"

namespace {

// Product data: the maker's site and the article number of the mouse.
constexpr wchar_t kMakerWebSite[] = L"https://www.kestravox.example/";
constexpr wchar_t kArticleNumber[] = L"704512";

constexpr wchar_t kLayout[] = L"Setting.ini";
constexpr wchar_t kWebLinkKey[] = L"1";
constexpr wchar_t kRestoreKey[] = L"2";

struct FontChoice {
  FontLook look;
  BYTE charset;
  BYTE family;
};
// By CDlgSetting::Font: the values, the factory settings' explanation, the headings.
constexpr FontChoice kFonts[] = {
    {kSmallFont, DEFAULT_CHARSET, FF_MODERN},
    {kSmallFont, DEFAULT_CHARSET, FF_SWISS},
    {{17, 7}, ANSI_CHARSET, FF_MODERN},
};

constexpr PaintedText kHeadings[] = {
    {IDS_SOFTWARE_VERSION, {16, 10}, kSkinHeading},
    {IDS_DRIVER_VERSION, {16, 23}, kSkinHeading},
    {IDS_ARTICLE_NUMBER, {16, 36}, kSkinHeading},
    {IDS_FACTORY_SETTINGS, {76, 106}, kSkinHeading},
};
constexpr POINT kSoftwareVersionAt{170, 12};
constexpr POINT kDriverVersionAt{170, 25};
constexpr POINT kArticleNumberAt{170, 38};
constexpr POINT kWebSiteHintAt{16, 244};
constexpr RECT kFactoryHintBox{76, 124, 422, 166};

void PaintText(HDC dc, const std::wstring& text, POINT at) {
  TextOutW(dc, at.x, at.y, text.c_str(), static_cast<int>(text.size()));
}

}  // namespace

const PageImageNames CDlgSetting::kPictures{L"page_mask.bmp", L"Settings_normal.JPG", L"Settings_over.JPG",
                                            L"Settings_down.JPG", L"Settings_normal.jpg"};

CDlgSetting::CDlgSetting(UINT templateId) : CSkinnedPage(templateId, kPictures, Drag::Parent, Keys::Stopped) {}

const MessageMap& CDlgSetting::Messages() {
  static const MessageEntry entries[] = {
      msg::CtlColor<&CDlgSetting::OnCtlColor>(WM_CTLCOLORMSGBOX),
      msg::CtlColor<&CDlgSetting::OnCtlColor>(WM_CTLCOLORBTN),
      msg::CtlColor<&CDlgSetting::OnCtlColor>(WM_CTLCOLORDLG),
      msg::CtlColor<&CDlgSetting::OnCtlColor>(WM_CTLCOLORSCROLLBAR),
      msg::CtlColor<&CDlgSetting::OnCtlColor>(WM_CTLCOLORSTATIC),
  };
  static const MessageMap map{&CSkinnedPage::Messages(), entries};
  return map;
}

void CDlgSetting::CreateControls() {
  const IniSection layout = ReadButtonSection(SkinFolder() + kLayout);
  CreateSkinButton(webLink_, layout, kWebLinkKey, Hwnd(), Images(), {.role = AccessibleRole::Link});
  CreateSkinButton(restore_, layout, kRestoreKey, Hwnd(), Images());
  restore_.SetCaption(LanguageText(IDS_RESTORE_ALL));
  webLink_.SetAccessibleName(LanguageText(IDS_WEB_SITE));
  // Opening the site is all: a failure is not the user's to handle here.
  webLink_.OnClick([] { ShellExecuteW(nullptr, L"open", kMakerWebSite, nullptr, nullptr, SW_SHOWNORMAL); });
  restore_.OnClick([this] { OnRestore(); });
  background_.Reset(CreateSolidBrush(kSkinBackground));
  for (int font = 0; font < kFontCount; ++font) {
    const FontChoice& choice = kFonts[font];
    fonts_[font] = CreateSkinFont(choice.look.height, choice.look.width, kSkinFontFace, FW_NORMAL, choice.charset,
                                  choice.family);
  }
  const ProgramVersions versions = ReadProgramVersions();
  softwareVersion_ = versions.file;
  driverVersion_ = versions.product;
}

void CDlgSetting::RefreshTexts() {
  restore_.SetCaptionNow(LanguageText(IDS_RESTORE_ALL));
  webLink_.SetAccessibleName(LanguageText(IDS_WEB_SITE));
  InvalidateRect(Hwnd(), nullptr, FALSE);
  UpdateWindow(Hwnd());
}

void CDlgSetting::OnRestore() {
  const HWND mainWindow = GetParent(Hwnd());
  if (restoreDialog_.DoModal(mainWindow) == IDOK)
    PostMessageW(mainWindow, WM_ASSIGN_FUNCTION, kAssignRestore, kRestoreAllProfiles);
}

HBRUSH CDlgSetting::OnCtlColor(HDC dc) {
  SetTextColor(dc, kSkinWhite);
  SetBkColor(dc, kSkinBackground);
  SetBkMode(dc, TRANSPARENT);
  return background_.Get();
}

void CDlgSetting::PaintContent(HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kSkinText);
  {
    SelectScope font(dc, fonts_[kValueFont].Get());
    PaintText(dc, softwareVersion_, kSoftwareVersionAt);
    PaintText(dc, driverVersion_, kDriverVersionAt);
    PaintText(dc, kArticleNumber, kArticleNumberAt);
    PaintText(dc, LanguageText(IDS_WEB_SITE_HINT), kWebSiteHintAt);
  }
  {
    SelectScope font(dc, fonts_[kHintFont].Get());
    const std::wstring hint = LanguageText(IDS_FACTORY_SETTINGS_HINT);
    RECT box = kFactoryHintBox;
    DrawTextW(dc, hint.c_str(), static_cast<int>(hint.size()), &box, DT_LEFT | DT_TOP | DT_WORDBREAK);
  }
  SelectScope font(dc, fonts_[kHeadingFont].Get());
  PaintLanguageTexts(dc, kHeadings);
}
