#pragma once
// A popup menu drawn in the skin's colours: every item owner-drawn, dark
// with light text, the selected one on red, thin red separators, optional
// orange emphasis and a trademark mark. Its owner window hands it the
// WM_MEASUREITEM and WM_DRAWITEM of its items.
#include <windows.h>

#include <string>
#include <vector>

#include "skin/menu_metrics.h"
#include "skin/palette.h"

struct MenuItemEntry {
  std::wstring text;
  int index = 0;
  UINT id = 0;
  bool emphasis = false;
  bool trademark = false;
  bool opensSubmenu = false;
};

class CExMenu {
 public:
  // `font` is the item texts' font; the caller keeps it alive.
  explicit CExMenu(HFONT font);
  virtual ~CExMenu();
  CExMenu(const CExMenu&) = delete;
  CExMenu& operator=(const CExMenu&) = delete;

  HMENU Handle() const { return menu_; }

  // kMenuSeparatorId appends a separator; with a submenu the item opens it
  // (the menu does not take the submenu's ownership away from the caller
  // until it is appended: then the system destroys it with this menu).
  void AppendItem(UINT id, const std::wstring& text, HMENU submenu = nullptr, bool emphasis = false,
                  bool trademark = false);

  // Whether an item of this menu has identifier `id` (a submenu's item: the
  // submenu's handle), so an owner of several menus finds the one to ask.
  bool Holds(UINT id) const { return Find(id) != nullptr; }

  virtual void MeasureItem(MEASUREITEMSTRUCT& item);
  virtual void DrawItem(const DRAWITEMSTRUCT& item);

  int Width() const { return width_; }
  int TotalHeight() const { return totalHeight_; }
  int ItemCount() const { return itemCount_; }

  COLORREF background = kSkinBackground;
  COLORREF highlight = kSkinAccent;
  COLORREF separator = kSkinAccent;
  COLORREF text = 0xDCDCDC;
  COLORREF highlightText = kSkinWhite;
  int itemHeightBase = kMenuItemHeightBase;
  int textMargin = kMenuTextMargin;
  int widthOffset = 0;

 private:
  const MenuItemEntry* Find(UINT id) const;

  HMENU menu_;
  HFONT font_;
  int width_ = 0;
  int totalHeight_ = 0;
  int itemCount_ = 0;
  std::vector<MenuItemEntry> items_;
};
