// The profile dialogs and the program chooser run modally from the main
// window's buttons; each is driven from inside its own modal loop.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <filesystem>
#include <string>

#include "app/dlg_restore.h"
#include "app/option_dlg.h"
#include "framework/exe_folder.h"
#include "framework/wide.h"
#include "main_window/frame_keys.h"
#include "modal_driver.h"
#include "model/settings.h"
#include "model/text.h"
#include "registry_sandbox.h"
#include "resource.h"

namespace {

namespace fs = std::filesystem;

void Type(HWND dialog, int edit, const std::wstring& text) { SetDlgItemTextW(dialog, edit, text.c_str()); }

// A key as the dialog's loop meets it: posted to the focused edit box.
void PressKey(HWND dialog, int edit, WPARAM key) {
  PostMessageW(GetDlgItem(dialog, edit), WM_KEYDOWN, key, 1);
}

void ClickButton(CBitmapBtn& button) {
  SendMessageW(GetParent(button.Hwnd()), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
               reinterpret_cast<LPARAM>(button.Hwnd()));
}

class DialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::error_code ignored;
    fs::remove(fs::path(ExeFolder()) / L"config.ini", ignored);
    fs::remove_all(fs::path(ExeFolder()) / L"config", ignored);
    ASSERT_TRUE(window.Create(nullptr));
  }

  // Clicks frame button `which` and, while its dialog runs, does `step`.
  void RunDialog(FrameKey which, const std::function<void(HWND)>& step) {
    ModalDriver driver([&] { return IsWindowVisible(OwnedDialog(window.Hwnd())); },
                       [&] { step(OwnedDialog(window.Hwnd())); });
    ClickButton(FrameButtonAt(window.Hwnd(), which));
  }

  ProfileRecord& Active() { return *ActiveProfile(WorkingSettings); }
  std::wstring Name() { return std::wstring(Wide(TextOf(Active().ProFileName))); }

  RegistrySandbox registry;
  Window<COptionDlg> window;
};

TEST_F(DialogsTest, RenameStoresTheNameAsTypedCutTo249) {
  struct Row {
    std::wstring typed;
    bool byEnter;
    std::wstring stored;
  };
  const std::wstring longest(249, L'n');
  const Row rows[] = {
      {L"100% %s %d", true, L"100% %s %d"},
      {longest, false, longest},
      {longest + L"overflow", true, longest},
      {L"", false, L""},
  };
  for (const Row& row : rows) {
    RunDialog(frame::kRename, [&](HWND dialog) {
      Type(dialog, IDC_PROFILE_NAME, row.typed);
      if (row.byEnter) {
        PressKey(dialog, IDC_PROFILE_NAME, VK_RETURN);
      } else {
        ClickButton(ControlAt<CBitmapBtn>(dialog, L"Restore.ini", 1));
      }
    });
    EXPECT_EQ(Name(), row.stored);
    EXPECT_EQ(FrameButtonAt(window.Hwnd(), frame::kProfileBar).Caption, row.stored + L" 1/5");
  }
}

TEST_F(DialogsTest, RenameOpensWithTheNameAndCancelKeepsIt) {
  SetText(Active().ProFileName, u"Shooter");
  window.Frame().UpdateProfileBar();
  for (int way = 0; way < 3; ++way) {
    std::wstring shown;
    RunDialog(frame::kRename, [&](HWND dialog) {
      wchar_t text[300];
      GetDlgItemTextW(dialog, IDC_PROFILE_NAME, text, 300);
      shown = text;
      Type(dialog, IDC_PROFILE_NAME, L"Changed");
      if (way == 0) PressKey(dialog, IDC_PROFILE_NAME, VK_ESCAPE);
      if (way == 1) ClickButton(ControlAt<CBitmapBtn>(dialog, L"Restore.ini", 2));
      if (way == 2) ClickButton(ControlAt<CBitmapBtn>(dialog, L"Restore.ini", 3));
    });
    EXPECT_EQ(shown, L"Shooter");
    EXPECT_EQ(Name(), L"Shooter") << way;
    EXPECT_EQ(FrameButtonAt(window.Hwnd(), frame::kProfileBar).Caption, L"Shooter 1/5");
  }
}

