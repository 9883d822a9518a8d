#include "numbers.h"

#include "usage_error.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

[[noreturn]] void Refuse(std::string_view option, std::string_view text, std::string_view what) {
    throw UsageError(std::string(option) + ": " + Quoted(text) + " " + std::string(what));
}

template <typename Number>
Number Read(std::string_view option, std::string_view text, std::string_view kind) {
    const std::string_view body = Trim(text);
    Number value{};
    const char* end = body.data() + body.size();
    const auto [ptr, ec] = std::from_chars(body.data(), end, value);
    if (ec == std::errc::result_out_of_range)
        Refuse(option, text, "is out of range");
    if (ec != std::errc() || ptr != end || body.empty())
        Refuse(option, text, kind);
    return value;
}

} // namespace

int ParseInteger(std::string_view option, std::string_view text) {
    return Read<int>(option, text, "is not an integer");
}

double ParseNumber(std::string_view option, std::string_view text) {
    const double value = Read<double>(option, text, "is not a number");
    // "inf" and "nan" read as doubles but mean nothing as money or payouts.
    if (!std::isfinite(value))
        Refuse(option, text, "is not a finite number");
    return value;
}

std::vector<std::string_view> SplitList(std::string_view option, std::string_view text,
                                        std::size_t limit, std::string_view noun) {
    if (Trim(text).empty())
        throw UsageError(std::string(option) + ": empty list");
    std::vector<std::string_view> items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        const std::string_view item = text.substr(start, comma - start);
        if (Trim(item).empty())
            Refuse(option, text, "has an empty element");
        items.push_back(item);
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    if (items.size() > limit)
        throw UsageError(std::string(option) + ": " + std::to_string(items.size()) + " " +
                         std::string(noun) + " given, at most " + std::to_string(limit) +
                         " allowed");
    return items;
}
