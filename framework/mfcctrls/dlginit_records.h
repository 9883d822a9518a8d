// Decoding of the dialog-init record list described in dlginit.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct DialogInitRecord {
    std::uint16_t controlId;
    std::uint16_t message;
    std::string text;
};

// All records of the list, or nothing when a header or a text runs past the end of
// the data or the closing zero id is missing.
std::optional<std::vector<DialogInitRecord>> ParseDialogInitRecords(const void* data,
                                                                    std::size_t size);
