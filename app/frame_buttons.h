#pragma once
// The thirty skinned buttons of the main window's frame, in the order they
// are created: each one's layout key, caption and set-up.
#include <cstddef>

#include "lang/string_ids.h"

enum FrameButton : int {
  kMinimiseButton,
  kCloseButton,
  kOkButton,
  kApplyButton,
  kCancelButton,
  kProfileBar,
  kPreviousProfileButton,
  kNextProfileButton,
  kProgramButton,
  kRenameButton,
  kImportButton,
  kExportButton,
  kFooterLabel,
  kLanguageCodeButton,
  kEffectAButton,
  kEffectBButton,
  kLightOffButton,
  kFirstColourButton,  // eight colour choices, 0 = no fixed colour
  kSettingsButton = kFirstColourButton + 8,
  kLanguageLabel,
  kProfileLabel,
  kLightingLabel,
  kColourLabel,
  kFrameButtonCount
};

// Set-up after creation.
enum FrameButtonSetup : unsigned {
  kPlain = 0,
  kStartsDisabled = 1,
  kLeftCaption = 2,
  // The caption starts 5 pixels in from the left edge.
  kIndentedCaption = 4,
};

inline constexpr int kNoCaption = 0;

struct FrameButtonRow {
  const wchar_t* key;
  int caption;  // string ID, or kNoCaption
  unsigned setup;
};

// The rename button shows IDS_RENAME in both the first build and after a
// language change, so the text always names what the button does.
inline constexpr FrameButtonRow kFrameButtons[kFrameButtonCount] = {
    {L"1", kNoCaption, kPlain},
    {L"2", kNoCaption, kPlain},
    {L"3", IDS_OK, kPlain},
    {L"4", IDS_APPLY, kPlain},
    {L"5", IDS_CANCEL, kPlain},
    {L"6", kNoCaption, kStartsDisabled},
    {L"7", kNoCaption, kPlain},
    {L"8", kNoCaption, kPlain},
    {L"9", IDS_LINK_PROGRAM, kPlain},
    {L"10", IDS_RENAME, kPlain},
    {L"11", IDS_IMPORT, kPlain},
    {L"12", IDS_EXPORT, kPlain},
    {L"0", kNoCaption, kLeftCaption},
    {L"0", kNoCaption, kLeftCaption},
    {L"23", kNoCaption, kPlain},
    {L"24", kNoCaption, kPlain},
    {L"25", kNoCaption, kPlain},
    {L"27", kNoCaption, kPlain},
    {L"28", kNoCaption, kPlain},
    {L"29", kNoCaption, kPlain},
    {L"30", kNoCaption, kPlain},
    {L"31", kNoCaption, kPlain},
    {L"32", kNoCaption, kPlain},
    {L"33", kNoCaption, kPlain},
    {L"34", kNoCaption, kPlain},
    {L"21", IDS_SETTINGS, kLeftCaption},
    {L"0", IDS_LANGUAGE_LABEL, kStartsDisabled | kLeftCaption},
    {L"0", IDS_PROFILE_LABEL, kStartsDisabled | kLeftCaption},
    {L"22", IDS_LIGHTING, kStartsDisabled | kLeftCaption},
    {L"26", IDS_COLOUR_CYCLE, kStartsDisabled | kLeftCaption | kIndentedCaption},
};

// The labels painted on the frame's right column.
struct FrameLabel {
  int text;
  int y;
  unsigned colour;  // 0x00BBGGRR
};
inline constexpr int kFrameLabelX = 599;
inline constexpr FrameLabel kFrameLabels[] = {
    {IDS_LIGHT_STEADY, 98, 0xFFFFFF},  {IDS_LIGHT_BREATHING, 120, 0xFFFFFF}, {IDS_LIGHT_OFF, 142, 0xFFFFFF},
    {IDS_COLOUR_WHITE, 205, 0xFFFFFF}, {IDS_COLOUR_RED, 226, 0x0000FF},      {IDS_COLOUR_YELLOW, 247, 0x00FFFF},
    {IDS_COLOUR_GREEN, 268, 0x00FF00}, {IDS_COLOUR_CYAN, 290, 0xFFFF00},     {IDS_COLOUR_BLUE, 312, 0xFF0000},
    {IDS_COLOUR_MAGENTA, 332, 0xFF00FF},
};
