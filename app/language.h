#pragma once
// The language library: a resource-only DLL of string tables. The main
// window loads it when it is created and frees it when it is destroyed;
// every window fetches its texts from it by number. The program carries the
// English texts in its own resources: they stand in for a missing library
// and for any text a library lacks, so every window always reads.
#include <windows.h>

#include <span>
#include <string>

#include "model/text_source.h"

// Two-letter code of a language index: EN, DE, FR, IT, ES; "EN" for any
// index without a language of its own.
const wchar_t* LanguageCode(int index);

// File name, under the Lang folder, of the library of a language index.
const wchar_t* LanguageLibraryName(int index);

// One loaded language library, freed when replaced or destroyed. Folders end
// with a backslash.
class LanguageLibrary {
 public:
  LanguageLibrary() = default;
  ~LanguageLibrary() { Unload(); }
  LanguageLibrary(const LanguageLibrary&) = delete;
  LanguageLibrary& operator=(const LanguageLibrary&) = delete;

  // Loads folder\Lang\<library of the index>, or folder\Lang.dll when that
  // one is missing. The library held so far stays when neither loads.
  bool Select(const std::wstring& folder, int index);
  void Unload();

  bool Loaded() const { return module_ != nullptr; }
  // The text with this ID, at most kMaxTextLength units: the library's, or
  // the program's own English one; empty when neither has the ID.
  std::wstring Text(int id) const;

 private:
  bool Replace(const std::wstring& path);
  static std::wstring TextOf(HMODULE module, int id);

  HMODULE module_ = nullptr;
};

// The process-wide library, from the executable's folder: the one the
// first language, index 0, selects.
void LoadLanguageModule();
// Switches to the language of the index and returns its code, which the
// main window shows; the texts come from the new library from now on.
const wchar_t* SelectLanguage(int index);
void UnloadLanguageModule();
std::wstring LanguageText(int id);

// A text of the library painted at a fixed place of a window's picture.
struct PaintedText {
  int id;
  POINT at;
  COLORREF colour;
};
// Paints the texts, each in its colour, in the font selected into `dc`.
void PaintLanguageTexts(HDC dc, std::span<const PaintedText> texts);

// A library as the portable core's text source.
class LibraryTexts final : public TextSource {
 public:
  explicit LibraryTexts(const LanguageLibrary& library) : library_(library) {}
  std::u16string Text(int id) const override;

 private:
  const LanguageLibrary& library_;
};

// The process-wide library as a text source.
const TextSource& LanguageTexts();
