// Looking up the module's icon resources by name.
#include "platform/res/Resources.h"

#include <gtest/gtest.h>

#include <string>

namespace bindershelf::res {
namespace {

TEST(IconResources, EachNameGivesItsOwnRecordAndOtherNamesNone) {
  for (const char* name : {"DELICON", "SMALLICON"}) {
    const auto* record = static_cast<const TIconResource*>(LoadIconA(name));
    ASSERT_NE(record, nullptr) << name;
    EXPECT_STREQ(record->Name, name);
    EXPECT_GT(record->Size, 22u) << name;
    EXPECT_EQ(LoadIconA(std::string(name).c_str()), record) << "a name is compared, not its address";
  }
  EXPECT_NE(LoadIconA("DELICON"), LoadIconA("SMALLICON"));
  for (const char* unknown : {"delicon", "SMALLICON ", "", "DEL"}) EXPECT_EQ(LoadIconA(unknown), nullptr) << unknown;
  EXPECT_EQ(LoadIconA(nullptr), nullptr);
}

}  // namespace
}  // namespace bindershelf::res
