#pragma once

#include <string_view>
#include <vector>

// Strict readers for the command line's numbers. Each throws UsageError naming `option`
// unless the whole text (surrounding blanks aside) is one number of the asked kind.

int ParseInteger(std::string_view option, std::string_view text);
double ParseNumber(std::string_view option, std::string_view text);

// True for a text of blanks (spaces and tabs) only, the empty text among them.
bool IsBlank(std::string_view text);

// Splits a comma-separated list, refusing an empty element; the list itself is not blank.
std::vector<std::string_view> SplitList(std::string_view option, std::string_view text);
