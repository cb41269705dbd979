// The framework at work: message tables with base classes, subclassed
// controls, dialogs from templates, the modal loop's pre-translation chain
// and the application object.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/dialog.h"

namespace {

constexpr UINT kModalTemplate = 1;
constexpr UINT kPageTemplate = 2;
constexpr UINT WM_TEST_NOTE = WM_APP + 1;
constexpr UINT WM_TEST_END = WM_APP + 2;

// Who saw what, in order.
std::vector<std::string> journal;

class CBaseDlg : public CDialog {
 public:
  using CDialog::CDialog;
  bool created = false;
  bool initialised = false;
  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages() {
    static const MessageEntry entries[] = {
        msg::Create<&CBaseDlg::OnCreate>(),
        msg::InitDialog<&CBaseDlg::OnInitDialog>(),
        msg::Forwarded<&CBaseDlg::OnBaseNote>(WM_TEST_NOTE),
    };
    static const MessageMap map{&CDialog::Messages(), entries};
    return map;
  }
  bool OnCreate(const CREATESTRUCTW&) {
    created = true;
    return Default() != -1;
  }
  bool OnInitDialog() {
    initialised = true;
    return true;
  }
  LRESULT OnBaseNote(WPARAM, LPARAM) {
    journal.push_back("base note");
    return 1;
  }
};

class CDerivedDlg : public CBaseDlg {
 public:
  using CBaseDlg::CBaseDlg;
  HWND button = nullptr;
  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages() {
    static const MessageEntry entries[] = {
        msg::Command<&CDerivedDlg::OnSeven>(BN_CLICKED, 7),
        msg::ControlCommand<&CDerivedDlg::OnAnyClick>(BN_CLICKED),
        msg::Forwarded<&CDerivedDlg::OnEnd>(WM_TEST_END),
    };
    static const MessageMap map{&CBaseDlg::Messages(), entries};
    return map;
  }
  void OnSeven() { journal.push_back("seven"); }
  void OnAnyClick(int, HWND control) { journal.push_back(control == button ? "button click" : "other click"); }
  LRESULT OnEnd(WPARAM wParam, LPARAM) {
    EndDialog(static_cast<INT_PTR>(wParam));
    return 0;
  }
  // Takes the test note in the pre-translation step, like a main window
  // taking its pages' posted messages; keeps Escape from the dialog's
  // keyboard handling.
  PreTranslation PreTranslateMessage(MSG* msg) override {
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) return PreTranslation::DispatchOnly;
    if (msg->message != WM_TEST_NOTE) return PreTranslation::Continue;
    journal.push_back("modal pre-translate");
    return msg->wParam == 1 ? PreTranslation::Consumed : PreTranslation::Continue;
  }
};

class CPage : public CDialog {
 public:
  CPage() : CDialog(kPageTemplate) {}
  PreTranslation PreTranslateMessage(MSG* msg) override {
    if (msg->message == WM_TEST_NOTE) journal.push_back("page pre-translate");
    return PreTranslation::Continue;
  }
};

// A subclassed push button whose table sees presses first; the button's own
// behaviour (its click) still follows.
class CCountingButton : public CButton {
 public:
  int presses = 0;
  bool attached = false;
  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages() {
    static const MessageEntry entries[] = {msg::Mouse<&CCountingButton::OnDown>(WM_LBUTTONDOWN)};
    static const MessageMap map{&CButton::Messages(), entries};
    return map;
  }
  void OnDown(POINT, UINT) {
    ++presses;
    Default();
  }
  PreTranslation PreTranslateMessage(MSG* msg) override {
    if (msg->message == WM_TEST_NOTE) journal.push_back("button pre-translate");
    if (msg->message == WM_KEYDOWN) journal.push_back("button key");
    return PreTranslation::Continue;
  }

 protected:
  void PreSubclassWindow() override { attached = true; }
};

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

