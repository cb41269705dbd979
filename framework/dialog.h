#pragma once
// Dialogs from dialog-template resources: modeless (the child pages) or
// modal (run in their own message loop, their owner disabled meanwhile).
#include <windows.h>

#include "framework/window.h"

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId) : templateId_(templateId) {}

  // Creates the dialog modelessly as a child or owned window of `parent`.
  bool Create(HWND parent);

  // Runs the dialog modally and returns the value given to EndDialog
  // (-1 when it could not be created or the loop met a quit message).
  INT_PTR DoModal(HWND owner = nullptr);
  // Ends a modal run with `result`; a modeless dialog is destroyed.
  void EndDialog(INT_PTR result);

  bool IsModalRunning() const { return modal_; }

 private:
  UINT templateId_;
  bool modal_ = false;
  bool endModal_ = false;
  INT_PTR result_ = 0;
  friend INT_PTR RunModalLoop(CDialog& dialog);
};

// The modal loop: takes every queued message; offers it to the target
// window's PreTranslateMessage and then each ancestor's, up to `dialog`;
// then (unless a window asked to dispatch it only) to the dialog manager's
// keyboard handling; then dispatches it. Ends
// when `dialog` ends or on a quit message, which it answers by posting a
// quit message with code 0 for the loop outside.
INT_PTR RunModalLoop(CDialog& dialog);

// The pre-translation chain on its own: the first outcome other than
// Continue, from the target window up to `top`.
PreTranslation PreTranslateChain(MSG& msg, HWND top);
void TranslateAndDispatch(const MSG& msg);
