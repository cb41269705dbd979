#pragma once
// The macro manager page: the macro list on the left, the selected macro's
// events and pauses on the right. Macros are named in place, recorded from
// the keyboard through the capture hook and edited line by line from a
// context menu; every change of the selected macro is written back into
// the macro list and assigned to the selected mouse button (the main
// window's WM_ASSIGN_FUNCTION action 5 with the macro's index).
#include <windows.h>

#include <string_view>

#include "framework/gdi.h"
#include "framework/handles.h"
#include "macro/list_box_ex.h"
#include "macro/macro_editor.h"
#include "macro/system_keyboard_layout.h"
#include "skin/bitmap_btn.h"
#include "skin/bmp_edit.h"
#include "skin/skinned_page.h"

class CMacroManager : public CSkinnedPage {
 public:
  explicit CMacroManager(UINT templateId);

  static const PageImageNames kPictures;
  static constexpr UINT kMacroListId = 0x1000;
  static constexpr UINT kEventListId = 0x1001;
  static constexpr UINT kRepeatBoxId = 0xFAA;

  void RefreshTexts() override;
  // A refresh ends a recording only in another profile.
  void ShowActiveProfile() override;
  void ShowButtonRecord(int button, const ButtonRecord& record) override;
  // The user leaves the page: the recording ends and is assigned.
  void EndCapture() override;

  // The macro list's names again, the first selected.
  void FillMacroList();
  // The macro of that name selected (none for an empty name).
  void SelectMacroByName(std::u16string_view name);
  // A command of the event list's context menu.
  void RunMenuCommand(int command);

  bool Recording() const { return recording_; }
  int CurrentMacro() const { return currentMacro_; }

  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages();

 private:
  // How a change reaches the button: posted, as every page's choice; sent
  // when the recording ends because the user leaves the page or the page
  // is refreshed, so it lands before the selection changes; not at all
  // when the record shown is no longer the one recorded for.
  enum class Assign { Posted, Sent, Not };
  struct ButtonRow;
  static const ButtonRow kButtons[];
  struct ContextMenu;

  void CreateControls() override;
  // Each control by the label or title painted beside it.
  void NameControls();
  void PaintContent(HDC dc) override;
  void DestroyContent() override;

  bool OnInitDialog();
  void OnMacroSelected();
  void OnListItemEdited(int line, int list);
  void OnListRightButton(int list);
  void OnEventListMenu(POINT at);
  void OnHookKey(UINT vk, UINT flags);
  void OnRepeatBox(bool lostFocus);
  void OnMenuMeasure(MEASUREITEMSTRUCT& item);
  void OnMenuDraw(const DRAWITEMSTRUCT& item);

  void OnNewMacro();
  void OnDeleteMacro();
  void OnRecord();
  void OnRecordDelays();
  void OnRepeatToggle();
  void OnDeleteEvent();
  void OnMacroNamed(int line);
  void OnPauseEdited(int line);
  void ShowContextMenu(POINT at);

  tagElement* CurrentElement() const;
  void ShowMacro(int index);
  void RebuildEventList();
  void SaveAndAssign(Assign how = Assign::Posted);
  void StoreRepeat();
  void PostAssignment(Assign how = Assign::Posted);
  // False, the user told, when the capture could not start.
  bool StartRecording(int insertPosition);
  void StopRecording(Assign how);
  // Another profile shown (a switch, a notification that changed it): a
  // recording ends, kept in the macro but given to no button of the new
  // profile. Any other refresh leaves it running.
  void EndRecordingInAnotherProfile();
  void SetRecordCaption();
  void KeepCurrentWithinList();
  // The selected event line: its index (-1 for none), k and whether it is
  // a pause line.
  struct Selection {
    int line;
    int k;
    bool pause;
  };
  Selection SelectedEventLine() const;

  CBitmapBtn newButton_;
  CBitmapBtn deleteButton_;
  CBitmapBtn delaysToggle_;
  CBitmapBtn repeatToggle_;
  CBitmapBtn recordButton_;
  CBitmapBtn deleteEventButton_;
  // The lists' frames draw with it: it goes after them.
  GdiBitmap scrollSkin_;
  CListBoxEx macroList_;
  CListBoxEx eventList_;
  CBmpEdit repeatBox_;
  SystemKeyboardLayout layout_;

  MacroEditor editor_;
  int currentMacro_ = -1;
  int editedEvent_ = -1;
  bool recording_ = false;
  int recordingProfile_ = -1;
  // The context menu while it is shown.
  ContextMenu* menu_ = nullptr;
};
