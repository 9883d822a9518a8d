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

constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::vector<GroupIconEntry> GroupEntries() {
    auto group = ResourceBytes(MAKEINTRESOURCEW(IDR_MAINFRAME), MAKEINTRESOURCEW(14));
    if (group.size() < 6)
        return {};
    WORD count = 0;
    std::memcpy(&count, group.data() + 4, sizeof count);
    std::vector<GroupIconEntry> entries(count);
    if (group.size() < 6 + count * sizeof(GroupIconEntry))
        return {};
    std::memcpy(entries.data(), group.data() + 6, count * sizeof(GroupIconEntry));
    return entries;
}

std::uint32_t BigEndian32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

void ExpectBitmapImage(const std::vector<std::uint8_t>& image, int size) {
    ASSERT_GE(image.size(), sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER header;
    std::memcpy(&header, image.data(), sizeof header);
    EXPECT_EQ(header.biWidth, size);
    EXPECT_EQ(header.biHeight, 2 * size); // colour rows, then the mask rows
    EXPECT_EQ(header.biBitCount, 32);
    EXPECT_EQ(header.biCompression, DWORD(BI_RGB));
    std::size_t maskStride = ((size + 31) / 32) * 4;
    EXPECT_EQ(image.size(), sizeof header + std::size_t(size) * size * 4 + maskStride * size);
}

void ExpectPngImage(const std::vector<std::uint8_t>& image, int size) {
    ASSERT_GE(image.size(), 24u);
    EXPECT_EQ(std::memcmp(image.data(), kPngSignature, 8), 0);
    EXPECT_EQ(std::memcmp(image.data() + 12, "IHDR", 4), 0);
    EXPECT_EQ(BigEndian32(image.data() + 16), std::uint32_t(size));
    EXPECT_EQ(BigEndian32(image.data() + 20), std::uint32_t(size));
}

TEST(ApplicationIcon, GroupHoldsSevenSizesAt32Bits) {
    std::vector<GroupIconEntry> entries = GroupEntries();
    std::vector<int> sizes;
    for (const GroupIconEntry& entry : entries) {
        int size = entry.width == 0 ? 256 : entry.width;
        SCOPED_TRACE(size);
        sizes.push_back(size);
        EXPECT_EQ(entry.height, entry.width);
        EXPECT_EQ(entry.bitCount, 32);
        EXPECT_EQ(entry.planes, 1);
        auto image = ResourceBytes(MAKEINTRESOURCEW(entry.id), MAKEINTRESOURCEW(3));
        EXPECT_EQ(image.size(), entry.bytes);
        if (size == 256)
            ExpectPngImage(image, size);
        else
            ExpectBitmapImage(image, size);
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 48, 64, 128, 256}));
}

TEST(ApplicationIcon, LoadsAtTheSystemSizes) {
    for (int size : {16, 32, 48}) {
        auto icon = static_cast<HICON>(LoadImageW(
            GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour{};
        GetObjectW(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

TEST(ButtonBitmap, Is24By24At24Bits) {
    auto bitmap = ResourceBytes(MAKEINTRESOURCEW(IDB_BITMAP1), MAKEINTRESOURCEW(2));
    ASSERT_GE(bitmap.size(), sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER header;
    std::memcpy(&header, bitmap.data(), sizeof header);
    EXPECT_EQ(header.biSize, sizeof header);
    EXPECT_EQ(header.biWidth, 24);
    EXPECT_EQ(header.biHeight, 24);
    EXPECT_EQ(header.biBitCount, 24);
    EXPECT_EQ(header.biCompression, DWORD(BI_RGB));
    EXPECT_EQ(bitmap.size(), sizeof header + 24u * 24u * 3u);
}

} // namespace
