// Macro elements as the macro file gives them and macro buttons as records
// give them: repair makes an element sound and leaves a sound one alone;
// a macro made from a button is found again for it, and reconciling the
// list with the buttons a second time adds and changes nothing.
#include <algorithm>
#include <cstring>

#include "fuzz_check.h"
#include "macro/macro_buttons.h"
#include "macro/macro_editor.h"
#include "macro/macro_name.h"
#include "model/function_codes.h"
#include "model/text.h"

namespace {

constexpr int kMaxElements = 6;
constexpr int kMaxButtons = 4;

bool ElementIsSound(const tagElement& element) {
  return TextOf(element.name).size() < kMacroNameUnits && element.count >= 0 && element.count <= kMaxEntries;
}

template <typename Record>
void Fill(FuzzedDataProvider& input, Record& record) {
  std::memset(&record, 0, sizeof record);
  const std::string bytes = input.ConsumeRandomLengthString(sizeof record);
  std::memcpy(&record, bytes.data(), bytes.size());
}

bool SameLists(const MacroList& a, const MacroList& b) {
  if (a.Count() != b.Count()) return false;
  for (int i = 0; i < a.Count(); ++i)
    if (!SameBytes(*a.ElementAt(i), *b.ElementAt(i))) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static SettingsRecord settings;
  FuzzedDataProvider input(data, size);
  MacroList list;
  const int elements = input.ConsumeIntegralInRange(0, kMaxElements);
  for (int i = 0; i < elements; ++i) {
    auto element = NewMacro(u"");
    Fill(input, *element);
    const tagElement read = *element;
    RepairElement(*element);
    FUZZ_CHECK(ElementIsSound(*element));
    if (ElementIsSound(read)) FUZZ_CHECK(SameBytes(*element, read));
    list.Append(std::move(element));
  }

  std::memset(&settings, 0, sizeof settings);
  const int buttons = input.ConsumeIntegralInRange(1, kMaxButtons);
  for (int i = 0; i < buttons; ++i) {
    ButtonRecord& button = settings.Profiles[i % kProfileCount].MacroKeyInfo[i];
    Fill(input, button);
    button.FunctionCode = kFnMacro;
    const bool named = !TrimWhiteSpace(TextOf(button.Name).substr(0, kNameMaxChars)).empty();
    MacroList own;
    own.Append(MacroFromButton(button));
    const MacroMatch match = FindMacroForButton(own, button);
    if (!named) continue;
    FUZZ_CHECK(match.found && match.index == 0 && match.same);
    FUZZ_CHECK(FindMacroByName(own, TextOf(button.Name).substr(0, kNameMaxChars)) == 0);
  }

  ReconcileWithButtons(list, settings);
  MacroList before;
  for (int i = 0; i < list.Count(); ++i) before.Append(std::make_unique<tagElement>(*list.ElementAt(i)));
  ReconcileWithButtons(list, settings);
  FUZZ_CHECK(SameLists(list, before));
  for (int i = 0; i < list.Count(); ++i) FUZZ_CHECK(ElementIsSound(*list.ElementAt(i)));
  return 0;
}
