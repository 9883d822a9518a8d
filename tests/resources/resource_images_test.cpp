// The application icon and the button bitmap as built.
#include <gtest/gtest.h>

#include <cstring>

#include "dialog_template.h"
#include "resource.h"

namespace {

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colors, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

template <typename T> T At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    T value{};
    if (offset + sizeof value <= bytes.size())
        std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

std::uint32_t BigEndian32(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4 && offset + i < bytes.size(); ++i)
        value = value << 8 | bytes[offset + i];
    return value;
}

void ExpectIconImage(const std::vector<std::uint8_t>& image, int size) {
    if (size == 256) { // stored as PNG: signature, then the IHDR chunk with the size
        EXPECT_EQ(At<std::uint64_t>(image, 0), 0x0A1A0A0D474E5089ull);
        EXPECT_EQ(std::string(image.begin() + 12, image.begin() + 16), "IHDR");
        EXPECT_EQ(BigEndian32(image, 16), 256u);
        EXPECT_EQ(BigEndian32(image, 20), 256u);
        return;
    }
    auto header = At<BITMAPINFOHEADER>(image, 0);
    EXPECT_EQ(header.biWidth, size);
    EXPECT_EQ(header.biHeight, 2 * size); // colour rows, then the mask rows
    EXPECT_EQ(header.biBitCount, 32);
    std::size_t maskStride = ((size + 31) / 32) * 4;
    EXPECT_EQ(image.size(), sizeof header + std::size_t(size) * size * 4 + maskStride * size);
}

TEST(ApplicationIcon, HoldsSevenSizesAt32BitsThe256OneAsPng) {
    auto group = ResourceBytes(MAKEINTRESOURCEW(IDR_MAINFRAME), RT_GROUP_ICON);
    WORD count = At<WORD>(group, 4);
    std::vector<int> sizes;
    for (WORD i = 0; i < count; ++i) {
        auto entry = At<GroupIconEntry>(group, 6 + i * sizeof(GroupIconEntry));
        int size = entry.width == 0 ? 256 : entry.width;
        SCOPED_TRACE(size);
        sizes.push_back(size);
        EXPECT_EQ(entry.height, entry.width);
        EXPECT_EQ(entry.bitCount, 32);
        auto image = ResourceBytes(MAKEINTRESOURCEW(entry.id), RT_ICON);
        EXPECT_EQ(image.size(), entry.bytes);
        ExpectIconImage(image, size);
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 48, 64, 128, 256}));
}

TEST(ButtonBitmap, Is24By24At24Bits) {
    auto bitmap = ResourceBytes(MAKEINTRESOURCEW(IDB_BITMAP1), RT_BITMAP);
    auto header = At<BITMAPINFOHEADER>(bitmap, 0);
    EXPECT_EQ(header.biWidth, 24);
    EXPECT_EQ(header.biHeight, 24);
    EXPECT_EQ(header.biBitCount, 24);
    EXPECT_EQ(header.biCompression, DWORD(BI_RGB));
    EXPECT_EQ(bitmap.size(), sizeof header + 24u * 24u * 3u);
}

} // namespace
