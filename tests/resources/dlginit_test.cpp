// Dialog-init property texts. The record lists (dlginit_cases.rc) and their application
// to the dialog's controls are controls_test's.
#include <gtest/gtest.h>

#include <string>

#include "mfcctrls/property_tags.h"

namespace {

TEST(PropertyTags, ReadsPairsEmptyValuesIntegersAndRefusesMalformedTexts) {
    auto tags = ParsePropertyTags("<A>1</A><Empty></Empty>\r\n <Url>https://x.example/?q&r</Url>"
                                  "<A>2</A><Neg>-4</Neg><Word>IDB_X</Word><Part>12x</Part>");
    ASSERT_TRUE(tags.has_value());
    ASSERT_EQ(tags->size(), 7u);
    EXPECT_EQ(FindPropertyTag(*tags, "A"), std::optional<std::string>("1")); // first one wins
    EXPECT_EQ(FindPropertyTag(*tags, "Empty"), std::optional<std::string>(""));
    EXPECT_EQ(FindPropertyTag(*tags, "Url"), std::optional<std::string>("https://x.example/?q&r"));
    EXPECT_FALSE(FindPropertyTag(*tags, "a").has_value()); // names are case-sensitive
    EXPECT_EQ(ParsePropertyTags(" ").value_or(PropertyTags{{"x", "y"}}).size(), 0u);
    EXPECT_EQ(FindIntegerPropertyTag(*tags, "Neg"), std::optional<long>(-4));
    for (const char* name : {"Word", "Part", "Empty", "Missing"})
        EXPECT_FALSE(FindIntegerPropertyTag(*tags, name).has_value()) << name;
    for (const char* text : {"loose<A>1</A>", "<A>1</A>loose", "<A>1</B>", "<A>1", "<A>1</A",
                             "<A>1<B>2</B></A>", "<>1</>", "<A", "</A>1</A>"}) {
        EXPECT_FALSE(ParsePropertyTags(text).has_value()) << text;
    }
}

} // namespace
