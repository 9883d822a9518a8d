// The calculation driven through the dialog's real controls, from typed inputs to the
// texts in the equity column.
#include <gtest/gtest.h>

#include "dialog_access.h"
#include "modal_harness.h"

namespace {

using Texts = std::vector<std::wstring>;

const std::wstring kZero = L"0.000000";

// Enters payouts (places 1 to 5), chips and optionally a pool, presses the button,
// and returns the equity column.
Texts Calculate(const std::vector<LPCWSTR>& payouts, const std::vector<LPCWSTR>& chips,
                LPCWSTR lpszPool = nullptr) {
    CTallyvaneDlg dlg;
    Texts equities;
    RunInsideModal(dlg, [&] {
        for (int i = 0; i < static_cast<int>(payouts.size()); ++i)
            TypeInto(dlg, IDC_PAYOUT1 + i, payouts[i]);
        if (lpszPool != nullptr)
            TypeInto(dlg, IDC_POOL, lpszPool);
        EnterChips(dlg, chips);
        PressCalculate(dlg);
        equities = ColumnTexts(dlg, 2);
    });
    return equities;
}

Texts WithZeros(Texts head) {
    head.resize(10, kZero);
    return head;
}

// What "%f" writes for a not-a-number amount, whatever its sign bit.
const std::wstring kNotANumber = L"nan";

} // namespace

TEST(CalculateICM, WorkedExampleToTheLastDigit) {
    EXPECT_EQ(Calculate({L"50", L"30", L"20"}, {L"50", L"30", L"20"}),
              WithZeros({L"383.928571", L"327.500000", L"288.571429"}));
}

TEST(CalculateICM, FiveFilledPlacesMatchTheEngine) {
    EXPECT_EQ(Calculate({L"0.5", L"0.25", L"0.125", L"0.0625", L"0.0625"},
                        {L"40", L"30", L"10", L"10", L"5", L"5"}),
              WithZeros({L"305.233535", L"262.607094", L"134.795699", L"134.795699", L"81.283986",
                         L"81.283986"}));
}

TEST(CalculateICM, OnlyTheProportionsOfThePayoutsCount) {
    EXPECT_EQ(Calculate({L"50", L"30", L"20"}, {L"50", L"30", L"20"}),
              Calculate({L"5", L"3", L"2"}, {L"50", L"30", L"20"}));
}

TEST(CalculateICM, ChipTextsAreReadLikeTheRuntimeDoes) {
    // Conversion stops at the comma, letters count as nothing, blanks and a sign lead.
    EXPECT_EQ(Calculate({L"50", L"30", L"20"}, {L"1,000", L"2", L"abc", L"  +1"}),
              Calculate({L"50", L"30", L"20"}, {L"1", L"2", L"", L"1"}));
    EXPECT_EQ(Calculate({L"50", L"30", L"20"}, {L"abc", L"x5"}), WithZeros({}));
}

TEST(CalculateICM, EmptyChipsGiveZeroEverywhere) {
    EXPECT_EQ(Calculate({L"50", L"30", L"20"}, {}), WithZeros({}));
}

TEST(CalculateICM, EmptyPayoutsGiveNotANumberOnlyForPlayersWithChips) {
    const Texts equities = Calculate({}, {L"50", L"", L"20"});
    ASSERT_EQ(equities.size(), 10u);
    EXPECT_EQ(equities[0], kNotANumber);
    EXPECT_EQ(equities[1], kZero);
    EXPECT_EQ(equities[2], kNotANumber);
    for (int i = 3; i < 10; ++i)
        EXPECT_EQ(equities[i], kZero);
}

TEST(CalculateICM, PoolScalesTheAmounts) {
    EXPECT_EQ(Calculate({L"50", L"30", L"20"}, {L"50", L"30", L"20"}, L"0"), WithZeros({}));
    EXPECT_EQ(Calculate({L"50", L"30", L"20"}, {L"50", L"30", L"20"}, L"pool"), WithZeros({}));
    // An empty seat's 0 times a negative pool is a negative zero, and "%f" says so.
    Texts negative = Calculate({L"50", L"30", L"20"}, {L"50", L"30", L"20"}, L"-1000");
    Texts expected = {L"-383.928571", L"-327.500000", L"-288.571429"};
    expected.resize(10, L"-0.000000");
    EXPECT_EQ(negative, expected);
}

TEST(CalculateICM, EveryPressReadsTheInputsAfresh) {
    CTallyvaneDlg dlg;
    Texts first, second;
    RunInsideModal(dlg, [&] {
        TypeInto(dlg, IDC_PAYOUT1, L"1");
        EnterChips(dlg, {L"10", L"10"});
        PressCalculate(dlg);
        first = ColumnTexts(dlg, 2);
        EnterChips(dlg, {L"", L"10"});
        PressCalculate(dlg);
        second = ColumnTexts(dlg, 2);
    });
    EXPECT_EQ(first, WithZeros({L"500.000000", L"500.000000"}));
    EXPECT_EQ(second, WithZeros({kZero, L"1000.000000"}));
}

TEST(CalculateICM, HugePayoutsAndPoolsKeepTheirMeaning) {
    const std::vector<LPCWSTR> chips = {L"50", L"30", L"20"};
    // Five payouts of 1e308 overflow their sum but share the pool as five equal ones.
    EXPECT_EQ(Calculate({L"1e308", L"1e308", L"1e308", L"1e308", L"1e308"}, chips),
              WithZeros({L"200.000000", L"200.000000", L"200.000000"}));
    // A pool past the range of a double: empty seats still get nothing.
    EXPECT_EQ(Calculate({L"50", L"30", L"20"}, chips, L"1e309"),
              WithZeros({L"inf", L"inf", L"inf"}));
}
