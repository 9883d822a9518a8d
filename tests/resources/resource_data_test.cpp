// String, manifest, layout and dialog-init resources as built.
#include <gtest/gtest.h>

#include <string>

#include "dialog_template.h"
#include "mfcctrls/dlginit.h"
#include "mfcctrls/dlginit_records.h"
#include "resource.h"

namespace {

TEST(SmallResources, AboutStringManifestAndAboutLayout) {
    wchar_t text[64] = {};
    int length = LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUTBOX, text, 64);
    EXPECT_EQ(std::wstring(text, length), L"&About Tallyvane...");

    auto bytes = ResourceBytes(MAKEINTRESOURCEW(1), RT_MANIFEST);
    std::string manifest(bytes.begin(), bytes.end());
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
    EXPECT_EQ(sizeof(TALLYVANE_MAKER_URL) - 1, std::size_t{TALLYVANE_MAKER_URL_LENGTH});
}

TEST(MainDialogInitData, HoldsButtonThenLinkProperties) {
    auto bytes = ResourceBytes(MAKEINTRESOURCEW(IDD_MAIN), MAKEINTRESOURCEW(DLGINIT_RESOURCE_TYPE));
    auto records = ParseDialogInitRecords(bytes.data(), bytes.size());
    ASSERT_TRUE(records.has_value());
    ASSERT_EQ(records->size(), 2u);
    EXPECT_EQ((*records)[0].controlId, IDC_CALCULATE);
    EXPECT_EQ((*records)[0].message, DLGINIT_SETPROPERTIES);
    EXPECT_EQ((*records)[0].text, "<MFCButton_Style>4</MFCButton_Style>"
                                  "<MFCButton_Autosize>FALSE</MFCButton_Autosize>"
                                  "<MFCButton_Tooltip></MFCButton_Tooltip>"
                                  "<MFCButton_FullTextTool>TRUE</MFCButton_FullTextTool>"
                                  "<MFCButton_CursorType>11</MFCButton_CursorType>"
                                  "<MFCButton_ImageType>10</MFCButton_ImageType>"
                                  "<MFCButton_ImageID>129</MFCButton_ImageID>"
                                  "<MFCButton_Image>IDB_BITMAP1</MFCButton_Image>"
                                  "<MFCButton_ImageOnTop>FALSE</MFCButton_ImageOnTop>"
                                  "<MFCButton_ImageOnRight>FALSE</MFCButton_ImageOnRight>");
    EXPECT_EQ((*records)[1].controlId, IDC_LINK);
    EXPECT_EQ((*records)[1].message, DLGINIT_SETPROPERTIES);
    EXPECT_EQ((*records)[1].text, "<MFCLink_Url>" TALLYVANE_MAKER_URL "</MFCLink_Url>"
                                  "<MFCLink_UrlPrefix></MFCLink_UrlPrefix>"
                                  "<MFCLink_Tooltip></MFCLink_Tooltip>"
                                  "<MFCLink_FullTextTooltip>FALSE</MFCLink_FullTextTooltip>");
}

} // namespace
