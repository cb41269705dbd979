#include "app/dlg_restore.h"

#include "app/language.h"
#include "resource.h"
#include "skin/skin_font.h"

namespace {

const PageImageNames kRestorePictures{L"restore_mask.bmp", L"restore_normal.JPG", L"restore_over.JPG",
                                      L"restore_down.JPG", L"restore_normal.jpg"};
constexpr SkinDialogButton kRestoreButtons[] = {{L"1", IDS_DIALOG_OK}, {L"2", IDS_DIALOG_CANCEL}, {L"3", 0, IDS_CLOSE}};
constexpr int kOkIndex = 0;
constexpr RECT kQuestionBox{15, 24, 296, 88};
constexpr POINT kTitleAt{9, 9};

}  // namespace

CDlgRestore::CDlgRestore() : CSkinnedDialog(IDD_RESTORE, kRestorePictures, L"Restore.ini", kRestoreButtons) {}

void CDlgRestore::PaintContent(HDC dc) {
  SelectScope select(dc, SharedSkinFont(kTitleFont));
  SetBkColor(dc, kSkinBackground);
  SetBkMode(dc, OPAQUE);
  const std::wstring question = LanguageText(IDS_RESTORE_QUESTION);
  RECT box = kQuestionBox;
  SetTextColor(dc, kSkinText);
  DrawTextW(dc, question.c_str(), static_cast<int>(question.size()), &box, DT_WORDBREAK);
  const std::wstring title = LanguageText(IDS_RESTORE_DEFAULT);
  SetTextColor(dc, kSkinHeading);
  TextOutW(dc, kTitleAt.x, kTitleAt.y, title.c_str(), static_cast<int>(title.size()));
}

void CDlgRestore::OnSkinButton(int index) { EndDialog(index == kOkIndex ? IDOK : IDCANCEL); }
