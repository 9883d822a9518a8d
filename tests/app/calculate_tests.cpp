// The calculation driven through the dialog's real controls, from typed inputs to the
// texts in the equity column.
#include <gtest/gtest.h>

#include "app_harness.h"

namespace {

using Texts = std::vector<std::wstring>;

// Payouts (places 1 to 5), chips and pool as typed (null: the preset pool), and the
// equity column of the first rows; the rest must read as zero ("-0.000000" for a
// negative pool: an empty seat's 0 times it is a negative zero, and "%f" says so).
struct Case {
    std::vector<LPCWSTR> payouts, chips;
    LPCWSTR lpszPool;
    Texts equities;
};

const Texts kWorked = {L"383.928571", L"327.500000", L"288.571429"};

void Enter(CTallyvaneDlg& dlg, const Case& c) {
    EnterInputs(dlg, c.payouts, c.chips);
    if (c.lpszPool != nullptr)
        TypeInto(dlg, IDC_POOL, c.lpszPool);
}

Texts Calculate(const Case& c) {
    CTallyvaneDlg dlg;
    Texts equities;
    RunSteps(dlg, {[&] {
                 Enter(dlg, c);
                 PressCalculate(dlg);
                 equities = ColumnTexts(dlg, kEquity);
             }});
    return equities;
}

class CalculateICM : public ::testing::TestWithParam<Case> {};

TEST_P(CalculateICM, EquityColumnShowsTheAmounts) {
    const Case& c = GetParam();
    Texts expected = c.equities;
    const bool bNegative = c.lpszPool != nullptr && c.lpszPool[0] == L'-';
    expected.resize(10, bNegative ? L"-0.000000" : L"0.000000");
    EXPECT_EQ(Calculate(c), expected);
}

// Decimal payouts in all five places; empty payouts give not-a-number only to players
// with chips; a pool that is no number is nothing, a negative one turns every sign. How
// payouts become shares and amounts become text is the engine's tests'.
INSTANTIATE_TEST_SUITE_P(
    Inputs, CalculateICM,
    ::testing::Values(Case{{L"50", L"30", L"20"}, {L"50", L"30", L"20"}, nullptr, kWorked},
                      Case{{L"0.5", L"0.25", L"0.125", L"0.0625", L"0.0625"},
                           {L"40", L"30", L"10", L"10", L"5", L"5"},
                           nullptr,
                           {L"305.233535", L"262.607094", L"134.795699", L"134.795699",
                            L"81.283986", L"81.283986"}},
                      Case{{}, {L"50", L"", L"20"}, nullptr, {L"nan", L"0.000000", L"nan"}},
                      Case{{L"50", L"30", L"20"}, {L"50", L"30", L"20"}, L"pool", {}},
                      Case{{L"50", L"30", L"20"},
                           {L"50", L"30", L"20"},
                           L"-1000",
                           {L"-383.928571", L"-327.500000", L"-288.571429"}}));

// Conversion stops at the comma, letters count as nothing, blanks and a sign lead.
TEST(CalculateICMChips, TextsAreReadLikeTheRuntimeDoes) {
    EXPECT_EQ(Calculate({{L"50", L"30", L"20"}, {L"1,000", L"2", L"abc", L"  +1"}, nullptr, {}}),
              Calculate({{L"50", L"30", L"20"}, {L"1", L"2", L"", L"1"}, nullptr, {}}));
}

} // namespace
