#include "decisions.h"

#include "icm_money.h"
#include "usage_error.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>

namespace {

void RefuseNegativeCounts(std::string_view option, const std::vector<int>& chips) {
    const auto negative = std::find_if(chips.begin(), chips.end(), [](int c) { return c < 0; });
    if (negative != chips.end())
        throw UsageError(Refusal::DecisionNegativeCount,
                         {option, std::to_string(negative - chips.begin() + 1)});
}

std::vector<std::size_t> BubbleSeats(const Arguments& args) {
    // The table has at least the dialog's ten seats, as the report shows it.
    const std::size_t seats = std::max<std::size_t>(args.chips.size(), 10);
    const auto chipsAt = [&](std::size_t i) { return i < args.chips.size() ? args.chips[i] : 0; };
    std::vector<std::size_t> rows;
    if (args.bubbleSeats.empty()) {
        for (std::size_t i = 0; i < args.chips.size(); ++i)
            if (args.chips[i] > 0)
                rows.push_back(i);
        if (rows.size() > kMaxBubbleRows)
            throw UsageError(Refusal::TooManyBubblePlayers,
                             {std::to_string(rows.size()), std::to_string(kMaxBubbleRows)});
        return rows;
    }
    for (const int seat : args.bubbleSeats) {
        if (seat < 1 || static_cast<std::size_t>(seat) > seats)
            throw UsageError(Refusal::BubbleSeatOutside,
                             {std::to_string(seat), std::to_string(seats)});
        const auto i = static_cast<std::size_t>(seat - 1);
        if (chipsAt(i) == 0)
            throw UsageError(Refusal::BubbleSeatEmpty, {std::to_string(seat)});
        if (std::find(rows.begin(), rows.end(), i) != rows.end())
            throw UsageError(Refusal::BubbleSeatRepeated, {std::to_string(seat)});
        rows.push_back(i);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

// An amount as the messages show it: the shortest text that reads back as the same double.
std::string AmountText(double amount) {
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text, amount);
    return std::string(text, written.ptr);
}

Cents CentsOf(std::string_view option, double amount) {
    if (amount < 0)
        throw UsageError(Refusal::AmountNegative, {option, AmountText(amount)});
    const std::optional<Cents> cents = WholeCents(amount);
    if (!cents)
        throw UsageError(Refusal::NotWholeCents, {option, AmountText(amount)});
    return *cents;
}

// Bubble factors and deals weigh payouts as money: none negative, and some to share.
void RefuseUnfairPayouts(std::string_view option, const Arguments& args,
                         const std::vector<double>& shares) {
    const bool fair =
        std::all_of(args.payouts.begin(), args.payouts.end(), [](double p) { return p >= 0; }) &&
        std::all_of(shares.begin(), shares.end(), [](double s) { return std::isfinite(s); }) &&
        std::any_of(shares.begin(), shares.end(), [](double s) { return s > 0; });
    if (!fair)
        throw UsageError(Refusal::DecisionPayouts, {option});
}

std::vector<double> Shares(const Arguments& args) {
    std::vector<double> shares(args.payouts.size());
    NormalizePayouts(args.payouts.data(), shares.data(), static_cast<int>(shares.size()));
    return shares;
}

void PlanDeal(const Arguments& args, DecisionPlan& plan) {
    RefuseNegativeCounts("--deal", args.chips);
    const std::vector<double> shares = Shares(args);
    RefuseUnfairPayouts("--deal", args, shares);
    plan.pool = CentsOf("--pool", args.pool);
    if (!args.setAside)
        return;
    plan.setAside = CentsOf("--set-aside", *args.setAside);
    const bool players =
        std::any_of(args.chips.begin(), args.chips.end(), [](int c) { return c > 0; });
    const Cents first = players ? FirstPlaceCents(shares, *plan.pool) : 0;
    if (*plan.setAside > first) {
        std::string fraction = std::to_string(first % 100);
        fraction.insert(0, 2 - fraction.size(), '0');
        throw UsageError(Refusal::SetAsideTooLarge,
                         {AmountText(*args.setAside), std::to_string(first / 100), fraction});
    }
}

} // namespace

DecisionPlan PlanDecisions(const Arguments& args) {
    DecisionPlan plan;
    if (args.bubble) {
        RefuseNegativeCounts("--bubble", args.chips);
        RefuseUnfairPayouts("--bubble", args, Shares(args));
        plan.bubbleSeats = BubbleSeats(args);
    }
    if (args.deal)
        PlanDeal(args, plan);
    return plan;
}

void AddDecisions(const DecisionPlan& plan, Calculation& calc) {
    if (plan.bubbleSeats) {
        try {
            calc.bubble = ComputeBubbleMatrix(calc.chips, calc.shares, *plan.bubbleSeats);
        } catch (const std::overflow_error&) {
            throw UsageError(Refusal::BubbleStackTooLarge);
        }
    }
    if (plan.pool) {
        calc.deal = ComputeIcmDeal(calc.chips, calc.equity, calc.shares, *plan.pool, plan.setAside);
        calc.setAside = plan.setAside;
    }
}
