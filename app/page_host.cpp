#include "app/page_host.h"

#include <algorithm>
#include <string>

#include "app/dlg_start.h"
#include "framework/application.h"
#include "framework/focus_order.h"
#include "framework/window.h"
#include "macro/macro_manager.h"
#include "model/settings.h"
#include "pages/assign/dlg_key_command.h"
#include "pages/assign/dlg_key_func.h"
#include "pages/assign/dlg_layout.h"
#include "pages/assign/dlg_mouse_func.h"
#include "pages/assign/dlg_set_button_page.h"
#include "pages/assign/dlg_set_page.h"
#include "pages/perf/dlg_setting.h"
#include "pages/perf/system_ex_dlg.h"
#include "pages/perf/sens_ex_dlg.h"
#include "resource.h"
#include "skin/skin_files.h"

namespace {

using PageFactory = std::unique_ptr<CSkinnedPage> (*)(UINT templateId);

template <class Page>
std::unique_ptr<CSkinnedPage> MakePage(UINT templateId) {
  return std::make_unique<Window<Page>>(templateId);
}

// The page numbers of ShowFunctionPage a page stands for, as bits.
constexpr unsigned PageNumbers(std::initializer_list<FunctionPage> pages) {
  unsigned bits = 0;
  for (FunctionPage page : pages) bits |= 1u << static_cast<int>(page);
  return bits;
}

struct PageRow {
  PageId id;
  PageFactory make;
  const PageImageNames* pictures;
  UINT templateId;
  RECT place;  // x, y, width, height
  bool shownAtStart;
  unsigned pageNumbers;  // 0: outside the function page area
};

constexpr RECT kTabStripPlace{21, 379, 179, 257};
constexpr RECT kFunctionPageArea{209, 372, 551, 301};

// In the order the pages are made and ended.
const PageRow kPages[] = {
    {PageId::FourTabStrip, MakePage<CDlgSetPage>, &CDlgSetPage::kPictures, IDD_TAB_STRIP, kTabStripPlace, true, 0},
    {PageId::EightTabStrip, MakePage<CDlgSetButtonPage>, &CDlgSetButtonPage::kPictures, IDD_BUTTON_TAB_STRIP,
     kTabStripPlace, false, 0},
    {PageId::Layout, MakePage<CDlgLayout>, &CDlgLayout::kPictures, IDD_LAYOUT_PAGE, {165, 63, 401, 299}, true, 0},
    {PageId::Start, MakePage<CDlgStart>, &CDlgStart::kPictures, IDD_START_PAGE, kFunctionPageArea, false,
     PageNumbers({FunctionPage::Start, FunctionPage::Buttons})},
    {PageId::Pointer, MakePage<CSystemExDlg>, &CSystemExDlg::kPictures, IDD_POINTER_PAGE, kFunctionPageArea, false,
     PageNumbers({FunctionPage::Pointer})},
    {PageId::Sensitivity, MakePage<CSensExDlg>, &CSensExDlg::kPictures, IDD_SENSITIVITY_PAGE, kFunctionPageArea,
     false, PageNumbers({FunctionPage::Sensitivity})},
    {PageId::KeyFunction, MakePage<CDlgKeyFunc>, &CDlgKeyFunc::kPictures, IDD_KEY_FUNCTION_PAGE, kFunctionPageArea,
     false, PageNumbers({FunctionPage::KeyFunction})},
    {PageId::MouseFunction, MakePage<CDlgMouseFunc>, &CDlgMouseFunc::kPictures, IDD_MOUSE_FUNCTION_PAGE,
     kFunctionPageArea, false, PageNumbers({FunctionPage::MouseFunction})},
    {PageId::ShortcutCapture, MakePage<CDlgKeyCommand>, &CDlgKeyCommand::kPictures, IDD_SHORTCUT_PAGE,
     kFunctionPageArea, false, PageNumbers({FunctionPage::ShortcutCapture})},
    {PageId::Settings, MakePage<CDlgSetting>, &CDlgSetting::kPictures, IDD_SETTINGS_PAGE, kFunctionPageArea, false,
     PageNumbers({FunctionPage::Settings})},
    {PageId::MacroManager, MakePage<CMacroManager>, &CMacroManager::kPictures, IDD_MACRO_MANAGER_PAGE,
     kFunctionPageArea, false, PageNumbers({FunctionPage::MacroManager})},
};
constexpr std::size_t kPageCount = std::size(kPages);

// The order of the language reload. The value pages paint their texts: they
// repaint after the others.
constexpr PageId kTextOrder[] = {PageId::Settings,     PageId::ShortcutCapture, PageId::KeyFunction, PageId::MacroManager,
                                 PageId::FourTabStrip, PageId::EightTabStrip,   PageId::Layout,      PageId::Pointer,
                                 PageId::Sensitivity,  PageId::MouseFunction};
// The order in which the function pages are handed the selected button's record.
constexpr PageId kRecordOrder[] = {PageId::MouseFunction, PageId::ShortcutCapture, PageId::MacroManager,
                                   PageId::KeyFunction};

std::size_t RowOf(PageId id) {
  return static_cast<std::size_t>(std::ranges::find(kPages, id, &PageRow::id) - std::begin(kPages));
}

// The row that shows a page of the function page area.
std::size_t RowOfPage(FunctionPage page) {
  const unsigned bit = 1u << static_cast<int>(page);
  return static_cast<std::size_t>(
      std::ranges::find_if(kPages, [bit](const PageRow& row) { return (row.pageNumbers & bit) != 0; }) -
      std::begin(kPages));
}

// The page the function page area shows at start.
const PageRow& StartPageRow() { return kPages[RowOfPage(FunctionPage::Start)]; }

// The pages of the start have only skinned buttons; the others have system
// controls too (edit boxes, lists).
bool OfTheStart(const PageRow& row) { return row.shownAtStart || &row == &StartPageRow(); }

void AppendPicturePaths(std::vector<std::wstring>& paths, const PageRow& row) {
  for (std::wstring& path : PageImageSet::PicturePaths(*row.pictures, SkinFolder())) paths.push_back(std::move(path));
}

}  // namespace

