#include "afxwin.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>

namespace {

template <class... Args> CString Fmt(const wchar_t* format, Args... args) {
    CString s;
    s.Format(format, args...);
    return s;
}

TEST(CStringTest, ValueSemanticsOperatorsAndSubstrings) {
    CString a(L"abc");
    CString b = a;
    b += L"def";
    b.SetAt(0, L'X');
    EXPECT_EQ(a, L"abc"); // copies are independent
    a = b;
    b.Empty();
    EXPECT_EQ(a, L"Xbcdef");
    EXPECT_TRUE(b.IsEmpty());
    EXPECT_EQ(CString(nullptr).GetLength(), 0);
    EXPECT_EQ(CString(L"abcdef", 3), L"abc");
    EXPECT_EQ(CString(L'z', 3), L"zzz");
    EXPECT_EQ(CString(L"ab") + L"cd" + CString(L"ef") + L'g', L"abcdefg");
    EXPECT_EQ(L"x" + CString(L"y"), L"xy");
    EXPECT_TRUE(a != L"Xbcde");

    const CString s(L"Player 10");
    EXPECT_EQ(s.Mid(7), L"10");
    EXPECT_EQ(s.Mid(2, 3), L"aye");
    EXPECT_EQ(s.Left(100), s);
    EXPECT_EQ(s.Right(2), L"10");
    EXPECT_EQ(s.Find(L'1'), 7);
    EXPECT_EQ(s.Find(L"er"), 4);
    EXPECT_EQ(s.Find(L'z'), -1);
}

TEST(CStringTest, CompareIsOrdinalCompareNoCaseFoldsToLowerCase) {
    struct Case {
        const wchar_t *a, *b;
        int compare, noCase; // signs
    };
    // '_' (0x5F) lies between 'A' and 'a'; digits compare as text, not as numbers.
    const Case cases[] = {
        {L"abc", L"abd", -1, -1},     {L"abc", L"abc", 0, 0},
        {L"b", L"abc", 1, 1},         {L"Player 1", L"pLAYER 1", -1, 0},
        {L"apple", L"Banana", 1, -1}, {L"Zebra", L"apple", -1, 1},
        {L"abc", L"ABCD", 1, -1},     {L"abcd", L"ABC", 1, 1},
        {L"_", L"A", 1, -1},          {L"10", L"1", 1, 1},
        {L"10", L"9", -1, -1},
    };
    const auto sign = [](int v) { return (v > 0) - (v < 0); };
    for (const Case& c : cases) {
        EXPECT_EQ(sign(CString(c.a).Compare(c.b)), c.compare) << c.a << " " << c.b;
        EXPECT_EQ(sign(CString(c.a).CompareNoCase(c.b)), c.noCase) << c.a << " " << c.b;
    }
}

TEST(CStringTest, Format) {
    volatile double zero = 0.0;
    const std::pair<CString, const wchar_t*> cases[] = {
        {Fmt(L"Player %d", 7), L"Player 7"},
        {Fmt(L"%s=%5d|%-3s|%c", L"x", 42, L"ab", L'Q'), L"x=   42|ab |Q"},
        {Fmt(L"%S", "narrow"), L"narrow"},
        {Fmt(L"100%% %ls %u %I64d", L"w", 4000000000u, 1LL << 40),
         L"100% w 4000000000 1099511627776"},
        {Fmt(L"%f", 383.92857142857144), L"383.928571"},
        {Fmt(L"%f", -288.5714285), L"-288.571429"},
        {Fmt(L"%f", 0.0), L"0.000000"},
        {Fmt(L"%.2f", 2.675), L"2.67"}, // the nearest double is below the tie
        // The runtime's C99 formatting writes "nan" whatever the sign bit; 0/0, which
        // the calculator's empty payouts produce, sets it.
        {Fmt(L"%f", std::numeric_limits<double>::quiet_NaN()), L"nan"},
        {Fmt(L"%f", zero / zero), L"nan"},
        {Fmt(L"%f", 383.9 * (zero / zero)), L"nan"},
        {Fmt(L"%f", std::numeric_limits<double>::infinity()), L"inf"},
    };
    for (const auto& [got, want] : cases)
        EXPECT_EQ(got, want);

    const std::wstring longText(5000, L'q'); // longer than any fixed buffer
    CString s = Fmt(L"<%s>", longText.c_str());
    s.AppendFormat(L"%d", 12);
    EXPECT_EQ(s.str(), L"<" + longText + L">12");
}

TEST(CStringTest, LoadStringBufferAndIndexing) {
    CString s(L"unchanged");
    EXPECT_FALSE(s.LoadString(4242));
    EXPECT_EQ(s, L"unchanged");
    EXPECT_TRUE(s.LoadString(7001));
    EXPECT_EQ(s, L"&About Test...");

    wcscpy(s.GetBuffer(32), L"new");
    s.ReleaseBuffer();
    EXPECT_EQ(s.GetLength(), 3);
    s.GetBuffer(10)[0] = L'N';
    s.ReleaseBuffer(2);
    EXPECT_EQ(s, L"Ne");

    EXPECT_EQ(s[1], L'e');
    EXPECT_THROW(s.GetAt(2), CInvalidArgException);
    EXPECT_THROW(s.GetAt(-1), CInvalidArgException);
    EXPECT_THROW(s.SetAt(2, L'x'), CInvalidArgException);
    EXPECT_EQ(s, L"Ne");
}

} // namespace
