// Ctrl+V pressed in an open editor and on the grid. Both keys through the system's
// clipboard and another program are the end-to-end clipboard test's.
#include <gtest/gtest.h>

#include <cstring>

#include "edit_fixture.h"

namespace {

bool PutOnClipboard(const std::wstring& text) {
    const SIZE_T nBytes = (text.size() + 1) * sizeof(WCHAR);
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, nBytes);
    std::memcpy(::GlobalLock(hData), text.c_str(), nBytes);
    ::GlobalUnlock(hData);
    bool bDone = false;
    if (::OpenClipboard(nullptr)) {
        bDone = ::EmptyClipboard() && ::SetClipboardData(CF_UNICODETEXT, hData);
        ::CloseClipboard();
    }
    if (!bDone)
        ::GlobalFree(hData);
    return bDone;
}

using ClipboardKeysTest = EditGridTest;

TEST_F(ClipboardKeysTest, CtrlVPastesIntoAnOpenEditorElseIntoTheGridAtTheFocusCell) {
    m_grid.SetItemText(m_rows[0], 1, L"12");
    ASSERT_TRUE(PutOnClipboard(L"34"));
    Focus(m_rows[0], 1);
    Key(VK_F2);
    ASSERT_NE(Editor(), nullptr);
    KeyWith(VK_CONTROL, 'V');
    EXPECT_EQ(EditorText(), L"1234");
    EXPECT_EQ(Text(m_rows[1], 1), L""); // the grid pasted nothing itself
    Key(VK_RETURN);
    EXPECT_EQ(Text(m_rows[0], 1), L"1234");

    ASSERT_TRUE(PutOnClipboard(L"50\r\n30\r\n20\r\n"));
    Focus(m_rows[8], 1);
    KeyWith(VK_CONTROL, 'V');
    EXPECT_EQ((std::vector<std::wstring>{Text(m_rows[8], 1), Text(m_rows[9], 1)}),
              (std::vector<std::wstring>{L"50", L"30"}));
    EXPECT_EQ(Editor(), nullptr);
    ExpectFocus(m_rows[8], 1);
}

} // namespace
