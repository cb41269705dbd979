#include "app/main_frame.h"

#include <algorithm>
#include <iterator>

#include "app/language.h"
#include "app/main_window.h"
#include "app/profile_commands.h"
#include "framework/wide.h"
#include "model/frame_choices.h"
#include "model/settings.h"
#include "model/text.h"
#include "skin/skin_files.h"
#include "skin/skin_font.h"

namespace {

// How a button is made.
enum FrameButtonSetup : unsigned {
  kPlain = 0,
  kStartsDisabled = 1,
  kLeftCaption = 2,
  // The caption starts kFrameCaptionInset pixels in from the left edge.
  kIndentedCaption = 4,
};
constexpr int kFrameCaptionInset = 5;

constexpr int kNoCaption = 0;

using FrameAction = void (*)(MainWindow& window, FrameButton button);

struct FrameButtonRow {
  const wchar_t* key;
  int caption;  // string ID, or kNoCaption
  unsigned setup;
  FrameAction click;  // null: a label, no action
};

constexpr FrameAction kEndProgram = [](MainWindow& w, FrameButton) { w.EndProgram(); };
constexpr FrameAction kChooseLight = [](MainWindow& w, FrameButton b) { w.Frame().ChooseLight(b); };
constexpr FrameAction kChooseColour = [](MainWindow& w, FrameButton b) { w.Frame().ChooseColour(b); };

// In the order of FrameButton. The rename button shows IDS_RENAME in both
// the first build and after a language change, so the text always names
// what the button does.
constexpr FrameButtonRow kFrameButtons[kFrameButtonCount] = {
    {L"1", kNoCaption, kPlain, [](MainWindow& w, FrameButton) { w.Minimise(); }},
    {L"2", kNoCaption, kPlain, kEndProgram},
    {L"3", IDS_OK, kPlain, [](MainWindow& w, FrameButton) { w.Ok(); }},
    {L"4", IDS_APPLY, kPlain, [](MainWindow& w, FrameButton) { w.Apply(); }},
    {L"5", IDS_CANCEL, kPlain, kEndProgram},
    {L"6", kNoCaption, kStartsDisabled, nullptr},
    {L"7", kNoCaption, kPlain, [](MainWindow& w, FrameButton) { w.Profiles().Previous(); }},
    {L"8", kNoCaption, kPlain, [](MainWindow& w, FrameButton) { w.Profiles().Next(); }},
    {L"9", IDS_LINK_PROGRAM, kPlain, [](MainWindow& w, FrameButton) { w.Profiles().ChooseProgram(); }},
    {L"10", IDS_RENAME, kPlain, [](MainWindow& w, FrameButton) { w.Profiles().Rename(); }},
    {L"11", IDS_IMPORT, kPlain, [](MainWindow& w, FrameButton) { w.Profiles().Import(); }},
    {L"12", IDS_EXPORT, kPlain, [](MainWindow& w, FrameButton) { w.Profiles().Export(); }},
    {L"0", kNoCaption, kLeftCaption, nullptr},
    {L"0", kNoCaption, kLeftCaption, nullptr},
    {L"23", kNoCaption, kPlain, kChooseLight},
    {L"24", kNoCaption, kPlain, kChooseLight},
    {L"25", kNoCaption, kPlain, kChooseLight},
    {L"27", kNoCaption, kPlain, kChooseColour},
    {L"28", kNoCaption, kPlain, kChooseColour},
    {L"29", kNoCaption, kPlain, kChooseColour},
    {L"30", kNoCaption, kPlain, kChooseColour},
    {L"31", kNoCaption, kPlain, kChooseColour},
    {L"32", kNoCaption, kPlain, kChooseColour},
    {L"33", kNoCaption, kPlain, kChooseColour},
    {L"34", kNoCaption, kPlain, kChooseColour},
    {L"21", IDS_SETTINGS, kLeftCaption, [](MainWindow& w, FrameButton) { w.ShowSettings(); }},
    {L"0", IDS_LANGUAGE_LABEL, kStartsDisabled | kLeftCaption, nullptr},
    {L"0", IDS_PROFILE_LABEL, kStartsDisabled | kLeftCaption, nullptr},
    {L"22", IDS_LIGHTING, kStartsDisabled | kLeftCaption, nullptr},
    {L"26", IDS_COLOUR_CYCLE, kStartsDisabled | kLeftCaption | kIndentedCaption, nullptr},
};

// The captions a language change sets again, in the order they are repainted.
constexpr FrameButton kReloadedCaptions[] = {kProgramButton, kSettingsButton, kRenameButton, kImportButton,
                                             kExportButton,  kLanguageLabel,  kProfileLabel, kLightingLabel,
                                             kColourLabel,   kOkButton,       kApplyButton,  kCancelButton};

// What a screen reader hears of the buttons without caption: what the
// picture shows, or the label painted beside the choice (the colour cycle's
// beside "no fixed colour").
struct SpokenButton {
  int button;
  int name;
  AccessibleRole role;
};
constexpr SpokenButton kSpokenButtons[] = {
    {kMinimiseButton, IDS_MINIMISE, AccessibleRole::PushButton},
    {kCloseButton, IDS_CLOSE, AccessibleRole::PushButton},
    {kPreviousProfileButton, IDS_PREVIOUS_PROFILE, AccessibleRole::PushButton},
    {kNextProfileButton, IDS_NEXT_PROFILE, AccessibleRole::PushButton},
    {kEffectAButton, IDS_LIGHT_STEADY, AccessibleRole::RadioButton},
    {kEffectBButton, IDS_LIGHT_BREATHING, AccessibleRole::RadioButton},
    {kLightOffButton, IDS_LIGHT_OFF, AccessibleRole::RadioButton},
    {kFirstColourButton, IDS_COLOUR_CYCLE, AccessibleRole::RadioButton},
    {kFirstColourButton + 1, IDS_COLOUR_WHITE, AccessibleRole::RadioButton},
    {kFirstColourButton + 2, IDS_COLOUR_RED, AccessibleRole::RadioButton},
    {kFirstColourButton + 3, IDS_COLOUR_YELLOW, AccessibleRole::RadioButton},
    {kFirstColourButton + 4, IDS_COLOUR_GREEN, AccessibleRole::RadioButton},
    {kFirstColourButton + 5, IDS_COLOUR_CYAN, AccessibleRole::RadioButton},
    {kFirstColourButton + 6, IDS_COLOUR_BLUE, AccessibleRole::RadioButton},
    {kFirstColourButton + 7, IDS_COLOUR_MAGENTA, AccessibleRole::RadioButton},
};

const SpokenButton* SpokenButtonOf(int button) {
  const auto* row = std::ranges::find(kSpokenButtons, button, &SpokenButton::button);
  return row == std::end(kSpokenButtons) ? nullptr : row;
}

// What a language change repaints besides the buttons: three areas of the
// background, and the painted labels.
constexpr RECT kLanguageAreas[] = {{221, 343, 586, 362}, {221, 382, 534, 401}, {652, 382, 780, 405}};

constexpr LightChoice kLightChoices[] = {LightChoice::EffectA, LightChoice::EffectB, LightChoice::Off};

}  // namespace

