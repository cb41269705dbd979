// The program's entry: the process-wide objects, then the application.
#include <windows.h>

#include "app/messages.h"
#include "app/option_app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // Registered before any window exists, so every edit box shares one number.
  BitmapEditKillFocusMessage();
  COptionApp app;
  return app.Run();
}
