#include "app/page_host.h"

#include <algorithm>
#include <numeric>
#include <string>

#include "app/dlg_start.h"
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
constexpr unsigned PageNumbers(std::initializer_list<int> numbers) {
  unsigned bits = 0;
  for (int number : numbers) bits |= 1u << number;
  return bits;
}

constexpr unsigned kStartPageNumber = 0;
constexpr unsigned kSettingsPageNumber = 8;
constexpr unsigned kLastPageNumber = 8;
// The settings button marks no tab.
constexpr int kNoTab = 8;

struct PageRow {
  PageId id;
  PageFactory make;
  const PageImageNames* pictures;
  UINT templateId;
  RECT place;  // x, y, width, height
  bool shownAtStart;
  unsigned pageNumbers;  // 0: outside the function page area
  PageRowSteps steps;
};

constexpr RECT kTabStripPlace{21, 379, 179, 257};
constexpr RECT kFunctionPageArea{209, 372, 551, 301};

// In the order the pages are made and ended.
const PageRow kPages[] = {
    {PageId::FourTabStrip, MakePage<CDlgSetPage>, &CDlgSetPage::kPictures, IDD_TAB_STRIP, kTabStripPlace, true, 0, {5, 0}},
    {PageId::EightTabStrip, MakePage<CDlgSetButtonPage>, &CDlgSetButtonPage::kPictures, IDD_BUTTON_TAB_STRIP,
     kTabStripPlace, false, 0, {6, 0}},
    {PageId::Layout, MakePage<CDlgLayout>, &CDlgLayout::kPictures, IDD_LAYOUT_PAGE, {165, 63, 401, 299}, true, 0,
     {7, 0}},
    {PageId::Start, MakePage<CDlgStart>, &CDlgStart::kPictures, IDD_START_PAGE, kFunctionPageArea, false,
     PageNumbers({0, 3}), {0, 0}},
    // The value pages paint their texts: after a language change, again last.
    {PageId::Pointer, MakePage<CSystemExDlg>, &CSystemExDlg::kPictures, IDD_POINTER_PAGE, kFunctionPageArea, false,
     PageNumbers({2}), {8, 0}},
    {PageId::Sensitivity, MakePage<CSensExDlg>, &CSensExDlg::kPictures, IDD_SENSITIVITY_PAGE, kFunctionPageArea,
     false, PageNumbers({1}), {9, 0}},
    {PageId::KeyFunction, MakePage<CDlgKeyFunc>, &CDlgKeyFunc::kPictures, IDD_KEY_FUNCTION_PAGE, kFunctionPageArea,
     false, PageNumbers({7}), {3, 4}},
    {PageId::MouseFunction, MakePage<CDlgMouseFunc>, &CDlgMouseFunc::kPictures, IDD_MOUSE_FUNCTION_PAGE,
     kFunctionPageArea, false, PageNumbers({4}), {10, 1}},
    {PageId::ShortcutCapture, MakePage<CDlgKeyCommand>, &CDlgKeyCommand::kPictures, IDD_SHORTCUT_PAGE,
     kFunctionPageArea, false, PageNumbers({5}), {2, 2}},
    {PageId::Settings, MakePage<CDlgSetting>, &CDlgSetting::kPictures, IDD_SETTINGS_PAGE, kFunctionPageArea, false,
     PageNumbers({8}), {1, 0}},
    {PageId::MacroManager, MakePage<CMacroManager>, &CMacroManager::kPictures, IDD_MACRO_MANAGER_PAGE,
     kFunctionPageArea, false, PageNumbers({6}), {4, 3}},
};
constexpr std::size_t kPageCount = std::size(kPages);

std::size_t RowOf(PageId id) {
  return static_cast<std::size_t>(std::ranges::find(kPages, id, &PageRow::id) - std::begin(kPages));
}

// The row shown for a page number: its own, else the start page's.
std::size_t RowOfNumber(WPARAM number) {
  const auto shows = [](unsigned n) { return [n](const PageRow& row) { return (row.pageNumbers >> n) & 1u; }; };
  const auto own = number <= kLastPageNumber ? std::ranges::find_if(kPages, shows(number)) : std::end(kPages);
  return static_cast<std::size_t>(
      (own != std::end(kPages) ? own : std::ranges::find_if(kPages, shows(kStartPageNumber))) - std::begin(kPages));
}

void AppendPicturePaths(std::vector<std::wstring>& paths, const PageRow& row) {
  for (std::wstring& path : PageImageSet::PicturePaths(*row.pictures, SkinFolder())) paths.push_back(std::move(path));
}

}  // namespace

PageHost::PageHost() : pages_(kPageCount), failed_(kPageCount) {}

