#pragma once
// The profile file format done the plain way: one platform call per key.
// Tests hold the store's files against it; the benchmark measures it as the
// baseline.
#include <string>

#include "model/settings_record.h"

void ReferenceWriteProfile(const ProfileRecord& profile, const std::wstring& path);
void ReferenceReadProfile(ProfileRecord& profile, const std::wstring& path);
