#pragma once
// The main window's pages. The page table says, a row a page, which class
// with which template, where it goes, whether it shows from the start and
// which pages of the function page area it shows; two lists of page ids
// give the orders of the language reload and of handing out the selected
// button's record. A page not shown from the
// start is made the first time it is shown, with everything it missed: it
// reads its texts, the active profile and the selected button's record
// when it is made.
#include <windows.h>

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/function_codes.h"
#include "skin/skinned_page.h"

enum class PageId {
  FourTabStrip,
  EightTabStrip,
  Layout,
  Start,
  Pointer,
  Sensitivity,
  KeyFunction,
  MouseFunction,
  ShortcutCapture,
  Settings,
  MacroManager,
};

class PageHost {
 public:
  PageHost();
  ~PageHost();
  PageHost(const PageHost&) = delete;
  PageHost& operator=(const PageHost&) = delete;

  // The pictures the start decodes, in the order they are used: the pages
  // shown from the start (made before the frame), the frame's `framePaths`,
  // then the start page.
  static std::vector<std::wstring> StartPicturePaths(const std::vector<std::wstring>& framePaths);
  // The pictures of the pages made later, when they are first shown.
  static std::vector<std::wstring> LaterPicturePaths();

  // Makes and places the pages shown from the start, on `parent`.
  void CreateStartPages(HWND parent);
  // Ends every page's window, in table order.
  void DestroyAll();

  // The page, made now when it was not yet, brought up to date when it
  // missed a refresh out of sight; null when it could not be made (tried
  // once).
  CSkinnedPage* Page(PageId id);
  // The same, as its class; null when the row holds another.
  template <class T>
  T* PageAs(PageId id) {
    return dynamic_cast<T*>(Page(id));
  }
  // The page if it was made, as it is (a page out of sight may have
  // missed a refresh).
  CSkinnedPage* Existing(PageId id) const;
  template <class T>
  T* ExistingAs(PageId id) const {
    return dynamic_cast<T*>(Existing(id));
  }
  // Makes the next page not made nor tried yet, hidden and up to date;
  // false when there is none. So the pages are ready before they are
  // first shown.
  bool MakeNextPage();

  // The button whose record the function pages show: 0-14, or any other
  // value for none (-1 at start).
  int SelectedButton() const { return selectedButton_; }
  // Every function page shows the new button's record when next asked for.
  void SetSelectedButton(int button);

  // Ends any capture, hides every function page and shows `page`.
  void ShowFunctionPage(FunctionPage page);
  // The settings button: no tab marked, every capture ended, only the
  // settings page shown in the function page area.
  void ShowSettings();
  // Shows the 8-tab strip (`buttonTabs`) or the 4-tab strip, then marks
  // the tab of `page` on both.
  void ShowTabStrip(bool buttonTabs, FunctionPage page);
  // Hands the selected button's record to the function pages, but to
  // `skipped`, which shows it already; a page out of sight takes it when
  // next asked for.
  void RefreshFunctionPages(std::optional<PageId> skipped = std::nullopt);
  // The pages' part of bringing every window up to date; a page out of
  // sight is brought up to date when next asked for.
  void ShowActiveProfile();
  // The pages' part of a language change.
  void RefreshTexts();
  // Ends the pages' key captures and recordings.
  void EndCaptures();

  // Appends the focus stops of those of `ids` that show, in that order.
  void AppendFocusStops(std::vector<HWND>& stops, std::initializer_list<PageId> ids) const;
  // Appends the focus stops of the page the function page area shows.
  void AppendFunctionPageFocusStops(std::vector<HWND>& stops) const;

 private:
  CSkinnedPage* Make(std::size_t row);
  void CatchUp(CSkinnedPage& page, PageId id);
  void SelectTabs(FunctionPage page);
  void ShowOnly(CSkinnedPage* page);

  HWND parent_ = nullptr;
  int selectedButton_ = -1;
  // A page per row of the table, null until made.
  std::vector<std::unique_ptr<CSkinnedPage>> pages_;
  // Rows whose page could not be made: not tried again.
  std::vector<bool> failed_;
  // Rows whose page, out of sight, missed a profile or a record: it catches
  // up when it is next asked for, so a refresh costs only what shows.
  std::vector<bool> stale_;
};
