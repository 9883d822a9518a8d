#include "usage_error.h"

#include <array>
#include <utility>

namespace {

constexpr auto kTemplates = [] {
    std::array<std::pair<Refusal, std::string_view>, 45> table = {{
        {Refusal::UnknownOption, "unknown option {text}"},
        {Refusal::UnexpectedArgument, "unexpected argument {text}"},
        {Refusal::EmptyList, "{option}: empty list"},
        {Refusal::EmptyValue, "{option}: empty value"},
        {Refusal::MissingValue, "{option} needs a value"},
        {Refusal::FlagValue, "{option} takes no value: {text}"},
        {Refusal::Repeated, "{option} is given more than once"},
        {Refusal::Conflict, "{option} and --input exclude each other: a table comes either "
                            "from the command line or from a file"},
        {Refusal::NoTable, "no table given: use --chips and --payouts, or --input FILE"},
        {Refusal::Requires, "{option} is required with {option}"},
        {Refusal::NotInteger, "{option}: {text} is not an integer"},
        {Refusal::NotNumber, "{option}: {text} is not a number"},
        {Refusal::NotFinite, "{option}: {text} is not a finite number"},
        {Refusal::OutOfRange, "{option}: {text} is out of range"},
        {Refusal::EmptyElement, "{option}: element {n} is empty"},
        {Refusal::TooManyBubbleSeats, "--bubble-seats: {n} seats listed, at most {n}"},
        {Refusal::NoSuchFile, "--input: cannot read {text}: no such file"},
        {Refusal::PermissionDenied, "--input: cannot read {text}: permission denied"},
        {Refusal::IsDirectory, "--input: cannot read {text}: it is a directory"},
        {Refusal::Unreadable, "--input: cannot read {text}"},
        {Refusal::JsonEnds, "--input {text}: line {n}, column {n}: the JSON ends too early"},
        {Refusal::JsonUnexpected, "--input {text}: line {n}, column {n}: unexpected {text}"},
        {Refusal::JsonNumberRange,
         "--input {text}: line {n}, column {n}: number out of range: {text}"},
        {Refusal::JsonNotObject,
         "--input {text}: not a JSON object with the keys \"chips\" and \"payouts\""},
        {Refusal::JsonUnknownKey, "--input {text}: unknown key {text}"},
        {Refusal::JsonRepeatedKey, "--input {text}: key {text} is given more than once"},
        {Refusal::JsonMissingKey, "--input {text}: missing key {text}"},
        {Refusal::JsonNotList, "--input {text}: {text} is not a list"},
        {Refusal::JsonEmptyList, "--input {text}: {text} is an empty list"},
        {Refusal::JsonChipNotInteger, "--input {text}: chips[{n}] is not an integer"},
        {Refusal::JsonChipOutOfRange, "--input {text}: chips[{n}] is out of range"},
        {Refusal::JsonPayoutNotNumber, "--input {text}: payouts[{n}] is not a number"},
        {Refusal::JsonPoolNotNumber, "--input {text}: \"pool\" is not a number"},
        {Refusal::NegativeCount, "seat {n} has a negative count: negative counts are taken "
                                 "in tables of up to 24 players only"},
        {Refusal::PlacesTooLarge, "--places: the chances of {n} players in {n} places do not "
                                  "fit in memory"},
        {Refusal::DecisionNegativeCount, "{option}: seat {n} has a negative count"},
        {Refusal::TooManyBubblePlayers,
         "--bubble: {n} players hold chips, at most {n} without --bubble-seats"},
        {Refusal::BubbleSeatOutside, "--bubble-seats: seat {text} is outside the table of {n} "
                                     "seats"},
        {Refusal::BubbleSeatEmpty, "--bubble-seats: seat {n} holds no chips"},
        {Refusal::BubbleSeatRepeated, "--bubble-seats: seat {n} is listed more than once"},
        {Refusal::BubbleStackTooLarge,
         "--bubble: an all-in would leave a stack of more than 2147483647 chips"},
        {Refusal::DecisionPayouts, "{option}: the payouts must be 0 or more, and not all 0"},
        {Refusal::AmountNegative, "{option}: {text} is negative"},
        {Refusal::NotWholeCents,
         "{option}: {text} is not a whole number of cents up to 9999999999999.99"},
        {Refusal::SetAsideTooLarge, "--set-aside: {text} is more than first place's payout, "
                                    "{n}.{n}"},
    }};
    // Indexed by the enumeration, so the order above must follow it.
    for (std::size_t i = 0; i < table.size(); ++i)
        if (static_cast<std::size_t>(table[i].first) != i)
            throw "refusal templates out of order";
    return table;
}();

constexpr auto kTexts = [] {
    std::array<std::string_view, kTemplates.size()> texts{};
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = kTemplates[i].second;
    return texts;
}();

std::string Filled(std::string_view format, std::initializer_list<std::string_view> values) {
    std::string message;
    auto value = values.begin();
    std::size_t i = 0;
    for (std::size_t open; (open = format.find('{', i)) != std::string_view::npos;) {
        const std::size_t close = format.find('}', open);
        message += format.substr(i, open - i);
        const std::string_view text = value != values.end() ? *value++ : std::string_view();
        message += format.substr(open, close - open) == "{text" ? Quoted(text) : Escaped(text);
        i = close + 1;
    }
    return message + std::string(format.substr(i));
}

} // namespace

std::span<const std::string_view> RefusalTemplates() {
    return kTexts;
}

UsageError::UsageError(Refusal refusal, std::initializer_list<std::string_view> values)
    : std::runtime_error(Filled(kTexts[static_cast<std::size_t>(refusal)], values)) {}

std::string Escaped(std::string_view text) {
    std::string quoted;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (c == '\r') {
            quoted += "\\r";
        } else if (byte < 0x20 || byte >= 0x7f) {
            const char* digits = "0123456789abcdef";
            quoted += "\\x";
            quoted += digits[byte >> 4];
            quoted += digits[byte & 15];
        } else {
            quoted += c;
        }
    }
    return quoted;
}

std::string Quoted(std::string_view text) {
    return "\"" + Escaped(text) + "\"";
}
