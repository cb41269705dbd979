#include "model/function_lists.h"

#include <algorithm>

#include "lang/string_ids.h"
#include "model/function_codes.h"

namespace {

constexpr FunctionLine kMouseButtons[] = {
    {1, IDS_FN_LEFT_CLICK},   {2, IDS_FN_RIGHT_CLICK},   {3, IDS_FN_MIDDLE_CLICK}, {7, IDS_FN_BACK},
    {8, IDS_FN_FORWARD},      {4, IDS_FN_DOUBLE_CLICK},  {21, IDS_FN_RAPID_FIRE},  {22, IDS_FN_SNIPER},
};
constexpr FunctionLine kWheel[] = {
    {9, IDS_FN_SCROLL_UP}, {10, IDS_FN_SCROLL_DOWN}, {11, IDS_FN_TILT_LEFT}, {12, IDS_FN_TILT_RIGHT},
};
constexpr FunctionLine kProfiles[] = {
    {18, IDS_FN_NEXT_PROFILE}, {19, IDS_FN_PREVIOUS_PROFILE}, {20, IDS_FN_CYCLE_PROFILES},
};
constexpr FunctionLine kResolution[] = {{13, IDS_FN_DPI_CYCLE}, {14, IDS_FN_DPI_UP}, {15, IDS_FN_DPI_DOWN}};
constexpr FunctionLine kLighting[] = {{24, IDS_FN_LIGHTING_TOGGLE}};

constexpr FunctionLine kWindows[] = {
    {kFnAltTab, IDS_FN_SWITCH_WINDOW}, {kFnAltF4, IDS_FN_CLOSE_WINDOW}, {kFnWinL, IDS_FN_LOCK_COMPUTER},
    {kFnWinR, IDS_FN_RUN_DIALOG},      {kFnWinD, IDS_FN_SHOW_DESKTOP},  {kFnLaunchProgram, IDS_FN_LAUNCH_PROGRAM},
    {kFnDisabled, IDS_FN_DISABLED},    {39, IDS_FN_CALCULATOR},         {33, IDS_FN_FILE_EXPLORER},
};
constexpr FunctionLine kEditing[] = {
    {kFnCtrlX, IDS_FN_CUT},  {kFnCtrlC, IDS_FN_COPY},  {kFnCtrlV, IDS_FN_PASTE},
    {kFnCtrlA, IDS_FN_SELECT_ALL}, {kFnCtrlF, IDS_FN_FIND}, {kFnCtrlN, IDS_FN_NEW},
    {kFnCtrlP, IDS_FN_PRINT}, {kFnCtrlS, IDS_FN_SAVE}, {kFnCtrlZ, IDS_FN_UNDO},
};
constexpr FunctionLine kInternet[] = {
    {42, IDS_FN_BROWSER},      {41, IDS_FN_BROWSER_BACK},   {37, IDS_FN_BROWSER_FORWARD},
    {36, IDS_FN_BROWSER_REFRESH}, {38, IDS_FN_BROWSER_STOP}, {40, IDS_FN_BROWSER_SEARCH},
    {35, IDS_FN_BROWSER_FAVOURITES}, {34, IDS_FN_EMAIL},
};
constexpr FunctionLine kMultimedia[] = {
    {30, IDS_FN_MEDIA_PLAYER}, {31, IDS_FN_PLAY_PAUSE}, {32, IDS_FN_MEDIA_STOP},  {25, IDS_FN_PREVIOUS_TRACK},
    {26, IDS_FN_NEXT_TRACK},   {27, IDS_FN_VOLUME_UP},  {28, IDS_FN_VOLUME_DOWN}, {29, IDS_FN_MUTE},
};

// The key combinations the fixed shortcut lines stand for.
struct KnownCombination {
  std::uint8_t modifiers;
  std::uint8_t usage;
  std::uint8_t shownAs;  // the code of the line that shows it
};
constexpr KnownCombination kKnownCombinations[] = {
    {kModAlt, 0x2B, kFnAltTab},  {kModAlt, 0x3D, kFnAltF4},   {kModWin, 0x0F, kFnWinL},
    {kModWin, 0x15, kFnWinR},    {kModWin, 0x07, kFnWinD},    {kModCtrl, 0x1B, kFnCtrlX},
    {kModCtrl, 0x06, kFnCtrlC},  {kModCtrl, 0x19, kFnCtrlV},  {kModCtrl, 0x04, kFnCtrlA},
    {kModCtrl, 0x09, kFnCtrlF},  {kModCtrl, 0x11, kFnCtrlN},  {kModCtrl, 0x13, kFnCtrlP},
    {kModCtrl, 0x16, kFnCtrlS},  {kModCtrl, 0x1D, kFnCtrlZ},
};

// The wheel buttons, which are never offered the last two lines of group 1.
constexpr int kWheelUpButton = 13;
constexpr int kWheelDownButton = 14;
constexpr int kLinesNotForWheelButtons = 2;

std::optional<ListLine> LineOfCode(std::span<const FunctionGroup> groups, int code) {
  for (std::size_t g = 0; g < groups.size(); ++g) {
    const auto lines = groups[g].lines;
    const auto found = std::ranges::find(lines, code, &FunctionLine::code);
    if (found != lines.end()) return ListLine{static_cast<int>(g), static_cast<int>(found - lines.begin())};
  }
  return std::nullopt;
}

}  // namespace

const std::array<FunctionGroup, 5> kMouseFunctionGroups = {{
    {IDS_GROUP_MOUSE_BUTTONS, kMouseButtons},
    {IDS_GROUP_WHEEL, kWheel},
    {IDS_GROUP_PROFILES, kProfiles},
    {IDS_GROUP_RESOLUTION, kResolution},
    {IDS_GROUP_LIGHTING, kLighting},
}};

const std::array<FunctionGroup, 4> kKeyFunctionGroups = {{
    {IDS_GROUP_WINDOWS, kWindows},
    {IDS_GROUP_EDITING, kEditing},
    {IDS_GROUP_INTERNET, kInternet},
    {IDS_GROUP_MULTIMEDIA, kMultimedia},
}};

int MouseFunctionLines(int group, int button) {
  if (group < 0 || group >= static_cast<int>(kMouseFunctionGroups.size())) return 0;
  const int lines = static_cast<int>(kMouseFunctionGroups[static_cast<std::size_t>(group)].lines.size());
  const bool wheelButton = button == kWheelUpButton || button == kWheelDownButton;
  return group == 0 && wheelButton ? lines - kLinesNotForWheelButtons : lines;
}

std::optional<ListLine> MouseFunctionLine(const ButtonRecord& record, int button) {
  const std::optional<ListLine> line = LineOfCode(kMouseFunctionGroups, record.FunctionCode);
  if (line && line->line >= MouseFunctionLines(line->group, button)) return std::nullopt;
  return line;
}

std::optional<ListLine> KeyFunctionLine(const ButtonRecord& record) {
  int code = record.FunctionCode;
  if (code == kFnUnassigned) code = kFnDisabled;
  if (code == kFnKeyCombination) {
    const auto known = std::ranges::find_if(kKnownCombinations, [&](const KnownCombination& c) {
      return c.usage == record.Entries[0][0] && c.modifiers == record.Entries[0][1];
    });
    if (known == std::end(kKnownCombinations)) return std::nullopt;
    code = known->shownAs;
  }
  return LineOfCode(kKeyFunctionGroups, code);
}
