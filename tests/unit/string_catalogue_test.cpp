#include <gtest/gtest.h>

#include <vector>

#include "lang/string_ids.h"
#include "model/function_codes.h"

namespace {

// The core names texts by number; each must be one the libraries carry.
TEST(StringCatalogue, HoldsEveryTextTheCoreNames) {
  std::vector<int> missing;
  for (int code = 0; code <= 255; ++code) {
    const int id = FunctionNameText(code);
    if (id != 0 && !IsCataloguedText(id)) missing.push_back(code);
  }
  EXPECT_TRUE(missing.empty()) << "function codes " << testing::PrintToString(missing);
  for (const int id : ButtonLabelText) EXPECT_TRUE(IsCataloguedText(id)) << id;
}

}  // namespace
