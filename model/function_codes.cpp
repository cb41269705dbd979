#include "function_codes.h"

#include "text_source.h"

namespace {

struct CodeInfo {
  FunctionPage homePage;
  int nameText;  // 0: no name text of its own
};

constexpr FunctionPage M = FunctionPage::MouseFunction;
constexpr FunctionPage K = FunctionPage::KeyFunction;

// Indexed by function code 0-44.
constexpr std::array<CodeInfo, kFnLastNamed + 1> kCodes = {{
    {K, 1209},                     // 0 no function (factory)
    {M, 1203}, {M, 1204}, {M, 1205}, {M, 1208},
    {FunctionPage::ShortcutCapture, 0},     // 5 key combination
    {K, 1209},                     // 6 no function (chosen)
    {M, 1206}, {M, 1207},          // 7, 8
    {M, 1212}, {M, 1213}, {M, 1214}, {M, 1215},  // 9-12
    {M, 1221}, {M, 1222}, {M, 1223},             // 13-15
    {FunctionPage::MacroManager, 0},      // 16 macro
    {K, 0},                        // 17 program launch
    {M, 1217}, {M, 1218}, {M, 1219},             // 18-20
    {M, 1210}, {M, 1226},          // 21, 22
    {K, 1227},                     // 23
    {M, 1225},                     // 24
    {K, 1332}, {K, 1333}, {K, 1334}, {K, 1335}, {K, 1336},  // 25-29
    {K, 1337}, {K, 1338}, {K, 1339},             // 30-32
    {K, 1330}, {K, 1328}, {K, 1327}, {K, 1324},  // 33-36
    {K, 1323}, {K, 1325}, {K, 1329}, {K, 1326},  // 37-40
    {K, 1322}, {K, 1321}, {K, 1228}, {K, 1229},  // 41-44
}};

}  // namespace

FunctionPage HomePage(int code) {
  if (code < 0 || code > kFnLastNamed) return FunctionPage::KeyFunction;
  return kCodes[static_cast<std::size_t>(code)].homePage;
}

int FunctionNameText(int code) {
  if (code < 0 || code > kFnLastNamed) return 0;
  return kCodes[static_cast<std::size_t>(code)].nameText;
}

std::u16string FunctionName(int code, const TextSource& texts) {
  const int id = FunctionNameText(code);
  return id ? texts.Text(id) : std::u16string();
}
