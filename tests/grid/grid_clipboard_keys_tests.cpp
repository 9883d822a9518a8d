// Ctrl+C and Ctrl+V pressed on the grid, and Ctrl+V pressed in an open editor.
#include <gtest/gtest.h>

#include "clipboard_text.h"
#include "edit_fixture.h"

namespace {

using ClipboardKeysTest = EditGridTest;

TEST_F(ClipboardKeysTest, CtrlCCopiesTheGridAndCtrlVPastesAtTheFocusCell) {
    m_grid.SetItemText(m_rows[9], 2, L"1.5");
    ASSERT_TRUE(PutOnClipboard(L"stale"));
    KeyWith(VK_CONTROL, 'C'); // no focus cell is needed to copy
    EXPECT_EQ(ClipboardText(), std::wstring(m_grid.GetTableText()));

    ASSERT_TRUE(PutOnClipboard(L"50\r\n30\r\n20\r\n"));
    Focus(m_rows[8], 1);
    KeyWith(VK_CONTROL, 'V');
    EXPECT_EQ(Text(m_rows[8], 1), L"50");
    EXPECT_EQ(Text(m_rows[9], 1), L"30");
    EXPECT_EQ(Editor(), nullptr);
    ExpectFocus(m_rows[8], 1);
    // Neither key is a character that opens an editor, nor moves the focus.
    KeyWith(VK_CONTROL, 'C');
    EXPECT_EQ(Editor(), nullptr);
    ExpectFocus(m_rows[8], 1);
}

TEST_F(ClipboardKeysTest, CtrlVInAnOpenEditorPastesIntoTheEditor) {
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
}

} // namespace
