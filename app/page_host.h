#pragma once
// The main window's pages. The page table says, a row a page, which class
// with which template, where it goes, whether it shows from the start,
// which page numbers of ShowFunctionPage show it, and its step in the
// language reload and in handing out the selected button's record; the
// operations below run over it in those orders. A page not shown from the
// start is made the first time it is shown, with everything it missed: it
// reads its texts, the active profile and the selected button's record
// when it is made.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

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

// A page's place in the operations whose order is not the table's.
struct PageRowSteps {
  int text;    // the language reload; 0: none
  int record;  // handing out the selected button's record (RefreshFunctionPages' skip value); 0: none
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

  // The page, made now when it was not yet; null when it could not be
  // made (tried once).
  CSkinnedPage* Page(PageId id);
  template <class T>
  T* PageAs(PageId id) {
    return static_cast<T*>(Page(id));
  }
  // The page if it was made.
  CSkinnedPage* Existing(PageId id) const;
  // Makes the next page not made nor tried yet, hidden and up to date;
  // false when there is none. So the pages are ready before they are
  // first shown.
  bool MakeNextPage();

  // The button whose record the function pages show: 0-14, or any other
  // value for none (-1 at start).
  int SelectedButton() const { return selectedButton_; }
  void SetSelectedButton(int button) { selectedButton_ = button; }

  // Ends any capture, hides every function page and shows the one of page
  // number `page` (0 and 3 the start page, 1 sensitivity, 2 Windows
  // pointer, 4 mouse function, 5 shortcut capture, 6 macro manager, 7 key
  // function, 8 settings); a number without a page shows the start page.
  void ShowFunctionPage(WPARAM page);
  // The settings button: no tab marked, every capture ended, only the
  // settings page shown in the function page area.
  void ShowSettings();
  // Shows the 8-tab strip (`buttonTabs`) or the 4-tab strip, then marks
  // `tab` on both.
  void ShowTabStrip(bool buttonTabs, int tab);
  // Hands the selected button's record to the function pages, but for the
  // one whose step is `skip` (0: none).
  void RefreshFunctionPages(int skip);
  // The same, but for the page `skipped`, which shows the record already.
  void RefreshFunctionPages(PageId skipped);
  // The pages' part of bringing every window up to date.
  void ShowActiveProfile();
  // The pages' part of a language change.
  void RefreshTexts();
  // Ends the pages' key captures and recordings.
  void EndCaptures();

 private:
  CSkinnedPage* Make(std::size_t row);
  void CatchUp(CSkinnedPage& page, std::size_t row);
  // The page of each row with a step, in step order.
  template <typename Visit>
  void InStepOrder(int PageRowSteps::*step, Visit visit) const;
  void SelectTabs(int tab);
  void ShowOnly(CSkinnedPage* page);

  HWND parent_ = nullptr;
  int selectedButton_ = -1;
  // A page per row of the table, null until made.
  std::vector<std::unique_ptr<CSkinnedPage>> pages_;
  // Rows whose page could not be made: not tried again.
  std::vector<bool> failed_;
};
