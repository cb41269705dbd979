#pragma once
// The mouse function page: five lists of mouse functions. The two wheel
// buttons are not offered the last two lines of the first list.
#include <windows.h>

#include "pages/assign/function_list_page.h"

class CDlgMouseFunc : public CFunctionListPage {
 public:
  explicit CDlgMouseFunc(UINT templateId);

  static const PageImageNames kPictures;

  // The lines follow a language change, keeping their mark.
  void RefreshTexts() override;

 private:
  int OfferedLines(int group) const override;
  std::optional<ListLine> LineOf(const ButtonRecord& record) const override;
};
