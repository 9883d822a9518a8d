// Dialog-init data: property texts and the record list. Their application to the
// dialog's controls is controls_test's.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "mfcctrls/dlginit_records.h"
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

// Record lists built byte by byte, little-endian as the resource stores them.
struct Bytes {
    std::vector<std::uint8_t> data;

    Bytes& Word(std::uint16_t v) {
        data.insert(data.end(), {std::uint8_t(v), std::uint8_t(v >> 8)});
        return *this;
    }
    Bytes& Dword(std::uint32_t v) { return Word(std::uint16_t(v)).Word(std::uint16_t(v >> 16)); }
    Bytes& Text(const std::string& s) {
        data.insert(data.end(), s.begin(), s.end());
        return *this;
    }
    Bytes& Record(std::uint16_t id, std::uint16_t message, const std::string& s) {
        return Word(id).Word(message).Dword(std::uint32_t(s.size())).Text(s);
    }
    bool Parses() const { return ParseDialogInitRecords(data.data(), data.size()).has_value(); }
};

TEST(DialogInitRecords, ReadsRecordsInOrderIgnoresPaddingRejectsTruncation) {
    Bytes bytes = Bytes().Record(1005, 0x500, "<A>1</A>").Record(7, 0x401, "").Word(0).Word(0);
    auto records = ParseDialogInitRecords(bytes.data.data(), bytes.data.size());
    ASSERT_TRUE(records.has_value());
    std::vector<std::tuple<int, int, std::string>> got;
    for (const DialogInitRecord& r : *records)
        got.emplace_back(r.controlId, r.message, r.text);
    EXPECT_EQ(got, (std::vector<std::tuple<int, int, std::string>>{{1005, 0x500, "<A>1</A>"},
                                                                   {7, 0x401, ""}}));
    EXPECT_TRUE(Bytes().Word(0).Parses());
    EXPECT_FALSE(Bytes().Parses());
    EXPECT_FALSE(Bytes().Record(3, 4, "xyz").Parses()); // no closing zero
    EXPECT_FALSE(Bytes().Word(3).Word(4).Word(1).Parses());
    EXPECT_FALSE(Bytes().Word(3).Word(4).Dword(9).Text("short").Word(0).Parses());
    EXPECT_FALSE(Bytes().Word(3).Word(4).Dword(0xFFFFFFFF).Word(0).Parses());
}

} // namespace
