#include <gtest/gtest.h>

#include "mfcctrls/property_tags.h"

namespace {

TEST(PropertyTags, ReadsPairsInOrderWithEmptyValues) {
    auto tags =
        ParsePropertyTags("<A>1</A><Empty></Empty>\r\n <Url>https://x.example/?q=1&r</Url>");
    ASSERT_TRUE(tags.has_value());
    ASSERT_EQ(tags->size(), 3u);
    EXPECT_EQ((*tags)[0].name, "A");
    EXPECT_EQ((*tags)[0].value, "1");
    EXPECT_EQ(FindPropertyTag(*tags, "Empty"), std::optional<std::string>(""));
    EXPECT_EQ(FindPropertyTag(*tags, "Url"),
              std::optional<std::string>("https://x.example/?q=1&r"));
}

TEST(PropertyTags, EmptyTextHasNoPairs) {
    auto tags = ParsePropertyTags("  ");
    ASSERT_TRUE(tags.has_value());
    EXPECT_TRUE(tags->empty());
}

TEST(PropertyTags, MissingTagIsAbsentNotEmpty) {
    auto tags = ParsePropertyTags("<A>1</A>");
    ASSERT_TRUE(tags.has_value());
    EXPECT_FALSE(FindPropertyTag(*tags, "B").has_value());
    EXPECT_FALSE(FindPropertyTag(*tags, "a").has_value()); // names are case-sensitive
}

TEST(PropertyTags, FirstOfRepeatedNamesWins) {
    auto tags = ParsePropertyTags("<A>1</A><A>2</A>");
    ASSERT_TRUE(tags.has_value());
    EXPECT_EQ(FindPropertyTag(*tags, "A"), std::optional<std::string>("1"));
}

TEST(PropertyTags, RejectsMalformedTexts) {
    for (const char* text : {
             "loose<A>1</A>",    // text before a pair
             "<A>1</A>loose",    // text after a pair
             "<A>1</B>",         // mismatched closing tag
             "<A>1",             // unclosed value
             "<A>1</A",          // unterminated closing tag
             "<A>1<B>2</B></A>", // nesting
             "<>1</>",           // empty name
             "<A",               // unterminated opening tag
             "</A>1</A>",        // closing tag first
         }) {
        EXPECT_FALSE(ParsePropertyTags(text).has_value()) << text;
    }
}

TEST(PropertyTags, IntegerValues) {
    auto tags = ParsePropertyTags("<Id>129</Id><Neg>-4</Neg><Word>IDB_X</Word><Part>12x</Part>"
                                  "<None></None>");
    ASSERT_TRUE(tags.has_value());
    EXPECT_EQ(FindIntegerPropertyTag(*tags, "Id"), std::optional<long>(129));
    EXPECT_EQ(FindIntegerPropertyTag(*tags, "Neg"), std::optional<long>(-4));
    EXPECT_FALSE(FindIntegerPropertyTag(*tags, "Word").has_value());
    EXPECT_FALSE(FindIntegerPropertyTag(*tags, "Part").has_value());
    EXPECT_FALSE(FindIntegerPropertyTag(*tags, "None").has_value());
    EXPECT_FALSE(FindIntegerPropertyTag(*tags, "Missing").has_value());
}

} // namespace