std::vector<SkinButtonInfo> MainFrame::Create(MainWindow& window, const IniSection& layout) {
  std::vector<SkinButtonInfo> infos;
  for (int i = 0; i < kFrameButtonCount; ++i) {
    const FrameButtonRow& row = kFrameButtons[i];
    CBitmapBtn& button = buttons_[i];
    CBitmapBtn::CreateArgs args{.leftCaption = (row.setup & kLeftCaption) != 0};
    if (row.setup & kIndentedCaption) args.captionInset = kFrameCaptionInset;
    if (const SpokenButton* spoken = SpokenButtonOf(i)) args.role = spoken->role;
    infos.push_back(CreateSkinButton(button, layout, row.key, window.Window(), args));
    if (row.caption != kNoCaption) button.SetCaption(LanguageText(row.caption));
    if (row.setup & kStartsDisabled) button.Enable(false);
    if (row.click) button.OnClick([&window, click = row.click, which = static_cast<FrameButton>(i)] { click(window, which); });
  }
  NameSpokenButtons();
  return infos;
}

void MainFrame::NameSpokenButtons() {
  for (const SpokenButton& spoken : kSpokenButtons) buttons_[spoken.button].SetAccessibleName(LanguageText(spoken.name));
}

void MainFrame::CutImages(const PageImageSet& images, const std::vector<SkinButtonInfo>& layout) {
  for (int i = 0; i < kFrameButtonCount; ++i) images.CutButtonImages(buttons_[i], layout[i]);
}

