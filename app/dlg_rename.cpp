#include "app/dlg_rename.h"

#include "app/language.h"
#include "resource.h"
#include "skin/skin_font.h"

namespace {

const PageImageNames kRenamePictures{L"bar_mask.bmp", L"bar_normal.JPG", L"bar_over.JPG", L"bar_down.JPG",
                                     L"bar_normal.jpg"};
constexpr SkinDialogButton kRenameButtons[] = {{L"1", IDS_DIALOG_OK}, {L"2", IDS_DIALOG_CANCEL}, {L"3", 0, IDS_CLOSE}};
constexpr int kOkIndex = 0;
constexpr RECT kNameBox{18, 48, 18 + 278, 48 + 21};
constexpr POINT kTitleAt{17, 16};

}  // namespace

CDlgRename::CDlgRename() : CSkinnedDialog(IDD_RENAME, kRenamePictures, L"Restore.ini", kRenameButtons) {}

void CDlgRename::InitControls() {
  PlaceEdit(IDC_PROFILE_NAME, kNameBox, name_);
}

void CDlgRename::PaintContent(HDC dc) {
  SelectScope select(dc, SharedSkinFont(kTitleFont));
  SetTextColor(dc, kSkinAccent);
  SetBkColor(dc, kSkinBackground);
  SetBkMode(dc, OPAQUE);
  const std::wstring title = LanguageText(IDS_RENAME_TITLE);
  TextOutW(dc, kTitleAt.x, kTitleAt.y, title.c_str(), static_cast<int>(title.size()));
}

void CDlgRename::Confirm() {
  name_ = EditText(IDC_PROFILE_NAME);
  EndDialog(IDOK);
}

void CDlgRename::OnSkinButton(int index) {
  if (index == kOkIndex) {
    Confirm();
  } else {
    EndDialog(IDCANCEL);
  }
}
