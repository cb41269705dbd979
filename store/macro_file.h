#pragma once
// The macro list on disk: "sequence.dat" in the data folder, an ini file whose
// section "Macros" holds "number" and one struct value per macro, keyed by
// its position in the list.
#include <string>

#include "macro/macro_list.h"

std::wstring MacroFilePath();

// Writes the list in list order. The file is replaced whole: a save that
// fails or is cut short leaves the previous file as it was, and says false.
bool SaveMacros(const MacroList& list, const std::wstring& file);
bool SaveMacros(const MacroList& list);

// A file without macros empties the list; a list that already holds macros
// is left alone. Entries that are missing or damaged are skipped, and every
// element read is repaired before it joins the list.
void LoadMacros(MacroList& list, const std::wstring& file);
void LoadMacros(MacroList& list);
