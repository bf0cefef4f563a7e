// hm-driver's --field: only numbers the field factory builds are taken.
#include <gtest/gtest.h>

#include "Options.h"

namespace {

TEST(FieldOptionTest, TakesAFieldTheGameBuilds) {
    std::string error;
    const auto options = driver::ParseOptions({"--field", "0"}, error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->field, 0);
    EXPECT_FALSE(driver::ParseOptions({}, error)->field);  // the title by default
}

class BadFieldTest : public testing::TestWithParam<const char*> {};

TEST_P(BadFieldTest, IsAUsageErrorNamingTheField) {
    std::string error;
    EXPECT_FALSE(driver::ParseOptions({"--field", GetParam()}, error));
    EXPECT_NE(error.find(std::string("--field ") + GetParam()), std::string::npos) << error;
    EXPECT_NE(error.find("no field"), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(Numbers, BadFieldTest,
                         testing::Values("24",          // beyond the catalogue
                                         "-1",          // negative
                                         "2147483648",  // past the signed range
                                         "4294967296",  // past the unsigned range
                                         "0x0", "", "one"));

}  // namespace
