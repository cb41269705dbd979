#include "pages/assign/dlg_set_button_page.h"

#include "lang/string_ids.h"

namespace {

constexpr int kCaptions[] = {IDS_TAB_HOME,           IDS_TAB_SENSITIVITY,     IDS_TAB_POINTER, IDS_TAB_BUTTONS,
                             IDS_TAB_MOUSE_FUNCTIONS, IDS_TAB_KEY_COMBINATION, IDS_TAB_MACROS,  IDS_TAB_KEY_FUNCTIONS};

}  // namespace

const PageImageNames CDlgSetButtonPage::kPictures{L"tab_mask.bmp", L"button_tab_normal.JPG", L"button_tab_over.JPG",
                                                  L"button_tab_down.JPG", L"button_tab_normal.jpg"};

CDlgSetButtonPage::CDlgSetButtonPage(UINT templateId)
    : CFunctionTabStrip(templateId, kPictures,
                        {L"button funcation control page", L"skin_set_button_tab.ini", kCaptions, {17, 5}}) {}
