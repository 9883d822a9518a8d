#include "afxwin.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(CStringTest, ValueSemanticsKeepCopiesIndependent) {
    CString a(L"abc");
    CString b = a;
    b += L"def";
    b.SetAt(0, L'X');
    EXPECT_EQ(a, L"abc");
    EXPECT_EQ(b, L"Xbcdef");
    a = b;
    b.Empty();
    EXPECT_EQ(a, L"Xbcdef");
    EXPECT_TRUE(b.IsEmpty());
    EXPECT_EQ(CString(nullptr).GetLength(), 0);
    EXPECT_EQ(CString(L"abcdef", 3), L"abc");
    EXPECT_EQ(CString(L'z', 3), L"zzz");
}

TEST(CStringTest, ConcatenationAndComparisonOperators) {
    const CString s = CString(L"ab") + L"cd" + CString(L"ef") + L'g';
    EXPECT_EQ(s, L"abcdefg");
    EXPECT_EQ(L"x" + CString(L"y"), L"xy");
    EXPECT_TRUE(s != L"abcdef");
    EXPECT_TRUE(L"abcdefg" == s);
    EXPECT_LT(CString(L"abc").Compare(L"abd"), 0);
    EXPECT_GT(CString(L"b").Compare(L"abc"), 0);
    EXPECT_EQ(CString(L"abc").Compare(L"abc"), 0);
}

TEST(CStringTest, CompareNoCaseFoldsLettersLikeWcsicmp) {
    EXPECT_EQ(CString(L"Player 1").CompareNoCase(L"pLAYER 1"), 0);
    EXPECT_LT(CString(L"apple").CompareNoCase(L"Banana"), 0);
    EXPECT_GT(CString(L"Zebra").CompareNoCase(L"apple"), 0);
    EXPECT_LT(CString(L"abc").CompareNoCase(L"ABCD"), 0);
    EXPECT_GT(CString(L"abcd").CompareNoCase(L"ABC"), 0);
    // Folding is to lower case: '_' (0x5F) sorts before 'a' but after 'A'.
    EXPECT_LT(CString(L"_").CompareNoCase(L"A"), 0);
    EXPECT_GT(CString(L"10").CompareNoCase(L"1"), 0);
    EXPECT_LT(CString(L"10").CompareNoCase(L"9"), 0); // text, not numbers
}

TEST(CStringTest, FormatIntegersAndWideStrings) {
    CString s;
    s.Format(L"Player %d", 7);
    EXPECT_EQ(s, L"Player 7");
    s.Format(L"%s=%5d|%-3s|%c", L"x", 42, L"ab", L'Q');
    EXPECT_EQ(s, L"x=   42|ab |Q");
    s.Format(L"%S", "narrow");
    EXPECT_EQ(s, L"narrow");
    s.Format(L"100%% %ls %u %I64d", L"w", 4000000000u, static_cast<long long>(1) << 40);
    EXPECT_EQ(s, L"100% w 4000000000 1099511627776");
}

TEST(CStringTest, FormatFixedNotation) {
    CString s;
    s.Format(L"%f", 383.92857142857144);
    EXPECT_EQ(s, L"383.928571");
    s.Format(L"%f", 0.0);
    EXPECT_EQ(s, L"0.000000");
    s.Format(L"%f", -288.5714285);
    EXPECT_EQ(s, L"-288.571429");
    s.Format(L"%.2f", 2.675); // nearest double is below the tie
    EXPECT_EQ(s, L"2.67");
}

TEST(CStringTest, FormatNotANumberWritesRuntimeText) {
    // The runtime's C99 formatting writes "nan" whatever the NaN's sign bit; a
    // division 0/0 (which the calculator's empty payouts produce) sets it.
    CString s;
    s.Format(L"%f", std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(s, L"nan");
    volatile double zero = 0.0;
    s.Format(L"%f", zero / zero);
    EXPECT_EQ(s, L"nan");
    s.Format(L"%f", 383.9 * (zero / zero));
    EXPECT_EQ(s, L"nan");
    s.Format(L"%f", std::numeric_limits<double>::infinity());
    EXPECT_EQ(s, L"inf");
}

TEST(CStringTest, FormatProducesResultsLongerThanAnyFixedBuffer) {
    const std::wstring longText(5000, L'q');
    CString s;
    s.Format(L"<%s>", longText.c_str());
    ASSERT_EQ(s.GetLength(), 5002);
    EXPECT_EQ(s.Left(2), L"<q");
    EXPECT_EQ(s.Right(2), L"q>");
    s.AppendFormat(L"%d", 12);
    EXPECT_EQ(s.Right(3), L">12");
}

TEST(CStringTest, LoadStringReadsTableAndFailsForMissingId) {
    CString s(L"unchanged");
    EXPECT_FALSE(s.LoadString(4242));
    EXPECT_EQ(s, L"unchanged");
    EXPECT_TRUE(s.LoadString(7001));
    EXPECT_EQ(s, L"&About Test...");
}

TEST(CStringTest, BufferRoundTrip) {
    CString s(L"old text");
    wchar_t* p = s.GetBuffer(32);
    wcscpy(p, L"new");
    s.ReleaseBuffer();
    EXPECT_EQ(s, L"new");
    EXPECT_EQ(s.GetLength(), 3);
    p = s.GetBuffer(10);
    p[0] = L'N';
    s.ReleaseBuffer(2);
    EXPECT_EQ(s, L"Ne");
}

TEST(CStringTest, IndexingOutsideRaises) {
    CString s(L"ab");
    EXPECT_EQ(s[1], L'b');
    EXPECT_EQ(s.GetAt(0), L'a');
    EXPECT_THROW(s.GetAt(2), CInvalidArgException);
    EXPECT_THROW(s.GetAt(-1), CInvalidArgException);
    EXPECT_THROW(s.SetAt(2, L'x'), CInvalidArgException);
    EXPECT_EQ(s, L"ab");
}

TEST(CStringTest, SubstringsAndSearch) {
    const CString s(L"Player 10");
    EXPECT_EQ(s.Mid(7), L"10");
    EXPECT_EQ(s.Mid(2, 3), L"aye");
    EXPECT_EQ(s.Left(100), s);
    EXPECT_EQ(s.Find(L'1'), 7);
    EXPECT_EQ(s.Find(L"er"), 4);
    EXPECT_EQ(s.Find(L'z'), -1);
}

TEST(ExceptionTest, InvalidArgIsThrownByValueAsCException) {
    try {
        AfxThrowInvalidArgException();
    } catch (const CException& e) {
        EXPECT_NE(dynamic_cast<const CInvalidArgException*>(&e), nullptr);
        return;
    }
    FAIL() << "nothing was thrown";
}

} // namespace
