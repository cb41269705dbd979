#include "macro/macro_manager.h"

#include <algorithm>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "app/language.h"
#include "app/message_box.h"
#include "app/messages.h"
#include "framework/wide.h"
#include "lang/string_ids.h"
#include "macro/key_hook.h"
#include "macro/macro_buttons.h"
#include "model/decimal.h"
#include "model/function_codes.h"
#include "model/settings.h"
#include "model/text.h"
#include "resource.h"
#include "skin/ex_menu.h"
#include "skin/skin_files.h"
#include "skin/skin_font.h"

namespace {

constexpr wchar_t kLayout[] = L"macro_manager.ini";
constexpr wchar_t kWindowText[] = L"Gaming Mouse Macro Manager";

constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWVARIABLE |
                             LBS_HASSTRINGS;
constexpr DWORD kRepeatBoxStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL;
constexpr int kRepeatDigits = 3;
constexpr COLORREF kRepeatText = 0x000000;
constexpr COLORREF kRepeatBack = 0xE5E5E5;

// The context menu's commands.
constexpr int kRecordBefore = 1001;
constexpr int kRecordAfter = 1002;
constexpr int kInsertPause = 1003;
constexpr int kEditPause = 1004;
constexpr int kDeleteLine = 1005;

// The icon of each kind of event line, in the order of EventLine::Kind.
constexpr int kLineIcons[] = {IDB_KEY_DOWN, IDB_KEY_UP, IDB_MOUSE_BUTTON, IDB_PAUSE};

// A line's item data: its event (plus one) above, its icon below.
LPARAM LineData(int event, int icon) {
  return static_cast<LPARAM>((event + 1) * 0x10000 + icon);
}

// The toggles' labels, then the lists' titles, a point taller.
constexpr PaintedText kLabels[] = {{IDS_WITH_PAUSES, {206, 269}, kSkinWhite}, {IDS_REPEAT, {295, 269}, kSkinWhite}};
constexpr PaintedText kTitles[] = {{IDS_MACRO_LIST, {14, 12}, kSkinHeading},
                                   {IDS_MACRO_EVENTS, {193, 12}, kSkinHeading}};

std::wstring WideText(std::u16string_view text) { return std::wstring(Wide(text)); }

void Redraw(HWND window) {
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
}

}  // namespace

// The event list's context menu, every level owner-drawn; the page hands
// each item's measure and draw to the level that holds it.
struct CMacroManager::ContextMenu {
  ContextMenu(HFONT font, bool pauseLine) : root(font), mouse(font) {
    static constexpr int kButtonTexts[] = {IDS_MENU_LEFT_BUTTON, IDS_MENU_RIGHT_BUTTON, IDS_MENU_MIDDLE_BUTTON,
                                           IDS_MENU_FORWARD_BUTTON, IDS_MENU_BACK_BUTTON};
    static constexpr int kActionTexts[] = {IDS_MENU_PRESS, IDS_MENU_RELEASE, IDS_MENU_CLICK};
    for (int button = 0; button < static_cast<int>(std::size(kButtonTexts)); ++button) {
      CExMenu& actions = *buttons.emplace_back(std::make_unique<CExMenu>(font));
      for (int action = 0; action < 3; ++action)
        actions.AppendItem(kFirstMouseCommand + 3 * button + action, LanguageText(kActionTexts[action]));
      mouse.AppendItem(0, LanguageText(kButtonTexts[button]), actions.Handle());
    }
    root.AppendItem(kRecordBefore, LanguageText(IDS_MENU_RECORD_BEFORE));
    root.AppendItem(kRecordAfter, LanguageText(IDS_MENU_RECORD_AFTER));
    root.AppendItem(kInsertPause, LanguageText(IDS_MENU_INSERT_PAUSE));
    root.AppendItem(0, LanguageText(IDS_MENU_MOUSE_BUTTON), mouse.Handle());
    if (pauseLine) root.AppendItem(kEditPause, LanguageText(IDS_MENU_EDIT_PAUSE));
    root.AppendItem(kDeleteLine, LanguageText(IDS_MENU_DELETE));
  }

  CExMenu* Holding(UINT id) {
    if (root.Holds(id)) return &root;
    if (mouse.Holds(id)) return &mouse;
    for (const std::unique_ptr<CExMenu>& actions : buttons)
      if (actions->Holds(id)) return actions.get();
    return nullptr;
  }

