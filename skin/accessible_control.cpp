#include "skin/accessible_control.h"

#include <oleacc.h>

#include <iterator>
#include <optional>

#include "framework/application.h"
#include "framework/window.h"

namespace {

// By AccessibleRole.
constexpr LONG kSystemRoles[] = {
    ROLE_SYSTEM_STATICTEXT, ROLE_SYSTEM_PUSHBUTTON, ROLE_SYSTEM_CHECKBUTTON, ROLE_SYSTEM_RADIOBUTTON,
    ROLE_SYSTEM_LINK,       ROLE_SYSTEM_SLIDER,     ROLE_SYSTEM_INDICATOR,   ROLE_SYSTEM_LIST,
    ROLE_SYSTEM_TEXT,
};
static_assert(std::size(kSystemRoles) == static_cast<std::size_t>(AccessibleRole::Text) + 1);

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

HRESULT ReturnText(const std::wstring& text, BSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (text.empty()) return S_FALSE;
  *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

// The control's object: its own answers about itself, the standard
// object's for everything else (its children among them). It holds the
// window, not the control: a screen reader may keep it after both are gone.
class AccessibleObject final : public IAccessible, public IOleWindow {
 public:
  AccessibleObject(HWND window, IAccessible* standard) : window_(window), standard_(standard) {}
  AccessibleObject(const AccessibleObject&) = delete;
  AccessibleObject& operator=(const AccessibleObject&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
      *out = static_cast<IAccessible*>(this);
    } else if (iid == __uuidof(IOleWindow)) {
      *out = static_cast<IOleWindow*>(this);
    } else {
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IOleWindow: how the system finds the window of an object.
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* out) override {
    if (!out) return E_POINTER;
    *out = window_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // What the control says of itself.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
    const std::optional<AccessibleFacts> facts = Facts(child);
    if (!facts) return standard_->get_accName(child, out);
    return ReturnText(facts->name ? *facts->name : WindowText(window_), out);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
    const std::optional<AccessibleFacts> facts = Facts(child);
    if (!facts) return standard_->get_accRole(child, out);
    if (!out) return E_POINTER;
    out->vt = VT_I4;
    out->lVal = kSystemRoles[static_cast<int>(facts->role)];
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
    const std::optional<AccessibleFacts> facts = Facts(child);
    const HRESULT result = standard_->get_accState(child, out);
    if (!facts || FAILED(result) || out->vt != VT_I4) return result;
    LONG state = out->lVal & ~(STATE_SYSTEM_CHECKED | STATE_SYSTEM_PRESSED);
    if (facts->checked) state |= facts->role == AccessibleRole::PushButton ? STATE_SYSTEM_PRESSED : STATE_SYSTEM_CHECKED;
    if (!IsWindowEnabled(window_)) state |= STATE_SYSTEM_UNAVAILABLE;
    if (facts->role == AccessibleRole::StaticText) state = (state & ~STATE_SYSTEM_FOCUSABLE) | STATE_SYSTEM_READONLY;
    out->lVal = state;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
    const std::optional<AccessibleFacts> facts = Facts(child);
    if (!facts || !facts->value) return standard_->get_accValue(child, out);
    return ReturnText(*facts->value, out);
  }

  // The rest is the standard object's.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return standard_->GetTypeInfoCount(count); }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return standard_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override {
    return standard_->GetIDsOfNames(iid, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception, UINT* argument) override {
    return standard_->Invoke(id, iid, locale, flags, params, result, exception, argument);
  }
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** out) override { return standard_->get_accParent(out); }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* out) override { return standard_->get_accChildCount(out); }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    return standard_->get_accChild(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
    return standard_->get_accDescription(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* out) override { return standard_->get_accHelp(child, out); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
    return standard_->get_accKeyboardShortcut(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override { return standard_->get_accFocus(out); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override { return standard_->get_accSelection(out); }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
    return standard_->get_accDefaultAction(child, out);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long how, VARIANT child) override { return standard_->accSelect(how, child); }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* out) override {
    return standard_->accNavigate(direction, start, out);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override {
    return standard_->accHitTest(x, y, out);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override { return standard_->accDoDefaultAction(child); }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override { return standard_->put_accName(child, name); }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return standard_->put_accValue(child, value);
  }

 private:
  ~AccessibleObject() { standard_->Release(); }

  // The control's own facts about itself; none for a child (a list's line)
  // or once the control is gone.
  std::optional<AccessibleFacts> Facts(const VARIANT& child) const {
    if (!IsSelf(child)) return std::nullopt;
    const auto* source = dynamic_cast<const AccessibleSource*>(CWnd::FromHandle(window_));
    if (!source) return std::nullopt;
    return source->Describe();
  }

  LONG references_ = 1;
  HWND window_;
  IAccessible* standard_;
};

}  // namespace

LRESULT AccessibleClientObject(HWND control, WPARAM flags) {
  // The object is handed over through OLE, which may not have started yet.
  CWinApp::EnsureSystemParts();
  IAccessible* standard = nullptr;
  if (FAILED(CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&standard))))
    return 0;
  auto* object = new AccessibleObject(control, standard);
  const LRESULT reference = LresultFromObject(__uuidof(IAccessible), flags, static_cast<IAccessible*>(object));
  // The reference holds the object for the caller; a failure (negative) ends it here.
  object->Release();
  return reference < 0 ? 0 : reference;
}
