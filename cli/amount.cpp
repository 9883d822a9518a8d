#include "calculation.h"

#include <cstdio>

std::string FormatAmount(double equity, double pool) {
    const double value = equity * pool;
    // "%f" of the largest double needs 309 digits before the point.
    char text[400];
    std::snprintf(text, sizeof text, "%f", value);
    return text;
}
