#include "pages/perf/program_version.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace {

std::wstring MajorMinor(DWORD mostSignificant) {
  wchar_t text[16];
  std::swprintf(text, std::size(text), L"%u.%u", HIWORD(mostSignificant), LOWORD(mostSignificant));
  return text;
}

}  // namespace

ProgramVersions ReadProgramVersions() {
  const HMODULE program = GetModuleHandleW(nullptr);
  const HRSRC resource = FindResourceW(program, MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION);
  const HGLOBAL loaded = resource ? LoadResource(program, resource) : nullptr;
  const auto* bytes = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
  if (!bytes) return {};
  // The version functions may write into their block: a copy, not the
  // program's own resource.
  std::vector<BYTE> block(bytes, bytes + SizeofResource(program, resource));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT size = 0;
  if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &size) || size < sizeof *fixed ||
      fixed->dwSignature != VS_FFI_SIGNATURE)
    return {};
  return {MajorMinor(fixed->dwFileVersionMS), MajorMinor(fixed->dwProductVersionMS)};
}
