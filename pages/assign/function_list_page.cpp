#include "pages/assign/function_list_page.h"

#include <string>

#include "app/language.h"
#include "app/messages.h"
#include "model/assignment.h"
#include "model/settings.h"
#include "resource.h"
#include "skin/skin_font.h"

namespace {

// Where each group's list and title go, the same on both pages.
struct GroupPlace {
  RECT list;
  POINT title;
};
constexpr GroupPlace kGroupPlaces[CFunctionListPage::kMaxGroups] = {
    {{11, 27, 164, 140}, {17, 10}},   {{11, 169, 164, 282}, {17, 153}}, {{193, 27, 346, 140}, {199, 10}},
    {{193, 169, 346, 282}, {199, 153}}, {{376, 27, 530, 140}, {381, 10}},
};

constexpr DWORD kListStyle =
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS;

void AddLine(CListBoxEx& list, const FunctionLine& line) { list.AddLine(LanguageText(line.text)); }

}  // namespace

CFunctionListPage::CFunctionListPage(UINT templateId, PageImageNames pictures, const Look& look)
    : CSkinnedPage(templateId, std::move(pictures), Drag::Parent, Keys::Stopped),
      look_{look.groups.first(std::min<std::size_t>(look.groups.size(), kMaxGroups)), look.firstListId,
            look.assignAction} {}

void CFunctionListPage::CreateControls() {
  scrollSkin_.Reset(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_SCROLL_SKIN)));
  for (int group = 0; group < GroupCount(); ++group)
    lists_[group].Create({.style = kListStyle,
                          .rect = kGroupPlaces[group].list,
                          .parent = Hwnd(),
                          .id = look_.firstListId + group,
                          .scrollSkin = scrollSkin_.Get(),
                          .selected = [this, group] { OnSelChange(group); },
                          .chosen = [this, group] { OnSelChange(group); }});
  FillLists();
  NameLists();
}

void CFunctionListPage::NameLists() {
  for (int group = 0; group < GroupCount(); ++group)
    SetWindowTextW(lists_[group].Hwnd(), LanguageText(look_.groups[group].title).c_str());
}

void CFunctionListPage::RefreshTexts() {
  FillLists();
  NameLists();
  InvalidateRect(Hwnd(), nullptr, TRUE);
  UpdateWindow(Hwnd());
}

void CFunctionListPage::PaintContent(HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kSkinHeading);
  SelectScope font(dc, SharedSkinFont(kPageFont));
  for (int group = 0; group < GroupCount(); ++group) {
    const std::wstring title = LanguageText(look_.groups[group].title);
    const POINT at = kGroupPlaces[group].title;
    TextOutW(dc, at.x, at.y, title.c_str(), static_cast<int>(title.size()));
  }
}

void CFunctionListPage::FillLists() {
  for (int group = 0; group < GroupCount(); ++group) {
    lists_[group].Clear();
    for (const FunctionLine& line : look_.groups[group].lines) AddLine(lists_[group], line);
  }
}

int CFunctionListPage::OfferedLines(int group) const { return static_cast<int>(look_.groups[group].lines.size()); }

void CFunctionListPage::ShowButtonRecord(int button, const ButtonRecord& record) {
  button_ = button;
  pageRecord_ = record;
  ShowRecord();
}

void CFunctionListPage::ShowRecord() {
  for (int group = 0; group < GroupCount(); ++group) {
    CListBoxEx& list = lists_[group];
    const int offered = OfferedLines(group);
    for (int count = list.Count(); count > offered; --count) list.DeleteLine(count - 1);
    for (int count = list.Count(); count < offered; ++count)
      AddLine(list, look_.groups[group].lines[static_cast<std::size_t>(count)]);
  }
  Mark(LineOf(pageRecord_));
}

void CFunctionListPage::Mark(std::optional<ListLine> line) {
  for (int group = 0; group < GroupCount(); ++group) lists_[group].Select(-1);
  if (line) lists_[line->group].Select(line->line);
}

const FunctionLine& CFunctionListPage::LineAt(ListLine line) const {
  return look_.groups[line.group].lines[static_cast<std::size_t>(line.line)];
}

bool CFunctionListPage::Assign(ListLine line) {
  return AssignFunction(WorkingSettings, button_, LineAt(line).code);
}

void CFunctionListPage::OnSelChange(int group) {
  for (int other = 0; other < GroupCount(); ++other)
    if (other != group) lists_[other].Select(-1);
  // A press still held on the list: its release reports the line chosen.
  if (GetCapture() == lists_[group].Hwnd()) return;
  const int line = lists_[group].Selection();
  if (line < 0 || line >= OfferedLines(group)) return;
  if (!Assign({group, line})) {
    // Nothing was chosen after all: the mark goes back to what the button has.
    const ButtonRecord* current = ButtonAt(WorkingSettings, WorkingSettings.CurrentProfile, button_);
    Mark(current ? LineOf(*current) : std::nullopt);
    return;
  }
  pendingRecord_ = *ButtonAt(WorkingSettings, WorkingSettings.CurrentProfile, button_);
  PostMessageW(GetParent(Hwnd()), WM_ASSIGN_FUNCTION, look_.assignAction, 0);
}
