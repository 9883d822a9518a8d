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

template <typename Number>
Number Read(std::string_view option, std::string_view text, Refusal kind) {
    const std::string_view body = Trim(text);
    Number value{};
    const char* end = body.data() + body.size();
    const auto [ptr, ec] = std::from_chars(body.data(), end, value);
    if (ec == std::errc::result_out_of_range)
        throw UsageError(Refusal::OutOfRange, {option, text});
    if (ec != std::errc() || ptr != end || body.empty())
        throw UsageError(kind, {option, text});
    return value;
}

} // namespace

int ParseInteger(std::string_view option, std::string_view text) {
    return Read<int>(option, text, Refusal::NotInteger);
}

double ParseNumber(std::string_view option, std::string_view text) {
    const double value = Read<double>(option, text, Refusal::NotNumber);
    // "inf" and "nan" read as doubles but mean nothing as money or payouts.
    if (!std::isfinite(value))
        throw UsageError(Refusal::NotFinite, {option, text});
    return value;
}

bool IsBlank(std::string_view text) {
    return Trim(text).empty();
}

// Linear in the length of the list: each element is a view into `text`.
std::vector<std::string_view> SplitList(std::string_view option, std::string_view text) {
    std::vector<std::string_view> items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        const std::string_view item = text.substr(start, comma - start);
        if (IsBlank(item))
            throw UsageError(Refusal::EmptyElement, {option, std::to_string(items.size() + 1)});
        items.push_back(item);
        if (comma == std::string_view::npos)
            return items;
        start = comma + 1;
    }
}
