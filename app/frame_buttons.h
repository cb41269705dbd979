#pragma once
// The thirty skinned buttons of the main window's frame, in the order they
// are created (their rows, with each one's action, are in main_frame.cpp),
// and the labels painted beside them.
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