void MainFrame::SetCaptionNow(FrameButton which, std::wstring_view text) {
  // A refresh that changes nothing paints nothing.
  if (buttons_[which].Caption == text) return;
  buttons_[which].SetCaptionNow(text);
}

void MainFrame::UpdateProfileBar() {
  const int profile = WorkingSettings.CurrentProfile;
  buttons_[kPreviousProfileButton].Enable(profile > 0);
  buttons_[kNextProfileButton].Enable(profile < kProfileCount - 1);
  const ProfileRecord* active = ActiveProfile(WorkingSettings);
  const std::u16string_view name = active ? TextOf(active->ProFileName) : std::u16string_view();
  SetCaptionNow(kProfileBar, Wide(ProfileBarText(name, profile)));
}

void MainFrame::UpdateLightEffectChoice() {
  const FrameButton lightButtons[] = {kLightOffButton, kEffectAButton, kEffectBButton};
  const ProfileRecord* active = ActiveProfile(WorkingSettings);
  const int shown = active ? static_cast<int>(LightChoiceOf(*active)) : -1;
  // Each button set once: unchecked and checked again would paint it twice.
  for (int i = 0; i < static_cast<int>(std::size(lightButtons)); ++i) buttons_[lightButtons[i]].SetCheck(i == shown);
}

void MainFrame::UpdateColorChoice() {
  const ProfileRecord* active = ActiveProfile(WorkingSettings);
  const int shown = active ? ColourChoiceOf(*active) : kNoColourChoice;
  for (int i = 0; i < kColourChoiceCount; ++i) buttons_[kFirstColourButton + i].SetCheck(i == shown);
}

void MainFrame::ChooseLight(FrameButton button) {
  if (ProfileRecord* active = ActiveProfile(WorkingSettings)) SetLightChoice(*active, kLightChoices[button - kEffectAButton]);
  UpdateLightEffectChoice();
}

void MainFrame::ChooseColour(FrameButton button) {
  if (ProfileRecord* active = ActiveProfile(WorkingSettings)) SetColourChoice(*active, button - kFirstColourButton);
  UpdateColorChoice();
}

void MainFrame::CheckSettingsButton(bool checked) {
  buttons_[kSettingsButton].SetCheck(checked ? 1 : 0);
  if (HWND settings = buttons_[kSettingsButton].Hwnd()) UpdateWindow(settings);
}

void MainFrame::ShowLanguage(std::wstring_view code) {
  SetCaptionNow(kLanguageCodeButton, code);
  SetCaptionNow(kProfileBar,
                Wide(ProfileBarText(Utf16(LanguageText(IDS_PROFILE)), WorkingSettings.CurrentProfile)));
}

void MainFrame::ReloadCaptions(HWND window) {
  for (FrameButton button : kReloadedCaptions) SetCaptionNow(button, LanguageText(kFrameButtons[button].caption));
  NameSpokenButtons();
  for (const RECT& area : kLanguageAreas) InvalidateRect(window, &area, TRUE);
  RECT client;
  GetClientRect(window, &client);
  const RECT labels{kFrameLabelX, std::ranges::min(kFrameLabels, {}, &FrameLabel::y).y, client.right,
                    std::ranges::max(kFrameLabels, {}, &FrameLabel::y).y + kPageFont.height};
  InvalidateRect(window, &labels, TRUE);
  UpdateWindow(window);
}

void MainFrame::PaintLabels(HDC dc) const {
  SelectScope select(dc, SharedSkinFont(kPageFont));
  SetBkMode(dc, TRANSPARENT);
  for (const FrameLabel& label : kFrameLabels) {
    const std::wstring text = LanguageText(label.text);
    SetTextColor(dc, label.colour);
    TextOutW(dc, kFrameLabelX, label.y, text.c_str(), static_cast<int>(text.size()));
  }
}
