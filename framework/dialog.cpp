#include "framework/dialog.h"

namespace {

// The dialog manager's procedure for every framework dialog. All messages
// already passed through the class's table; what reaches here gets the
// dialog manager's default handling.
INT_PTR CALLBACK FrameworkDialogProc(HWND, UINT, WPARAM, LPARAM) {
  return FALSE;
}

}  // namespace

bool CDialog::Create(HWND parent) {
  BindNextCreatedWindow(this);
  HWND window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), parent,
                                   &FrameworkDialogProc, 0);
  EndBindNextCreatedWindow();
  return window != nullptr;
}

INT_PTR CDialog::DoModal(HWND owner) {
  modal_ = true;
  endModal_ = false;
  result_ = -1;
  if (!Create(owner)) {
    modal_ = false;
    return -1;
  }
  const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  ShowWindow(Hwnd(), SW_SHOW);
  INT_PTR result = RunModalLoop(*this);
  // The owner gets activation back before the dialog goes away, so no
  // other application comes to the front in between.
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  if (owner && GetActiveWindow() == Hwnd()) SetActiveWindow(owner);
  DestroyWindow();
  modal_ = false;
  return result;
}

void CDialog::EndDialog(INT_PTR result) {
  if (!modal_) {
    DestroyWindow();
    return;
  }
  result_ = result;
  endModal_ = true;
  // Wakes the loop should it be waiting in GetMessage.
  PostMessageW(Hwnd(), WM_NULL, 0, 0);
}

PreTranslation PreTranslateChain(MSG& msg, HWND top) {
  if (!msg.hwnd) {
    CWnd* topObject = CWnd::FromHandle(top);
    return topObject ? topObject->PreTranslateMessage(&msg) : PreTranslation::Continue;
  }
  for (HWND window = msg.hwnd; window; window = GetParent(window)) {
    if (CWnd* object = CWnd::FromHandle(window)) {
      if (const PreTranslation outcome = object->PreTranslateMessage(&msg); outcome != PreTranslation::Continue)
        return outcome;
    }
    if (window == top) break;
  }
  return PreTranslation::Continue;
}

void TranslateAndDispatch(const MSG& msg) {
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

INT_PTR RunModalLoop(CDialog& dialog) {
  MSG msg;
  while (!dialog.endModal_ && dialog.Hwnd()) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == -1) break;
    if (got == 0) {
      // The quit message ends this loop; the one outside still needs one.
      PostQuitMessage(0);
      return -1;
    }
    const PreTranslation outcome = PreTranslateChain(msg, dialog.Hwnd());
    if (outcome == PreTranslation::Consumed) continue;
    if (outcome == PreTranslation::Continue && dialog.Hwnd() && IsDialogMessageW(dialog.Hwnd(), &msg)) continue;
    TranslateAndDispatch(msg);
  }
  return dialog.endModal_ ? dialog.result_ : -1;
}
