#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "mfcctrls/dlginit_records.h"

namespace {

// Builds record lists byte by byte, little-endian as the resource stores them.
struct Bytes {
    std::vector<std::uint8_t> data;

    Bytes& Word(std::uint16_t v) {
        data.push_back(std::uint8_t(v));
        data.push_back(std::uint8_t(v >> 8));
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
};

std::optional<std::vector<DialogInitRecord>> Parse(const Bytes& bytes) {
    return ParseDialogInitRecords(bytes.data.data(), bytes.data.size());
}

TEST(DialogInitRecords, ReadsRecordsInOrder) {
    auto records = Parse(Bytes().Record(1005, 0x500, "<A>1</A>").Record(7, 0x401, "").Word(0));
    ASSERT_TRUE(records.has_value());
    ASSERT_EQ(records->size(), 2u);
    EXPECT_EQ((*records)[0].controlId, 1005);
    EXPECT_EQ((*records)[0].message, 0x500);
    EXPECT_EQ((*records)[0].text, "<A>1</A>");
    EXPECT_EQ((*records)[1].controlId, 7);
    EXPECT_EQ((*records)[1].message, 0x401);
    EXPECT_EQ((*records)[1].text, "");
}

TEST(DialogInitRecords, EmptyListAndPaddingAfterTheEnd) {
    auto empty = Parse(Bytes().Word(0));
    ASSERT_TRUE(empty.has_value());
    EXPECT_TRUE(empty->empty());
    auto padded = Parse(Bytes().Record(3, 4, "xyz").Word(0).Word(0));
    ASSERT_TRUE(padded.has_value());
    EXPECT_EQ(padded->size(), 1u);
}

TEST(DialogInitRecords, RejectsTruncatedData) {
    EXPECT_FALSE(Parse(Bytes()).has_value());                         // nothing at all
    EXPECT_FALSE(Parse(Bytes().Record(3, 4, "xyz")).has_value());     // no closing zero
    EXPECT_FALSE(Parse(Bytes().Word(3).Word(4).Word(1)).has_value()); // half a length
    EXPECT_FALSE(Parse(Bytes().Word(3).Word(4).Dword(9).Text("short").Word(0)).has_value());
    EXPECT_FALSE(Parse(Bytes().Word(3).Word(4).Dword(0xFFFFFFFF).Word(0)).has_value());
}

} // namespace