  // Members end in reverse order: each submenu before the menu holding it
  // (which would otherwise end it a second time).
  CExMenu root;
  CExMenu mouse;
  std::vector<std::unique_ptr<CExMenu>> buttons;
};

struct CMacroManager::ButtonRow {
  CBitmapBtn CMacroManager::*button;
  const wchar_t* key;
  int caption;  // 0: none
  bool toggle;
  void (CMacroManager::*click)();
};

const CMacroManager::ButtonRow CMacroManager::kButtons[] = {
    {&CMacroManager::newButton_, L"1", IDS_NEW_MACRO, false, &CMacroManager::OnNewMacro},
    {&CMacroManager::deleteButton_, L"2", IDS_DELETE, false, &CMacroManager::OnDeleteMacro},
    {&CMacroManager::delaysToggle_, L"3", 0, true, &CMacroManager::OnRecordDelays},
    {&CMacroManager::repeatToggle_, L"4", 0, true, &CMacroManager::OnRepeatToggle},
    {&CMacroManager::recordButton_, L"5", IDS_RECORD, false, &CMacroManager::OnRecord},
    {&CMacroManager::deleteEventButton_, L"6", IDS_DELETE, false, &CMacroManager::OnDeleteEvent},
};

const PageImageNames CMacroManager::kPictures = PageImageNames::InScreenSection(kLayout);

CMacroManager::CMacroManager(UINT templateId) : CSkinnedPage(templateId, kPictures, Drag::Nothing, Keys::Stopped) {}

const MessageMap& CMacroManager::Messages() {
  static const MessageEntry entries[] = {
      msg::InitDialog<&CMacroManager::OnInitDialog>(),
      msg::ListItemEdited<&CMacroManager::OnListItemEdited>(),
      msg::ListRightButton<&CMacroManager::OnListRightButton>(),
      msg::HookKey<&CMacroManager::OnHookKey>(),
      msg::BitmapEditChanged<&CMacroManager::OnRepeatBox>(),
      // The context menu's items; the lists' own go on to the lists.
      msg::MenuMeasureItem<&CMacroManager::OnMenuMeasure>(),
      msg::MenuDrawItem<&CMacroManager::OnMenuDraw>(),
  };
  static const MessageMap map{&CSkinnedPage::Messages(), entries};
  return map;
}

void CMacroManager::CreateControls() {
  const IniSection layout = ReadButtonSection(SkinFolder() + kLayout);
  for (const ButtonRow& row : kButtons) {
    CBitmapBtn& button = this->*row.button;
    CreateSkinButton(button, layout, row.key, Hwnd(), Images(),
                     {.toggle = row.toggle, .layoutTooltip = true, .font = kPageFont});
    if (row.caption) button.SetCaption(LanguageText(row.caption));
    button.OnClick([this, click = row.click] { (this->*click)(); });
  }

  scrollSkin_.Reset(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_SCROLL_SKIN)));
  macroList_.Create({.style = kListStyle,
                     .rect = ToRect(ReadButtonInfo(layout, L"7").Rect),
                     .parent = Hwnd(),
                     .id = kMacroListId,
                     .scrollSkin = scrollSkin_.Get(),
                     .selected = [this] { OnMacroSelected(); },
                     .edited = [this](int line) { OnMacroNamed(line); }});
  eventList_.Create({.style = kListStyle,
                     .rect = ToRect(ReadButtonInfo(layout, L"8").Rect),
                     .parent = Hwnd(),
                     .id = kEventListId,
                     .scrollSkin = scrollSkin_.Get(),
                     .edited = [this](int line) { OnPauseEdited(line); },
                     .menu = [this](POINT at) { OnEventListMenu(at); },
                     .deleted = [this] { OnDeleteEvent(); }});

  repeatBox_.Create({.style = kRepeatBoxStyle,
                     .rect = ToRect(ReadButtonInfo(layout, L"9").Rect),
                     .parent = Hwnd(),
                     .id = kRepeatBoxId,
                     .foreColor = kRepeatText,
                     .backColor = kRepeatBack,
                     .textLimit = kRepeatDigits});
  NameControls();
}

