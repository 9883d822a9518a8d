// Both executables carry the project's version in their version information, as
// Explorer's Details tab reads it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

TEST(VersionInfo, BothExecutablesNameTheProductAndItsVersion) {
    unsigned q[4] = {};
    ASSERT_EQ(std::sscanf(TALLYVANE_VERSION_QUAD, "%u.%u.%u.%u", &q[0], &q[1], &q[2], &q[3]), 4);
    const DWORD ms = MAKELONG(q[1], q[0]), ls = MAKELONG(q[3], q[2]);
    for (const auto& [path, file] : {std::pair{TALLYVANE_APP_EXE, L"tallyvane.exe"},
                                     std::pair{TALLYVANE_ICM_EXE, L"tallyvane-icm.exe"}}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(file)));
        std::vector<BYTE> block(::GetFileVersionInfoSizeW(path, nullptr));
        ASSERT_FALSE(block.empty()) << "no version information";
        ASSERT_TRUE(::GetFileVersionInfoW(path, 0, DWORD(block.size()), block.data()));
        // A string of the English (United States), Unicode table; empty when missing.
        const auto value = [&](const wchar_t* key) {
            LPVOID pValue = nullptr;
            UINT nLength = 0;
            const std::wstring sub = std::wstring(L"\\StringFileInfo\\040904B0\\") + key;
            const bool found = ::VerQueryValueW(block.data(), sub.c_str(), &pValue, &nLength);
            return std::wstring(found && nLength ? static_cast<LPCWSTR>(pValue) : L"");
        };
        VS_FIXEDFILEINFO* pFixed = nullptr;
        UINT nLength = 0;
        ASSERT_TRUE(
            ::VerQueryValueW(block.data(), L"\\", reinterpret_cast<LPVOID*>(&pFixed), &nLength));
        EXPECT_EQ((std::vector<DWORD>{pFixed->dwFileVersionMS, pFixed->dwFileVersionLS,
                                      pFixed->dwProductVersionMS, pFixed->dwProductVersionLS}),
                  (std::vector<DWORD>{ms, ls, ms, ls}));
        EXPECT_EQ(value(L"ProductName"), L"Tallyvane");
        EXPECT_EQ(value(L"ProductVersion"), TALLYVANE_VERSION);
        EXPECT_EQ(value(L"FileVersion"), TALLYVANE_VERSION);
    }
}
