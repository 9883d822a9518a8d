// The resources as built: string, manifest, layout, pictures. The dialog templates and their
// init data are checked by the dialogs and controls that run on them (tests/app, controls_test).
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "resource.h"

namespace {

// Bytes of a resource of the test executable; empty when it is missing.
std::vector<std::uint8_t> ResourceBytes(LPCWSTR name, LPCWSTR type) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, name, type);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    auto* data = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    if (data == nullptr)
        return {};
    return {data, data + SizeofResource(module, found)};
}

// Sequential reads over resource bytes; a read past the end gives zeros.
class Cursor {
public:
    explicit Cursor(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    template <typename T> T Read() {
        T value{};
        if (offset_ + sizeof(T) <= bytes_.size())
            std::memcpy(&value, bytes_.data() + offset_, sizeof(T));
        offset_ += sizeof(T);
        return value;
    }
    void Skip(std::size_t count) { offset_ += count; }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t offset_ = 0;
};

TEST(SmallResources, AboutStringManifestAndLayout) {
    wchar_t text[64] = {};
    const int length = LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUTBOX, text, 64);
    EXPECT_EQ(std::wstring(text, length), L"&About Tallyvane...");

    auto bytes = ResourceBytes(MAKEINTRESOURCEW(1), RT_MANIFEST);
    const std::string manifest(bytes.begin(), bytes.end());
    for (const char* part : {
             R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")",
             R"(processorArchitecture="*" publicKeyToken="6595b64144ccf1df" language="*")",
             R"(<requestedExecutionLevel level="asInvoker" uiAccess="false"/>)",
             R"(>true</dpiAware>)",
         }) {
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }
    EXPECT_EQ(ResourceBytes(MAKEINTRESOURCEW(IDD_ABOUTBOX), L"AFX_DIALOG_LAYOUT"),
              (std::vector<std::uint8_t>{0, 0}));
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colors, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST(Pictures, IconOfSevenSizesAt32BitsAndTheButtonBitmap) {
    auto group = ResourceBytes(MAKEINTRESOURCEW(IDR_MAINFRAME), RT_GROUP_ICON);
    Cursor in(group);
    in.Skip(4); // reserved, type
    std::vector<int> sizes;
    for (WORD i = 0, count = in.Read<WORD>(); i < count; ++i) {
        const auto entry = in.Read<GroupIconEntry>();
        const int size = entry.width == 0 ? 256 : entry.width;
        SCOPED_TRACE(size);
        sizes.push_back(size);
        EXPECT_EQ(entry.height, entry.width);
        EXPECT_EQ(entry.bitCount, 32);
        auto image = ResourceBytes(MAKEINTRESOURCEW(entry.id), RT_ICON);
        EXPECT_EQ(image.size(), entry.bytes);
        if (size == 256) { // the PNG signature, then the IHDR chunk with the size
            ASSERT_GE(image.size(), 24u);
            EXPECT_EQ(std::vector<std::uint8_t>(image.begin(), image.begin() + 24),
                      (std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n',
                                                 0,    0,   0,   13,  'I',  'H',  'D',  'R',
                                                 0,    0,   1,   0,   0,    0,    1,    0}));
            continue;
        }
        const auto header = Cursor(image).Read<BITMAPINFOHEADER>();
        EXPECT_EQ(header.biWidth, size);
        EXPECT_EQ(header.biHeight, 2 * size); // colour rows, then the mask rows
        EXPECT_EQ(header.biBitCount, 32);
        const std::size_t maskStride = ((size + 31) / 32) * 4;
        EXPECT_EQ(image.size(), sizeof header + std::size_t(size) * size * 4 + maskStride * size);
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 48, 64, 128, 256})); // the 256 one as PNG

    auto bitmap = ResourceBytes(MAKEINTRESOURCEW(IDB_BITMAP1), RT_BITMAP);
    const auto header = Cursor(bitmap).Read<BITMAPINFOHEADER>();
    EXPECT_EQ(std::tuple(header.biWidth, header.biHeight, header.biBitCount, header.biCompression),
              std::tuple(24L, 24L, WORD(24), DWORD(BI_RGB)));
    EXPECT_EQ(bitmap.size(), sizeof header + 24u * 24u * 3u);
}

} // namespace