PageHost::PageHost() : pages_(kPageCount), failed_(kPageCount), stale_(kPageCount) {}

PageHost::~PageHost() = default;

std::vector<std::wstring> PageHost::StartPicturePaths(const std::vector<std::wstring>& framePaths) {
  std::vector<std::wstring> paths;
  for (const PageRow& row : kPages)
    if (row.shownAtStart) AppendPicturePaths(paths, row);
  paths.insert(paths.end(), framePaths.begin(), framePaths.end());
  AppendPicturePaths(paths, StartPageRow());
  return paths;
}

std::vector<std::wstring> PageHost::LaterPicturePaths() {
  std::vector<std::wstring> paths;
  for (const PageRow& row : kPages)
    if (!OfTheStart(row)) AppendPicturePaths(paths, row);
  return paths;
}

void PageHost::CreateStartPages(HWND parent) {
  parent_ = parent;
  // The main window's first refresh follows: nothing to catch up on.
  for (std::size_t row = 0; row < kPageCount; ++row)
    if (CSkinnedPage* page = kPages[row].shownAtStart ? Make(row) : nullptr) ShowWindow(page->Hwnd(), SW_SHOW);
}

CSkinnedPage* PageHost::Make(std::size_t row) {
  const PageRow& page = kPages[row];
  if (!OfTheStart(page)) CWinApp::EnsureSystemParts();
  std::unique_ptr<CSkinnedPage> made = page.make(page.templateId);
  if (!made->Create(parent_)) return nullptr;
  SetWindowPos(made->Hwnd(), nullptr, page.place.left, page.place.top, page.place.right, page.place.bottom,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  pages_[row] = std::move(made);
  return pages_[row].get();
}

void PageHost::CatchUp(CSkinnedPage& page, PageId id) {
  // The texts it read as it was made.
  page.ShowActiveProfile();
  const ButtonRecord* record = ButtonAt(WorkingSettings, WorkingSettings.CurrentProfile, selectedButton_);
  if (record && std::ranges::find(kRecordOrder, id) != std::end(kRecordOrder))
    page.ShowButtonRecord(selectedButton_, *record);
}

void PageHost::DestroyAll() {
  for (const std::unique_ptr<CSkinnedPage>& page : pages_)
    if (page) page->DestroyWindow();
}

CSkinnedPage* PageHost::Page(PageId id) {
  const std::size_t row = RowOf(id);
  if (pages_[row] && stale_[row]) {
    stale_[row] = false;
    CatchUp(*pages_[row], id);
  }
  if (pages_[row] || failed_[row]) return pages_[row].get();
  CSkinnedPage* made = Make(row);
  if (made) {
    CatchUp(*made, id);
  } else {
    // Tried once: what failed now would fail again at every request.
    failed_[row] = true;
    OutputDebugStringW((L"page " + std::to_wstring(row) + L" could not be made\n").c_str());
  }
  return made;
}

CSkinnedPage* PageHost::Existing(PageId id) const { return pages_[RowOf(id)].get(); }

bool PageHost::MakeNextPage() {
  for (std::size_t row = 0; row < kPageCount; ++row) {
    if (pages_[row] || failed_[row]) continue;
    Page(kPages[row].id);
    return true;
  }
  return false;
}

void PageHost::ShowOnly(CSkinnedPage* shown) {
  for (std::size_t row = 0; row < kPageCount; ++row) {
    if (kPages[row].pageNumbers && pages_[row] && pages_[row].get() != shown)
      ShowWindow(pages_[row]->Hwnd(), SW_HIDE);
  }
  if (shown) ShowWindow(shown->Hwnd(), SW_SHOW);
}

void PageHost::EndCaptures() {
  for (const std::unique_ptr<CSkinnedPage>& page : pages_)
    if (page) page->EndCapture();
}

void PageHost::ShowFunctionPage(FunctionPage page) {
  EndCaptures();
  CSkinnedPage* shown = Page(kPages[RowOfPage(page)].id);
  // A page that could not be made leaves the start page in its place.
  ShowOnly(shown ? shown : Page(PageId::Start));
}

void PageHost::ShowSettings() {
  // No tab stands for the settings page: none is marked.
  SelectTabs(FunctionPage::Settings);
  ShowFunctionPage(FunctionPage::Settings);
}

void PageHost::SelectTabs(FunctionPage page) {
  // A strip not made yet is marked when it is first shown.
  for (PageId strip : {PageId::FourTabStrip, PageId::EightTabStrip})
    if (auto* tabs = dynamic_cast<CFunctionTabStrip*>(Existing(strip))) tabs->SelectTab(page);
}

void PageHost::ShowTabStrip(bool buttonTabs, FunctionPage page) {
  // The strip already shown stays as it is: hidden and shown again, it
  // would paint itself anew.
  const PageId shown = buttonTabs ? PageId::EightTabStrip : PageId::FourTabStrip;
  const PageId hidden = buttonTabs ? PageId::FourTabStrip : PageId::EightTabStrip;
  if (CSkinnedPage* tabs = Existing(hidden)) ShowWindow(tabs->Hwnd(), SW_HIDE);
  if (CSkinnedPage* tabs = Page(shown)) ShowWindow(tabs->Hwnd(), SW_SHOW);
  SelectTabs(page);
}

void PageHost::SetSelectedButton(int button) {
  selectedButton_ = button;
  for (PageId id : kRecordOrder)
    if (Existing(id)) stale_[RowOf(id)] = true;
}

void PageHost::RefreshFunctionPages(std::optional<PageId> skipped) {
  const ButtonRecord* record = ButtonAt(WorkingSettings, WorkingSettings.CurrentProfile, selectedButton_);
  if (!record) return;
  for (PageId id : kRecordOrder) {
    CSkinnedPage* page = Existing(id);
    if (!page || id == skipped) continue;
    if (IsShown(page->Hwnd())) {
      page->ShowButtonRecord(selectedButton_, *record);
    } else {
      stale_[RowOf(id)] = true;
    }
  }
}

void PageHost::ShowActiveProfile() {
  for (std::size_t row = 0; row < kPageCount; ++row) {
    if (!pages_[row]) continue;
    if (IsShown(pages_[row]->Hwnd())) {
      pages_[row]->ShowActiveProfile();
    } else {
      stale_[row] = true;
    }
  }
}

void PageHost::AppendFocusStops(std::vector<HWND>& stops, std::initializer_list<PageId> ids) const {
  for (PageId id : ids)
    if (const CSkinnedPage* page = Existing(id); page && IsShown(page->Hwnd())) ::AppendFocusStops(page->Hwnd(), stops);
}

void PageHost::AppendFunctionPageFocusStops(std::vector<HWND>& stops) const {
  for (std::size_t row = 0; row < kPageCount; ++row)
    if (kPages[row].pageNumbers && pages_[row] && IsShown(pages_[row]->Hwnd()))
      ::AppendFocusStops(pages_[row]->Hwnd(), stops);
}

void PageHost::RefreshTexts() {
  for (PageId id : kTextOrder)
    if (CSkinnedPage* page = Existing(id)) page->RefreshTexts();
}
