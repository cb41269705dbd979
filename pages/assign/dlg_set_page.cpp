#include "pages/assign/dlg_set_page.h"

#include "lang/string_ids.h"

namespace {

constexpr int kCaptions[] = {IDS_TAB_HOME, IDS_TAB_SENSITIVITY, IDS_TAB_POINTER, IDS_TAB_BUTTONS};

}  // namespace

const PageImageNames CDlgSetPage::kPictures{L"tab_mask.bmp", L"no_button_tab_normal.JPG", L"no_button_tab_over.JPG",
                                            L"no_button_tab_down.JPG", L"no_button_tab_normal.jpg"};

CDlgSetPage::CDlgSetPage(UINT templateId)
    : CFunctionTabStrip(templateId, kPictures,
                        {L"Macro key funcation control page", L"skin_set_tab.ini", kCaptions, kButtonFont}) {}

void CDlgSetPage::SelectTab(FunctionPage page) {
  // A page of the button tabs leaves this strip as it was.
  const int tab = static_cast<int>(page);
  if ((tab >= 0 && tab < TabCount()) || page == FunctionPage::Settings) CheckOnly(tab);
}