PageHost::~PageHost() = default;

std::vector<std::wstring> PageHost::StartPicturePaths(const std::vector<std::wstring>& framePaths) {
  std::vector<std::wstring> paths;
  for (const PageRow& row : kPages)
    if (row.shownAtStart) AppendPicturePaths(paths, row);
  paths.insert(paths.end(), framePaths.begin(), framePaths.end());
  AppendPicturePaths(paths, kPages[RowOfNumber(kStartPageNumber)]);
  return paths;
}

std::vector<std::wstring> PageHost::LaterPicturePaths() {
  std::vector<std::wstring> paths;
  const PageRow& startPage = kPages[RowOfNumber(kStartPageNumber)];
  for (const PageRow& row : kPages)
    if (!row.shownAtStart && &row != &startPage) AppendPicturePaths(paths, row);
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
  std::unique_ptr<CSkinnedPage> made = page.make(page.templateId);
  if (!made->Create(parent_)) return nullptr;
  SetWindowPos(made->Hwnd(), nullptr, page.place.left, page.place.top, page.place.right, page.place.bottom,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  pages_[row] = std::move(made);
  return pages_[row].get();
}

void PageHost::CatchUp(CSkinnedPage& page, std::size_t row) {
  // The texts it read as it was made.
  page.ShowActiveProfile();
  const ButtonRecord* record = ButtonAt(WorkingSettings, WorkingSettings.CurrentProfile, selectedButton_);
  if (kPages[row].steps.record && record) page.ShowButtonRecord(selectedButton_, *record);
}

void PageHost::DestroyAll() {
  for (const std::unique_ptr<CSkinnedPage>& page : pages_)
    if (page) page->DestroyWindow();
}

CSkinnedPage* PageHost::Page(PageId id) {
  const std::size_t row = RowOf(id);
  if (pages_[row] || failed_[row]) return pages_[row].get();
  CSkinnedPage* made = Make(row);
  if (made) {
    CatchUp(*made, row);
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

void PageHost::ShowFunctionPage(WPARAM page) {
  EndCaptures();
  CSkinnedPage* shown = Page(kPages[RowOfNumber(page)].id);
  // A page that could not be made leaves the start page in its place.
  ShowOnly(shown ? shown : Page(kPages[RowOfNumber(kStartPageNumber)].id));
}

void PageHost::ShowSettings() {
  SelectTabs(kNoTab);
  ShowFunctionPage(kSettingsPageNumber);
}

void PageHost::SelectTabs(int tab) {
  // A strip not made yet is marked when it is first shown.
  for (PageId strip : {PageId::FourTabStrip, PageId::EightTabStrip})
    if (CSkinnedPage* page = Existing(strip)) static_cast<CFunctionTabStrip*>(page)->SelectTab(tab);
}

void PageHost::ShowTabStrip(bool buttonTabs, int tab) {
  for (PageId strip : {PageId::FourTabStrip, PageId::EightTabStrip})
    if (CSkinnedPage* page = Existing(strip)) ShowWindow(page->Hwnd(), SW_HIDE);
  if (CSkinnedPage* shown = Page(buttonTabs ? PageId::EightTabStrip : PageId::FourTabStrip))
    ShowWindow(shown->Hwnd(), SW_SHOW);
  SelectTabs(tab);
}

template <typename Visit>
void PageHost::InStepOrder(int PageRowSteps::*step, Visit visit) const {
  std::vector<std::size_t> rows(kPageCount);
  std::iota(rows.begin(), rows.end(), 0);
  std::erase_if(rows, [&](std::size_t row) { return kPages[row].steps.*step == 0 || !pages_[row]; });
  std::ranges::sort(rows, {}, [&](std::size_t row) { return kPages[row].steps.*step; });
  for (std::size_t row : rows) visit(*pages_[row], kPages[row].steps.*step);
}

void PageHost::RefreshFunctionPages(int skip) {
  const ButtonRecord* record = ButtonAt(WorkingSettings, WorkingSettings.CurrentProfile, selectedButton_);
  if (!record) return;
  InStepOrder(&PageRowSteps::record, [&](CSkinnedPage& page, int step) {
    if (step != skip) page.ShowButtonRecord(selectedButton_, *record);
  });
}

void PageHost::RefreshFunctionPages(PageId skipped) { RefreshFunctionPages(kPages[RowOf(skipped)].steps.record); }

void PageHost::ShowActiveProfile() {
  for (const std::unique_ptr<CSkinnedPage>& page : pages_)
    if (page) page->ShowActiveProfile();
}

void PageHost::RefreshTexts() {
  InStepOrder(&PageRowSteps::text, [](CSkinnedPage& page, int) { page.RefreshTexts(); });
}
