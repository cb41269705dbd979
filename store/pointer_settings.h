#pragma once
// The profile's pointer settings in the current user's registry values,
// where Windows keeps them.
#include "model/settings_record.h"

// 1 on success, -1 when a key can neither be opened nor created.
int WritePointerSettings(const ProfileRecord& profile);

// 1 on success, 0 when the mouse key is not available, -1 when the desktop
// key is not. A value that is missing or unreadable leaves its fields as
// they were.
int ReadPointerSettings(ProfileRecord& profile);