void CMacroManager::NameControls() {
  delaysToggle_.SetAccessibleName(LanguageText(IDS_WITH_PAUSES));
  repeatToggle_.SetAccessibleName(LanguageText(IDS_REPEAT));
  // The count follows the repeat toggle and its label.
  repeatBox_.SetAccessibleName(LanguageText(IDS_REPEAT));
  SetWindowTextW(macroList_.Hwnd(), LanguageText(IDS_MACRO_LIST).c_str());
  SetWindowTextW(eventList_.Hwnd(), LanguageText(IDS_MACRO_EVENTS).c_str());
}

bool CMacroManager::OnInitDialog() {
  const bool result = Default() != FALSE;
  SetWindowTextW(Hwnd(), kWindowText);
  currentMacro_ = -1;
  FillMacroList();
  return result;
}

void CMacroManager::PaintContent(HDC dc) {
  for (auto [texts, look] : {std::pair{std::span<const PaintedText>(kLabels), kSmallFont}, {kTitles, kPageFont}}) {
    SelectScope font(dc, SharedSkinFont(look));
    PaintLanguageTexts(dc, texts);
  }
}

void CMacroManager::DestroyContent() {
  // The capture never outlives the page; the macro list may already be
  // gone (the main window saves and clears it first), so it is not touched.
  if (recording_) RemoveKeyHook();
  recording_ = false;
}

void CMacroManager::RefreshTexts() {
  for (const ButtonRow& row : kButtons) {
    if (!row.caption) continue;
    (this->*row.button).SetCaption(LanguageText(row.caption));
    Redraw((this->*row.button).Hwnd());
  }
  SetRecordCaption();
  NameControls();
  InvalidateRect(Hwnd(), nullptr, FALSE);
}

void CMacroManager::ShowActiveProfile() { EndRecordingInAnotherProfile(); }

void CMacroManager::ShowButtonRecord(int, const ButtonRecord& record) {
  EndRecordingInAnotherProfile();
  // The record being recorded for, shown again (an apply, a notification):
  // the recording goes on with its lines.
  if (recording_) return;
  FillMacroList();
  SelectMacroByName(record.FunctionCode == kFnMacro ? TextOf(record.Name) : std::u16string_view());
}

void CMacroManager::EndCapture() {
  // Sent, so it reaches the button before the main window selects another.
  if (recording_) StopRecording(Assign::Sent);
}

void CMacroManager::EndRecordingInAnotherProfile() {
  if (recording_ && WorkingSettings.CurrentProfile != recordingProfile_) StopRecording(Assign::Not);
}

tagElement* CMacroManager::CurrentElement() const { return Macros.ElementAt(currentMacro_); }

void CMacroManager::FillMacroList() {
  // A name still being typed belongs to the lines about to go.
  if (macroList_.EditIndex != -1) macroList_.CancelEdit();
  macroList_.Clear();
  for (int i = 0; i < Macros.Count(); ++i) macroList_.AddLine(WideText(TextOf(Macros.ElementAt(i)->name)));
  const int first = Macros.Count() ? 0 : -1;
  macroList_.Select(first);
  ShowMacro(first);
}

void CMacroManager::SelectMacroByName(std::u16string_view name) {
  int line = -1;
  if (!name.empty()) {
    line = FindMacroByName(Macros, name);
    // A button holds only the first 18 characters of a longer name; a
    // shorter one is whole, and another macro it begins is not its own.
    if (line < 0 && name.size() >= static_cast<std::size_t>(kNameMaxChars))
      line = macroList_.FindPrefix(WideText(name));
  }
  macroList_.Select(line);
  ShowMacro(line < 0 ? -1 : line);
}

void CMacroManager::ShowMacro(int index) {
  currentMacro_ = index;
  editor_.Load(CurrentElement());
  RebuildEventList();
  // The page's own write: equal to the value it shows, so it assigns nothing.
  SetWindowTextW(repeatBox_.Hwnd(), WideText(FormatDecimal(editor_.repeatValue)).c_str());
  repeatToggle_.SetCheck(editor_.repeatOn);
}

