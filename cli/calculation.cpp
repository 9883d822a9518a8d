#include "calculation.h"

Calculation Calculate(const Arguments& args) {
    Calculation calc;
    calc.pool = args.pool;
    const double* p = args.payouts;
    // Summed left to right as the dialog does, so the shares match it to the last bit.
    const double sum = (((p[0] + p[1]) + p[2]) + p[3]) + p[4];
    for (int k = 0; k < ICM_PLACES; ++k)
        calc.shares[k] = p[k] / sum;
    for (int i = 0; i < ICM_PLAYERS; ++i)
        calc.chips[i] = args.chips[i];
    ComputeICMEquity(calc.chips, calc.equity, calc.shares);
    return calc;
}
