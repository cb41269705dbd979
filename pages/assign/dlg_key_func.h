#pragma once
// The key function page: four lists of keyboard functions, fixed
// shortcuts, no function and program launch, which asks for the program
// first. A key combination equal to one of its shortcuts shows on that
// shortcut's line.
#include <windows.h>

#include "framework/gdi.h"
#include "pages/assign/function_list_page.h"

class CDlgKeyFunc : public CFunctionListPage {
 public:
  explicit CDlgKeyFunc(UINT templateId);

  static const PageImageNames kPictures;

  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages();

 private:
  std::optional<ListLine> LineOf(const ButtonRecord& record) const override;
  bool Assign(ListLine line) override;
  bool AssignProgramLaunch();

  template <COLORREF Back>
  HBRUSH OnCtlColor(HDC dc);

  GdiBrush controlBrush_;
};
