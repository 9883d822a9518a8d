// The resources as built: manifest, layout, icon. The string, the button's bitmap, the
// dialog templates and their init data are checked by the dialogs and controls that run
// on them (tests/app, controls_test).
#include <windows.h>

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

// A value at an offset of resource bytes; zeros past the end.
template <typename T> T At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    T value{};
    if (offset + sizeof(T) <= bytes.size())
        std::memcpy(&value, bytes.data() + offset, sizeof(T));
    return value;
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colors, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST(BuiltResources, ManifestLayoutAndAnIconOfSevenSizesAt32Bits) {
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

    auto group = ResourceBytes(MAKEINTRESOURCEW(IDR_MAINFRAME), RT_GROUP_ICON);
    std::vector<int> sizes;
    for (WORD i = 0, count = At<WORD>(group, 4); i < count; ++i) {
        const auto entry = At<GroupIconEntry>(group, 6 + i * sizeof(GroupIconEntry));
        const int size = entry.width == 0 ? 256 : entry.width;
        SCOPED_TRACE(size);
        sizes.push_back(size);
        auto image = ResourceBytes(MAKEINTRESOURCEW(entry.id), RT_ICON);
        EXPECT_EQ(image.size(), entry.bytes);
        if (size == 256) { // a PNG
            EXPECT_EQ(At<std::uint64_t>(image, 0), 0x0A1A0A0D474E5089u);
            continue;
        }
        const auto header = At<BITMAPINFOHEADER>(image, 0);
        EXPECT_EQ(std::tuple(header.biWidth, header.biHeight, header.biBitCount),
                  std::tuple(LONG(size), LONG(2 * size), WORD(32))); // colour rows, mask rows
        const std::size_t maskStride = ((size + 31) / 32) * 4;
        EXPECT_EQ(image.size(), sizeof header + std::size_t(size) * size * 4 + maskStride * size);
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 48, 64, 128, 256}));
}

} // namespace
