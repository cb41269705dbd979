#pragma once
// The main window: a borderless skinned dialog that hosts every page, owns
// the frame's thirty buttons and its painted labels, and keeps the two
// settings copies in step with the monitor through the settings cycle.
#include <windows.h>

#include <array>
#include <vector>

#include "app/dlg_prog_sel.h"
#include "app/dlg_rename.h"
#include "app/dlg_start.h"
#include "app/frame_buttons.h"
#include "framework/dialog.h"
#include "link/monitor_link.h"
#include "link/settings_cycle.h"
#include "skin/bitmap_btn.h"
#include "skin/page_image_set.h"

class COptionDlg : public CDialog, public CycleWindow {
 public:
  // `names` chooses the monitor the window talks to; the program always
  // uses the standard one.
  explicit COptionDlg(MonitorNames names = MonitorNames::Standard());
  ~COptionDlg();

  // Starts decoding the pictures of the window and its start page, so they
  // decode while the window system starts.
  static void DecodePicturesAhead();

  // CycleWindow: an apply holds the capture and the wait cursor.
  void BeginBusy() override;
  void EndBusy() override;
  void ReportNoAnswer() override;
  void InvalidateReloadArea() override;
  void RefreshAll() override;

  void UpdateProfileBar();
  void UpdateLightEffectChoice();
  void UpdateColorChoice();
  // Every caption fetched again from the language library.
  void ReloadCaptions();

  CBitmapBtn& Button(FrameButton which) { return buttons_[which]; }
  // The dialogs of the program and rename buttons, for a look while they run.
  CDlgProgSel& ProgramDialog() { return programDialog_; }
  CDlgRename& RenameDialog() { return renameDialog_; }
  CDlgStart& StartPage() { return startPage_; }
  const SettingsCycle& Cycle() const { return cycle_; }
  bool Busy() const { return cycle_.Busy(); }
  // Whether the skin could not give a usable window: the user was told and
  // the window was not made.
  bool SkinUnusable() const { return skinUnusable_; }

  BOOL PreTranslateMessage(MSG* msg) override;

  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages();

 private:
  LRESULT OnCreate(WPARAM wParam, LPARAM lParam);
  LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam);
  LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
  LRESULT OnEraseBkgnd(WPARAM wParam, LPARAM lParam);
  LRESULT OnQueryDragIcon(WPARAM wParam, LPARAM lParam);
  LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
  LRESULT OnClose(WPARAM wParam, LPARAM lParam);
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);
  LRESULT OnButtonClicked(WPARAM wParam, LPARAM lParam);
  LRESULT OnMonitorReload(WPARAM wParam, LPARAM lParam);
  LRESULT OnMonitorSettingsChanged(WPARAM wParam, LPARAM lParam);
  LRESULT OnMonitorApplyDone(WPARAM wParam, LPARAM lParam);
  LRESULT OnMonitorSensorChanged(WPARAM wParam, LPARAM lParam);

  // Click actions, one per button role.
  void Minimise(int);
  void EndProgram(int);
  void Ok(int);
  void ApplyClicked(int);
  void PreviousProfile(int);
  void NextProfile(int);
  void ChooseProgram(int);
  void Rename(int);
  void ImportProfile(int);
  void ExportProfile(int);
  void ChooseLight(int button);
  void ChooseColour(int button);
  void ShowSettings(int);
  void NoAction(int) {}
  using ClickAction = void (COptionDlg::*)(int);
  static const ClickAction kClickActions[kFrameButtonCount];

  void CreatePages();
  // The thirty buttons without their images; returns their layout.
  std::vector<SkinButtonInfo> CreateButtons();
  // Tells the user when the skin gives no background or none of the
  // buttons; true when it does.
  bool ReportUnusableSkin(const std::vector<SkinButtonInfo>& layout) const;
  void SetCaptionNow(FrameButton which, std::wstring_view text);
  void SelectLanguage(int index);
  void PaintLabels(HDC dc) const;

  MonitorLink link_;
  SettingsCycle cycle_;
  PageImageSet images_;
  std::array<CBitmapBtn, kFrameButtonCount> buttons_;
  // The pages, in the order they are created.
  CDlgStart startPage_;
  // Kept ready; each run builds its window afresh.
  CDlgProgSel programDialog_;
  CDlgRename renameDialog_;
  HICON icon_ = nullptr;
  bool skinUnusable_ = false;
};
