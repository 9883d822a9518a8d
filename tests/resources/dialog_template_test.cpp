// The two dialog templates as the resource compiler built them.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "dialog_template.h"
#include "resource.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kNoId = 0xFFFFFFFF; // IDC_STATIC (-1) as the template stores it
constexpr DWORD kEdit = kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kLabel = kChild | SS_LEFT | WS_GROUP;

DialogTemplate Load(int id) {
    auto dialog = DecodeDialogTemplateEx(ResourceBytes(MAKEINTRESOURCEW(id), RT_DIALOG));
    if (!dialog)
        ADD_FAILURE() << "template " << id << " missing or malformed";
    return dialog.value_or(DialogTemplate{});
}

void ExpectControls(const DialogTemplate& dialog, const std::vector<TemplateControl>& expected) {
    ASSERT_EQ(dialog.controls.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const TemplateControl& got = dialog.controls[i];
        const TemplateControl& want = expected[i];
        SCOPED_TRACE(testing::Message() << "control #" << i);
        EXPECT_EQ(got.id, want.id);
        EXPECT_EQ(got.className, want.className);
        EXPECT_EQ(got.text, want.text);
        EXPECT_EQ((std::vector<short>{got.x, got.y, got.cx, got.cy}),
                  (std::vector<short>{want.x, want.y, want.cx, want.cy}));
        EXPECT_EQ(got.style, want.style) << std::hex << got.style << " vs " << want.style;
        EXPECT_EQ(got.exStyle, 0u);
    }
}

TEST(MainDialogTemplate, FrameAndFont) {
    DialogTemplate dialog = Load(IDD_MAIN);
    EXPECT_EQ(dialog.caption, L"ICM Calculator V2.0");
    EXPECT_EQ(dialog.cx, 237);
    EXPECT_EQ(dialog.cy, 220);
    // A resizing frame, but neither a minimise nor a maximise box.
    EXPECT_EQ(dialog.style,
              DWORD(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_SETFONT));
    EXPECT_EQ(dialog.exStyle, DWORD(WS_EX_APPWINDOW));
    EXPECT_EQ(dialog.typeface, L"Arial");
    EXPECT_EQ(dialog.pointSize, 10);
    EXPECT_EQ(dialog.weight, 700);
    EXPECT_EQ(dialog.italic, 0);
    EXPECT_EQ(dialog.charset, 204);
}

TEST(MainDialogTemplate, ControlsInTabOrder) {
    ExpectControls(Load(IDD_MAIN),
                   {
                       {kNoId, L"Static", L"Tournament Payout Distribution % (or ratio)", 7, 26,
                        161, 8, kLabel, 0},
                       {IDC_PAYOUT1, L"Edit", L"", 7, 47, 42, 14, kEdit, 0},
                       {IDC_PAYOUT2, L"Edit", L"", 52, 47, 42, 14, kEdit, 0},
                       {IDC_PAYOUT3, L"Edit", L"", 97, 47, 42, 14, kEdit, 0},
                       {IDC_PAYOUT4, L"Edit", L"", 142, 47, 42, 14, kEdit, 0},
                       {IDC_PAYOUT5, L"Edit", L"", 187, 47, 42, 14, kEdit, 0},
                       {kNoId, L"Static", L"1st", 10, 36, 11, 8, kLabel, 0},
                       {kNoId, L"Static", L"2nd", 51, 36, 13, 8, kLabel, 0},
                       {kNoId, L"Static", L"3rd", 97, 36, 12, 8, kLabel, 0},
                       {kNoId, L"Static", L"4th", 144, 36, 12, 8, kLabel, 0},
                       {kNoId, L"Static", L"5th", 187, 36, 12, 8, kLabel, 0},
                       {IDC_GRID, L"SysListView32", L"", 7, 69, 222, 125,
                        kChild | WS_BORDER | WS_TABSTOP | LVS_ALIGNLEFT | LVS_EDITLABELS, 0},
                       {IDC_CALCULATE, L"MfcButton", L"Calculate ICM", 117, 196, 113, 17,
                        kChild | WS_TABSTOP | BS_PUSHBUTTON, 0},
                       {IDC_LINK, L"MfcLink", L"" TALLYVANE_MAKER_URL, 15, 199, 91, 14,
                        kChild | WS_TABSTOP, 0},
                       {kNoId, L"Static", L"Pool $", 7, 7, 36, 8, kLabel, 0},
                       {IDC_POOL, L"Edit", L"", 43, 7, 40, 14, kEdit, 0},
                   });
}

TEST(AboutBoxTemplate, FrameFontAndControls) {
    DialogTemplate dialog = Load(IDD_ABOUTBOX);
    EXPECT_EQ(dialog.caption, L"Tallyvane");
    EXPECT_EQ(dialog.cx, 170);
    EXPECT_EQ(dialog.cy, 62);
    EXPECT_EQ(dialog.style,
              DWORD(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS));
    EXPECT_EQ(dialog.exStyle, 0u);
    EXPECT_EQ(dialog.typeface, L"MS Shell Dlg");
    EXPECT_EQ(dialog.pointSize, 8);
    ExpectControls(
        dialog,
        {
            {kNoId, L"Static", L"#128", 14, 14, 20, 20, kChild | SS_ICON, 0},
            {kNoId, L"Static", L"Tallyvane, Version 2.0", 42, 14, 114, 8, kLabel | SS_NOPREFIX, 0},
            {kNoId, L"Static", L"Copyright (C) 2026 Quillmarsh", 42, 26, 114, 8, kLabel, 0},
            {IDOK, L"Button", L"OK", 113, 41, 50, 14,
             kChild | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 0},
        });
}

} // namespace
