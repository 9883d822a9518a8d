#include "afxwin.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using IntArray = CArray<int, int>;

std::vector<int> contents(const IntArray& a) {
    std::vector<int> out;
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        out.push_back(a[i]);
    return out;
}

TEST(CArrayTest, AddInsertRemove) {
    IntArray a;
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(a.GetUpperBound(), -1);
    EXPECT_EQ(a.Add(1), 0);
    EXPECT_EQ(a.Add(4), 1);
    a.InsertAt(1, 2);
    a.InsertAt(2, 3);
    a.InsertAt(4, 9, 2); // at the size: appends
    a.InsertAt(0, 0);
    EXPECT_EQ(contents(a), (std::vector<int>{0, 1, 2, 3, 4, 9, 9}));
    a.RemoveAt(5, 2);
    a.RemoveAt(0);
    EXPECT_EQ(contents(a), (std::vector<int>{1, 2, 3, 4}));
    a.SetAt(3, 40);
    a.ElementAt(2) = 30;
    a[1] = 20;
    EXPECT_EQ(contents(a), (std::vector<int>{1, 20, 30, 40}));
    EXPECT_EQ(a.GetCount(), 4);
    a.RemoveAll();
    EXPECT_EQ(a.GetSize(), 0);
}

TEST(CArrayTest, SetSizeGrowsWithDefaultsAndShrinks) {
    CArray<CString> a;
    a.SetSize(3);
    EXPECT_EQ(a.GetSize(), 3);
    EXPECT_TRUE(a[2].IsEmpty());
    a[0] = L"x";
    a.SetSize(1);
    EXPECT_EQ(a.GetSize(), 1);
    EXPECT_EQ(a[0], L"x");
    EXPECT_THROW(a.SetSize(-1), CInvalidArgException);
}

TEST(CArrayTest, InsertingAnElementOfTheSameArray) {
    IntArray a;
    for (int i = 0; i < 4; ++i)
        a.Add(i);
    a.InsertAt(0, a[3], 3); // the reference must not dangle while the array grows
    EXPECT_EQ(contents(a), (std::vector<int>{3, 3, 3, 0, 1, 2, 3}));
}

TEST(CArrayTest, OutOfRangeRaisesAndChangesNothing) {
    IntArray a;
    a.Add(5);
    a.Add(6);
    const std::vector<int> before = contents(a);
    EXPECT_THROW(a.GetAt(2), CInvalidArgException);
    EXPECT_THROW(a.GetAt(-1), CInvalidArgException);
    EXPECT_THROW(a[2] = 1, CInvalidArgException);
    EXPECT_THROW(a.SetAt(-1, 1), CInvalidArgException);
    EXPECT_THROW(a.ElementAt(7), CInvalidArgException);
    EXPECT_THROW(a.InsertAt(-1, 1), CInvalidArgException);
    EXPECT_THROW(a.InsertAt(3, 1), CInvalidArgException);
    EXPECT_THROW(a.RemoveAt(2), CInvalidArgException);
    EXPECT_THROW(a.RemoveAt(-1), CInvalidArgException);
    EXPECT_THROW(a.RemoveAt(1, 2), CInvalidArgException);
    const IntArray& c = a;
    EXPECT_THROW(c[2], CInvalidArgException);
    EXPECT_EQ(contents(a), before);
}

} // namespace
