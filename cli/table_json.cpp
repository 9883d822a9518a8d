#include "table_input.h"

#include "usage_error.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <climits>
#include <optional>

namespace {

using Json = nlohmann::json;
using Values = std::initializer_list<std::string_view>;

// Walks the parser's events straight into the table, so a field of 100,000 players is read
// without a document tree, and a value of the wrong kind is named by its key and index. The
// first fault stops the parse.
class TableReader : public nlohmann::json_sax<Json> {
public:
    TableReader(const std::string& name, const std::string& text, Arguments& args)
        : name_(name), text_(text), args_(args) {}

    std::optional<UsageError> fault;

    bool null() override { return Wrong(); }
    bool boolean(bool) override { return Wrong(); }
    bool string(string_t&) override { return Wrong(); }
    bool binary(binary_t&) override { return Wrong(); }
    bool number_integer(number_integer_t value) override {
        return InChips() ? Chip(value) : Number(static_cast<double>(value));
    }
    bool number_unsigned(number_unsigned_t value) override {
        if (!InChips())
            return Number(static_cast<double>(value));
        return Chip(static_cast<number_integer_t>(std::min<number_unsigned_t>(value, LLONG_MAX)));
    }
    bool number_float(number_float_t value, const string_t& text) override {
        if (!InChips())
            return Number(value);
        // An integer too long for 64 bits arrives as a float; it is still no fraction.
        if (text.find_first_of(".eE") == string_t::npos)
            return Fail(Refusal::JsonChipOutOfRange, std::to_string(index_));
        return Wrong();
    }

    bool start_object(std::size_t) override {
        if (depth_ != 0)
            return Wrong();
        depth_ = 1;
        return true;
    }
    bool key(string_t& key) override {
        const auto known = std::find(std::begin(kKeys), std::end(kKeys), key);
        if (known == std::end(kKeys))
            return Fail(Refusal::JsonUnknownKey, key);
        key_ = static_cast<int>(known - std::begin(kKeys));
        if (seen_[key_])
            return Fail(Refusal::JsonRepeatedKey, key);
        seen_[key_] = true;
        return true;
    }
    bool end_object() override {
        for (int k : {kChips, kPayouts})
            if (!seen_[k])
                return Fail(Refusal::JsonMissingKey, kKeys[k]);
        depth_ = 0;
        return true;
    }
    bool start_array(std::size_t) override {
        if (depth_ != 1 || key_ == kPool)
            return Wrong();
        depth_ = 2;
        index_ = 0;
        return true;
    }
    bool end_array() override {
        if (index_ == 0)
            return Fail(Refusal::JsonEmptyList, kKeys[key_]);
        depth_ = 1;
        return true;
    }

    bool parse_error(std::size_t position, const std::string& token,
                     const nlohmann::detail::exception& error) override {
        // `position` counts the bytes read: up to the offending one, or to the end of a
        // number beyond the range of a double, which is named from its start.
        const bool range = error.id == 406;
        position = std::min(position, text_.size() + 1);
        const std::size_t at = position - std::min(position, range ? token.size() : 1);
        const std::size_t lineStart = at == 0 ? 0 : text_.rfind('\n', at - 1) + 1;
        const std::string line =
            std::to_string(std::count(text_.begin(), text_.begin() + lineStart, '\n') + 1);
        const std::string column = std::to_string(at - lineStart + 1);
        if (range)
            fault.emplace(Refusal::JsonNumberRange, Values{name_, line, column, token});
        else if (at >= text_.size())
            fault.emplace(Refusal::JsonEnds, Values{name_, line, column});
        else
            fault.emplace(Refusal::JsonUnexpected,
                          Values{name_, line, column, std::string_view(text_).substr(at, 1)});
        return false;
    }

private:
    enum { kChips, kPayouts, kPool };
    static constexpr std::string_view kKeys[] = {"chips", "payouts", "pool"};

    bool Fail(Refusal refusal) {
        fault.emplace(refusal, Values{name_});
        return false;
    }
    bool Fail(Refusal refusal, std::string_view value) {
        fault.emplace(refusal, Values{name_, value});
        return false;
    }

    bool InChips() const { return depth_ == 2 && key_ == kChips; }

    // A value where it does not belong, or of the wrong kind.
    bool Wrong() {
        if (depth_ == 0)
            return Fail(Refusal::JsonNotObject);
        if (depth_ == 1 && key_ != kPool)
            return Fail(Refusal::JsonNotList, kKeys[key_]);
        if (depth_ == 1)
            return Fail(Refusal::JsonPoolNotNumber);
        return Fail(key_ == kChips ? Refusal::JsonChipNotInteger : Refusal::JsonPayoutNotNumber,
                    std::to_string(index_));
    }

    bool Chip(number_integer_t value) {
        if (value < INT_MIN || value > INT_MAX)
            return Fail(Refusal::JsonChipOutOfRange, std::to_string(index_));
        args_.chips.push_back(static_cast<int>(value));
        ++index_;
        return true;
    }

    bool Number(double value) {
        if (depth_ == 1 && key_ == kPool) {
            args_.pool = value;
            return true;
        }
        if (depth_ != 2)
            return Wrong();
        args_.payouts.push_back(value);
        ++index_;
        return true;
    }

    const std::string& name_;
    const std::string& text_;
    Arguments& args_;
    int depth_ = 0; // 1 inside the object, 2 inside one of its lists
    int key_ = kChips;
    std::size_t index_ = 0;
    bool seen_[3] = {};
};

} // namespace

void ReadTableJson(const std::string& name, const std::string& text, Arguments& args) {
    TableReader reader(name, text, args);
    if (!Json::sax_parse(text, &reader) && reader.fault)
        throw *reader.fault;
}
