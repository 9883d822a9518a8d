#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "mfcctrls/dlginit_records.h"

namespace {

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

TEST(DialogInitRecords, ReadsRecordsInOrderAndIgnoresPadding) {
    Bytes bytes = Bytes().Record(1005, 0x500, "<A>1</A>").Record(7, 0x401, "").Word(0).Word(0);
    auto records = ParseDialogInitRecords(bytes.data.data(), bytes.data.size());
    ASSERT_TRUE(records.has_value());
    ASSERT_EQ(records->size(), 2u);
    EXPECT_EQ((*records)[0].controlId, 1005);
    EXPECT_EQ((*records)[0].message, 0x500);
    EXPECT_EQ((*records)[0].text, "<A>1</A>");
    EXPECT_EQ((*records)[1].controlId, 7);
    EXPECT_EQ((*records)[1].text, "");
    EXPECT_TRUE(Bytes().Word(0).Parses());
}

TEST(DialogInitRecords, RejectsTruncatedData) {
    EXPECT_FALSE(Bytes().Parses());
    EXPECT_FALSE(Bytes().Record(3, 4, "xyz").Parses()); // no closing zero
    EXPECT_FALSE(Bytes().Word(3).Word(4).Word(1).Parses());
    EXPECT_FALSE(Bytes().Word(3).Word(4).Dword(9).Text("short").Word(0).Parses());
    EXPECT_FALSE(Bytes().Word(3).Word(4).Dword(0xFFFFFFFF).Word(0).Parses());
}

} // namespace
