#include "pages/assign/dlg_key_func.h"

#include <string>

#include "app/language.h"
#include "app/message_box.h"
#include "app/messages.h"
#include "framework/wide.h"
#include "lang/string_ids.h"
#include "model/assignment.h"
#include "model/function_codes.h"
#include "model/settings.h"
#include "model/text.h"
#include "pages/assign/dlg_prog_sel.h"
#include "skin/palette.h"

namespace {

constexpr int kFirstListId = 2001;
constexpr COLORREF kEditBack = kSkinEditBack;
constexpr COLORREF kListBack = kSkinBackground;
constexpr COLORREF kStaticBack = RGB(229, 102, 16);

}  // namespace

const PageImageNames CDlgKeyFunc::kPictures{L"page_mask.bmp", L"FUNCTIONS_normal.JPG", L"", L"", L""};

CDlgKeyFunc::CDlgKeyFunc(UINT templateId)
    : CFunctionListPage(templateId, kPictures, {kKeyFunctionGroups, kFirstListId, kAssignKeyFunction}),
      controlBrush_(CreateSolidBrush(kListBack)) {}

const MessageMap& CDlgKeyFunc::Messages() {
  static const MessageEntry entries[] = {
      msg::CtlColor<&CDlgKeyFunc::OnCtlColor<kEditBack>>(WM_CTLCOLOREDIT),
      msg::CtlColor<&CDlgKeyFunc::OnCtlColor<kListBack>>(WM_CTLCOLORLISTBOX),
      msg::CtlColor<&CDlgKeyFunc::OnCtlColor<kStaticBack>>(WM_CTLCOLORSTATIC),
  };
  static const MessageMap map{&CSkinnedPage::Messages(), entries};
  return map;
}

template <COLORREF Back>
HBRUSH CDlgKeyFunc::OnCtlColor(HDC dc) {
  SetBkColor(dc, Back);
  SetTextColor(dc, kSkinWhite);
  SetBkMode(dc, TRANSPARENT);
  return controlBrush_.Get();
}

std::optional<ListLine> CDlgKeyFunc::LineOf(const ButtonRecord& record) const { return KeyFunctionLine(record); }

bool CDlgKeyFunc::Assign(ListLine line) {
  return line == kProgramLaunchLine ? AssignProgramLaunch() : CFunctionListPage::Assign(line);
}

bool CDlgKeyFunc::AssignProgramLaunch() {
  const ButtonRecord* record = ButtonAt(WorkingSettings, WorkingSettings.CurrentProfile, ButtonIndex());
  if (!record) return false;
  std::wstring path;
  if (record->FunctionCode == kFnLaunchProgram) path = Wide(TextOf(record->ProgramPath));
  // A path the record cannot keep whole is refused, never cut: the chooser
  // comes back with it, to be mended or cancelled.
  for (;;) {
    CDlgProgSel chooser;
    chooser.SetPath(path);
    // The main window is the one the chooser keeps from the user meanwhile.
    if (chooser.DoModal(GetAncestor(Hwnd(), GA_ROOT)) != IDOK) return false;
    path = chooser.GetPath();
    if (path.size() <= static_cast<std::size_t>(kProgramPathMaxChars)) break;
    ShowMessage(GetAncestor(Hwnd(), GA_ROOT), MB_OK | MB_ICONWARNING, {LanguageText(IDS_PROGRAM_PATH_TOO_LONG)});
  }
  return AssignProgram(WorkingSettings, ButtonIndex(), Utf16(path));
}
