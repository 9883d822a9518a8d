// The finish-count distribution of a wide field from its characteristic function:
//   P(e^(i theta)) = prod_j (a_j + b_j e^(i theta)),  p_m = (1 / L) sum_l P(w^l) w^(-l m).
// Each factor is written around the smaller of its two chances u = min(a, b) <= 1/2, as
// (1 + u y) with y = e^(i theta) - 1 when b is the smaller, or as e^(i theta) (1 + u conj(y))
// when a is. The players of each side fall into four groups by u with centres c = 1/16 ..
// 7/16, and log(1 + u y) = log(1 + c y) + log(1 + (u - c) y / (1 + c y)) expands in powers of
// (u - c) y / (1 + c y), which are below 1 / 8 in size where P is not negligible; so
// log P(e^(i theta)) needs the group sizes and a few dozen power sums of u - c, whatever the
// field's size. P falls like exp(-var (1 - cos theta)), so only the low frequencies are
// evaluated, and the window [m0, m1] outside which Bernstein's inequality leaves less than
// 1e-20 sets the transform's length.
#include "icm_field_product.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>

#include <unsupported/Eigen/FFT>

namespace {

constexpr int kGroups = 4;     // per side, by u
constexpr int kMaxPowers = 40; // beyond that the window is cheaper to multiply out
constexpr double kNegligible = 1e-20;
constexpr double kPi = 3.14159265358979323846;

using Complex = std::complex<double>;

// The smallest 4 * 2^i * 3^j * 5^k at least n: sizes the FFT splits well.
int TransformLength(int n) {
    int best = 4 * n + 4;
    for (long long p2 = 4; p2 < best; p2 *= 2)
        for (long long p3 = p2; p3 < best; p3 *= 3)
            for (long long p5 = p3; p5 < best; p5 *= 5)
                if (p5 >= n)
                    best = static_cast<int>(p5);
    return best;
}

} // namespace

struct CFinishCounts::SSpectrum {
    Eigen::FFT<double> fft;
    std::vector<Complex> freq;
    std::vector<double> time;
    // Per side and group: the deviations u - c of its players, then their power sums.
    std::array<std::vector<double>, 2 * kGroups> deviation;
    std::vector<double> power;
    double count[2 * kGroups];
    double sums[2 * kGroups][kMaxPowers + 1];
};

CFinishCounts::CFinishCounts(int players)
    : m_vdCur(static_cast<std::size_t>(players) + 2),
      m_vdNext(static_cast<std::size_t>(players) + 2), m_pSpectrum(std::make_unique<SSpectrum>()) {}

CFinishCounts::~CFinishCounts() = default;

bool CFinishCounts::BuildSpectrum(std::span<const double> a, std::span<const double> b) {
    SSpectrum& s = *m_pSpectrum;
    const int players = static_cast<int>(a.size());
    const double mu = m_dMean, var = m_dVariance;

    // Frequencies that matter: |P| <= exp(-var (1 - cos theta)).
    const double logNegligible = -std::log(kNegligible);
    const double cosLimit = 1 - logNegligible / var;
    const double thetaMax = cosLimit <= -1 ? kPi : std::acos(cosLimit);
    const double half = std::sin(thetaMax / 2);
    const Complex yMax(-2 * half * half, std::sin(thetaMax));
    const double ratio = std::abs(yMax) / 16 / std::abs(1.0 + 7.0 / 16 * yMax);
    // Terms past R add less than players * ratio^R / (1 - ratio) to log P.
    const int powers = static_cast<int>(
        std::ceil(std::log(kNegligible / (players + 1.0) * (1 - ratio)) / std::log(ratio)));
    if (ratio >= 0.5 || powers > kMaxPowers)
        return false;

    // Window by Bernstein: P(|M - mu| >= x) <= 2 exp(-x^2 / (2 (var + x / 3))).
    const double bound = std::log(2 / kNegligible);
    const double x = (2 * bound / 3 + std::sqrt(4 * bound * bound / 9 + 8 * bound * var)) / 2;
    const int m0 = std::max(0, static_cast<int>(std::floor(mu - x)));
    const int m1 = std::min(players, static_cast<int>(std::ceil(mu + x)));
    const int length = TransformLength(m1 - m0 + 1);

    // Deviations by side and group, then their power sums.
    for (auto& d : s.deviation)
        d.clear();
    int late = 0; // players more likely finished than not: each brings a factor e^(i theta)
    for (int j = 0; j < players; ++j) {
        if (b[j] == 0.0)
            continue;
        const int side = b[j] <= a[j] ? 0 : 1;
        const double u = side == 0 ? b[j] : a[j];
        late += side;
        const int group = std::min(kGroups - 1, static_cast<int>(u * (2 * kGroups)));
        s.deviation[side * kGroups + group].push_back(u - (2 * group + 1) / (4.0 * kGroups));
    }
    for (int g = 0; g < 2 * kGroups; ++g) {
        const std::vector<double>& d = s.deviation[g];
        const std::size_t size = d.size();
        s.count[g] = static_cast<double>(size);
        s.power.assign(d.begin(), d.end());
        for (int r = 1; r <= powers; ++r) {
            double part[4] = {0, 0, 0, 0}; // four chains, so additions overlap
            std::size_t k = 0;
            for (; k + 4 <= size; k += 4)
                for (int q = 0; q < 4; ++q)
                    part[q] += s.power[k + q];
            for (; k < size; ++k)
                part[0] += s.power[k];
            s.sums[g][r] = (part[0] + part[1]) + (part[2] + part[3]);
            if (r < powers)
                for (std::size_t k2 = 0; k2 < size; ++k2)
                    s.power[k2] *= d[k2];
        }
    }

    // log P at the frequencies that matter, shifted so that index 0 is m0.
    s.freq.assign(length / 2 + 1, Complex(0, 0));
    for (int l = 0; l <= length / 2; ++l) {
        const double theta = 2 * kPi * l / length;
        if (theta > thetaMax)
            break;
        const double sh = std::sin(theta / 2);
        const Complex y(-2 * sh * sh, std::sin(theta));
        Complex side[2];
        for (int g = 0; g < 2 * kGroups; ++g) {
            if (s.count[g] == 0)
                continue;
            const double c = (2 * (g % kGroups) + 1) / (4.0 * kGroups);
            const Complex base(1 - 2 * c * sh * sh, c * std::sin(theta)); // 1 + c y
            const Complex logBase(0.5 * std::log1p(-4 * c * (1 - c) * sh * sh),
                                  std::atan2(base.imag(), base.real()));
            const Complex z = y / base;
            Complex series = 0;
            for (int r = powers; r >= 1; --r)
                series = (series + (r % 2 ? 1.0 : -1.0) * s.sums[g][r] / r) * z;
            side[g / kGroups] += s.count[g] * logBase + series;
        }
        const Complex logP =
            side[0] + std::conj(side[1]) + Complex(0, static_cast<double>(late - m0) * theta);
        s.freq[l] = std::conj(std::exp(logP)); // the inverse transform runs with e^(+i theta m)
    }
    s.time.resize(length);
    s.fft.inv(s.time.data(), s.freq.data(), length);
    std::copy_n(s.time.begin(), m1 - m0 + 1, m_vdCur.begin() + m0);
    m_nLo = m0;
    m_nHi = m1;
    return true;
}
