#pragma once

#include <initializer_list>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

// Every refusal the tool can make. The message of each is filled in from one template of
// RefusalTemplates(), so no library's text can reach the user.
enum class Refusal {
    // The shape of the command line, in the order its faults are reported.
    UnknownOption,
    UnexpectedArgument,
    EmptyList,
    EmptyValue,
    MissingValue,
    FlagValue,
    Repeated,
    Conflict,
    NoTable,
    Requires,
    // The values of the options.
    NotInteger,
    NotNumber,
    NotFinite,
    OutOfRange,
    EmptyElement,
    TooManyBubbleSeats,
    // The file of --input.
    NoSuchFile,
    PermissionDenied,
    IsDirectory,
    Unreadable,
    JsonEnds,
    JsonUnexpected,
    JsonNumberRange,
    JsonNotObject,
    JsonUnknownKey,
    JsonRepeatedKey,
    JsonMissingKey,
    JsonNotList,
    JsonEmptyList,
    JsonChipNotInteger,
    JsonChipOutOfRange,
    JsonPayoutNotNumber,
    JsonPoolNotNumber,
    // The table as a whole.
    NegativeCount,
    PlacesTooLarge,
    // What --bubble and --deal ask of the table.
    DecisionNegativeCount,
    TooManyBubblePlayers,
    BubbleSeatOutside,
    BubbleSeatEmpty,
    BubbleSeatRepeated,
    BubbleStackTooLarge,
    DecisionPayouts,
    AmountNegative,
    NotWholeCents,
    SetAsideTooLarge,
};

// The message of every refusal, after "tallyvane-icm: ". Placeholders: {option} an option's
// name, {text} a text from the user (shown quoted, see Quoted), {n} a whole number; no other
// braces.
std::span<const std::string_view> RefusalTemplates();

// A command line or a table the tool cannot take. The message is the refusal's template with
// its placeholders filled in order; every {text} value is quoted here, whatever it holds.
struct UsageError : std::runtime_error {
    UsageError(Refusal refusal, std::initializer_list<std::string_view> values = {});
};

// Text from the user as messages show it: quotes, backslashes, control characters and
// non-ASCII bytes escaped (\", \\, \n, \t, \r, \xHH), so a message stays one printable line
// whatever an argument holds.
std::string Escaped(std::string_view text);

// Escaped and in double quotes: one argument, visible even when it is empty.
std::string Quoted(std::string_view text);
