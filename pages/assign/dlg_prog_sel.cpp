#include "pages/assign/dlg_prog_sel.h"

#include <commdlg.h>

#include "app/language.h"
#include "app/system_dialog_scope.h"
#include "resource.h"
#include "skin/skin_font.h"

namespace {

const PageImageNames kProgSelPictures{L"folder_mask.bmp", L"folder_normal.JPG", L"folder_over.JPG",
                                      L"folder_down.JPG", L"folder_normal.jpg"};
enum ProgSelButton { kClose, kBrowse, kConfirm, kCancel };
constexpr SkinDialogButton kProgSelButtons[] = {
    {L"1", 0, IDS_CLOSE}, {L"2", 0, IDS_CHOOSE_PROGRAM_FILE}, {L"3", IDS_DIALOG_OK}, {L"4", IDS_DIALOG_CANCEL}};
constexpr RECT kPathBox{18, 44, 18 + 261, 44 + 17};
constexpr POINT kTitleAt{17, 15};
constexpr RECT kHintBox{17, 72, 328, 108};

}  // namespace

CDlgProgSel::CDlgProgSel() : CSkinnedDialog(IDD_PROGRAM_CHOOSER, kProgSelPictures, L"ProgSel.ini", kProgSelButtons) {}

void CDlgProgSel::InitControls() {
  PlaceEdit(IDC_PROGRAM_PATH, kPathBox, path_);
}

void CDlgProgSel::PaintContent(HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  {
    SelectScope select(dc, SharedSkinFont(kTitleFont));
    SetTextColor(dc, kSkinAccent);
    const std::wstring title = LanguageText(IDS_PROGRAM_TITLE);
    TextOutW(dc, kTitleAt.x, kTitleAt.y, title.c_str(), static_cast<int>(title.size()));
  }
  SelectScope select(dc, SharedSkinFont(kSmallFont));
  SetTextColor(dc, kSkinText);
  const std::wstring hint = LanguageText(IDS_PROGRAM_HINT);
  RECT box = kHintBox;
  DrawTextW(dc, hint.c_str(), static_cast<int>(hint.size()), &box, DT_WORDBREAK);
}

void CDlgProgSel::OnSkinButton(int index) {
  switch (index) {
    case kBrowse: Browse(); break;
    case kConfirm: Confirm(); break;
    default: EndDialog(IDCANCEL); break;
  }
}

void CDlgProgSel::Browse() {
  wchar_t file[MAX_PATH] = L"*.exe";
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = Hwnd();
  dialog.lpstrFilter = L"Exe file(*.exe)\0*.exe\0";
  dialog.lpstrFile = file;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrDefExt = L"exe";
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
  SystemDialogScope systemDialog;
  if (!GetOpenFileNameW(&dialog)) return;
  path_ = file;
  SetDlgItemTextW(Hwnd(), IDC_PROGRAM_PATH, file);
}

void CDlgProgSel::Confirm() {
  path_ = EditText(IDC_PROGRAM_PATH);
  EndDialog(IDOK);
}
