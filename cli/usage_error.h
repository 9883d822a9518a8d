#pragma once

#include <stdexcept>

// An argument the tool cannot read. The message names the argument and what is wrong.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
