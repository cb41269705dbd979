#pragma once
// The system's file dialogs of the profile commands: which ".gmp" file to
// export to or import from.
#include <string>

enum class ProfileFileDialog { Save, Open };

// The chosen full path; empty when the user cancelled.
std::wstring AskProfileFile(ProfileFileDialog kind);
