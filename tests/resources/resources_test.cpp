// The resources as built: manifest and icon. The string, the button's bitmap, the
// dialog templates and their init data are checked by the dialogs and controls that run
// on them (tests/app, controls_test).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
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

TEST(BuiltResources, ManifestAndAnIconOfSevenSizesAt32Bits) {
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
    // Each size a 32-bit image of the bytes the directory gives it.
    auto group = ResourceBytes(MAKEINTRESOURCEW(IDR_MAINFRAME), RT_GROUP_ICON);
    std::vector<int> sizes;
    for (WORD i = 0, count = At<WORD>(group, 4); i < count; ++i) {
        const auto entry = At<GroupIconEntry>(group, 6 + i * sizeof(GroupIconEntry));
        sizes.push_back(entry.width == 0 ? 256 : entry.width);
        EXPECT_EQ(entry.bitCount, 32) << sizes.back();
        EXPECT_EQ(ResourceBytes(MAKEINTRESOURCEW(entry.id), RT_ICON).size(), entry.bytes)
            << sizes.back();
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 48, 64, 128, 256}));
}

} // namespace
