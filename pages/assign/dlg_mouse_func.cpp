#include "pages/assign/dlg_mouse_func.h"

#include "app/messages.h"

namespace {
constexpr int kFirstListId = 2010;
}  // namespace

const PageImageNames CDlgMouseFunc::kPictures{L"page_mask.bmp", L"mouse_functions_normal.JPG", L"", L"", L""};

CDlgMouseFunc::CDlgMouseFunc(UINT templateId)
    : CFunctionListPage(templateId, kPictures, {kMouseFunctionGroups, kFirstListId, kAssignMouseFunction}) {}

void CDlgMouseFunc::RefreshTexts() {
  CFunctionListPage::RefreshTexts();
  ShowRecord();
}

int CDlgMouseFunc::OfferedLines(int group) const { return MouseFunctionLines(group, ButtonIndex()); }

std::optional<ListLine> CDlgMouseFunc::LineOf(const ButtonRecord& record) const {
  return MouseFunctionLine(record, ButtonIndex());
}
