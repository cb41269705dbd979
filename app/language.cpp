#include "language.h"

#include <array>

#include "framework/exe_folder.h"
#include "framework/wide.h"
#include "lang/string_ids.h"

namespace {

struct Language {
  const wchar_t* code;
  const wchar_t* library;
};

// Indexed by language index; the first row also stands for unknown indices.
constexpr std::array<Language, 5> kLanguages = {{
    {L"EN", L"Lang_EN.dll"},
    {L"DE", L"Lang_Ge.dll"},
    {L"FR", L"Lang_Fr.dll"},
    {L"IT", L"Lang_It.dll"},
    {L"ES", L"Lang_Sp.dll"},
}};

const Language& LanguageOf(int index) {
  const bool known = index >= 0 && index < static_cast<int>(kLanguages.size());
  return kLanguages[known ? static_cast<std::size_t>(index) : 0];
}

constexpr wchar_t kDefaultLibrary[] = L"Lang.dll";
constexpr wchar_t kLanguageFolder[] = L"Lang\\";

LanguageLibrary& ProcessLibrary() {
  static LanguageLibrary library;
  return library;
}

}  // namespace

const wchar_t* LanguageCode(int index) { return LanguageOf(index).code; }

const wchar_t* LanguageLibraryName(int index) { return LanguageOf(index).library; }

bool LanguageLibrary::Replace(const std::wstring& path) {
  const HMODULE loaded = LoadLibraryW(path.c_str());
  if (!loaded) return false;
  // Loading the library already held only raised its count: free one either way.
  Unload();
  module_ = loaded;
  return true;
}

bool LanguageLibrary::Select(const std::wstring& folder, int index) {
  return Replace(folder + kLanguageFolder + LanguageLibraryName(index)) ||
         Replace(folder + kDefaultLibrary);
}

void LanguageLibrary::Unload() {
  if (module_) FreeLibrary(module_);
  module_ = nullptr;
}

std::wstring LanguageLibrary::Text(int id) const {
  if (std::wstring text = TextOf(module_, id); !text.empty()) return text;
  return TextOf(GetModuleHandleW(nullptr), id);
}

std::wstring LanguageLibrary::TextOf(HMODULE module, int id) {
  // A null module would make LoadStringW read the program's own resources.
  if (!module) return {};
  wchar_t text[kMaxTextLength + 1];
  const int length = LoadStringW(module, static_cast<UINT>(id), text, static_cast<int>(std::size(text)));
  return length > 0 ? std::wstring(text, static_cast<std::size_t>(length)) : std::wstring();
}

// The library the first language selection takes, so the captions made at
// creation and the texts painted after it come from one library.
void LoadLanguageModule() { ProcessLibrary().Select(ExeFolder(), 0); }

const wchar_t* SelectLanguage(int index) {
  ProcessLibrary().Select(ExeFolder(), index);
  return LanguageCode(index);
}

void UnloadLanguageModule() { ProcessLibrary().Unload(); }

std::wstring LanguageText(int id) { return ProcessLibrary().Text(id); }

void PaintLanguageTexts(HDC dc, std::span<const PaintedText> texts) {
  SetBkMode(dc, TRANSPARENT);
  for (const PaintedText& text : texts) {
    const std::wstring words = LanguageText(text.id);
    SetTextColor(dc, text.colour);
    TextOutW(dc, text.at.x, text.at.y, words.c_str(), static_cast<int>(words.size()));
  }
}

std::u16string LibraryTexts::Text(int id) const { return std::u16string(Utf16(library_.Text(id))); }

const TextSource& LanguageTexts() {
  static const LibraryTexts texts(ProcessLibrary());
  return texts;
}
