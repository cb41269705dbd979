#pragma once
// The main window: a borderless skinned dialog that hosts every page, owns
// the frame's thirty buttons and its painted labels, and keeps the two
// settings copies in step with the monitor through the settings cycle.
#include <windows.h>

#include <optional>
#include <vector>

#include "app/assignment_dispatch.h"
#include "app/main_frame.h"
#include "app/main_window.h"
#include "app/page_host.h"
#include "app/profile_commands.h"
#include "framework/handles.h"
#include "link/monitor_link.h"
#include "link/settings_cycle.h"
#include "skin/button_plans.h"
#include "skin/skinned_window.h"

// When the skinned buttons of the frame and of the pages shown at start
// get their windows: the program's window paints first, from their plans.
enum class ControlsMade { BeforeFirstPaint, AfterFirstPaint };

class COptionDlg : public CSkinnedWindow, public CycleWindow, public MainWindow {
 public:
  // `names` chooses the monitor the window talks to; the program always
  // uses the standard one.
  explicit COptionDlg(MonitorNames names = MonitorNames::Standard(),
                      ControlsMade made = ControlsMade::BeforeFirstPaint);

  // Starts decoding the pictures the start shows, so they decode while the
  // window system starts.
  static void DecodePicturesAhead();
  // Starts decoding the pictures of the pages made later, so a page shows
  // at once the first time.
  static void DecodeLaterPictures();

  // CycleWindow: an apply holds the capture and the wait cursor.
  void BeginBusy() override;
  void EndBusy() override;
  void ReportNoAnswer() override;
  void InvalidateReloadArea() override;
  void RefreshAll() override;

  // MainWindow: what the window's parts ask of it.
  HWND Window() const override { return Hwnd(); }
  MainFrame& Frame() override { return frame_; }
  ProfileCommands& Profiles() override { return profiles_; }
  void SelectLanguage(int index) override;
  void ReloadCaptions() override;
  bool ApplyAndTell(WPARAM kind) override;
  void Minimise() override;
  void EndProgram() override;
  void Ok() override;
  void Apply() override;
  void ShowSettings() override;

  PageHost& Pages() { return pages_; }
  bool Busy() const { return cycle_.Busy(); }
  // Whether the skin could not give a usable window: the user was told and
  // the window was not made.
  bool SkinUnusable() const { return skinUnusable_; }

  PreTranslation PreTranslateMessage(MSG* msg) override;

  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages();

 private:
  bool OnCreate(const CREATESTRUCTW& create);
  bool OnInitDialog();
  HICON OnQueryDragIcon();
  bool OnSetCursor();
  void OnClose();
  void OnTimer(UINT_PTR timer);
  void OnMakeControls();
  // A monitor notification, handed to the settings cycle's handler.
  template <void (SettingsCycle::*Handler)()>
  void OnMonitor() {
    (cycle_.*Handler)();
  }
  // A page's message or a request from outside, when a system loop (a file
  // dialog's, a window drag's) dispatches it straight to the window; else
  // pre-translation takes it. The dispatch reads the parameters itself.
  template <UINT Message>
  LRESULT OnPageMessage(WPARAM wParam, LPARAM lParam) {
    dispatch_.Handle(Message, wParam, lParam);
    return 0;
  }

  void PaintContent(HDC dc) override;
  void Painted() override;
  // In the middle of the screen.
  std::optional<POINT> PlaceFor(SIZE size) const override;
  // The planned controls' windows, at once (input that was queued before
  // them is handed to them in PreTranslateMessage).
  void MakeControls();
  // Once every control has its window: the focus, and the pages ahead.
  void ControlsReady();
  void DestroyContent() override;
  // Tells the user when the skin gives no background or none of the
  // buttons; true when it does.
  bool ReportUnusableSkin(const std::vector<SkinButtonInfo>& layout) const;

  MonitorLink link_;
  SettingsCycle cycle_;
  MainFrame frame_;
  ProfileCommands profiles_;
  PageHost pages_;
  AssignmentDispatch dispatch_;
  ControlsMade controlsMade_;
  ButtonPlans plans_;
  // When the planned controls got their windows (message time).
  std::optional<DWORD> controlsMadeAt_;
  HICON icon_ = nullptr;
  bool skinUnusable_ = false;
  // Readies the pages hidden at start once the window shows.
  WindowTimer pagesAhead_;
};
