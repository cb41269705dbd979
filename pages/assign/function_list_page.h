#pragma once
// What the mouse function and key function pages share: a list of
// functions under each painted group title, each list in a skinned scroll
// frame. Choosing a line (a click, or Enter or Space on the line the arrow
// keys marked) assigns its function to the selected button at once: the
// page writes the button's record in WorkingSettings, keeps a copy as
// PendingRecord and tells the main window, which copies it back and
// refreshes the other pages. The main window hands the page the
// selected button's record, and the page marks its line.
#include <windows.h>

#include <array>
#include <optional>
#include <span>
#include <utility>

#include "framework/gdi.h"
#include "macro/list_box_ex.h"
#include "model/function_lists.h"
#include "skin/skinned_page.h"

class CFunctionListPage : public CSkinnedPage {
 public:
  static constexpr int kMaxGroups = 5;

  void ShowButtonRecord(int button, const ButtonRecord& record) override;
  // The lists filled again and the painted group titles repainted.
  void RefreshTexts() override;
  // Shows the lines the button is offered and marks the line of
  // PageRecord's function (none for a code of another page). Not a choice:
  // nothing is assigned.
  void ShowRecord();

  int ButtonIndex() const { return button_; }
  // The record of the line chosen last, handed to the main window once:
  // nothing before a choice, nor a second time.
  std::optional<ButtonRecord> TakePendingRecord() { return std::exchange(pendingRecord_, std::nullopt); }
  int GroupCount() const { return static_cast<int>(look_.groups.size()); }


 protected:
  struct Look {
    std::span<const FunctionGroup> groups;
    int firstListId;       // the lists' identifiers follow in group order
    WPARAM assignAction;   // what WM_ASSIGN_FUNCTION tells the main window
  };
  CFunctionListPage(UINT templateId, PageImageNames pictures, const Look& look);

  // How many lines of `group` the shown button is offered.
  virtual int OfferedLines(int group) const;
  // The line that shows `record`, if the page has one.
  virtual std::optional<ListLine> LineOf(const ButtonRecord& record) const = 0;
  // Writes the chosen function into the button's record of WorkingSettings;
  // false when nothing was written.
  virtual bool Assign(ListLine line);

  // Empties every list and adds its lines again; no line is marked.
  void FillLists();

 private:
  void CreateControls() override;
  void PaintContent(HDC dc) override;
  // Each list by the group title painted above it.
  void NameLists();
  void OnSelChange(int group);

  void Mark(std::optional<ListLine> line);
  const FunctionLine& LineAt(ListLine line) const;

  Look look_;
  // The lists' frames draw with it: it goes after them.
  GdiBitmap scrollSkin_;
  std::array<CListBoxEx, kMaxGroups> lists_;
  int button_ = -1;
  ButtonRecord pageRecord_{};
  std::optional<ButtonRecord> pendingRecord_;
};
