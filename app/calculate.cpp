// The press of "Calculate ICM": read every input afresh, run the engine, write the
// amounts into the third column.
#include "tallyvanedlg.h"

#include <cstdlib>

#include "icm.h"

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
    const double dSum = (((payout[0] + payout[1]) + payout[2]) + payout[3]) + payout[4];
    double shares[ICM_PLACES];
    for (int nPlace = 0; nPlace < ICM_PLACES; ++nPlace)
        shares[nPlace] = payout[nPlace] / dSum;

    int chips[ICM_PLAYERS] = {};
    const int nReadRows = m_grid.GetRowCount();
    for (int i = 0; i < nReadRows && i < ICM_PLAYERS; ++i)
        chips[i] = _wtoi(m_grid.GetItemText(m_grid.GetRowAt(i), kChipsColumn));

    double equity[ICM_PLAYERS];
    ComputeICMEquity(chips, equity, shares);

    const int nWriteRows = m_grid.GetRowCount();
    for (int i = 0; i < nWriteRows && i < ICM_PLAYERS; ++i) {
        // A not-a-number amount reads "nan", the C99 text, with or without a sign bit.
        CString strAmount;
        strAmount.Format(L"%f", equity[i] * dPool);
        m_grid.SetItemText(m_grid.GetRowAt(i), kEquityColumn, strAmount);
    }
}