TEST(Framework, DialogFromTemplateSeesItsCreationAndRoutesThroughBaseTables) {
  journal.clear();
  CDerivedDlg dialog(kModalTemplate);
  ASSERT_TRUE(dialog.Create(nullptr));
  EXPECT_TRUE(dialog.created);
  EXPECT_TRUE(dialog.initialised);
  EXPECT_EQ(CWnd::FromHandle(dialog.Hwnd()), &dialog);

  CCountingButton button;
  ASSERT_TRUE(button.Create(L"Go", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, RECT{10, 10, 90, 40}, dialog.Hwnd(), 0));
  dialog.button = button.Hwnd();
  EXPECT_TRUE(button.attached);

  // Table rows of the base class answer when the derived class has none.
  EXPECT_EQ(SendMessageW(dialog.Hwnd(), WM_TEST_NOTE, 0, 0), 1);
  // A control-specific row wins over the any-control row; the latter tells
  // buttons of identifier 0 apart by handle.
  SendMessageW(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(7, BN_CLICKED), 0);
  // A real click through the subclassed button: its table counts the
  // press, its own procedure sends the click.
  ShowWindow(dialog.Hwnd(), SW_SHOW);
  SendMessageW(button.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(button.Hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(button.presses, 1);
  EXPECT_EQ(journal, (std::vector<std::string>{"base note", "seven", "button click"}));

  HWND buttonWindow = button.Hwnd();
  EXPECT_TRUE(dialog.DestroyWindow());
  EXPECT_EQ(dialog.Hwnd(), nullptr);
  EXPECT_EQ(button.Hwnd(), nullptr);
  EXPECT_FALSE(IsWindow(buttonWindow));
}

TEST(Framework, ModalLoopOffersMessagesUpTheChainBeforeDispatch) {
  journal.clear();
  CDerivedDlg dialog(kModalTemplate);
  CPage page;
  CCountingButton button;
  // The script runs inside the modal loop from a timer: build a page with a
  // button, post notes to the button, then end.
  static CDerivedDlg* modal = nullptr;
  static CPage* modalPage = nullptr;
  static CCountingButton* modalButton = nullptr;
  modal = &dialog;
  modalPage = &page;
  modalButton = &button;
  SetTimer(nullptr, 0, 1, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    modalPage->Create(modal->Hwnd());
    modalButton->Create(L"", WS_CHILD | WS_VISIBLE, RECT{0, 0, 20, 20}, modalPage->Hwnd(), 0);
    // Taken by the modal window's pre-translation: never dispatched.
    PostMessageW(modalButton->Hwnd(), WM_TEST_NOTE, 1, 0);
    // Passed on by everybody: dispatched to the button, which has no row.
    PostMessageW(modalButton->Hwnd(), WM_TEST_NOTE, 0, 0);
    // Posted to the modal window itself: its own step, then its table.
    PostMessageW(modal->Hwnd(), WM_TEST_NOTE, 0, 0);
    // Dispatched, but never made the dialog's cancel command.
    PostMessageW(modalButton->Hwnd(), WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageW(modal->Hwnd(), WM_TEST_END, 42, 0);
  });
  EXPECT_EQ(dialog.DoModal(), 42);
  EXPECT_EQ(dialog.Hwnd(), nullptr);
  EXPECT_EQ(journal, (std::vector<std::string>{
                         "button pre-translate", "page pre-translate", "modal pre-translate",
                         "button pre-translate", "page pre-translate", "modal pre-translate",
                         "modal pre-translate", "base note", "button key"}));
}

TEST(Framework, QuitMessageEndsTheModalLoopAndIsPassedOnWithCodeZero) {
  CDerivedDlg dialog(kModalTemplate);
  static HWND owner = nullptr;
  CDerivedDlg ownerDialog(kModalTemplate);
  ASSERT_TRUE(ownerDialog.Create(nullptr));
  owner = ownerDialog.Hwnd();
  PostQuitMessage(-1);
  EXPECT_EQ(dialog.DoModal(owner), -1);
  // The owner is usable again and the outer loop gets its quit message.
  EXPECT_TRUE(IsWindowEnabled(owner));
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 0u);
  Pump();
}

// A control that answers the notifications its parent hands back.
class CReflectingList : public CWnd {
 public:
  int clicks = 0;
  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages() {
    static const MessageEntry entries[] = {
        msg::ReflectedMeasureItem<&CReflectingList::OnMeasureItem>(),
        msg::ReflectedCommand<&CReflectingList::OnDoubleClick>(LBN_DBLCLK),
    };
    static const MessageMap map{&CWnd::Messages(), entries};
    return map;
  }
  void OnMeasureItem(MEASUREITEMSTRUCT& item) { item.itemHeight = 23; }
  void OnDoubleClick() { ++clicks; }
};

// Its own destruction step, in its table.
class CRecordingDlg : public CDialog {
 public:
  CRecordingDlg() : CDialog(kModalTemplate) {}
  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages() {
    static const MessageEntry entries[] = {msg::Destroy<&CRecordingDlg::OnDestroy>()};
    static const MessageMap map{&CDialog::Messages(), entries};
    return map;
  }
  void OnDestroy() {
    journal.push_back("own destruction step");
    Default();
  }
};

TEST(Framework, NotificationsReachTheControlThatSentThem) {
  CRecordingDlg host;
  ASSERT_TRUE(host.Create(nullptr));
  CReflectingList list;
  // Measured while it is made, before it is subclassed: found by identifier.
  ASSERT_TRUE(list.CreateControl(L"LISTBOX", L"", WS_CHILD | LBS_OWNERDRAWFIXED | LBS_NOTIFY, RECT{0, 0, 80, 80},
                                 host.Hwnd(), 5));
  EXPECT_EQ(SendMessageW(list.Hwnd(), LB_GETITEMHEIGHT, 0, 0), 23);
  // Found by handle; a notification of another sender is not its business.
  SendMessageW(host.Hwnd(), WM_COMMAND, MAKEWPARAM(5, LBN_DBLCLK), reinterpret_cast<LPARAM>(list.Hwnd()));
  SendMessageW(host.Hwnd(), WM_COMMAND, MAKEWPARAM(5, LBN_DBLCLK), 0);
  SendMessageW(host.Hwnd(), WM_COMMAND, MAKEWPARAM(5, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list.Hwnd()));
  EXPECT_EQ(list.clicks, 1);
  host.DestroyWindow();
}

TEST(Framework, AWindowEndedByItsObjectRunsItsOwnDestructionSteps) {
  journal.clear();
  {
    Window<CRecordingDlg> page;
    ASSERT_TRUE(page.Create(nullptr));
  }
  EXPECT_EQ(journal, std::vector<std::string>{"own destruction step"});
}

class CTestApp : public CWinApp {
 public:
  bool allowed = true;
  std::vector<std::string> steps;
  BOOL InitInstance() override {
    CWinApp::InitInstance();
    steps.push_back("init");
    if (!allowed) return FALSE;
    CDerivedDlg main(kModalTemplate);
    SetMainWindow(&main);
    SetTimer(nullptr, 0, 1, [](HWND, UINT, UINT_PTR id, DWORD) {
      KillTimer(nullptr, id);
      // Ends the program the way the main window does.
      PostQuitMessage(-1);
    });
    steps.push_back(main.DoModal() == -1 ? "modal ended by quit" : "modal ended otherwise");
    SetMainWindow(nullptr);
    return TRUE;
  }
  int ExitInstance() override {
    steps.push_back("exit");
    return CWinApp::ExitInstance();
  }
};

TEST(Framework, ApplicationRunsInitLoopAndExit) {
  CTestApp app;
  EXPECT_EQ(CWinApp::Current(), &app);
  EXPECT_EQ(app.Run(), 0);
  EXPECT_EQ(app.steps, (std::vector<std::string>{"init", "modal ended by quit", "exit"}));

  // A refused start still runs the exit processing.
  CTestApp refused;
  refused.allowed = false;
  EXPECT_EQ(refused.Run(), 0);
  EXPECT_EQ(refused.steps, (std::vector<std::string>{"init", "exit"}));
}

}  // namespace