TEST_F(DialogsTest, ProgramChooserReturnsTheEditedPathOnlyOnConfirm) {
  SetText(Active().GameFile, u"C:\\Games\\old.exe");
  RunDialog(frame::kProgram, [&](HWND dialog) {
    Type(dialog, IDC_PROGRAM_PATH, L"C:\\Games\\closed.exe");
    ClickButton(ControlAt<CBitmapBtn>(dialog, L"ProgSel.ini", 1));  // close
  });
  EXPECT_EQ(std::wstring(Wide(TextOf(Active().GameFile))), L"C:\\Games\\old.exe");
  RunDialog(frame::kProgram, [&](HWND dialog) {
    Type(dialog, IDC_PROGRAM_PATH, L"D:\\Tools\\new tool.exe");
    PressKey(dialog, IDC_PROGRAM_PATH, VK_RETURN);
  });
  EXPECT_EQ(std::wstring(Wide(TextOf(Active().GameFile))), L"D:\\Tools\\new tool.exe");
  const std::wstring longest(kGameFileMaxChars + 20, L'p');
  RunDialog(frame::kProgram, [&](HWND dialog) {
    Type(dialog, IDC_PROGRAM_PATH, longest);
    ClickButton(ControlAt<CBitmapBtn>(dialog, L"ProgSel.ini", 3));  // confirm
  });
  EXPECT_EQ(TextOf(Active().GameFile).size(), static_cast<std::size_t>(kGameFileMaxChars));

  // Browse then Cancel keeps the path typed; a key-up ends nothing; Escape
  // ends without a change.
  std::wstring afterBrowse;
  RunDialog(frame::kProgram, [&](HWND dialog) {
    Type(dialog, IDC_PROGRAM_PATH, L"E:\\typed.exe");
    {
      ModalDriver open([&] { return OwnedDialog(dialog) != nullptr; },
                       [&] { PostMessageW(OwnedDialog(dialog), WM_COMMAND, IDCANCEL, 0); });
      ClickButton(ControlAt<CBitmapBtn>(dialog, L"ProgSel.ini", 2));
    }
    wchar_t text[MAX_PATH] = {};
    GetDlgItemTextW(dialog, IDC_PROGRAM_PATH, text, MAX_PATH);
    afterBrowse = text;
    PostMessageW(GetDlgItem(dialog, IDC_PROGRAM_PATH), WM_KEYUP, VK_RETURN, 0xC0000001);
    PressKey(dialog, IDC_PROGRAM_PATH, VK_ESCAPE);
  });
  EXPECT_EQ(afterBrowse, L"E:\\typed.exe");
  EXPECT_EQ(TextOf(Active().GameFile).size(), static_cast<std::size_t>(kGameFileMaxChars));
}

TEST_F(DialogsTest, RestoreAnswersOkOnlyForItsFirstButtonOrEnter) {
  struct Row {
    int button;  // -1: a key instead
    WPARAM key;
    INT_PTR result;
  };
  const Row rows[] = {{0, 0, IDOK}, {1, 0, IDCANCEL}, {2, 0, IDCANCEL}, {-1, VK_RETURN, IDOK}, {-1, VK_ESCAPE, IDCANCEL}};
  for (const Row& row : rows) {
    CDlgRestore restore;
    ModalDriver driver([&] { return restore.Hwnd() && IsWindowVisible(restore.Hwnd()); }, [&] {
      if (row.button >= 0) {
        ClickButton(ControlAt<CBitmapBtn>(restore.Hwnd(), L"Restore.ini", row.button + 1));
      } else {
        PostMessageW(restore.Hwnd(), WM_KEYDOWN, row.key, 1);
      }
    });
    EXPECT_EQ(restore.DoModal(window.Hwnd()), row.result) << row.button << " " << row.key;
  }
  // By the keyboard: Tab goes Close, OK, Cancel (reading order) and round;
  // Space presses the button Tab reached.
  const struct {
    int tabs;
    bool back;
    INT_PTR result;
  } keyRows[] = {{2, false, IDOK}, {1, true, IDCANCEL}, {5, false, IDOK}};
  for (const auto& row : keyRows) {
    CDlgRestore restore;
    ModalDriver driver([&] { return restore.Hwnd() && IsWindowVisible(restore.Hwnd()); }, [&] {
      SetFocus(nullptr);
      std::array<BYTE, 256> keys{};
      keys[VK_SHIFT] = row.back ? 0x80 : 0;
      SetKeyboardState(keys.data());
      for (int tab = 0; tab < row.tabs; ++tab) {
        MSG press{restore.Hwnd(), WM_KEYDOWN, VK_TAB, 1, 0, {}};
        EXPECT_EQ(restore.PreTranslateMessage(&press), PreTranslation::Consumed);
      }
      keys[VK_SHIFT] = 0;
      SetKeyboardState(keys.data());
      PostMessageW(GetFocus(), WM_KEYDOWN, VK_SPACE, 1);
      PostMessageW(GetFocus(), WM_KEYUP, VK_SPACE, 0xC0000001);
    });
    EXPECT_EQ(restore.DoModal(window.Hwnd()), row.result) << row.tabs << " " << row.back;
  }
}

}  // namespace
