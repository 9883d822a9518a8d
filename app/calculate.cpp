// The press of "Calculate ICM": read every input afresh, run the engine, write the
// amounts into the third column.
#include "tallyvanedlg.h"

#include <cstdlib>

#include "icm.h"
#include "icm_money.h"

namespace {
constexpr int kChipsColumn = 1;
constexpr int kEquityColumn = 2;
} // namespace

void CTallyvaneDlg::OnCalculateICM() {
    UpdateData(TRUE);

    double payout[PAYOUT_PLACES];
    for (int nPlace = 0; nPlace < PAYOUT_PLACES; ++nPlace)
        payout[nPlace] = _wtof(m_strPayout[nPlace]);
    const double dPool = _wtof(m_strPool);

    // Percentages or any ratio: only the proportions count. A zero sum gives
    // not-a-number shares, which the engine passes through to players with chips.
    double shares[ICM_PLACES];
    NormalizePayouts(payout, shares, ICM_PLACES);

    int chips[ICM_PLAYERS] = {};
    const int nReadRows = m_grid.GetRowCount();
    for (int i = 0; i < nReadRows && i < ICM_PLAYERS; ++i)
        chips[i] = _wtoi(m_grid.GetItemText(m_grid.GetRowAt(i), kChipsColumn));

    double equity[ICM_PLAYERS];
    ComputeICMEquity(chips, equity, shares);

    const int nWriteRows = m_grid.GetRowCount();
    for (int i = 0; i < nWriteRows && i < ICM_PLAYERS; ++i) {
        // The command-line tool writes the same text; it is plain ASCII.
        const std::string amount = FormatAmount(equity[i], dPool);
        const CString strAmount(std::wstring(amount.begin(), amount.end()));
        m_grid.SetItemText(m_grid.GetRowAt(i), kEquityColumn, strAmount);
    }
}
