// Both executables carry the project's version in their version information, as
// Explorer's Details tab reads it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Executable {
    const char* name;
    const wchar_t* path;
    const wchar_t* file;
};

class VersionInfoTest : public ::testing::TestWithParam<Executable> {
protected:
    void SetUp() override {
        const DWORD nSize = ::GetFileVersionInfoSizeW(GetParam().path, nullptr);
        ASSERT_GT(nSize, 0u) << "no version information";
        m_block.resize(nSize);
        ASSERT_TRUE(::GetFileVersionInfoW(GetParam().path, 0, nSize, m_block.data()));
    }
    // A string of the English (United States), Unicode table; empty when missing.
    std::wstring Value(const std::wstring& key) {
        LPVOID pValue = nullptr;
        UINT nLength = 0;
        const std::wstring path = L"\\StringFileInfo\\040904B0\\" + key;
        if (!::VerQueryValueW(m_block.data(), path.c_str(), &pValue, &nLength) || !nLength)
            return {};
        return static_cast<LPCWSTR>(pValue);
    }
    std::vector<BYTE> m_block;
};

TEST_P(VersionInfoTest, NamesTheProductAndItsVersion) {
    VS_FIXEDFILEINFO* pFixed = nullptr;
    UINT nLength = 0;
    ASSERT_TRUE(
        ::VerQueryValueW(m_block.data(), L"\\", reinterpret_cast<LPVOID*>(&pFixed), &nLength));
    ASSERT_EQ(pFixed->dwSignature, 0xFEEF04BDu);
    unsigned quad[4] = {};
    ASSERT_EQ(
        std::sscanf(TALLYVANE_VERSION_QUAD, "%u.%u.%u.%u", &quad[0], &quad[1], &quad[2], &quad[3]),
        4);
    for (DWORD dwVersionMS : {pFixed->dwFileVersionMS, pFixed->dwProductVersionMS})
        EXPECT_EQ(dwVersionMS, static_cast<DWORD>(MAKELONG(quad[1], quad[0])));
    for (DWORD dwVersionLS : {pFixed->dwFileVersionLS, pFixed->dwProductVersionLS})
        EXPECT_EQ(dwVersionLS, static_cast<DWORD>(MAKELONG(quad[3], quad[2])));
    EXPECT_EQ(pFixed->dwFileType, static_cast<DWORD>(VFT_APP));

    EXPECT_EQ(Value(L"ProductName"), L"Tallyvane");
    EXPECT_EQ(Value(L"ProductVersion"), TALLYVANE_VERSION);
    EXPECT_EQ(Value(L"FileVersion"), TALLYVANE_VERSION);
    EXPECT_EQ(Value(L"CompanyName"), L"Quillmarsh");
    EXPECT_EQ(Value(L"OriginalFilename"), GetParam().file);
    EXPECT_NE(Value(L"FileDescription").find(L"Tallyvane"), std::wstring::npos);
    EXPECT_NE(Value(L"LegalCopyright").find(L"Quillmarsh"), std::wstring::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Executables, VersionInfoTest,
    ::testing::Values(Executable{"Calculator", TALLYVANE_APP_EXE, L"tallyvane.exe"},
                      Executable{"CommandLine", TALLYVANE_ICM_EXE, L"tallyvane-icm.exe"}),
    [](const ::testing::TestParamInfo<Executable>& info) { return info.param.name; });

} // namespace
