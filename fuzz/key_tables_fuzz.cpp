// Key names and the key tables for every code under any keyboard layout (the
// input decides what the layout's keys are and type, sound or not), and the
// page, name and list lines of every function code for any button.
#include <algorithm>
#include <vector>

#include "fuzz_check.h"
#include "model/function_codes.h"
#include "model/function_lists.h"
#include "model/key_codes.h"
#include "model/key_names.h"
#include "model/text_source.h"
#include "tests/unit/fixed_layouts.h"

namespace {

constexpr std::uint32_t kCodesChecked = 0x200;
constexpr int kLastNamedCode = 44;

// Up to 64 keys at any codes, typing anything: dead keys, two characters,
// counts no layout gives.
FixedLayout AnyLayout(FuzzedDataProvider& input) {
  std::vector<LayoutKey> keys(input.ConsumeIntegralInRange(0, 64));
  for (LayoutKey& key : keys)
    key = {input.ConsumeIntegralInRange<std::uint32_t>(0, kCodesChecked),
           input.ConsumeIntegralInRange<std::uint32_t>(0, 0x7F), input.ConsumeIntegralInRange(-3, 3),
           input.ConsumeIntegral<std::uint16_t>()};
  return FixedLayout(std::move(keys));
}

class NumberTexts : public TextSource {
 public:
  std::u16string Text(int id) const override { return id > 0 ? u"text" : u""; }
};

bool IsTableUsage(std::uint32_t usage) {
  return std::ranges::any_of(KeyCodeTable, [usage](const KeyCodeRow& row) { return row.usage == usage; });
}

void CheckKeys(std::uint32_t code, const KeyboardLayout& layout) {
  const std::u16string name = VkName(code, layout);
  FUZZ_CHECK(name.empty() == (code == 0 || code > 0xFF));
  // One character names a key by what it types: never a control character.
  if (name.size() == 1) FUZZ_CHECK(name[0] > 0x20 && (name[0] < 0x7F || name[0] > 0xA0));
  std::uint32_t usage = 1, vk = 1;
  const bool hasUsage = VkToUsage(code, usage, layout);
  FUZZ_CHECK(hasUsage ? IsTableUsage(usage) : usage == 0);
  const bool hasVk = UsageToVk(code, vk, layout);
  FUZZ_CHECK(hasVk == IsTableUsage(code) && (hasVk || vk == 0));
  const std::uint32_t captured = CapturedKeyUsage(code, (code & 1) != 0, layout);
  FUZZ_CHECK(captured == 0 || IsTableUsage(captured));
  (void)UsageName(code, layout);
}

template <std::size_t N>
void CheckLine(const std::optional<ListLine>& line, const std::array<FunctionGroup, N>& groups) {
  if (!line) return;
  FUZZ_CHECK(line->group >= 0 && line->group < static_cast<int>(N));
  FUZZ_CHECK(line->line >= 0 && line->line < static_cast<int>(groups[line->group].lines.size()));
}

void CheckFunction(int code, int button, const ButtonRecord& record) {
  const FunctionPage page = HomePage(code);
  FUZZ_CHECK(page >= FunctionPage::MouseFunction && page <= FunctionPage::KeyFunction);
  if (code < 0 || code > kLastNamedCode) {
    FUZZ_CHECK(FunctionNameText(code) == 0);
    FUZZ_CHECK(FunctionName(code, NumberTexts()).empty());
  }
  const std::optional<ListLine> mouse = MouseFunctionLine(record, button);
  CheckLine(mouse, kMouseFunctionGroups);
  if (mouse) {
    FUZZ_CHECK(mouse->line < MouseFunctionLines(mouse->group, button));
    FUZZ_CHECK(kMouseFunctionGroups[mouse->group].lines[mouse->line].code == record.FunctionCode);
  }
  CheckLine(KeyFunctionLine(record), kKeyFunctionGroups);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  ButtonRecord record{};
  record.Entries[0][0] = input.ConsumeIntegral<std::uint8_t>();
  record.Entries[0][1] = input.ConsumeIntegral<std::uint8_t>();
  const int button = input.ConsumeIntegralInRange(-1, kButtonCount);
  const std::uint32_t anyCode = input.ConsumeIntegral<std::uint32_t>();
  const FixedLayout layout = AnyLayout(input);
  for (std::uint32_t code = 0; code < kCodesChecked; ++code) CheckKeys(code, layout);
  CheckKeys(anyCode, layout);
  for (int code = 0; code <= 0xFF; ++code) {
    record.FunctionCode = static_cast<std::uint8_t>(code);
    CheckFunction(code, button, record);
  }
  CheckFunction(static_cast<int>(anyCode), button, record);
  return 0;
}
