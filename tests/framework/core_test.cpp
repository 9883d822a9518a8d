// Strings and containers as the program uses them: the grid keeps its rows in a CList
// (positions are its row handles) and its columns and cells in CArrays; the dialogs
// format and load their texts.
#include "afxwin.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(CStringTest, ValueSemanticsFormatLoadStringAndIndexing) {
    CString a(L"Player");
    CString b = a;
    b += L' ';
    b += CString(L"1") + L"0";
    EXPECT_EQ(a, L"Player"); // copies are independent
    EXPECT_EQ(b, L"Player 10");
    b.SetAt(0, L'Q');
    EXPECT_EQ(b[0], L'Q');
    EXPECT_THROW(b.SetAt(9, L'x'), CInvalidArgException);
    EXPECT_THROW(b.GetAt(-1), CInvalidArgException);
    b.Empty();
    EXPECT_TRUE(b.IsEmpty());

    a.Format(L"Player %d", 7);
    EXPECT_EQ(a, L"Player 7");
    const std::wstring longText(5000, L'q'); // longer than any fixed buffer
    a.Format(L"<%s>", longText.c_str());
    EXPECT_EQ(a.str(), L"<" + longText + L">");
    EXPECT_FALSE(a.LoadString(4242));
    EXPECT_EQ(a.GetLength(), 5002); // unchanged
    EXPECT_TRUE(a.LoadString(7001));
    EXPECT_EQ(a, L"&About Test...");
}

using IntList = CList<int, int>;

// The elements head to tail, checked against the walk from the tail and the count.
std::vector<int> Contents(const IntList& list) {
    std::vector<int> out, back;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        out.push_back(list.GetNext(pos));
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;)
        back.insert(back.begin(), list.GetPrev(pos));
    EXPECT_EQ(back, out) << "walked from the tail";
    EXPECT_EQ(list.GetCount(), static_cast<INT_PTR>(out.size()));
    return out;
}

TEST(CListTest, PositionsStayValidWhileOthersComeAndGo) {
    IntList list;
    POSITION pos[5];
    for (int i = 0; i < 5; ++i) {
        pos[i] = list.AddTail(i);
        ASSERT_NE(pos[i], reinterpret_cast<POSITION>(1)); // the grid's sentinel for its root
    }
    list.RemoveAt(pos[2]); // middle, head, tail: each relinks its neighbours
    list.RemoveAt(pos[0]);
    list.RemoveAt(pos[4]);
    list.SetAt(pos[3], 30);
    EXPECT_EQ(list.GetAt(pos[1]), 1);
    EXPECT_EQ(Contents(list), (std::vector<int>{1, 30}));
    EXPECT_EQ(list.GetHead(), 1);
    EXPECT_EQ(list.GetTail(), 30);
    list.RemoveAt(pos[3]);
    list.RemoveAt(pos[1]);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(Contents(list), std::vector<int>{});
    EXPECT_THROW(list.GetHead(), CInvalidArgException);
    EXPECT_THROW(list.GetAt(nullptr), CInvalidArgException);
    list.AddTail(9);
    EXPECT_EQ(Contents(list), std::vector<int>{9});
}

TEST(CArrayTest, InsertRemoveAndOutOfRangeChangesNothing) {
    CArray<int, int> a;
    EXPECT_EQ(a.Add(1), 0);
    EXPECT_EQ(a.Add(4), 1);
    a.InsertAt(1, 2);
    a.InsertAt(3, 9, 2); // at the size: appends
    a.RemoveAt(3);
    a[0] = 0;
    a.SetAt(2, 40);
    a.InsertAt(0, a[3], 2); // the reference must not dangle while the array grows
    EXPECT_EQ(std::vector<int>(a.GetData(), a.GetData() + a.GetSize()),
              (std::vector<int>{9, 9, 0, 2, 40, 9}));
    a.RemoveAt(0, 4);
    EXPECT_THROW(a.GetAt(2), CInvalidArgException);
    EXPECT_THROW(a[-1] = 1, CInvalidArgException);
    EXPECT_THROW(a.InsertAt(3, 1), CInvalidArgException);
    EXPECT_THROW(a.RemoveAt(1, 2), CInvalidArgException);
    EXPECT_EQ(a.GetSize(), 2);
    EXPECT_EQ(a[1], 9);
}

} // namespace
