#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// An argument the tool cannot read. The message names the argument and what is wrong.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Text from the command line as messages show it: quotes, backslashes, control characters and
// non-ASCII bytes escaped (\", \\, \n, \t, \r, \xHH), so a message stays one printable line
// whatever an argument holds.
std::string Escaped(std::string_view text);

// Escaped and in double quotes: one argument, visible even when it is empty.
std::string Quoted(std::string_view text);
