#include "icm_deal.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

std::optional<Cents> WholeCents(double amount) {
    if (!(amount >= 0) || amount * 100 > static_cast<double>(ICM_MAX_CENTS))
        return std::nullopt;
    const auto cents = static_cast<Cents>(std::llround(amount * 100));
    // n / 100 is rounded once, as reading the text "n/100" with two decimals is.
    if (static_cast<double>(cents) / 100 != amount)
        return std::nullopt;
    return cents;
}

std::vector<Cents> ShareCents(std::span<const double> amounts, std::span<const std::size_t> takers,
                              Cents total) {
    std::vector<Cents> cents(amounts.size(), 0);
    if (takers.empty())
        return cents;
    Cents left = total;
    for (const std::size_t i : takers) {
        cents[i] = static_cast<Cents>(std::floor(amounts[i]));
        left -= cents[i];
    }
    std::vector<std::size_t> order(takers.begin(), takers.end());
    // Largest fractional part first; stable, so equal parts keep the lower index first.
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return amounts[a] - std::floor(amounts[a]) > amounts[b] - std::floor(amounts[b]);
    });
    // Whole rounds first, so that amounts far from the total cost no more than one pass.
    const auto count = static_cast<Cents>(order.size());
    const Cents rounds = left / count, rest = left % count;
    for (const std::size_t i : order)
        cents[i] += rounds;
    for (Cents k = 0; k < rest; ++k)
        ++cents[order[static_cast<std::size_t>(k)]];
    for (Cents k = 0; k < -rest; ++k)
        --cents[order[static_cast<std::size_t>(count - 1 - k)]];
    return cents;
}

Cents FirstPlaceCents(std::span<const double> shares, Cents pool) {
    if (shares.empty())
        return 0;
    // The share carries the rounding of its division; a payout of exactly 400.00 must not
    // come out as 399.99.
    const double first = static_cast<double>(pool) * shares[0];
    return static_cast<Cents>(std::floor(first + first * 1e-12));
}

IcmDeal ComputeIcmDeal(std::span<const int> chips, std::span<const double> equity,
                       std::span<const double> shares, Cents pool, std::optional<Cents> setAside) {
    const std::size_t seats = chips.size();
    std::vector<std::size_t> holders;
    std::int64_t total = 0;
    for (std::size_t i = 0; i < seats; ++i) {
        if (chips[i] < 0)
            throw std::invalid_argument("deal: negative chip count");
        if (chips[i] > 0)
            holders.push_back(i);
        total += chips[i];
    }
    const std::size_t n = holders.size();
    IcmDeal deal;
    const double cash = static_cast<double>(pool);
    deal.dealt = pool;
    if (n < shares.size()) {
        double inPlay = 0;
        for (std::size_t m = 0; m < n; ++m)
            inPlay += shares[m];
        deal.dealt = std::llround(cash * inPlay);
    }
    const double last = n >= 1 && n <= shares.size() ? cash * shares[n - 1] : 0.0;
    const double chopped = static_cast<double>(deal.dealt) - static_cast<double>(n) * last;
    const double aside = static_cast<double>(setAside.value_or(0));

    std::vector<double> icm(seats, 0.0), chop(seats, 0.0), kept(seats, 0.0);
    for (const std::size_t i : holders) {
        const double chipShare = static_cast<double>(chips[i]) / static_cast<double>(total);
        icm[i] = cash * equity[i];
        chop[i] = last + chipShare * chopped;
        kept[i] = icm[i] - aside * chipShare;
    }
    deal.icm = ShareCents(icm, holders, deal.dealt);
    deal.chipChop = ShareCents(chop, holders, deal.dealt);
    if (setAside)
        deal.guaranteed = ShareCents(kept, holders, deal.dealt - *setAside);
    return deal;
}
