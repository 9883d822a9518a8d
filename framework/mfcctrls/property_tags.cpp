#include "mfcctrls/property_tags.h"

#include <charconv>

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

void SkipSpace(std::string_view& text) {
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
}

// Consumes "<name>" (or "</name>" when closing) from the front of text.
std::optional<std::string_view> TakeTag(std::string_view& text, bool closing) {
    std::string_view opener = closing ? "</" : "<";
    if (text.substr(0, opener.size()) != opener)
        return std::nullopt;
    std::size_t end = text.find('>');
    if (end == std::string_view::npos)
        return std::nullopt;
    std::string_view name = text.substr(opener.size(), end - opener.size());
    if (name.empty() || name.find_first_of("</") != std::string_view::npos)
        return std::nullopt;
    text.remove_prefix(end + 1);
    return name;
}

std::optional<PropertyTag> TakePair(std::string_view& text) {
    auto name = TakeTag(text, false);
    if (!name)
        return std::nullopt;
    std::size_t end = text.find('<');
    if (end == std::string_view::npos)
        return std::nullopt;
    std::string_view value = text.substr(0, end);
    text.remove_prefix(end);
    auto closing = TakeTag(text, true);
    if (!closing || *closing != *name)
        return std::nullopt;
    return PropertyTag{std::string(*name), std::string(value)};
}

} // namespace

std::optional<PropertyTags> ParsePropertyTags(std::string_view text) {
    PropertyTags tags;
    SkipSpace(text);
    while (!text.empty()) {
        auto pair = TakePair(text);
        if (!pair)
            return std::nullopt;
        tags.push_back(std::move(*pair));
        SkipSpace(text);
    }
    return tags;
}

std::optional<std::string> FindPropertyTag(const PropertyTags& tags, std::string_view name) {
    for (const PropertyTag& tag : tags) {
        if (tag.name == name)
            return tag.value;
    }
    return std::nullopt;
}

std::optional<long> FindIntegerPropertyTag(const PropertyTags& tags, std::string_view name) {
    auto value = FindPropertyTag(tags, name);
    if (!value)
        return std::nullopt;
    long number = 0;
    const char* end = value->data() + value->size();
    auto [stop, error] = std::from_chars(value->data(), end, number);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return number;
}
