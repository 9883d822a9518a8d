#include <gtest/gtest.h>

#include "mfcctrls/property_tags.h"

namespace {

TEST(PropertyTags, ReadsPairsEmptyValuesAndMissingTags) {
    auto tags = ParsePropertyTags("<A>1</A><Empty></Empty>\r\n <Url>https://x.example/?q&r</Url>"
                                  "<A>2</A>");
    ASSERT_TRUE(tags.has_value());
    ASSERT_EQ(tags->size(), 4u);
    EXPECT_EQ(FindPropertyTag(*tags, "A"), std::optional<std::string>("1")); // first one wins
    EXPECT_EQ(FindPropertyTag(*tags, "Empty"), std::optional<std::string>(""));
    EXPECT_EQ(FindPropertyTag(*tags, "Url"), std::optional<std::string>("https://x.example/?q&r"));
    EXPECT_FALSE(FindPropertyTag(*tags, "B").has_value());
    EXPECT_FALSE(FindPropertyTag(*tags, "a").has_value()); // names are case-sensitive
    EXPECT_EQ(ParsePropertyTags(" ").value_or(PropertyTags{{"x", "y"}}).size(), 0u);
}

TEST(PropertyTags, RejectsMalformedTexts) {
    for (const char* text : {"loose<A>1</A>", "<A>1</A>loose", "<A>1</B>", "<A>1", "<A>1</A",
                             "<A>1<B>2</B></A>", "<>1</>", "<A", "</A>1</A>"}) {
        EXPECT_FALSE(ParsePropertyTags(text).has_value()) << text;
    }
}

TEST(PropertyTags, IntegerValues) {
    auto tags = ParsePropertyTags("<Id>129</Id><Neg>-4</Neg><Word>IDB_X</Word><Part>12x</Part>"
                                  "<None></None>");
    ASSERT_TRUE(tags.has_value());
    EXPECT_EQ(FindIntegerPropertyTag(*tags, "Id"), std::optional<long>(129));
    EXPECT_EQ(FindIntegerPropertyTag(*tags, "Neg"), std::optional<long>(-4));
    for (const char* name : {"Word", "Part", "None", "Missing"})
        EXPECT_FALSE(FindIntegerPropertyTag(*tags, name).has_value()) << name;
}

} // namespace
