#include "app/system_dialog_scope.h"

#include "framework/application.h"
#include "framework/exe_folder.h"
#include "framework/handles.h"
#include "resource.h"

namespace {

struct ActivationContextTraits {
  using Type = HANDLE;
  static Type Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Type h) { ReleaseActCtx(h); }
};

// Made at the first dialog and kept for the life of the process.
HANDLE ThemedContext() {
  static const UniqueHandle<ActivationContextTraits> context = [] {
    const std::wstring exe = ExePath();
    ACTCTXW request{};
    request.cbSize = sizeof(request);
    request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = exe.c_str();
    request.hModule = GetModuleHandleW(nullptr);
    request.lpResourceName = MAKEINTRESOURCEW(IDR_THEMED_CONTROLS_MANIFEST);
    return UniqueHandle<ActivationContextTraits>(CreateActCtxW(&request));
  }();
  return context.Get();
}

}  // namespace

SystemDialogScope::SystemDialogScope() {
  CWinApp::EnsureSystemParts();
  // Without the context the dialogs simply keep the classic look.
  const HANDLE context = ThemedContext();
  active_ = context != INVALID_HANDLE_VALUE && ActivateActCtx(context, &cookie_);
}

SystemDialogScope::~SystemDialogScope() {
  if (active_) DeactivateActCtx(0, cookie_);
}
