#include "skin/ex_menu.h"

#include "framework/gdi.h"
#include "resource.h"
#include "skin/skin_font.h"

namespace {

constexpr COLORREF kEmphasisText = 0x1855EB;
constexpr int kTextLeft = 2;
constexpr int kArrowFromRight = 19;
constexpr int kArrowAbove = 5;
constexpr wchar_t kTrademark[] = L"TM";

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
  GdiBrush brush(CreateSolidBrush(colour));
  FillRect(dc, &rect, brush.Get());
}

}  // namespace

CExMenu::CExMenu(HFONT font) : menu_(CreatePopupMenu()), font_(font) {}

CExMenu::~CExMenu() {
  if (menu_) DestroyMenu(menu_);
}

void CExMenu::AppendItem(UINT id, const std::wstring& itemText, HMENU submenu, bool emphasis, bool trademark) {
  // Owner-drawn items carry no string: the entry list holds the texts.
  if (id == kMenuSeparatorId) {
    AppendMenuW(menu_, MF_OWNERDRAW | MF_SEPARATOR, kMenuSeparatorId, nullptr);
  } else if (submenu) {
    AppendMenuW(menu_, MF_OWNERDRAW | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), nullptr);
  } else {
    AppendMenuW(menu_, MF_OWNERDRAW, id, nullptr);
  }
  // A submenu's item is drawn under the submenu's handle as its identifier.
  const UINT drawnId = submenu ? static_cast<UINT>(reinterpret_cast<UINT_PTR>(submenu)) : id;
  items_.push_back({itemText, itemCount_, drawnId, emphasis, trademark, submenu != nullptr});
  ++itemCount_;
  width_ = MenuWidthAfter(width_, itemText.size(), widthOffset, textMargin);
}

void CExMenu::MeasureItem(MEASUREITEMSTRUCT& item) {
  item.itemHeight = static_cast<UINT>(MenuItemHeight(item.itemID, itemHeightBase));
  item.itemWidth = static_cast<UINT>(width_);
  totalHeight_ += static_cast<int>(item.itemHeight);
}

const MenuItemEntry* CExMenu::Find(UINT id) const {
  for (const MenuItemEntry& entry : items_) {
    if (entry.id == id) return &entry;
  }
  return nullptr;
}

void CExMenu::DrawItem(const DRAWITEMSTRUCT& item) {
  const HDC dc = item.hDC;
  const RECT& r = item.rcItem;
  if (IsMenuSeparatorId(item.itemID)) {
    Fill(dc, r, background);
    const int middle = (r.top + r.bottom) / 2;
    const RECT line{r.left, middle, r.right, middle + 1};
    Fill(dc, line, separator);
  } else {
    const bool selected = item.itemState & ODS_SELECTED;
    Fill(dc, r, selected ? highlight : background);
    SetTextColor(dc, selected ? highlightText : text);
    SetBkMode(dc, TRANSPARENT);
    static const MenuItemEntry kNone;
    const MenuItemEntry* entry = Find(item.itemID);
    if (!entry) entry = &kNone;
    if (entry->emphasis) SetTextColor(dc, kEmphasisText);
    SelectScope select(dc, font_);
    SIZE extent{0, 0};
    GetTextExtentPoint32W(dc, entry->text.c_str(), static_cast<int>(entry->text.size()), &extent);
    const int y = r.top + (r.bottom - r.top - extent.cy) / 2;
    TextOutW(dc, r.left + kTextLeft, y, entry->text.c_str(), static_cast<int>(entry->text.size()));
    if (entry->trademark) {
      GdiFont mark = CreateSkinFont(kTitleFont);
      SelectScope selectMark(dc, mark.Get());
      TextOutW(dc, r.left + kTextLeft + extent.cx, y, kTrademark, 2);
    }
    if (entry->opensSubmenu) {
      if (HICON arrow = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_SUBMENU_ARROW)))
        DrawIconEx(dc, r.right - kArrowFromRight, r.top - kArrowAbove, arrow, 0, 0, 0, nullptr, DI_NORMAL);
    }
  }
  ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
}
