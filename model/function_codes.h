#pragma once
// Function codes of a button record, the page each is chosen on, its display
// name, and the fixed facts of the fifteen buttons.
#include <array>
#include <cstdint>
#include <string>

#include "button_record.h"

class TextSource;

// Codes the program treats specially; the others are rows of the table in
// function_codes.cpp, known only by their page and name text.
inline constexpr std::uint8_t kFnUnassigned = 0;
inline constexpr std::uint8_t kFnPrimaryClick = 1;  // the one a profile must keep
inline constexpr std::uint8_t kFnKeyCombination = 5;
inline constexpr std::uint8_t kFnDisabled = 6;
inline constexpr std::uint8_t kFnMacro = 16;
inline constexpr std::uint8_t kFnLaunchProgram = 17;
inline constexpr std::uint8_t kFnLastNamed = 44;
// Fixed shortcuts offered by the key function page.
inline constexpr std::uint8_t kFnCtrlX = 48;
inline constexpr std::uint8_t kFnCtrlC = 49;
inline constexpr std::uint8_t kFnCtrlV = 50;
inline constexpr std::uint8_t kFnCtrlA = 51;
inline constexpr std::uint8_t kFnCtrlF = 52;
inline constexpr std::uint8_t kFnCtrlN = 53;
inline constexpr std::uint8_t kFnCtrlP = 54;
inline constexpr std::uint8_t kFnCtrlS = 55;
inline constexpr std::uint8_t kFnCtrlZ = 56;
inline constexpr std::uint8_t kFnAltTab = 57;
inline constexpr std::uint8_t kFnAltF4 = 64;
inline constexpr std::uint8_t kFnWinL = 65;
inline constexpr std::uint8_t kFnWinR = 66;
inline constexpr std::uint8_t kFnWinD = 67;

// The pages of the function page area by the number the page-switch message
// and the tab strips carry: tab k of a strip stands for page k.
enum class FunctionPage : int {
  Start = 0,
  Sensitivity = 1,
  Pointer = 2,
  Buttons = 3,  // the 4-tab strip's last tab: the start page again
  MouseFunction = 4,
  ShortcutCapture = 5,
  MacroManager = 6,
  KeyFunction = 7,
  Settings = 8,  // no tab stands for it
};
inline constexpr int kFunctionPageCount = 9;

// The page of a page-switch number, read whole: any number without a page
// (negatives too, compared unsigned) is the start page.
constexpr FunctionPage FunctionPageOf(std::uint64_t number) {
  return number < kFunctionPageCount ? static_cast<FunctionPage>(number) : FunctionPage::Start;
}

// Factory function code of each button (32-bit entries, low byte used).
inline constexpr std::array<std::int32_t, kButtonCount> DefaultButtonFunctions = {
    1, 2, 3, 7, 8, 13, 0, 21, 0, 0, 0, 0, 0, 9, 10};

// Label text of each button on the mouse picture; its hot spot is skin key
// ButtonSkinKey(i).
inline constexpr std::array<int, kButtonCount> ButtonLabelText = {
    1800, 1801, 1807, 1803, 1804, 1805, 1806, 1806, 1806, 1806, 1806, 1806, 1806, 1808, 1809};

inline int ButtonSkinKey(int button) { return button + 1; }

// The page on which a code is chosen; the key function page for any code
// without a page of its own.
FunctionPage HomePage(int code);

// String ID of a code's display name, 0 when it has none (codes above 44 and
// the codes whose page shows their data instead).
int FunctionNameText(int code);

// Display name of a function code; empty for codes above 44.
std::u16string FunctionName(int code, const TextSource& texts);
