#include "app/dlg_start.h"

const PageImageNames CDlgStart::kPictures{L"page_mask.bmp", L"start.JPG", L"", L"", L""};

CDlgStart::CDlgStart(UINT templateId) : CSkinnedPage(templateId, kPictures, Drag::Parent, Keys::Passed) {}