void CMacroManager::RebuildEventList() {
  // An edit still open belongs to the lines about to go.
  if (eventList_.EditIndex != -1) eventList_.CancelEdit();
  const HWND list = eventList_.Hwnd();
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  eventList_.Clear();
  const std::vector<EventLine> lines = editor_.Lines(layout_);
  for (const EventLine& line : lines)
    eventList_.AddLine(WideText(line.text), LineData(line.event, kLineIcons[static_cast<int>(line.kind)]));
  if (const int caret = editor_.CaretLine(static_cast<int>(lines.size())); caret >= 0) eventList_.SetCaretIndex(caret);
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void CMacroManager::SaveAndAssign(Assign how) {
  if (tagElement* element = CurrentElement()) editor_.SaveEvents(*element);
  PostAssignment(how);
}

void CMacroManager::StoreRepeat() {
  if (tagElement* element = CurrentElement()) editor_.SaveRepeat(*element);
  PostAssignment();
}

void CMacroManager::PostAssignment(Assign how) {
  if (!CurrentElement() || how == Assign::Not) return;
  const HWND parent = GetParent(Hwnd());
  if (how == Assign::Sent) {
    SendMessageW(parent, WM_ASSIGN_FUNCTION, kAssignMacro, currentMacro_);
  } else {
    PostMessageW(parent, WM_ASSIGN_FUNCTION, kAssignMacro, currentMacro_);
  }
}

bool CMacroManager::StartRecording(int insertPosition) {
  if (!InstallKeyHook(Hwnd())) {
    // No key would come: the macro stays as it was, and the user knows why.
    ShowMessage(GetAncestor(Hwnd(), GA_ROOT), MB_OK | MB_ICONWARNING, {LanguageText(IDS_RECORDING_NOT_STARTED)});
    return false;
  }
  editor_.BeginRecording(insertPosition);
  recording_ = true;
  recordingProfile_ = WorkingSettings.CurrentProfile;
  SetRecordCaption();
  for (HWND control : {newButton_.Hwnd(), deleteButton_.Hwnd(), macroList_.Hwnd()}) EnableWindow(control, FALSE);
  SetFocus(Hwnd());
  return true;
}

void CMacroManager::StopRecording(Assign how) {
  recording_ = false;
  SetRecordCaption();
  RemoveKeyHook();
  for (HWND control : {newButton_.Hwnd(), deleteButton_.Hwnd(), macroList_.Hwnd()}) EnableWindow(control, TRUE);
  SaveAndAssign(how);
}

void CMacroManager::SetRecordCaption() {
  recordButton_.SetCaption(LanguageText(recording_ ? IDS_STOP_RECORDING : IDS_RECORD));
  Redraw(recordButton_.Hwnd());
}

void CMacroManager::OnMacroSelected() {
  ShowMacro(macroList_.Selection());
  PostAssignment();
}

// The lists' reports, handed back to the list that sent them.
void CMacroManager::OnListItemEdited(int line, int list) {
  DeliverListNotification(Hwnd(), WM_LIST_ITEM_EDITED, line, list);
}

void CMacroManager::OnListRightButton(int list) { DeliverListNotification(Hwnd(), WM_LIST_RBUTTON, 0, list); }

void CMacroManager::OnEventListMenu(POINT at) {
  if (!recording_ && CurrentElement()) ShowContextMenu(at);
}

void CMacroManager::OnHookKey(UINT vk, UINT flags) {
  if (!recording_) return;
  const KeyRecorded recorded = editor_.RecordKey(vk, flags, GetTickCount(), layout_);
  if (recorded == KeyRecorded::Repeat) return;
  if (recorded == KeyRecorded::Full) StopRecording(Assign::Posted);
  RebuildEventList();
}

void CMacroManager::OnRepeatBox(bool lostFocus) {
  const std::wstring text = WindowText(repeatBox_.Hwnd());
  // While the user types, an emptied box stays empty.
  if (!lostFocus && text.empty()) return;
  const int value = RepeatFromText(Utf16(text));
  if (lostFocus && Utf16(text) != FormatDecimal(value))
    SetWindowTextW(repeatBox_.Hwnd(), WideText(FormatDecimal(value)).c_str());
  // The page's own writes, and a value unchanged, assign nothing.
  if (value == editor_.repeatValue) return;
  editor_.repeatValue = value;
  StoreRepeat();
}

void CMacroManager::OnMenuMeasure(MEASUREITEMSTRUCT& item) {
  if (CExMenu* holder = menu_ ? menu_->Holding(item.itemID) : nullptr) holder->MeasureItem(item);
}

void CMacroManager::OnMenuDraw(const DRAWITEMSTRUCT& item) {
  if (CExMenu* holder = menu_ ? menu_->Holding(item.itemID) : nullptr) holder->DrawItem(item);
}

void CMacroManager::OnNewMacro() { macroList_.BeginNewItem(); }

void CMacroManager::OnDeleteMacro() {
  const int line = macroList_.Selection();
  // Only a macro's line, and not while a new name is typed below them.
  if (line < 0 || line >= Macros.Count() || macroList_.EditIndex != -1) return;
  macroList_.DeleteLine(line);
  Macros.RemoveAt(line);
  currentMacro_ = line;
  KeepCurrentWithinList();
}

void CMacroManager::KeepCurrentWithinList() {
  currentMacro_ = std::min(currentMacro_, Macros.Count() - 1);
  macroList_.Select(currentMacro_);
  ShowMacro(currentMacro_);
}

void CMacroManager::OnRecord() {
  if (!CurrentElement()) return;
  if (recording_) {
    StopRecording(Assign::Posted);
    return;
  }
  // Recorded anew, once the capture is on: a capture refused keeps the macro.
  if (!StartRecording(-1)) return;
  editor_.Clear();
  RebuildEventList();
}

void CMacroManager::OnRecordDelays() { editor_.recordDelays = delaysToggle_.Checked != 0; }

void CMacroManager::OnRepeatToggle() {
  editor_.repeatOn = repeatToggle_.Checked != 0;
  StoreRepeat();
}

void CMacroManager::OnDeleteEvent() { RunMenuCommand(kDeleteLine); }

void CMacroManager::OnMacroNamed(int line) {
  // Only the new line below the macros; a line of a list filled again
  // meanwhile is a macro's own.
  if (line != Macros.Count()) return;
  const std::u16string name = NewMacroName(Macros, Utf16(macroList_.LineText(line)));
  if (name.empty()) {
    // Taken, or no name at all.
    macroList_.DeleteLine(line);
    KeepCurrentWithinList();
    return;
  }
  Macros.Append(NewMacro(name));
  const bool selected = macroList_.Selection() == line;
  macroList_.ReplaceLine(line, WideText(name));
  if (selected) macroList_.Select(line);
  ShowMacro(macroList_.Selection());
}

void CMacroManager::OnPauseEdited(int line) {
  const LPARAM data = LineData(editedEvent_, IDB_PAUSE);
  // Only the pause being edited, on a list not rebuilt meanwhile.
  if (editedEvent_ < 0 || eventList_.ItemData(line) != data) return;
  const int ms = PauseFromText(Utf16(eventList_.LineText(line)));
  eventList_.ReplaceLine(line, WideText(FormatDecimal(ms) + u" ms"), data);
  eventList_.Select(line);
  if (editor_.SetPause(editedEvent_, ms)) SaveAndAssign();
  editedEvent_ = -1;
}

CMacroManager::Selection CMacroManager::SelectedEventLine() const {
  const int line = eventList_.Selection();
  if (line < 0) return {-1, 0, false};
  const LPARAM data = eventList_.ItemData(line);
  return {line, static_cast<int>(HIWORD(data)), LOWORD(data) == IDB_PAUSE};
}

void CMacroManager::ShowContextMenu(POINT at) {
  ContextMenu menu(SharedSkinFont(kTitleFont), SelectedEventLine().pause);
  menu_ = &menu;
  constexpr UINT kTracking = TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD;
  const int command = static_cast<int>(TrackPopupMenu(menu.root.Handle(), kTracking, at.x, at.y, 0, Hwnd(), nullptr));
  menu_ = nullptr;
  if (command) RunMenuCommand(command);
}

void CMacroManager::RunMenuCommand(int command) {
  if (!CurrentElement() || recording_) return;
  const Selection s = SelectedEventLine();
  switch (command) {
    case kRecordBefore: StartRecording(s.line < 0 ? -1 : s.k - 1); return;
    case kRecordAfter: StartRecording(s.line < 0 ? -1 : s.k); return;
    case kEditPause:
      if (s.line < 0 || !s.pause || s.k < 1) return;
      editedEvent_ = s.k - 1;
      eventList_.EditSelected();
      return;
    case kInsertPause:
      if (!editor_.InsertPause(s.line, s.k, s.pause)) return;
      break;
    case kDeleteLine:
      if (!editor_.DeleteLine(s.line, s.k, s.pause)) return;
      break;
    default:
      if (!editor_.InsertMouseButton(command, s.line, s.k)) return;
  }
  RebuildEventList();
  SaveAndAssign();
}
