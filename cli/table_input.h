#pragma once

#include "arguments.h"

#include <istream>
#include <string>

// The table of --input: the whole text of the file `name`, or of `in` when the name is "-".
// Throws UsageError when the file cannot be read.
std::string ReadInputText(const std::string& name, std::istream& in);

// Reads a JSON object {"chips": [...], "payouts": [...], "pool": X} (pool optional) into
// the chips, payouts and pool of `args`. Chips are integers in the 32-bit range, payouts and
// pool numbers; both lists hold at least one element. Anything else, an unknown or repeated
// key among it, throws UsageError naming the file and the place: line and column for a fault
// of the JSON itself, the key and index for a value of the wrong kind.
void ReadTableJson(const std::string& name, const std::string& text, Arguments& args);
