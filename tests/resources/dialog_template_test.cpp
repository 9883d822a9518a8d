// The two dialog templates as the resource compiler built them.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "dialog_template.h"
#include "resource.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kStaticId = 0xFFFFFFFF; // IDC_STATIC (-1) as the template stores it
constexpr DWORD kEditStyle = kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kLabelStyle = kChild | SS_LEFT | WS_GROUP;

struct Expected {
    DWORD id;
    const wchar_t* className;
    const wchar_t* text;
    short x, y, cx, cy;
    DWORD style;
};

DialogTemplate Load(int id) {
    auto bytes = ResourceBytes(MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5)); // RT_DIALOG
    auto dialog = DecodeDialogTemplateEx(bytes);
    if (!dialog) {
        ADD_FAILURE() << "template " << id << " missing or malformed";
        return {};
    }
    return *dialog;
}

void ExpectControls(const DialogTemplate& dialog, const std::vector<Expected>& expected) {
    ASSERT_EQ(dialog.controls.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const TemplateControl& got = dialog.controls[i];
        const Expected& want = expected[i];
        SCOPED_TRACE(testing::Message() << "control #" << i);
        EXPECT_EQ(got.id, want.id);
        EXPECT_EQ(got.className, want.className);
        EXPECT_EQ(got.text, want.text);
        EXPECT_EQ(got.x, want.x);
        EXPECT_EQ(got.y, want.y);
        EXPECT_EQ(got.cx, want.cx);
        EXPECT_EQ(got.cy, want.cy);
        EXPECT_EQ(got.style, want.style) << std::hex << got.style << " vs " << want.style;
        EXPECT_EQ(got.exStyle, 0u);
        EXPECT_EQ(got.extraBytes, 0u);
    }
}

TEST(MainDialogTemplate, FrameCaptionAndFont) {
    DialogTemplate dialog = Load(IDD_MAIN);
    EXPECT_EQ(dialog.caption, L"ICM Calculator V2.0");
    EXPECT_EQ(dialog.x, 0);
    EXPECT_EQ(dialog.y, 0);
    EXPECT_EQ(dialog.cx, 237);
    EXPECT_EQ(dialog.cy, 220);
    // Resizable frame, but neither a minimise nor a maximise box.
    EXPECT_EQ(dialog.style,
              DWORD(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_SETFONT));
    EXPECT_EQ(dialog.exStyle, DWORD(WS_EX_APPWINDOW));
    EXPECT_EQ(dialog.menu, L"");
    EXPECT_EQ(dialog.windowClass, L"");
    EXPECT_EQ(dialog.typeface, L"Arial");
    EXPECT_EQ(dialog.pointSize, 10);
    EXPECT_EQ(dialog.weight, 700);
    EXPECT_EQ(dialog.italic, 0);
    EXPECT_EQ(dialog.charset, 204);
}

TEST(MainDialogTemplate, ControlsInTabOrder) {
    const std::wstring url = L"" TALLYVANE_MAKER_URL;
    ExpectControls(Load(IDD_MAIN),
                   {
                       {kStaticId, L"Static", L"Tournament Payout Distribution % (or ratio)", 7, 26,
                        161, 8, kLabelStyle},
                       {IDC_PAYOUT1, L"Edit", L"", 7, 47, 42, 14, kEditStyle},
                       {IDC_PAYOUT2, L"Edit", L"", 52, 47, 42, 14, kEditStyle},
                       {IDC_PAYOUT3, L"Edit", L"", 97, 47, 42, 14, kEditStyle},
                       {IDC_PAYOUT4, L"Edit", L"", 142, 47, 42, 14, kEditStyle},
                       {IDC_PAYOUT5, L"Edit", L"", 187, 47, 42, 14, kEditStyle},
                       {kStaticId, L"Static", L"1st", 10, 36, 11, 8, kLabelStyle},
                       {kStaticId, L"Static", L"2nd", 51, 36, 13, 8, kLabelStyle},
                       {kStaticId, L"Static", L"3rd", 97, 36, 12, 8, kLabelStyle},
                       {kStaticId, L"Static", L"4th", 144, 36, 12, 8, kLabelStyle},
                       {kStaticId, L"Static", L"5th", 187, 36, 12, 8, kLabelStyle},
                       {IDC_GRID, L"SysListView32", L"", 7, 69, 222, 125,
                        kChild | WS_BORDER | WS_TABSTOP | LVS_ALIGNLEFT | LVS_EDITLABELS},
                       {IDC_CALCULATE, L"MfcButton", L"Calculate ICM", 117, 196, 113, 17,
                        kChild | WS_TABSTOP | BS_PUSHBUTTON},
                       {IDC_LINK, L"MfcLink", url.c_str(), 15, 199, 91, 14, kChild | WS_TABSTOP},
                       {kStaticId, L"Static", L"Pool $", 7, 7, 36, 8, kLabelStyle},
                       {IDC_POOL, L"Edit", L"", 43, 7, 40, 14, kEditStyle},
                   });
}

TEST(AboutBoxTemplate, FrameCaptionAndFont) {
    DialogTemplate dialog = Load(IDD_ABOUTBOX);
    EXPECT_EQ(dialog.caption, L"Tallyvane");
    EXPECT_EQ(dialog.cx, 170);
    EXPECT_EQ(dialog.cy, 62);
    EXPECT_EQ(dialog.style,
              DWORD(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS));
    EXPECT_EQ(dialog.exStyle, 0u);
    EXPECT_EQ(dialog.typeface, L"MS Shell Dlg");
    EXPECT_EQ(dialog.pointSize, 8);
}

TEST(AboutBoxTemplate, IconTextsAndOkButton) {
    ExpectControls(Load(IDD_ABOUTBOX),
                   {
                       {kStaticId, L"Static", L"#128", 14, 14, 20, 20, kChild | SS_ICON},
                       {kStaticId, L"Static", L"Tallyvane, Version 2.0", 42, 14, 114, 8,
                        kChild | SS_LEFT | SS_NOPREFIX | WS_GROUP},
                       {kStaticId, L"Static", L"Copyright (C) 2026 Quillmarsh", 42, 26, 114, 8,
                        kChild | SS_LEFT | WS_GROUP},
                       {IDOK, L"Button", L"OK", 113, 41, 50, 14,
                        kChild | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP},
                   });
}

// Guards the checks above: a broken template must not decode into something comparable.
TEST(DialogTemplates, DecoderRejectsTruncatedTemplate) {
    auto bytes = ResourceBytes(MAKEINTRESOURCEW(IDD_MAIN), MAKEINTRESOURCEW(5));
    ASSERT_FALSE(bytes.empty());
    bytes.resize(bytes.size() / 2);
    EXPECT_FALSE(DecodeDialogTemplateEx(bytes).has_value());
}

} // namespace
